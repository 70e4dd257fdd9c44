// The standard atmosphere: its layer boundaries, its tail into vacuum.
#include <cmath>

#include <gtest/gtest.h>

#include "physics/Atmosphere.h"
#include "physics/Frames.h"

namespace {

using host::physics::AtmosphereAt;

// Geometric altitude of a geopotential one.
double Geometric(double geopotential) {
    return host::physics::kPlanetRadius * geopotential / (host::physics::kPlanetRadius - geopotential);
}

TEST(Atmosphere, MatchesTheStandardAtItsLayerBoundaries) {
    struct Row {
        double geopotential, temperature, pressure, density, speedOfSound;
    };
    const Row rows[] = {
        {0, 288.15, 101325, 1.225, 340.294},        {11000, 216.65, 22632.06, 0.363918, 295.070},
        {20000, 216.65, 5474.889, 0.0880349, 295.070}, {32000, 228.65, 868.0187, 0.0132250, 303.131},
        {47000, 270.65, 110.9063, 0.00142753, 329.799}, {51000, 270.65, 66.93887, 0.000861606, 329.799},
        {71000, 214.65, 3.956420, 0.0000642110, 293.704},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("geopotential altitude " + std::to_string(row.geopotential));
        const auto air = AtmosphereAt(Geometric(row.geopotential));
        EXPECT_NEAR(air.temperature, row.temperature, 1e-6 * row.temperature);
        EXPECT_NEAR(air.pressure, row.pressure, 2e-6 * row.pressure);
        EXPECT_NEAR(air.density, row.density, 1e-5 * row.density);
        EXPECT_NEAR(air.speedOfSound, row.speedOfSound, 1e-5 * row.speedOfSound);
    }
}

TEST(Atmosphere, ThinsSteadilyToVacuum) {
    auto previous = AtmosphereAt(-5000);
    for (double h = -4900; h <= host::physics::kAtmosphereTop; h += 100) {
        const auto air = AtmosphereAt(h);
        ASSERT_GT(air.pressure, 0) << h;
        ASSERT_LT(air.pressure, previous.pressure) << h;
        ASSERT_LT(air.density, previous.density) << h;
        previous = air;
    }
    EXPECT_LT(previous.density, 1e-12);
    for (double h : {host::physics::kAtmosphereTop + 1, 1e6, 1e9}) {
        const auto air = AtmosphereAt(h);
        EXPECT_EQ(air.pressure, 0) << h;
        EXPECT_EQ(air.density, 0) << h;
        EXPECT_GT(air.speedOfSound, 0) << h;
    }
}

TEST(Atmosphere, DeepBelowSeaLevelStaysAtTheLowestLevel) {
    EXPECT_EQ(AtmosphereAt(-1e6).density, AtmosphereAt(-5000).density);
    EXPECT_GT(AtmosphereAt(-5000).density, AtmosphereAt(0).density);
}

}  // namespace
