#include <gtest/gtest.h>

#include "Constants.h"
#include "LiftCoefficient.h"

namespace {

struct Case {
    double degrees, lift;
};

class LiftCoefficientTest : public ::testing::TestWithParam<Case> {};

TEST_P(LiftCoefficientTest, FollowsTheCurve) {
    EXPECT_NEAR(LiftCoefficient(GetParam().degrees * RAD), GetParam().lift, 1e-12) << GetParam().degrees << " deg";
}

INSTANTIATE_TEST_SUITE_P(Table, LiftCoefficientTest,
                         ::testing::Values(Case{-180, 0}, Case{-60, 0}, Case{-1, 0}, Case{60, 0}, Case{180, 0},
                                           Case{-30, -0.1}, Case{15, 0.2}, Case{25, 0.2}, Case{20, 0.25},
                                           Case{0, 0.0125}, Case{-45, -0.05}, Case{17.5, 0.225},
                                           Case{22.5, 0.225}, Case{-720, 0}, Case{-181, 0}, Case{181, 0},
                                           Case{1000, 0}));

TEST(LiftCoefficient, PointBelongsToTheSegmentEndingThere) {
    // Just past a point the next segment's slope applies; at the point, the earlier one.
    const double at20 = LiftCoefficient(20 * RAD);
    EXPECT_NEAR(at20, 0.25, 1e-15);
    EXPECT_LT(LiftCoefficient(20 * RAD + 1e-9), at20);
    EXPECT_LT(LiftCoefficient(20 * RAD - 1e-9), at20);
}

}  // namespace
