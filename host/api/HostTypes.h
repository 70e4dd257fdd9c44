// Plain types shared by the host and the vessel modules: handles, vectors and records.
#pragma once

#include <cstdint>

using DWORD = std::uint32_t;
using UINT = unsigned int;

// Opaque handles: modules only store, compare and hand them back.
using OBJHANDLE = struct HostObject*;
using THRUSTER_HANDLE = struct HostThruster*;
using THGROUP_HANDLE = struct HostThrusterGroup*;
using PROPELLANT_HANDLE = struct HostPropellant*;
using PSTREAM_HANDLE = struct HostParticleStream*;
using NOTEHANDLE = struct HostAnnotation*;
using FILEHANDLE = struct HostScenarioFile*;
using VISHANDLE = struct HostVisual*;
using SURFHANDLE = struct HostSurface*;
using HINSTANCE = struct HostModuleInstance*;
using HDC = struct HostDrawContext*;

struct VECTOR3 {
    double x, y, z;
};

// Nine doubles, row by row.
struct MATRIX3 {
    double m11, m12, m13;
    double m21, m22, m23;
    double m31, m32, m33;
};

// A vessel's state. Positions and velocities are relative to the reference body, in the global frame.
struct VESSELSTATUS {
    VECTOR3 rpos;  // position (m)
    VECTOR3 rvel;  // velocity (m/s)
    VECTOR3 vrot;  // angular velocity in the vessel frame (rad/s)
    VECTOR3 arot;  // orientation angles (rad): see the scenario docs for their meaning
    double fuel;      // level of the first tank, 0..1
    double eng_main;  // main engine level, 0..1
    double eng_hovr;  // hover engine level, 0..1
    int status;       // 0 flying, 1 landed
    OBJHANDLE rbody;  // reference body
};

enum THGROUP_TYPE {
    THGROUP_MAIN = 0,
    THGROUP_RETRO = 1,
    THGROUP_HOVER = 2,
    THGROUP_ATT_PITCHUP = 3,
    THGROUP_ATT_PITCHDOWN = 4,
    THGROUP_ATT_YAWLEFT = 5,
    THGROUP_ATT_YAWRIGHT = 6,
    THGROUP_ATT_BANKLEFT = 7,
    THGROUP_ATT_BANKRIGHT = 8,
    THGROUP_ATT_RIGHT = 9,
    THGROUP_ATT_LEFT = 10,
    THGROUP_ATT_UP = 11,
    THGROUP_ATT_DOWN = 12,
    THGROUP_ATT_FORWARD = 13,
    THGROUP_ATT_BACK = 14,
    THGROUP_COUNT = 15
};

struct PARTICLESTREAMSPEC {
    DWORD flags;
    double srcsize;     // particle size at creation (m)
    double srcrate;     // particles per second
    double v0;          // emission speed (m/s)
    double srcspread;   // emission speed spread
    double lifetime;    // s
    double growthrate;  // m/s
    double atmslowdown;
    enum LTYPE { EMISSIVE = 0, DIFFUSE = 1 } ltype;
    enum LEVELMAP { LVL_FLAT = 0, LVL_LIN = 1, LVL_SQRT = 2, LVL_PLIN = 3, LVL_PSQRT = 4 } levelmap;
    double lmin, lmax;
    enum ATMSMAP { ATM_FLAT = 0, ATM_PLIN = 1, ATM_PLOG = 2 } atmsmap;
    double amin, amax;
    SURFHANDLE tex;  // null: the host's default
};

struct HUDPAINTSPEC {
    int W, H;       // pixels
    int CX, CY;     // centre, pixels
    double Scale;   // pixels per degree
    int Markersize;
};

// What an MFD mode is registered with.
struct MFDMODESPEC {
    const char* name;
    DWORD key;
};

using LiftCoeffFunc = double (*)(double aoa);
