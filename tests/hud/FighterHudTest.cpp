// The fighter's HUD marks for its target, through the real host and the real fighter module.
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "Corvex.h"
#include "HostFixture.h"
#include "hud/FocusHud.h"

namespace {

using host::HudEllipse;
using host::HudFrame;
using host::HudLine;
using host::HudText;

const HUDPAINTSPEC kSpec{1024, 768, 512, 384, 10, 20};

struct Pixel {
    int x, y;
};

// What the fighter added to the host's standard HUD.
struct Marks {
    std::vector<HudLine> lines;
    std::vector<HudEllipse> ellipses;
    std::vector<HudText> texts;
};

class FighterHudTest : public HostTest {
protected:
    // The fighter at the north pole with its frame the global one: level, weight straight down
    // along -y, and target offsets in its frame exact to the last bit.
    void SetUp() override {
        HostTest::SetUp();
        VESSELSTATUS s{};
        s.rpos = {0, host::physics::kPlanetRadius + 1000, 0};
        s.fuel = 1;
        own = Create("PLAYER", "Corvex", s);
        oapiSetFocusObject(own);
        Fighter().muzzleSpeed = 350;
        Fighter().gunRange = 1200;
    }

    Corvex& Fighter() { return *static_cast<Corvex*>(oapiGetVesselInterface(own)); }

    // A vessel at rest relative to the fighter, at `offset` in its frame.
    OBJHANDLE AddTarget(const VECTOR3& offset, double size = 6) {
        VESSELSTATUS s{};
        s.rpos = {offset.x, host::physics::kPlanetRadius + 1000 + offset.y, offset.z};
        s.fuel = 1;
        const OBJHANDLE target = Create("BANDIT", "Probe", s);
        oapiGetVesselInterface(target)->SetSize(size);
        return target;
    }

    Marks Draw() {
        Fighter().target = nullptr;
        const HudFrame standard = host::DrawFocusHud(host, kSpec, 1);
        Fighter().target = target;
        const HudFrame frame = host::DrawFocusHud(host, kSpec, 1);
        return AfterStandard(frame, standard);
    }

    static Marks AfterStandard(const HudFrame& frame, const HudFrame& standard) {
        EXPECT_GE(frame.lines.size(), standard.lines.size());
        EXPECT_GE(frame.texts.size(), standard.texts.size());
        EXPECT_TRUE(std::equal(standard.lines.begin(), standard.lines.end(), frame.lines.begin()));
        EXPECT_TRUE(std::equal(standard.texts.begin(), standard.texts.end(), frame.texts.begin()));
        EXPECT_TRUE(standard.ellipses.empty());
        return {{frame.lines.begin() + static_cast<long>(standard.lines.size()), frame.lines.end()},
                frame.ellipses,
                {frame.texts.begin() + static_cast<long>(standard.texts.size()), frame.texts.end()}};
    }

    OBJHANDLE own = nullptr;
    OBJHANDLE target = nullptr;
};

std::vector<HudLine> Reticle(Pixel p) {
    return {{p.x - 20, p.y - 20, p.x, p.y}, {p.x, p.y, p.x + 20, p.y - 20}, {p.x - 30, p.y, p.x + 30, p.y}};
}

std::vector<HudLine> Box(Pixel p, int e) {
    return {{p.x - e, p.y - e, p.x + e, p.y - e},
            {p.x + e, p.y - e, p.x + e, p.y + e},
            {p.x + e, p.y + e, p.x - e, p.y + e},
            {p.x - e, p.y + e, p.x - e, p.y - e}};
}

struct BoxCase {
    VECTOR3 offset;
    std::optional<Pixel> reticle;
    Pixel box;
    int halfSize;
    Pixel name;
    double size = 6;
};

class BoxedTarget : public FighterHudTest, public ::testing::WithParamInterface<BoxCase> {};

TEST_P(BoxedTarget, ReticleAndBoxLandOnTheirPixels) {
    const BoxCase& c = GetParam();
    target = AddTarget(c.offset, c.size);
    const Marks marks = Draw();

    std::vector<HudLine> lines;
    std::vector<HudEllipse> ellipses;
    if (c.reticle) {
        lines = Reticle(*c.reticle);
        ellipses.push_back({c.reticle->x - 15, c.reticle->y - 15, c.reticle->x + 15, c.reticle->y + 15});
    }
    for (const HudLine& l : Box(c.box, c.halfSize)) lines.push_back(l);
    EXPECT_EQ(marks.lines, lines);
    EXPECT_EQ(marks.ellipses, ellipses);
    EXPECT_EQ(marks.texts, (std::vector<HudText>{{c.name.x, c.name.y, "BANDIT"}}));
}

INSTANTIATE_TEST_SUITE_P(
    WorkedCases, BoxedTarget,
    ::testing::Values(
        // Straight ahead: the lead settles at once, the reticle sits 11 pixels up for the drop.
        BoxCase{{0, 0, 500}, Pixel{512, 373}, {512, 384}, 19, {491, 405}},
        // At exactly the gun's range the reticle is still computed; a millimetre beyond it is not.
        BoxCase{{0, 0, 1200}, Pixel{512, 356}, {512, 384}, 19, {491, 405}},
        BoxCase{{0, 0, 1200.001}, std::nullopt, {512, 384}, 19, {491, 405}},
        // Close and off the nose: the box grows with the target's apparent size.
        BoxCase{{10, 5, 100}, Pixel{570, 355}, {570, 355}, 35, {533, 392}},
        // So big that the box would leave the screen: it stops at half the HUD's height.
        BoxCase{{0, 0, 1300}, std::nullopt, {512, 384}, 384, {126, 770}, 1000}));

struct ArrowCase {
    VECTOR3 offset;
    Pixel tip, stroke1, stroke2, name;
};

class OffScreenTarget : public FighterHudTest, public ::testing::WithParamInterface<ArrowCase> {};

TEST_P(OffScreenTarget, GetsAnArrowAtTheEdgeAndNoReticle) {
    const ArrowCase& c = GetParam();
    target = AddTarget(c.offset);
    const Marks marks = Draw();

    EXPECT_EQ(marks.lines, (std::vector<HudLine>{{c.tip.x, c.tip.y, c.stroke1.x, c.stroke1.y},
                                                 {c.tip.x, c.tip.y, c.stroke2.x, c.stroke2.y}}));
    EXPECT_TRUE(marks.ellipses.empty());
    EXPECT_EQ(marks.texts, (std::vector<HudText>{{c.name.x, c.name.y, "BANDIT"}}));
}

INSTANTIATE_TEST_SUITE_P(WorkedCases, OffScreenTarget,
                         ::testing::Values(ArrowCase{{100, 100, 100}, {888, 8}, {854, 13}, {882, 41}, {826, 44}},
                                           ArrowCase{{0, 80, 100}, {512, 8}, {492, 35}, {531, 35}, {486, 59}},
                                           // Behind: on the side its offset points to, never boxed.
                                           ArrowCase{{10, -5, -100}, {1013, 627}, {996, 597}, {979, 632}, {941, 604}}));

TEST_F(FighterHudTest, NoTargetOrAVanishedOneGetsOnlyTheStandardHud) {
    target = AddTarget({0, 0, 500});
    Fighter().target = nullptr;
    const HudFrame noTarget = host::DrawFocusHud(host, kSpec, 1);
    EXPECT_TRUE(noTarget.ellipses.empty());
    EXPECT_EQ(noTarget.texts.size(), 3u);

    oapiDeleteVessel(target);
    host.Step();
    ASSERT_FALSE(oapiIsVessel(target));
    const Marks marks = Draw();
    EXPECT_TRUE(marks.lines.empty());
    EXPECT_TRUE(marks.ellipses.empty());
    EXPECT_TRUE(marks.texts.empty());
}

TEST_F(FighterHudTest, ReticleLeadsACrossingTarget) {
    target = AddTarget({0, 0, 600});
    Record(target).state.vel = Record(own).state.vel + glm::dvec3(100, 0, 0);
    const Marks marks = Draw();

    ASSERT_EQ(marks.ellipses.size(), 1u);
    const int reticleX = (marks.ellipses[0].left + marks.ellipses[0].right) / 2;
    const int boxX = (marks.lines.back().x0 + marks.lines[marks.lines.size() - 3].x0) / 2;
    EXPECT_EQ(boxX, 512);
    // About 1.8 s of flight at 100 m/s, 600 m out: some 170 pixels to the right.
    EXPECT_GT(reticleX, 512 + 150);
    EXPECT_LT(reticleX, 512 + 200);
}

}  // namespace
