// A battle loaded from a scenario file and flown by the real host: its flight physics, both game
// modules, the keyboard queue and the event bus.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "Corvex.h"
#include "HostFixture.h"
#include "Pellix.h"

class Battle : public HostTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Loads a scenario from the combat test data; a load that fails, or warns, fails the test.
    void Load(const std::string& fileName);
    void LoadText(const std::string& text, const std::string& fileName);

    // Queues a key for the focus vessel, due at simulation time t.
    void Press(double t, DWORD key) { host.keyboard.Push({t, key, true}); }
    void Release(double t, DWORD key) { host.keyboard.Push({t, key, false}); }

    // Steps until the clock reads at least t.
    void StepTo(double t);
    // Steps until done() holds, for at most `seconds` of simulation time; false if it never did.
    template <class Done>
    bool StepUntil(Done done, double seconds) {
        const double end = host.clock.Now() + seconds;
        while (!done()) {
            if (host.clock.Now() >= end) return false;
            host.Step();
        }
        return true;
    }

    // The first live vessel of that name; null (and a failed test) if there is none.
    static OBJHANDLE Named(const std::string& name);
    // What is behind a live vessel; throws, failing the test, if the vessel is gone.
    static VESSEL* Interface(OBJHANDLE h);
    static Corvex& Fighter(OBJHANDLE h) { return *static_cast<Corvex*>(Interface(h)); }
    static Pellix& Shell(OBJHANDLE h) { return *static_cast<Pellix*>(Interface(h)); }
    static double Altitude(OBJHANDLE h) { return host::physics::Altitude(Record(h).state.pos); }

    // What the host has observed since the scenario began to load.
    std::vector<host::Event> Seen(host::Event::Kind kind) const;
    std::vector<host::Event> Created(const std::string& name) const;
    // When the vessel was deleted, and in whose step; null if it was not.
    const host::Event* Deletion(OBJHANDLE h) const;
    // The events kept, one short line each ("created Red*", "text FRAGS: 1", "focus PLAYER",
    // "camera Player external 2", "key 57 down to Player", "deleted Red"), in order.
    std::vector<std::string> Story(const std::function<bool(const host::Event&)>& keep) const;
    // What happened inside a vessel's callbacks.
    std::vector<std::string> StoryDuring(OBJHANDLE h) const {
        return Story([h](const host::Event& e) { return e.during == h; });
    }

    std::string FragsText() const { return host.screen.annotations.at(0).text; }
    std::string LivesText() const { return host.screen.annotations.at(1).text; }
    std::string MessageText() const { return host.screen.annotations.at(2).text; }

    std::vector<host::Event> events;
};

// Horizontal distance and altitude of a point seen from another, in the first point's horizon.
struct Separation {
    double horizontal, altitude;
};
Separation SeparationOf(const glm::dvec3& from, const glm::dvec3& to);
