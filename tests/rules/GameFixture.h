// A host running the real game modules, with what it observed on the way.
#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "Corvex.h"
#include "HostFixture.h"
#include "Pellix.h"

class GameTest : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        host.events.Subscribe([this](const host::Event& e) { events.push_back(e); });
    }

    // A fighter of the team at `north` metres along the ground, level, heading north.
    OBJHANDLE AddFighter(const std::string& name, int team, double altitude = 1000, double north = 0) {
        OBJHANDLE h = Create(name, "Corvex", StatusAt(altitude, north));
        Fighter(h).team = team;
        return h;
    }

    static Corvex& Fighter(OBJHANDLE h) { return *static_cast<Corvex*>(oapiGetVesselInterface(h)); }
    static Pellix& Shell(OBJHANDLE h) { return *static_cast<Pellix*>(oapiGetVesselInterface(h)); }
    // Destroy as another module calls it: through the shared base, running the owner's override.
    static void Hit(OBJHANDLE h) { static_cast<GAMESHIP*>(static_cast<VESSEL2*>(oapiGetVesselInterface(h)))->Destroy(); }

    // Steps until the clock reads at least t.
    void StepUntil(double t) {
        while (host.clock.Now() < t) host.Step();
    }

    // The vessels created so far under a name, in order.
    std::vector<host::Event> Created(const std::string& name) const {
        std::vector<host::Event> found;
        for (const host::Event& e : events)
            if (e.kind == host::Event::Kind::VesselCreated && e.name == name) found.push_back(e);
        return found;
    }
    int CountCreated(const std::string& name) const { return static_cast<int>(Created(name).size()); }

    std::string FragsText() const { return host.screen.annotations.at(0).text; }
    std::string LivesText() const { return host.screen.annotations.at(1).text; }
    std::string MessageText() const { return host.screen.annotations.at(2).text; }

    // Moves a vessel to `offset` from another, in the global frame, at rest.
    static void PlaceAt(OBJHANDLE h, OBJHANDLE from, const glm::dvec3& offset) {
        Record(h).state.pos = Record(from).state.pos + offset;
        Record(h).state.vel = Record(from).state.vel;
    }

    std::vector<host::Event> events;
};

// Horizontal distance and altitude of one vessel seen from another.
struct Separation {
    double horizontal, altitude;
};

inline Separation SeparationOf(const glm::dvec3& from, const glm::dvec3& to) {
    const glm::dvec3 up = glm::normalize(from);
    const glm::dvec3 d = to - from;
    return {glm::length(d - glm::dot(d, up) * up), glm::length(to) - host::physics::kPlanetRadius};
}
