// The fixed step holds for light and heavy vessels alike: a 20 kg shell at over Mach 3 and the
// 1250 kg fighter, both thrown askew into the airflow, settle nose first without blowing up.
#include <cmath>

#include "HostFixture.h"
#include "Placement.h"

namespace {

using glm::dvec3;

constexpr double kDeg = M_PI / 180;

// A gun shell: light, slender, strongly weathervaning.
void DefineAsShell(VESSEL& v) {
    v.SetSize(2);
    v.SetEmptyMass(20);
    v.SetPMI({3, 3, 1});
    v.SetCrossSections({0.3, 0.3, 0.6});
    v.SetCW(0.07, 0.07, 0.07, 0.07);
    v.SetRotDrag({0.5, 0.5, 0.5});
    v.SetPitchMomentScale(0.001);
    v.SetBankMomentScale(0.001);
}

struct Throw {
    const char* name;
    bool shell;
    double speed, yawDegrees, pitchDegrees, seconds;
};

class Askew : public HostTest, public testing::WithParamInterface<Throw> {};

TEST_P(Askew, TurnsItsNoseIntoTheAirflow) {
    const Throw& t = GetParam();
    Placement p{0, 0, 3000, {t.pitchDegrees * kDeg, 0, t.yawDegrees * kDeg}, {0, 0, t.speed}};
    OBJHANDLE h = Create("V", t.shell ? "Probe" : "Corvex", StatusFor(p));
    if (t.shell) DefineAsShell(*oapiGetVesselInterface(h));
    const host::VesselRecord& rec = Record(h);
    for (int i = 0; i < t.seconds * 128; ++i) {
        host.Step();
        ASSERT_TRUE(std::isfinite(glm::length(rec.state.angVel))) << "step " << i;
    }
    const dvec3 nose = rec.state.rot * dvec3(0, 0, 1);
    const double askew = std::acos(std::clamp(glm::dot(nose, glm::normalize(rec.state.vel)), -1.0, 1.0));
    EXPECT_LT(askew, 5 * kDeg);
    EXPECT_LT(glm::length(rec.state.angVel), 0.2);
}

INSTANTIATE_TEST_SUITE_P(Vessels, Askew,
                         testing::Values(Throw{"ShellAtMach3", true, 1100, 10, 0, 1},
                                         Throw{"SlowShellSideways", true, 350, 90, 0, 2},
                                         Throw{"ShellTumbling", true, 850, 150, 40, 2},
                                         Throw{"FighterYawed", false, 250, 20, 0, 6},
                                         Throw{"FighterPitched", false, 200, 0, 25, 6}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
