#include "Corvex.h"

#include "LiftCoefficient.h"

namespace {

PARTICLESTREAMSPEC Spec(double size, double rate, double v0, double spread, double lifetime, double growth,
                        double slowdown, PARTICLESTREAMSPEC::LTYPE lighting, PARTICLESTREAMSPEC::LEVELMAP levelMap,
                        double lmax, double amin, double amax) {
    return {0,        size,     rate, v0,   spread,
            lifetime, growth,   slowdown, lighting, levelMap,
            0,        lmax,     PARTICLESTREAMSPEC::ATM_PLOG, amin, amax,
            nullptr};
}

// Exhaust smoke and the trail.
PARTICLESTREAMSPEC specA = Spec(5, 8, 200, 0.15, 1, 5, 3, PARTICLESTREAMSPEC::DIFFUSE, PARTICLESTREAMSPEC::LVL_PSQRT, 2, 1e-4, 1);
PARTICLESTREAMSPEC specB = Spec(5, 8, 200, 0.15, 1, 5, 1, PARTICLESTREAMSPEC::DIFFUSE, PARTICLESTREAMSPEC::LVL_PSQRT, 2, 1e-4, 1);
PARTICLESTREAMSPEC specC = Spec(2, 10, 200, 0.05, 0.05, 8, 1, PARTICLESTREAMSPEC::EMISSIVE, PARTICLESTREAMSPEC::LVL_SQRT, 1, 1e-5, 0.1);
PARTICLESTREAMSPEC specD = Spec(2, 20, 200, 0.05, 0.1, 8, 1, PARTICLESTREAMSPEC::EMISSIVE, PARTICLESTREAMSPEC::LVL_SQRT, 1, 1e-5, 0.1);
PARTICLESTREAMSPEC specTrail = Spec(4, 5, 0, 0, 15, 0, 300, PARTICLESTREAMSPEC::EMISSIVE, PARTICLESTREAMSPEC::LVL_SQRT, 1, 1e-5, 0.1);

constexpr double kIsp = 50000;     // m/s, vacuum
constexpr double kIspRef = 0;      // no dependence on ambient pressure
constexpr double kPRef = 101400;   // Pa
constexpr double kAttitudeThrust = 200;  // N

}  // namespace

Corvex::Corvex(OBJHANDLE hVessel, int flightmodel) : GAMESHIP(hVessel, flightmodel), target(nullptr) {}

void Corvex::clbkSetClassCaps(FILEHANDLE) {
    SetSize(3.5);
    SetEmptyMass(500);
    SetCW(0.3, 0.3, 0.6, 0.9);
    SetWingAspect(0.7);
    SetWingEffectiveness(2.5);
    SetCrossSections({10.5, 15.0, 5.8});
    SetRotDrag({0.6, 0.6, 0.35});
    if (GetFlightModel() >= 1) {
        SetPitchMomentScale(1e-4);
        SetBankMomentScale(1e-4);
    }
    SetPMI({2.28, 2.31, 0.79});
    SetTrimScale(0.05);
    SetCameraOffset({0, 0.8, 0});
    SetLiftCoeffFunc(LiftCoefficient);
    SetDockParams({0, 1.3, -1}, {0, 1, 0}, {0, 0, -1});
    SetTouchdownPoints({0, -1.5, 2}, {-1, -1.5, -1.5}, {1, -1.5, -1.5});

    PROPELLANT_HANDLE tank = CreatePropellantResource(750, -1, 1);

    THRUSTER_HANDLE th[16];
    th[0] = CreateThruster({0, 0, -4.35}, {0, 0, 1}, 30000, tank, kIsp, kIspRef, kPRef);
    CreateThrusterGroup(&th[0], 1, THGROUP_MAIN);
    AddExhaust(th[0], 8, 1, {0, 0.3, -4.35}, {0, 0, -1});

    th[1] = CreateThruster({0, -1.5, 0}, {0, 1, 0}, 15000, tank, kIsp, kIspRef, kPRef);
    CreateThrusterGroup(&th[1], 1, THGROUP_HOVER);
    AddExhaust(th[1], 8, 1, {0, -1.5, 1}, {0, -1, 0});
    AddExhaust(th[1], 8, 1, {0, -1.5, -1}, {0, -1, 0});

    AddExhaustStream(th[1], {0, -3, 1}, &specA);
    AddExhaustStream(th[1], {0, -3, -1}, &specA);
    AddExhaustStream(th[0], {0, 0.3, -10}, &specB);
    AddExhaustStream(th[1], {0, -2, 1}, &specC);
    AddExhaustStream(th[1], {0, -2, -1}, &specC);
    AddExhaustStream(th[0], {0, 0.3, -5}, &specD);

    // Attitude thrusters 3 to 16: position, direction.
    static constexpr VECTOR3 kAttitude[14][2] = {
        {{1, 0, 3}, {0, 1, 0}},   {{1, 0, 3}, {0, -1, 0}},  {{-1, 0, 3}, {0, 1, 0}},  {{-1, 0, 3}, {0, -1, 0}},
        {{1, 0, -3}, {0, 1, 0}},  {{1, 0, -3}, {0, -1, 0}}, {{-1, 0, -3}, {0, 1, 0}}, {{-1, 0, -3}, {0, -1, 0}},
        {{1, 0, 3}, {-1, 0, 0}},  {{-1, 0, 3}, {1, 0, 0}},  {{1, 0, -3}, {-1, 0, 0}}, {{-1, 0, -3}, {1, 0, 0}},
        {{0, 0, -3}, {0, 0, 1}},  {{0, 0, 3}, {0, 0, -1}},
    };
    for (int i = 0; i < 14; ++i)
        th[i + 2] = CreateThruster(kAttitude[i][0], kAttitude[i][1], kAttitudeThrust, tank, kIsp, kIspRef, kPRef);

    // Thruster numbers as in the fighter's design sheet (1-based), per group.
    struct Group {
        THGROUP_TYPE type;
        int count;
        int members[4];
    };
    static constexpr Group kGroups[] = {
        {THGROUP_ATT_PITCHUP, 4, {3, 5, 8, 10}},   {THGROUP_ATT_PITCHDOWN, 4, {4, 6, 7, 9}},
        {THGROUP_ATT_BANKLEFT, 4, {3, 7, 6, 10}},  {THGROUP_ATT_BANKRIGHT, 4, {4, 8, 5, 9}},
        {THGROUP_ATT_UP, 4, {3, 7, 5, 9}},         {THGROUP_ATT_DOWN, 4, {4, 8, 6, 10}},
        {THGROUP_ATT_YAWLEFT, 2, {11, 14}},        {THGROUP_ATT_YAWRIGHT, 2, {12, 13}},
        {THGROUP_ATT_LEFT, 2, {11, 13}},           {THGROUP_ATT_RIGHT, 2, {12, 14}},
        {THGROUP_ATT_FORWARD, 1, {15}},            {THGROUP_ATT_BACK, 1, {16}},
    };
    for (const Group& g : kGroups) {
        THRUSTER_HANDLE members[4];
        for (int i = 0; i < g.count; ++i) members[i] = th[g.members[i] - 1];
        CreateThrusterGroup(members, g.count, g.type);
    }

    AddMesh("ShuttlePB");
    trailLevel = 0;
    AddParticleStream(&specTrail, {0, 0, 0}, {0, 0, -1}, &trailLevel);

    desiredHeading = 0;
    autopilotActive = false;
    desiredPitch = 0;
    team = 0;
    aiMode = 0;
    removalTime = -1;
    gunRange = 1200;
    lastShotTime = 0;
    muzzleSpeed = 350;
}
