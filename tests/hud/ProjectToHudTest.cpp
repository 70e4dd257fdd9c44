#include <cctype>
#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "HudProjection.h"

namespace {

constexpr double kW = 1024, kH = 768;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct ProjectionCase {
    const char* what;
    VECTOR3 point;
    double f;
    bool on;
    int x, y;
};

class ProjectToHudTest : public ::testing::TestWithParam<ProjectionCase> {};

TEST_P(ProjectToHudTest, LandsOnTheExpectedPixel) {
    const ProjectionCase& c = GetParam();
    int x = -12345, y = -12345;
    EXPECT_EQ(ProjectToHud(c.point, c.f, kW, kH, x, y), c.on);
    EXPECT_EQ(x, c.x);
    EXPECT_EQ(y, c.y);
}

// f = 1 keeps the pixel offsets equal to x/z and y/z, so the bounds are hit exactly.
INSTANTIATE_TEST_SUITE_P(
    Cases, ProjectToHudTest,
    ::testing::Values(
        ProjectionCase{"ahead", {0, 0, 100}, 1, true, 512, 384},
        ProjectionCase{"right bound", {512, 0, 1}, 1, true, 1024, 384},
        ProjectionCase{"top left corner", {-512, 384, 1}, 1, true, 0, 0},
        ProjectionCase{"just past the right bound", {513, 0, 1}, 1, false, 1013, 384},
        ProjectionCase{"just past the bottom bound", {0, -385, 1}, 1, false, 512, 761},
        ProjectionCase{"on the corner diagonal goes to the side", {600, 450, 1}, 1, false, 1013, 8},
        ProjectionCase{"above the corner diagonal goes to the top", {600, 451, 1}, 1, false, 1012, 8},
        ProjectionCase{"behind, mirrored to the edge", {10, -5, -100}, 572.9, false, 1013, 627},
        ProjectionCase{"behind and inside the bounds", {1, 1, -100}, 1, false, 888, 8},
        ProjectionCase{"behind, rounded onto the centre", {-0.001, 0, -100}, 1, false, 10, 384},
        ProjectionCase{"dead astern", {0, 0, -100}, 1, false, 512, 761},
        ProjectionCase{"in the fighter's plane", {3, 4, 0}, 1, false, 794, 8},
        ProjectionCase{"at the eye", {0, 0, 0}, 1, false, 512, 761},
        ProjectionCase{"overflowing to the right", {1e300, 0, 1e-300}, 572.9, false, 1013, 384},
        ProjectionCase{"overflowing diagonally", {1e300, 1e300, 1e-300}, 572.9, false, 888, 8},
        ProjectionCase{"infinite", {kInf, kInf, 1}, 1, false, 512, 761},
        ProjectionCase{"not a number", {kNaN, 0, 100}, 1, false, 512, 761},
        ProjectionCase{"depth not a number", {1, 1, kNaN}, 1, false, 888, 8}),
    [](const ::testing::TestParamInfo<ProjectionCase>& info) {
        std::string name;
        for (const char* p = info.param.what; *p; ++p) name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
        return name;
    });

TEST(ProjectToHud, ZeroSizedHudStillWritesDefinedPixels) {
    int x = -1, y = -1;
    EXPECT_FALSE(ProjectToHud({1, 0, 1}, 1, 0, 0, x, y));
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
}

}  // namespace
