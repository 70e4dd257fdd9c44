// The fighter's definition as the host recorded it.
#include <cmath>

#include "Corvex.h"
#include "HostFixture.h"

namespace {

using glm::dvec3;

class FighterCapsTest : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        fighter = &Record(Create("F1", "Corvex", StatusAt(1000)));
    }
    const host::Definition& Def() const { return fighter->def; }
    host::VesselRecord* fighter = nullptr;
};

TEST_F(FighterCapsTest, ScalarsAndVectors) {
    const auto& d = Def();
    EXPECT_EQ(d.size, 3.5);
    EXPECT_EQ(d.emptyMass, 500);
    EXPECT_EQ(d.cwZPos, 0.3);
    EXPECT_EQ(d.cwZNeg, 0.3);
    EXPECT_EQ(d.cwX, 0.6);
    EXPECT_EQ(d.cwY, 0.9);
    EXPECT_EQ(d.wingAspect, 0.7);
    EXPECT_EQ(d.wingEffectiveness, 2.5);
    EXPECT_EQ(d.crossSections, dvec3(10.5, 15.0, 5.8));
    EXPECT_EQ(d.rotDrag, dvec3(0.6, 0.6, 0.35));
    EXPECT_EQ(d.pitchMomentScale, 1e-4);
    EXPECT_EQ(d.bankMomentScale, 1e-4);
    EXPECT_EQ(d.pmi, dvec3(2.28, 2.31, 0.79));
    EXPECT_EQ(d.trimScale, 0.05);
    EXPECT_EQ(d.cameraOffset, dvec3(0, 0.8, 0));
    EXPECT_NE(d.liftCoeff, nullptr);
    EXPECT_EQ(d.dockPos, dvec3(0, 1.3, -1));
    EXPECT_EQ(d.dockDir, dvec3(0, 1, 0));
    EXPECT_EQ(d.dockRot, dvec3(0, 0, -1));
    EXPECT_EQ(d.touchdown[0], dvec3(0, -1.5, 2));
    EXPECT_EQ(d.touchdown[1], dvec3(-1, -1.5, -1.5));
    EXPECT_EQ(d.touchdown[2], dvec3(1, -1.5, -1.5));
    ASSERT_EQ(d.tanks.size(), 1u);
    EXPECT_EQ(d.tanks[0].capacity, 750);
    EXPECT_EQ(d.tanks[0].mass, 750);
    ASSERT_EQ(d.meshes.size(), 1u);
    EXPECT_EQ(d.meshes[0].name, "ShuttlePB");
    EXPECT_EQ(d.meshes[0].offset, dvec3(0));
}

TEST_F(FighterCapsTest, Thrusters) {
    struct Row {
        dvec3 pos, dir;
        double thrust;
    };
    const Row rows[16] = {
        {{0, 0, -4.35}, {0, 0, 1}, 30000}, {{0, -1.5, 0}, {0, 1, 0}, 15000},
        {{1, 0, 3}, {0, 1, 0}, 200},       {{1, 0, 3}, {0, -1, 0}, 200},
        {{-1, 0, 3}, {0, 1, 0}, 200},      {{-1, 0, 3}, {0, -1, 0}, 200},
        {{1, 0, -3}, {0, 1, 0}, 200},      {{1, 0, -3}, {0, -1, 0}, 200},
        {{-1, 0, -3}, {0, 1, 0}, 200},     {{-1, 0, -3}, {0, -1, 0}, 200},
        {{1, 0, 3}, {-1, 0, 0}, 200},      {{-1, 0, 3}, {1, 0, 0}, 200},
        {{1, 0, -3}, {-1, 0, 0}, 200},     {{-1, 0, -3}, {1, 0, 0}, 200},
        {{0, 0, -3}, {0, 0, 1}, 200},      {{0, 0, 3}, {0, 0, -1}, 200},
    };
    ASSERT_EQ(Def().thrusters.size(), 16u);
    for (int i = 0; i < 16; ++i) {
        SCOPED_TRACE("thruster " + std::to_string(i + 1));
        const host::Thruster& t = Def().thrusters[i];
        EXPECT_EQ(t.pos, rows[i].pos);
        EXPECT_EQ(t.dir, rows[i].dir);
        EXPECT_EQ(t.maxThrust, rows[i].thrust);
        EXPECT_EQ(t.tank, 0);
        EXPECT_EQ(t.isp, 50000);
        EXPECT_EQ(t.ispRef, 0);
        EXPECT_EQ(t.pRef, 101400);
        EXPECT_EQ(t.level, 0);
    }
}

TEST_F(FighterCapsTest, ThrusterGroups) {
    // Thruster numbers from 1, in the order they were handed over.
    const std::pair<THGROUP_TYPE, std::vector<int>> groups[] = {
        {THGROUP_MAIN, {1}},
        {THGROUP_RETRO, {}},
        {THGROUP_HOVER, {2}},
        {THGROUP_ATT_PITCHUP, {3, 5, 8, 10}},
        {THGROUP_ATT_PITCHDOWN, {4, 6, 7, 9}},
        {THGROUP_ATT_BANKLEFT, {3, 7, 6, 10}},
        {THGROUP_ATT_BANKRIGHT, {4, 8, 5, 9}},
        {THGROUP_ATT_UP, {3, 7, 5, 9}},
        {THGROUP_ATT_DOWN, {4, 8, 6, 10}},
        {THGROUP_ATT_YAWLEFT, {11, 14}},
        {THGROUP_ATT_YAWRIGHT, {12, 13}},
        {THGROUP_ATT_LEFT, {11, 13}},
        {THGROUP_ATT_RIGHT, {12, 14}},
        {THGROUP_ATT_FORWARD, {15}},
        {THGROUP_ATT_BACK, {16}},
    };
    for (const auto& [type, members] : groups) {
        std::vector<int> recorded;
        for (int t : Def().groups[type]) recorded.push_back(t + 1);
        EXPECT_EQ(recorded, members) << "group type " << type;
    }
}

TEST_F(FighterCapsTest, ExhaustsAndStreams) {
    ASSERT_EQ(Def().exhausts.size(), 3u);
    const std::tuple<int, dvec3, dvec3> exhausts[] = {
        {0, {0, 0.3, -4.35}, {0, 0, -1}}, {1, {0, -1.5, 1}, {0, -1, 0}}, {1, {0, -1.5, -1}, {0, -1, 0}}};
    for (int i = 0; i < 3; ++i) {
        const host::Exhaust& e = Def().exhausts[i];
        EXPECT_EQ(e.thruster, std::get<0>(exhausts[i]));
        EXPECT_EQ(e.length, 8);
        EXPECT_EQ(e.width, 1);
        EXPECT_EQ(e.pos, std::get<1>(exhausts[i]));
        EXPECT_EQ(e.dir, std::get<2>(exhausts[i]));
        EXPECT_EQ(e.texture, nullptr);
    }

    // Six exhaust streams, then the trail.
    struct Stream {
        int thruster;
        dvec3 pos;
        double size, rate, v0, spread, lifetime, growth, slowdown;
        int lighting, levelMap;
        double lmax, amin, amax;
    };
    const Stream streams[7] = {
        {1, {0, -3, 1}, 5, 8, 200, 0.15, 1, 5, 3, 1, 4, 2, 1e-4, 1},
        {1, {0, -3, -1}, 5, 8, 200, 0.15, 1, 5, 3, 1, 4, 2, 1e-4, 1},
        {0, {0, 0.3, -10}, 5, 8, 200, 0.15, 1, 5, 1, 1, 4, 2, 1e-4, 1},
        {1, {0, -2, 1}, 2, 10, 200, 0.05, 0.05, 8, 1, 0, 2, 1, 1e-5, 0.1},
        {1, {0, -2, -1}, 2, 10, 200, 0.05, 0.05, 8, 1, 0, 2, 1, 1e-5, 0.1},
        {0, {0, 0.3, -5}, 2, 20, 200, 0.05, 0.1, 8, 1, 0, 2, 1, 1e-5, 0.1},
        {-1, {0, 0, 0}, 4, 5, 0, 0, 15, 0, 300, 0, 2, 1, 1e-5, 0.1},
    };
    ASSERT_EQ(Def().streams.size(), 7u);
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE("stream " + std::to_string(i + 1));
        const host::ParticleStream& s = Def().streams[i];
        const Stream& w = streams[i];
        EXPECT_EQ(s.thruster, w.thruster);
        EXPECT_EQ(s.pos, w.pos);
        EXPECT_EQ(s.spec.flags, 0u);
        EXPECT_EQ(s.spec.srcsize, w.size);
        EXPECT_EQ(s.spec.srcrate, w.rate);
        EXPECT_EQ(s.spec.v0, w.v0);
        EXPECT_EQ(s.spec.srcspread, w.spread);
        EXPECT_EQ(s.spec.lifetime, w.lifetime);
        EXPECT_EQ(s.spec.growthrate, w.growth);
        EXPECT_EQ(s.spec.atmslowdown, w.slowdown);
        EXPECT_EQ(s.spec.ltype, w.lighting);
        EXPECT_EQ(s.spec.levelmap, w.levelMap);
        EXPECT_EQ(s.spec.lmin, 0);
        EXPECT_EQ(s.spec.lmax, w.lmax);
        EXPECT_EQ(s.spec.atmsmap, PARTICLESTREAMSPEC::ATM_PLOG);
        EXPECT_EQ(s.spec.amin, w.amin);
        EXPECT_EQ(s.spec.amax, w.amax);
        EXPECT_EQ(s.spec.tex, nullptr);
    }
    // The trail points backwards and reads its level from the fighter itself.
    EXPECT_EQ(Def().streams[6].dir, dvec3(0, 0, -1));
    ASSERT_NE(Def().streams[6].level, nullptr);
    EXPECT_EQ(*Def().streams[6].level, 0);
}

TEST_F(FighterCapsTest, MembersStartAtTheirFirstValues) {
    auto* f = static_cast<Corvex*>(fighter->instance);
    EXPECT_EQ(f->destroyed, 0);
    EXPECT_EQ(f->trailLevel, 0);
    EXPECT_EQ(f->target, nullptr);
    EXPECT_EQ(f->gunRange, 1200);
    EXPECT_EQ(f->muzzleSpeed, 350);
    EXPECT_EQ(f->team, 0);
    EXPECT_EQ(f->aiMode, 0);
    EXPECT_FALSE(f->autopilotActive);
    EXPECT_EQ(f->desiredHeading, 0);
    EXPECT_EQ(f->desiredPitch, 0);
    EXPECT_EQ(f->lastShotTime, 0);
    EXPECT_EQ(f->removalTime, -1);
    // The trail stream reads the member itself, so toggling it takes effect at once.
    f->trailLevel = 1;
    EXPECT_EQ(*Def().streams[6].level, 1);
}

TEST_F(HostTest, FlightModelZeroKeepsTheHostsMomentScales) {
    host.flightModel = 0;
    const host::Definition& d = Record(Create("Easy", "Corvex", StatusAt(1000))).def;
    const host::Definition defaults;
    EXPECT_EQ(d.pitchMomentScale, defaults.pitchMomentScale);
    EXPECT_EQ(d.bankMomentScale, defaults.bankMomentScale);
    EXPECT_EQ(d.pmi, glm::dvec3(2.28, 2.31, 0.79));
}

}  // namespace
