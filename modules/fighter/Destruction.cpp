// The fighter's step, its destruction, and what the game does about it: frags, lives, new
// fighters and the end of the game.
#include <cmath>
#include <string>

#include "Constants.h"
#include "Corvex.h"
#include "GameState.h"
#include "VesselGeometry.h"

namespace {

constexpr double kEnemyWreckTime = 0.75;    // s until an enemy wreck is removed
constexpr double kPlayerWreckTime = 1.125;  // s until the player's wreck is replaced
constexpr double kCrashSinkRate = 15;       // m/s
constexpr int kLastCloneFrag = 24;          // every third frag below this brings a reinforcement

PARTICLESTREAMSPEC ExplosionSpec(double size, double rate, double v0, double spread, double growth, double slowdown,
                                 PARTICLESTREAMSPEC::LTYPE lighting) {
    return {0,        size,     rate, v0, spread, 0.75, growth, slowdown, lighting, PARTICLESTREAMSPEC::LVL_FLAT,
            1,        1,        PARTICLESTREAMSPEC::ATM_FLAT, 1, 1, nullptr};
}

PARTICLESTREAMSPEC explosionCore = ExplosionSpec(14, 4, 0, 0, 8, 5, PARTICLESTREAMSPEC::EMISSIVE);
PARTICLESTREAMSPEC explosionSide = ExplosionSpec(3, 16, 18, 8, 6, 2, PARTICLESTREAMSPEC::DIFFUSE);

// A place for a new fighter near a vessel, in the global frame: `distance` away horizontally in a
// random direction, at a random altitude within `spread` of the vessel's but not below minAltitude.
VECTOR3 RandomSpawnOffset(OBJHANDLE vessel, double distance, double minAltitude, double spread) {
    const double bearing = 2 * PI * oapiRand();
    const double x = distance * std::cos(bearing);
    const double z = distance * std::sin(bearing);
    double altitude = 0;
    oapiGetAltitude(vessel, &altitude);
    double low = altitude - spread;
    if (minAltitude > low) low = minAltitude;
    const double high = altitude + spread;
    const double y = low + oapiRand() * (high - low) - altitude;
    const VESSEL* v = oapiGetVesselInterface(vessel);
    if (!v) return {0, 0, 0};
    VECTOR3 local;
    v->HorizonInvRot({x, y, z}, local);
    return LocalToGlobal(*v, local);
}

}  // namespace

void Corvex::clbkPreStep(double, double, double) {
    if (!oapiIsVessel(target)) target = nullptr;
    if (destroyed != 0) {
        DealWithWreck();
        return;
    }
    FlyAutopilot();
    if (GroundContact()) {
        VECTOR3 airspeed;
        GetHorizonAirspeedVector(airspeed);
        if (-airspeed.y > kCrashSinkRate) Destroy();
    }
}

void Corvex::DealWithWreck() {
    if (oapiGetSimTime() < removalTime) return;
    if (team > 0) {
        oapiDeleteVessel(GetHandle(), nullptr);
    } else if (lives <= 0) {
        // The wreck stays for the rest of the game, its fire out.
        oapiAnnotationSetText(messageNote, "GAME OVER");
        for (PSTREAM_HANDLE stream : explosionStreams) DelExhaustStream(stream);
    } else {
        SpawnFighter(0, "PLAYER");
        oapiDeleteVessel(GetHandle(), nullptr);
    }
}

void Corvex::Destroy() {
    // A wreck scores and respawns once, whoever hits it again.
    if (destroyed != 0) return;
    ClearMeshes(false);
    if (team <= 0) {
        oapiCameraScaleDist(2);
        oapiCameraAttach(GetHandle(), 1);
        removalTime = oapiGetSimTime() + kPlayerWreckTime;
        AddMesh("Corvex/CrashWreck1");
        --lives;
        UpdateScoreboard();
    } else {
        ++frags;
        removalTime = oapiGetSimTime() + kEnemyWreckTime;
        UpdateScoreboard();
        SpawnFighter(team, (std::string(GetName()) + "*").c_str());
        if (frags < kLastCloneFrag && frags % 3 == 0) SpawnFighter(team, "CLONE");
    }
    SetPropellantMass(GetPropellantHandleByIndex(0), 0);
    destroyed = 1;
    // The streams burn at the level of `destroyed`, now 1.
    static constexpr VECTOR3 kDirections[5] = {{0, 0, 1}, {1, 1, 0}, {1, -1, 0}, {-1, 1, 0}, {-1, -1, 0}};
    for (int i = 0; i < 5; ++i)
        explosionStreams[i] = AddParticleStream(i == 0 ? &explosionCore : &explosionSide, {0, 0, 0}, kDirections[i],
                                                &destroyed);
}

void Corvex::SpawnFighter(int newTeam, const char* name) {
    VESSELSTATUS status;
    GetStatus(status);
    status.fuel = 1;
    status.status = 0;
    status.eng_hovr = 0;
    status.eng_main = 0;
    const double distance = 800 + 800 * oapiRand();
    const VECTOR3 offset = RandomSpawnOffset(GetHandle(), distance, 250, 600);
    status.rpos = {status.rpos.x + offset.x, status.rpos.y + offset.y, status.rpos.z + offset.z};
    // At rest in the air around the spawner.
    VECTOR3 airspeed{0, 0, 0};
    oapiGetAirspeedVector(GetHandle(), &airspeed);
    status.rvel = {status.rvel.x - airspeed.x, status.rvel.y - airspeed.y, status.rvel.z - airspeed.z};

    const OBJHANDLE spawned = oapiCreateVessel(name, "Corvex", status);
    Corvex* fighter = FighterOf(spawned);
    if (!fighter) return;
    fighter->team = newTeam;
    fighter->SelectNextHostile();
    fighter->SetThrusterGroupLevel(THGROUP_MAIN, 1);
    if (newTeam == 0) {
        oapiSetFocusObject(spawned);
        oapiCameraAttach(spawned, 0);
    } else {
        fighter->aiMode = 1;
    }
}
