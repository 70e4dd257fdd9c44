// The host functions a vessel module may call. All run on the simulation thread.
#pragma once

#include "HostTypes.h"

class VESSEL;

// Vessel life
OBJHANDLE oapiCreateVessel(const char* name, const char* classname, const VESSELSTATUS& status);
// The vessel's focus and camera go to the alternative vessel if there is one, else to none until
// a vessel is given them. The instance is released at the end of the step.
bool oapiDeleteVessel(OBJHANDLE hVessel, OBJHANDLE hAlternativeCameraTarget = nullptr);
VESSEL* oapiGetVesselInterface(OBJHANDLE hVessel);
bool oapiIsVessel(OBJHANDLE hVessel);
DWORD oapiGetVesselCount();
OBJHANDLE oapiGetVesselByIndex(int index);
OBJHANDLE oapiGetVesselByName(const char* name);

// State queries (global frame, SI units, radians)
void oapiGetRelativePos(OBJHANDLE hObj, OBJHANDLE hRef, VECTOR3* pos);
void oapiGetRelativeVel(OBJHANDLE hObj, OBJHANDLE hRef, VECTOR3* vel);
bool oapiGetAirspeedVector(OBJHANDLE hVessel, VECTOR3* speedvec);
bool oapiGetHeading(OBJHANDLE hVessel, double* heading);
bool oapiGetAltitude(OBJHANDLE hVessel, double* alt);
bool oapiGetEquPos(OBJHANDLE hVessel, double* longitude, double* latitude, double* radius);
double oapiGetSize(OBJHANDLE hObj);

// Time and chance
double oapiGetSimTime();
double oapiRand();

// View
// The vessel that had the focus before; null also when hVessel cannot take the focus.
OBJHANDLE oapiSetFocusObject(OBJHANDLE hVessel);
OBJHANDLE oapiGetFocusObject();
void oapiCameraAttach(OBJHANDLE hObj, int mode);  // mode 0 cockpit, 1 external
void oapiCameraScaleDist(double dscale);

// On-screen text; the rectangle is left, top, right, bottom in fractions of the window. A text
// stays until replaced.
NOTEHANDLE oapiCreateAnnotation(bool exclusive, double size, const VECTOR3& col);
void oapiAnnotationSetPos(NOTEHANDLE hNote, double x1, double y1, double x2, double y2);
void oapiAnnotationSetText(NOTEHANDLE hNote, const char* note);

// MFDs: mode id 0 is no mode; MFD 0 is the left one, 1 the right one
// Ids count from 1; registering a name again gives its first id, a null or empty name gives 0.
int oapiRegisterMFDMode(const MFDMODESPEC& spec);
// The id of the mode registered under the name, and its record through the second argument if
// one is given; 0 (no mode) and a null record for a name nobody registered.
int oapiGetMFDModeSpec(const char* name, MFDMODESPEC** spec = nullptr);
int oapiGetMFDMode(int mfd);
// Shows the mode (0 closes the MFD) and returns the mode shown afterwards: an unregistered mode
// changes nothing, an MFD that does not exist gives 0.
int oapiOpenMFD(int mode, int mfd);
// 1 if a mode showing on the MFD received the key, 0 otherwise.
int oapiSendMFDKey(int mfd, DWORD key);

// Scenario files
bool oapiReadScenario_nextline(FILEHANDLE scn, char*& line);
void oapiWriteScenario_string(FILEHANDLE scn, const char* item, const char* string);
void oapiWriteScenario_int(FILEHANDLE scn, const char* item, int value);
void oapiWriteScenario_float(FILEHANDLE scn, const char* item, double value);

// Module frame
void InitLib(HINSTANCE hModule);
// "Mmm dd yyyy" as yyyymmdd; 0 for a malformed date.
int Date2Int(const char* date);
