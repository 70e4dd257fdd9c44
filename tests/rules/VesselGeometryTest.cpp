// The fire-control geometry applied to vessels in the host's world.
#include <cmath>

#include "Constants.h"
#include "HostFixture.h"
#include "VesselGeometry.h"

namespace {

namespace phys = host::physics;

// A vessel at 1000 m over the equator, turned to the given attitude.
OBJHANDLE Turned(const char* name, const phys::Attitude& attitude) {
    VESSELSTATUS s = StatusAt(1000);
    const glm::dmat3 rot = phys::RotationFromAttitude(phys::ToGlm(s.rpos), attitude);
    s.arot = phys::ToVector3(phys::AnglesFromRotation(rot));
    return Create(name, "Probe", s);
}

TEST_F(HostTest, GlobalToLocalIsTheInverseOfTheHostsRotation) {
    const phys::Attitude attitudes[] = {{0, 0, 0}, {0.3, 0, 1.0}, {-0.6, 0.8, 4.0}, {1.2, -2.5, 2.2}, {0, PI, 0.1}};
    int n = 0;
    for (const phys::Attitude& a : attitudes) {
        SCOPED_TRACE(testing::Message() << "pitch " << a.pitch << " bank " << a.bank << " heading " << a.heading);
        const VESSEL& v = *oapiGetVesselInterface(Turned(("V" + std::to_string(n++)).c_str(), a));
        const VECTOR3 local{3, -4, 12};
        const VECTOR3 global = LocalToGlobal(v, local);
        const VECTOR3 back = GlobalToLocal(v, global);
        EXPECT_NEAR(back.x, local.x, 1e-9);
        EXPECT_NEAR(back.y, local.y, 1e-9);
        EXPECT_NEAR(back.z, local.z, 1e-9);
        EXPECT_NEAR(VectorLength(global), 13, 1e-9) << "a pure rotation";
    }
}

TEST_F(HostTest, GlobalToLocalSeesWhatIsAheadOnTheNose) {
    // Level and heading east: ahead is along the global +z, which is east at longitude 0.
    const VESSEL& v = *oapiGetVesselInterface(Turned("East", {0, 0, PI / 2}));
    const VECTOR3 ahead = GlobalToLocal(v, {0, 0, 100});
    EXPECT_NEAR(ahead.x, 0, 1e-9);
    EXPECT_NEAR(ahead.y, 0, 1e-9);
    EXPECT_NEAR(ahead.z, 100, 1e-9);
    const VECTOR3 up = GlobalToLocal(v, {100, 0, 0});  // straight up over longitude 0
    EXPECT_NEAR(up.y, 100, 1e-9);
}

TEST_F(HostTest, SolveInterceptOfVessels) {
    OBJHANDLE own = Turned("Own", {0, 0, 0});
    VESSELSTATUS s = StatusAt(1000, 900);  // 900 m north, straight ahead
    OBJHANDLE target = Create("Target", "Probe", s);
    VECTOR3 aim;
    ASSERT_TRUE(SolveIntercept(own, target, 350, aim));
    EXPECT_NEAR(aim.z, 900, 1) << "a target at rest is aimed at where it is";
    EXPECT_NEAR(aim.x, 0, 1e-6);

    Record(target).state.vel = phys::HorizonToGlobal(Record(target).state.pos) * glm::dvec3(50, 0, 0);  // east
    ASSERT_TRUE(SolveIntercept(own, target, 350, aim));
    EXPECT_GT(aim.x, 100) << "leads a target crossing to the right";

    EXPECT_FALSE(SolveIntercept(nullptr, target, 350, aim));
}

TEST_F(HostTest, BearingAndClimbOfVessels) {
    OBJHANDLE own = Create("Own", "Probe", StatusAt(1000));
    struct Case {
        const char* what;
        glm::dvec3 offset;  // horizon frame: east, up, north
        double heading, climb;
    };
    const Case cases[] = {
        {"north", {0, 0, 2000}, 0, 0},
        {"east", {2000, 0, 0}, PI / 2, 0},
        {"west", {-2000, 0, 0}, -PI / 2, 0},
        {"south-east, above", {1000, 1000, -1000}, 3 * PI / 4, std::atan(1 / std::sqrt(2.0))},
        {"straight above", {0, 500, 0}, 0, PI / 2},
    };
    const glm::dvec3 from = Record(own).state.pos;
    for (const Case& c : cases) {
        VESSELSTATUS s = StatusAt(0);
        const glm::dvec3 at = from + phys::HorizonToGlobal(from) * c.offset;
        s.rpos = phys::ToVector3(at);
        OBJHANDLE target = Create(c.what, "Probe", s);
        double heading, climb;
        BearingAndClimb(own, target, heading, climb);
        // Over the curved planet a point 2 km off sits a fraction of a metre lower.
        EXPECT_NEAR(heading, c.heading, 1e-6) << c.what;
        EXPECT_NEAR(climb, c.climb, 1e-3) << c.what;
    }
}

}  // namespace
