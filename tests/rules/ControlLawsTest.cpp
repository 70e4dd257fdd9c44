// The autopilot's stepped control laws and its conversion of an aim point into commands.
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "Constants.h"
#include "ControlLaws.h"

namespace {

struct LevelCase {
    double errorDeg, pitchBank, heading;
};

class LadderTest : public ::testing::TestWithParam<LevelCase> {};

TEST_P(LadderTest, StepsDownWithTheError) {
    const LevelCase& c = GetParam();
    EXPECT_EQ(PitchBankLevel(c.errorDeg * RAD), c.pitchBank) << c.errorDeg << " deg";
    EXPECT_EQ(HeadingLevel(c.errorDeg * RAD), c.heading) << c.errorDeg << " deg";
    EXPECT_EQ(PitchBankLevel(-c.errorDeg * RAD), c.pitchBank == 0 ? 0 : -c.pitchBank) << -c.errorDeg << " deg";
    EXPECT_EQ(HeadingLevel(-c.errorDeg * RAD), c.heading == 0 ? 0 : -c.heading) << -c.errorDeg << " deg";
}

// A positive error gets a negative level; a threshold itself belongs to the step below it.
INSTANTIATE_TEST_SUITE_P(Thresholds, LadderTest,
                         ::testing::Values(LevelCase{90, -1, -1}, LevelCase{15.01, -1, -1}, LevelCase{15, -0.5, -0.7},
                                           LevelCase{10, -0.5, -0.7}, LevelCase{5, -0.2, -0.4},
                                           LevelCase{3, -0.2, -0.4}, LevelCase{2, -0.2, -0.1},
                                           LevelCase{1.5, -0.2, -0.1}, LevelCase{1, -0.08, 0},
                                           LevelCase{0.5, -0.08, 0}, LevelCase{0.4, 0, 0}, LevelCase{0, 0, 0}));

TEST(ControlLaws, NonFiniteErrorsGiveNoCommand) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(PitchBankLevel(nan), 0);
    EXPECT_EQ(HeadingLevel(nan), 0);
}

TEST(ControlLaws, HeadingErrorWrapsIntoHalfOpenTurn) {
    struct Case {
        double desiredDeg, headingDeg, wrappedDeg;
    };
    for (const Case c : {Case{-170, 170, 20}, Case{170, -170, -20}, Case{10, 350, 20}, Case{350, 10, -20},
                         Case{180, 0, 180}, Case{0, 180, 180}, Case{45, 45, 0}, Case{720 + 30, 0, 30}}) {
        EXPECT_NEAR(WrapHeadingError((c.desiredDeg - c.headingDeg) * RAD) * DEG, c.wrappedDeg, 1e-9)
            << c.desiredDeg << " against " << c.headingDeg;
    }
    // The turn goes the short way: -170 deg wanted at 170 deg is 20 deg to the right.
    EXPECT_EQ(HeadingLevel(WrapHeadingError((-170 - 170) * RAD)), -1);
}

TEST(ControlLaws, AimPointBecomesHeadingAndPitch) {
    struct Case {
        VECTOR3 aim;
        double pitchDeg, bankDeg, headingDeg;
        double wantHeadingDeg, wantPitchDeg;
    };
    const Case cases[] = {
        {{0, 0, 100}, 0, 0, 0, 0, 0},          // dead ahead, level, north
        {{0, 0, 100}, 0, 0, 90, 90, 0},        // dead ahead, flying east
        {{100, 0, 100}, 0, 0, 0, 45, 0},       // 45 deg to the right
        {{0, 100, 100}, 0, 0, 0, 0, 45},       // 45 deg above the nose
        {{0, 0, 100}, 30, 0, 0, 0, 30},        // ahead of a climbing nose
        {{0, 100, 0}, 0, 90, 0, 270, 0},       // "up" of a fighter banked 90 deg left is west
        {{-100, 0, 100}, 0, 0, 10, -35, 0},    // 45 deg left of heading 10
    };
    for (const Case& c : cases) {
        const Commands cmd = AimToCommands(c.aim, c.pitchDeg * RAD, c.bankDeg * RAD, c.headingDeg * RAD);
        double heading = cmd.heading * DEG;
        double want = c.wantHeadingDeg;
        if (heading < 0) heading += 360;
        if (want < 0) want += 360;
        EXPECT_NEAR(heading, want, 1e-9) << c.aim.x << " " << c.aim.y << " " << c.aim.z;
        EXPECT_NEAR(cmd.pitch * DEG, c.wantPitchDeg, 1e-9) << c.aim.x << " " << c.aim.y << " " << c.aim.z;
    }
}

}  // namespace
