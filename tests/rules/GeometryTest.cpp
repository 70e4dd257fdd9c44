// The fire-control geometry on plain numbers.
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "Constants.h"
#include "Geometry.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kG = 9.81f;

Matrix3 Transpose(const Matrix3& a) {
    Matrix3 t;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) t.m[i][j] = a.m[j][i];
    return t;
}

void ExpectNear(const Matrix3& a, const Matrix3& b, double tolerance) {
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) EXPECT_NEAR(a.m[i][j], b.m[i][j], tolerance) << "element " << i << "," << j;
}

// Height of a shell fired at `angle` when it has covered `distance`, minus the target's height.
double Miss(double distance, double height, double speed, double angle) {
    const double q = speed * speed / kG;
    const double c = std::cos(angle);
    return distance * std::tan(angle) - distance * distance / (2 * q * c * c) - height;
}

double FlightTime(const VECTOR3& aim, const VECTOR3& weight, double speed) {
    const double s = VectorLength(aim);
    const double w = VectorLength(weight);
    const double h = -(aim.x * weight.x + aim.y * weight.y + aim.z * weight.z) / w;
    double angle, time;
    SolveBallistic(std::sqrt(std::max(0.0, s * s - h * h)), h, speed, angle, time);
    return time;
}

TEST(Geometry, SignAndLength) {
    const std::pair<double, double> cases[] = {{2.5, 1},  {-1e-300, -1}, {0.0, 0}, {-0.0, 0},
                                               {kNaN, 0}, {kInf, 1},     {-kInf, -1}};
    for (const auto& [x, sign] : cases) EXPECT_EQ(Sign(x), sign) << "x = " << x;
    EXPECT_EQ(VectorLength({3, 4, 12}), 13);
    EXPECT_EQ(VectorLength({0, 0, 0}), 0);
}

TEST(Geometry, MatMul3TakesRowsOfTheLeftTimesColumnsOfTheRight) {
    const Matrix3 a{{{1, 2, 3}, {4, 5, 6}, {7, 8, 10}}};
    const Matrix3 b{{{0, 1, 0}, {0, 0, 1}, {1, 0, 0}}};  // cycles the columns of a
    Matrix3 ab, ba;
    MatMul3(a, b, ab);
    MatMul3(b, a, ba);
    ExpectNear(ab, {{{3, 1, 2}, {6, 4, 5}, {10, 7, 8}}}, 0);
    ExpectNear(ba, {{{4, 5, 6}, {7, 8, 10}, {1, 2, 3}}}, 0);
}

// Quarter turns included: a level fighter heading north at longitude 0 has c = PI/2.
const VECTOR3 kAngles[] = {
    {0, 0, 0},      {0.3, 0, 0},          {0, -0.7, 0},          {0, 0, 2.5},      {0.4, -1.2, 3.0},
    {-2.9, 1.4, -0.2}, {PI, 0.1, -PI},    {0, 0, PI / 2},        {PI / 2, 0, PI / 2}, {0.3, -PI / 2, 1.0},
    {PI / 2, PI / 2, PI / 2}, {-PI / 2, 0.2, -PI / 2},
};

TEST(Geometry, EulerToMatrixIsTheRotationOfTheOrientationAngles) {
    ExpectNear(EulerToMatrix(0, 0, 0), {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}}, 0);
    for (const VECTOR3& r : kAngles) {
        SCOPED_TRACE(testing::Message() << "angles " << r.x << ", " << r.y << ", " << r.z);
        const double sa = std::sin(r.x), ca = std::cos(r.x), sb = std::sin(r.y), cb = std::cos(r.y);
        const double sc = std::sin(r.z), cc = std::cos(r.z);
        const Matrix3 expected{{{cb * cc, cb * sc, -sb},
                                {sa * sb * cc - ca * sc, sa * sb * sc + ca * cc, sa * cb},
                                {ca * sb * cc + sa * sc, ca * sb * sc - sa * cc, ca * cb}}};
        ExpectNear(EulerToMatrix(r.x, r.y, r.z), expected, 1e-15);
    }
}

TEST(Geometry, InverseOfARotationIsItsTranspose) {
    for (const VECTOR3& r : kAngles) {
        SCOPED_TRACE(testing::Message() << "angles " << r.x << ", " << r.y << ", " << r.z);
        Matrix3 m = EulerToMatrix(r.x, r.y, r.z);
        const Matrix3 transpose = Transpose(m);
        InvertMatrix3(m);
        ExpectNear(m, transpose, 1e-12);
    }
}

TEST(Geometry, InverseOfAGeneralMatrix) {
    Matrix3 m{{{2, 1, 0}, {1, 3, 1}, {0, 1, 4}}};
    const Matrix3 original = m;
    InvertMatrix3(m);
    Matrix3 product;
    MatMul3(original, m, product);
    ExpectNear(product, {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}}, 1e-15);
}

TEST(Geometry, RotateGlobalToLocalUndoesTheOrientation) {
    const VECTOR3 local{3, -4, 12};
    for (const VECTOR3& r : kAngles) {
        const Matrix3 m = EulerToMatrix(r.x, r.y, r.z);
        const VECTOR3 global{m.m[0][0] * local.x + m.m[0][1] * local.y + m.m[0][2] * local.z,
                             m.m[1][0] * local.x + m.m[1][1] * local.y + m.m[1][2] * local.z,
                             m.m[2][0] * local.x + m.m[2][1] * local.y + m.m[2][2] * local.z};
        const VECTOR3 back = RotateGlobalToLocal(r, global);
        EXPECT_NEAR(back.x, local.x, 1e-12);
        EXPECT_NEAR(back.y, local.y, 1e-12);
        EXPECT_NEAR(back.z, local.z, 1e-12);
    }
}

TEST(Geometry, SolveBallisticClosedForms) {
    const double v = 350;
    struct Case {
        const char* what;
        double distance, height, angle, time;
    };
    const Case cases[] = {
        {"short and level: first pass", 100, 0, 0, 100 / v},
        {"at the muzzle", 0, 0, 0, 0},
        {"straight down, fired down", 0, -200, -PI / 2, (std::sqrt(v * v + 2 * kG * 200) - v) / kG},
        {"straight up, on the way up", 0, 200, PI / 2, (v - std::sqrt(v * v - 2 * kG * 200)) / kG},
        {"straight up at the top", 0, v * v / kG * 0.5, PI / 2, v / kG},
        {"beyond reach", 20000, 0, 0, -1},
        {"above reach", 0, 7000, 0, -1},
        {"no distance", kNaN, 0, 0, -1},
        {"no height", 100, kNaN, 0, -1},
    };
    for (const Case& c : cases) {
        double angle = 99, time = 99;
        SolveBallistic(c.distance, c.height, v, angle, time);
        EXPECT_EQ(angle, c.angle) << c.what;
        EXPECT_NEAR(time, c.time, 1e-12 * std::abs(c.time)) << c.what;
    }
}

TEST(Geometry, SolveBallisticMeetsTheTargetWithinAMetre) {
    struct Case {
        double distance, height, speed;
    };
    const Case cases[] = {{1000, 0, 350}, {1000, 300, 350}, {2500, -400, 850}, {300, 50, 850}, {5000, 0, 350}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.distance << " m away, " << c.height << " m up at " << c.speed << " m/s");
        double angle, time;
        SolveBallistic(c.distance, c.height, c.speed, angle, time);
        EXPECT_LT(std::abs(Miss(c.distance, c.height, c.speed, angle)), 1);
        EXPECT_DOUBLE_EQ(time, c.distance / (c.speed * std::cos(angle)));
        // The direct-fire answer, below the angle of greatest range.
        EXPECT_LT(std::tan(angle), c.speed * c.speed / (kG * c.distance));
    }
}

TEST(Geometry, SolveBallisticAtTheReachLimit) {
    const double d = 1000, v = 350;
    const double q = v * v / kG;
    const double reach = (q - d * d / q) * 0.5;
    double angle, time;
    SolveBallistic(d, reach, v, angle, time);
    EXPECT_GT(time, 0) << "exactly at the limit is reachable";
    SolveBallistic(d, std::nextafter(reach, kInf), v, angle, time);
    EXPECT_EQ(angle, 0);
    EXPECT_EQ(time, -1);
}

const VECTOR3 kDown{0, -9.81, 0};

TEST(Geometry, SolveInterceptOnATargetAtRestConvergesAtOnce) {
    const VECTOR3 relPos{40, 25, 900};
    VECTOR3 aim{1, 2, 3};
    EXPECT_TRUE(SolveIntercept(relPos, {0, 0, 0}, kDown, 350, aim));
    EXPECT_EQ(aim.x, relPos.x);
    EXPECT_EQ(aim.y, relPos.y);
    EXPECT_EQ(aim.z, relPos.z);
}

TEST(Geometry, SolveInterceptLeadsAMovingTarget) {
    const struct {
        VECTOR3 relPos, relVel, weight;
        double speed;
    } cases[] = {
        {{0, 0, 800}, {100, 0, 0}, kDown, 350},         // crossing
        {{200, -150, 1200}, {-30, 10, 60}, kDown, 850},  // receding, below
        {{0, 300, 600}, {0, 0, -150}, {2, -9, 1}, 350},  // closing, gravity off the vertical
    };
    for (const auto& c : cases) {
        VECTOR3 aim;
        ASSERT_TRUE(SolveIntercept(c.relPos, c.relVel, c.weight, c.speed, aim));
        const double t = FlightTime(aim, c.weight, c.speed);
        ASSERT_GT(t, 0);
        const VECTOR3 there{c.relPos.x + c.relVel.x * t, c.relPos.y + c.relVel.y * t, c.relPos.z + c.relVel.z * t};
        EXPECT_LT(VectorLength({there.x - aim.x, there.y - aim.y, there.z - aim.z}), 3)
            << "the target is where the shell arrives";
    }
}

TEST(Geometry, SolveInterceptGivesUpAfter101Passes) {
    // A target running away faster than the shell: the prediction never settles.
    const VECTOR3 relPos{0, 0, 1000}, relVel{0, 0, 400};
    VECTOR3 aim;
    EXPECT_FALSE(SolveIntercept(relPos, relVel, kDown, 350, aim));

    VECTOR3 prediction = relPos, previous{};
    for (int pass = 0; pass < 101; ++pass) {
        const double t = FlightTime(prediction, kDown, 350);
        previous = prediction;
        prediction = {relPos.x + relVel.x * t, relPos.y + relVel.y * t, relPos.z + relVel.z * t};
    }
    EXPECT_DOUBLE_EQ(aim.z, prediction.z) << "the 101st prediction";
    EXPECT_NE(aim.z, previous.z);
}

TEST(Geometry, SolveInterceptWithTheTargetOnTopOfTheShooterStaysFinite) {
    VECTOR3 aim;
    SolveIntercept({0, 0, 0}, {5, 0, 0}, kDown, 350, aim);
    EXPECT_TRUE(std::isfinite(aim.x) && std::isfinite(aim.y) && std::isfinite(aim.z));
}

TEST(Geometry, BearingAndClimb) {
    const GeoPoint own{0.2, 0.1, 1000};
    struct Case {
        const char* what;
        GeoPoint target;
        double distance, heading, climb;
    };
    const double d = 0.001;
    const Case cases[] = {
        {"north, level", {0.2, 0.1 + d, 1000}, 6371, 0, 0},
        {"east, level", {0.2 + d, 0.1, 1000}, 6371, PI / 2, 0},
        {"south", {0.2, 0.1 - d, 1000}, 6371, PI, 0},
        {"west", {0.2 - d, 0.1, 1000}, 6371, -PI / 2, 0},
        {"north-east, above", {0.2 + d, 0.1 + d, 1500}, 5000, PI / 4, std::atan2(500, std::sqrt(5000.0 * 5000 - 500 * 500))},
        {"straight above, rounded short", {0.2, 0.1, 1300}, 300 - 1e-12, 0, PI / 2},
        {"straight below, rounded short", {0.2, 0.1, 700}, 300 - 1e-12, 0, -PI / 2},
    };
    for (const Case& c : cases) {
        double heading, climb;
        BearingAndClimb(own, c.target, c.distance, heading, climb);
        EXPECT_NEAR(heading, c.heading, 1e-9) << c.what;
        EXPECT_NEAR(climb, c.climb, 1e-9) << c.what;
    }
}

}  // namespace
