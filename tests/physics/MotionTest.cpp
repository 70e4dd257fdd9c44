// Motion under gravity alone: free fall, the shell's parabola in vacuum, an orbit, and runs that
// repeat exactly.
#include <cmath>
#include <vector>

#include "HostFixture.h"
#include "Placement.h"

namespace {

using glm::dvec3;

void RunSteps(host::Host& host, int steps) {
    for (int i = 0; i < steps; ++i) host.Step();
}

class FreeFall : public HostTest, public testing::WithParamInterface<double> {};

TEST_P(FreeFall, AcceleratesAtLocalGravity) {
    // The probe defines no aerodynamics, so only gravity acts on it.
    const double altitude = GetParam();
    OBJHANDLE h = Create("P", "Probe", StatusFor({0.3, 1.1, altitude, {0, 0, 0}, {0, 0, 0}}));
    const dvec3 start = Record(h).state.pos;
    RunSteps(host, 128);
    const double r = glm::length(start);
    const dvec3 down = -start / r;
    const dvec3 vel = Record(h).state.vel;
    const double g = phys::kPlanetGM / (r * r);
    EXPECT_NEAR(glm::dot(vel, down), g, 1e-5 * g);
    EXPECT_NEAR(glm::length(vel - glm::dot(vel, down) * down), 0, 1e-9);
    EXPECT_NEAR(glm::dot(Record(h).state.pos - start, down), g / 2, 1e-5 * g);
}

INSTANTIATE_TEST_SUITE_P(Altitudes, FreeFall, testing::Values(100.0, 10e3, 400e3, 35786e3));

// The projectile above the air: its path is the parabola of the launch point's gravity, bent
// only by the planet's curvature over its short flight.
TEST_F(HostTest, ShellInVacuumFollowsTheParabola) {
    const Placement launch{0.2, 0.4, 250e3, {0.1, 0, 0.3}, {400, 120, 750}};
    OBJHANDLE h = Create("bullet", "Pellix", StatusFor(launch));
    const dvec3 p0 = Record(h).state.pos, v0 = Record(h).state.vel;
    const dvec3 g = -phys::kPlanetGM / std::pow(glm::length(p0), 3) * p0;
    const double dt = host.clock.step;
    double worst = 0;
    for (int i = 1; i <= 370; ++i) {  // just short of the 3 s fuse
        host.Step();
        const double t = i * dt;
        worst = std::max(worst, glm::length(Record(h).state.pos - (p0 + v0 * t + 0.5 * g * t * t)));
    }
    EXPECT_LT(worst, 0.02) << "metres off the parabola over " << glm::length(v0) * 370 * dt << " m of flight";
}

TEST_F(HostTest, CircularOrbitClosesOnItself) {
    const double r = phys::kPlanetRadius + 400e3;
    const double speed = std::sqrt(phys::kPlanetGM / r);
    OBJHANDLE h = Create("Sat", "Probe", StatusFor({0, 0, 400e3, {0, 0, 0}, {0, 0, speed}}));
    const dvec3 start = Record(h).state.pos;
    const double period = 2 * M_PI * r / speed;
    const int steps = static_cast<int>(std::lround(period / host.clock.step));
    double lowest = r, highest = r;
    for (int i = 0; i < steps; ++i) {
        host.Step();
        const double now = glm::length(Record(h).state.pos);
        lowest = std::min(lowest, now);
        highest = std::max(highest, now);
    }
    EXPECT_LT(highest - lowest, 0.01) << "metres of radius over one orbit";
    EXPECT_LT(glm::length(Record(h).state.pos - start), speed * host.clock.step) << "back where it began";
}

// Same seed, same world: vessels placed with oapiRand fly the same paths to the last bit.
std::vector<host::RigidState> SeededRun(host::Host& host, std::uint64_t seed) {
    host.Reset();
    host.modules.SetSearchPath({CORVEX_MODULE_DIR, CORVEX_TEST_MODULE_DIR});
    host.rng.seed(seed);
    std::vector<OBJHANDLE> vessels;
    for (int i = 0; i < 6; ++i) {
        const Placement p{oapiRand() * 0.01, oapiRand() * 0.01, 200 + 3000 * oapiRand(),
                          {oapiRand() - 0.5, oapiRand() - 0.5, 6 * oapiRand()},
                          {100 * oapiRand(), 20 * oapiRand() - 10, 100 + 100 * oapiRand()}};
        vessels.push_back(Create("V" + std::to_string(i), i % 2 ? "Pellix" : "Corvex", StatusFor(p)));
        oapiGetVesselInterface(vessels.back())->SetThrusterGroupLevel(THGROUP_MAIN, oapiRand());
        oapiGetVesselInterface(vessels.back())->SetAttitudeRotLevel(i % 3, 2 * oapiRand() - 1);
    }
    RunSteps(host, 5 * 128 / 2);  // shells go off at 3 s
    std::vector<host::RigidState> states;
    for (OBJHANDLE h : vessels) states.push_back(Record(h).state);
    return states;
}

bool SameBits(const host::RigidState& a, const host::RigidState& b) {
    return a.pos == b.pos && a.vel == b.vel && a.rot == b.rot && a.angVel == b.angVel && a.landed == b.landed;
}

TEST_F(HostTest, SameSeedFliesTheSameTrajectories) {
    const auto first = SeededRun(host, 42);
    const auto second = SeededRun(host, 42);
    const auto other = SeededRun(host, 43);
    ASSERT_EQ(first.size(), second.size());
    for (std::size_t i = 0; i < first.size(); ++i) {
        EXPECT_TRUE(SameBits(first[i], second[i])) << "vessel " << i;
        EXPECT_FALSE(SameBits(first[i], other[i])) << "vessel " << i;
    }
}

}  // namespace
