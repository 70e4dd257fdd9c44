// The vessel interface a module's vessel class derives from.
//
// VESSEL is the host's side of a vessel: plain members, no virtual functions, implemented by the
// host. VESSEL2 adds the host's callbacks, each with the host's default behaviour. A module's class
// derives from VESSEL2; the host holds the instance through its VESSEL part.
#pragma once

#include "HostTypes.h"

class VESSEL {
public:
    VESSEL(OBJHANDLE hVessel, int fmodel);

    // Identity
    OBJHANDLE GetHandle() const;
    const char* GetName() const;
    const char* GetClassNameA() const;
    int GetFlightModel() const;

    // Definition
    void SetSize(double size) const;
    void SetEmptyMass(double mass) const;
    void SetCW(double cw_z_pos, double cw_z_neg, double cw_x, double cw_y) const;
    void SetWingAspect(double aspect) const;
    void SetWingEffectiveness(double eff) const;
    void SetCrossSections(const VECTOR3& cs) const;
    void SetRotDrag(const VECTOR3& rd) const;
    void SetPitchMomentScale(double scale) const;
    void SetBankMomentScale(double scale) const;
    void SetPMI(const VECTOR3& pmi) const;
    void SetTrimScale(double scale) const;
    void SetCameraOffset(const VECTOR3& co) const;
    void SetLiftCoeffFunc(LiftCoeffFunc lcf) const;
    void SetDockParams(const VECTOR3& pos, const VECTOR3& dir, const VECTOR3& rot) const;
    void SetTouchdownPoints(const VECTOR3& pt1, const VECTOR3& pt2, const VECTOR3& pt3) const;
    void SetSurfaceFrictionCoeff(double mu_lng, double mu_lat) const;
    void SetCOG_elev(double h) const;
    void SetEnableFocus(bool enable) const;

    // Propellant and thrusters
    PROPELLANT_HANDLE CreatePropellantResource(double maxmass, double mass = -1.0, double efficiency = 1.0) const;
    PROPELLANT_HANDLE GetPropellantHandleByIndex(DWORD idx) const;
    void SetPropellantMass(PROPELLANT_HANDLE ph, double mass) const;
    double GetPropellantMass(PROPELLANT_HANDLE ph) const;
    THRUSTER_HANDLE CreateThruster(const VECTOR3& pos, const VECTOR3& dir, double maxth0, PROPELLANT_HANDLE hp = nullptr,
                                   double isp0 = 0.0, double isp_ref = 0.0, double p_ref = 101.4e3) const;
    THGROUP_HANDLE CreateThrusterGroup(THRUSTER_HANDLE* th, int nth, THGROUP_TYPE thgt) const;
    void SetThrusterLevel(THRUSTER_HANDLE th, double level) const;
    double GetThrusterLevel(THRUSTER_HANDLE th) const;
    void SetThrusterGroupLevel(THGROUP_TYPE thgt, double level) const;
    double GetThrusterGroupLevel(THGROUP_TYPE thgt) const;
    // axis 0 pitch, 1 yaw, 2 bank; level -1..1
    void SetAttitudeRotLevel(int axis, double level) const;

    // Visuals
    UINT AddMesh(const char* meshname, const VECTOR3* ofs = nullptr) const;
    bool ClearMeshes(bool retainAnim) const;
    UINT AddExhaust(THRUSTER_HANDLE th, double lscale, double wscale, const VECTOR3& pos, const VECTOR3& dir,
                    SURFHANDLE tex = nullptr) const;
    PSTREAM_HANDLE AddExhaustStream(THRUSTER_HANDLE th, const VECTOR3& pos, PARTICLESTREAMSPEC* pss = nullptr) const;
    bool DelExhaustStream(PSTREAM_HANDLE ch) const;
    PSTREAM_HANDLE AddParticleStream(PARTICLESTREAMSPEC* pss, const VECTOR3& pos, const VECTOR3& dir, double* lvl) const;

    // State
    void GetStatus(VESSELSTATUS& status) const;
    void GlobalRot(const VECTOR3& rloc, VECTOR3& rglob) const;
    void HorizonInvRot(const VECTOR3& rhorizon, VECTOR3& rloc) const;
    bool GetHorizonAirspeedVector(VECTOR3& v) const;
    bool GetWeightVector(VECTOR3& G) const;
    double GetPitch() const;
    double GetBank() const;
    double GetAltitude() const;
    bool GroundContact() const;

    // Scenario
    bool ParseScenarioLineEx(char* line, void* status) const;

private:
    OBJHANDLE handle;
    int flightModel;
};

class VESSEL2 : public VESSEL {
public:
    VESSEL2(OBJHANDLE hVessel, int fmodel);

    // The host calls these, in this slot order. The defaults are the host's own behaviour.
    virtual void clbkSetClassCaps(FILEHANDLE cfg);
    virtual void clbkSaveState(FILEHANDLE scn);
    virtual void clbkLoadStateEx(FILEHANDLE scn, void* status);
    virtual void clbkSetStateEx(const void* status);
    virtual void clbkPostCreation();
    virtual void clbkFocusChanged(bool getfocus, OBJHANDLE hNewVessel, OBJHANDLE hOldVessel);
    virtual void clbkPreStep(double simt, double simdt, double mjd);
    virtual void clbkPostStep(double simt, double simdt, double mjd);
    virtual bool clbkPlaybackEvent(double simt, double event_t, const char* event_type, const char* event);
    virtual void clbkVisualCreated(VISHANDLE vis, int refcount);
    virtual void clbkVisualDestroyed(VISHANDLE vis, int refcount);
    virtual void clbkDrawHUD(int mode, const HUDPAINTSPEC* hps, HDC hDC);
    virtual void clbkRCSMode(int mode);
    virtual void clbkADCtrlMode(DWORD mode);
    virtual void clbkHUDMode(int mode);
    virtual void clbkMFDMode(int mfd, int mode);
    virtual void clbkNavMode(int mode, bool active);
    virtual void clbkDockEvent(int dock, OBJHANDLE mate);
    virtual void clbkAnimate(double simt);
    virtual int clbkConsumeDirectKey(char* kstate);
    virtual int clbkConsumeBufferedKey(DWORD key, bool down, char* kstate);
    virtual bool clbkLoadGenericCockpit();
    virtual bool clbkLoadPanel(int id);
    virtual bool clbkPanelMouseEvent(int id, int event, int mx, int my);
    virtual bool clbkPanelRedrawEvent(int id, int event, SURFHANDLE surf);
    virtual bool clbkLoadVC(int id);
    virtual bool clbkVCMouseEvent(int id, int event, VECTOR3& p);
    virtual bool clbkVCRedrawEvent(int id, int event, SURFHANDLE surf);
};
