// The player's lives: each loss brings a "PLAYER" near the wreck 1.125 s later, until the fourth
// ends the game.
#include <algorithm>
#include <cmath>

#include "Battle.h"

namespace {

using Kind = host::Event::Kind;

class LastStand : public Battle {
protected:
    // A shell 60 m ahead of the fighter closing at 400 m/s, as an enemy's gun would send it.
    static void IncomingShell(OBJHANDLE target) {
        const VESSEL& v = *Interface(target);
        VESSELSTATUS status;
        v.GetStatus(status);
        VECTOR3 ahead, closing;
        v.GlobalRot({0, 0, 60}, ahead);
        v.GlobalRot({0, 0, -400}, closing);
        status.rpos = {status.rpos.x + ahead.x, status.rpos.y + ahead.y, status.rpos.z + ahead.z};
        status.rvel = {status.rvel.x + closing.x, status.rvel.y + closing.y, status.rvel.z + closing.z};
        Create("bullet", "Pellix", status);
    }

    // What a vessel's callbacks did, the camera aside.
    std::vector<std::string> StoryWithoutCamera(OBJHANDLE h) const {
        return Story([h](const host::Event& e) { return e.during == h && e.kind != Kind::CameraChanged; });
    }
};

TEST_F(LastStand, FourLossesThreeRespawnsThenGameOver) {
    Load("last-stand.scn");
    const OBJHANDLE red = Named("Red");
    OBJHANDLE player = Named("Player");
    // Where the wreck was when it spawned its successor.
    glm::dvec3 wreckAtSpawn{0};
    host.events.Subscribe([&](const host::Event& e) {
        if (e.kind == Kind::VesselCreated && e.name == "PLAYER") wreckAtSpawn = Record(e.during).state.pos;
    });

    for (int loss = 1; loss <= 4; ++loss) {
        SCOPED_TRACE("loss " + std::to_string(loss));
        if (loss > 1) IncomingShell(player);
        ASSERT_TRUE(StepUntil([&] { return Fighter(player).destroyed != 0; }, 1)) << "the shell missed";
        const double hit = host.clock.Now() - host.clock.step;
        const OBJHANDLE shell = Created("bullet").back().vessel;
        EXPECT_EQ(StoryWithoutCamera(shell), std::vector<std::string>{"text LIVES: " + std::to_string(4 - loss)});
        EXPECT_EQ(host.view.cameraTarget, player);
        EXPECT_EQ(host.view.cameraMode, 1) << "outside, watching the wreck";
        const host::Definition& wreck = Record(player).def;
        ASSERT_EQ(wreck.meshes.size(), 1u);
        EXPECT_EQ(wreck.meshes[0].name, "Corvex/CrashWreck1");
        EXPECT_NE(wreck.meshes[0].mesh, nullptr) << "the wreck mesh file was read";

        StepTo(hit + 1.125);
        EXPECT_TRUE(StoryWithoutCamera(player).empty()) << "the wreck burns 1.125 s";
        const std::string name = Record(player).name;
        host.Step();
        if (loss < 4) {
            ASSERT_EQ(Created("PLAYER").size(), static_cast<std::size_t>(loss));
            const OBJHANDLE next = Created("PLAYER").back().vessel;
            EXPECT_EQ(StoryWithoutCamera(player),
                      (std::vector<std::string>{"created PLAYER", "focus PLAYER", "deleted " + name}));
            EXPECT_EQ(host.view.focus, next);
            EXPECT_EQ(host.view.cameraTarget, next);
            EXPECT_EQ(host.view.cameraMode, 0) << "cockpit";

            const double a = host::physics::Altitude(wreckAtSpawn);
            const Separation s = SeparationOf(wreckAtSpawn, Record(next).state.pos);
            EXPECT_GE(s.horizontal, 800 - 0.5);
            EXPECT_LE(s.horizontal, 1600 + 0.5);
            EXPECT_GE(s.altitude, std::max(250.0, a - 600) - 0.5);
            EXPECT_LE(s.altitude, a + 600 + 0.5);
            const Corvex& fresh = Fighter(next);
            EXPECT_EQ(fresh.team, 0);
            EXPECT_EQ(fresh.aiMode, 0) << "the player flies it";
            EXPECT_EQ(fresh.target, red);
            EXPECT_EQ(Record(next).def.thrusters[0].level, 1) << "main engine at full";
            player = next;
        } else {
            EXPECT_EQ(StoryWithoutCamera(player), std::vector<std::string>{"text GAME OVER"});
        }
    }

    // The last wreck stays for good, its fire out; the trail and exhaust streams are its own.
    StepTo(host.clock.Now() + 5);
    EXPECT_TRUE(oapiIsVessel(player));
    EXPECT_EQ(MessageText(), "GAME OVER");
    EXPECT_EQ(LivesText(), "LIVES: 0");
    EXPECT_EQ(Created("PLAYER").size(), 3u);
    const host::Definition& wreck = Record(player).def;
    EXPECT_EQ(wreck.meshes.at(0).name, "Corvex/CrashWreck1");
    ASSERT_EQ(wreck.streams.size(), 12u);
    for (std::size_t i = 0; i < wreck.streams.size(); ++i) EXPECT_EQ(wreck.streams[i].alive, i < 7) << "stream " << i;
}

}  // namespace
