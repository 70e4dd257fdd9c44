#include <cmath>

#include <gtest/gtest.h>

#include "Gunsight.h"

namespace {

const VECTOR3 kWeight{0, -4905, 0};  // a 500 kg fighter flying level

TEST(LeadReticle, LeadsACrossingTargetByItsTravelDuringTheShellsFlight) {
    VECTOR3 reticle{};
    ASSERT_TRUE(LeadReticle({0, 0, 600}, {100, 0, 0}, kWeight, 350, reticle));
    // Where the target is when a shell flying that far at 350 m/s arrives, to the 5 m the sight settles to.
    const double flightTime = std::hypot(reticle.x, 600.0) / 350;
    EXPECT_NEAR(reticle.x, 100 * flightTime, 5);
    EXPECT_NEAR(reticle.z, 600, 1e-9);
    // Raised by the shell's fall on the way, within the ballistic solver's metre.
    EXPECT_NEAR(reticle.y, 0.5 * 9.81 * flightTime * flightTime, 1);
}

TEST(LeadReticle, GivesUpOnATargetOutrunningTheShell) {
    VECTOR3 reticle{};
    EXPECT_FALSE(LeadReticle({0, 0, 1000}, {0, 0, 400}, kWeight, 350, reticle));
}

}  // namespace
