// The frames behind the state queries: orientation angles, attitude, horizon, status records.
#include <cmath>

#include <glm/gtc/quaternion.hpp>

#include "HostFixture.h"
#include "Placement.h"

namespace {

using glm::dvec3;

void ExpectNear(const glm::dmat3& a, const glm::dmat3& b, double tolerance) {
    for (int c = 0; c < 3; ++c)
        for (int r = 0; r < 3; ++r) EXPECT_NEAR(a[c][r], b[c][r], tolerance) << "column " << c << " row " << r;
}

void ExpectNear(const dvec3& a, const dvec3& b, double tolerance) {
    EXPECT_NEAR(a.x, b.x, tolerance);
    EXPECT_NEAR(a.y, b.y, tolerance);
    EXPECT_NEAR(a.z, b.z, tolerance);
}

TEST(Frames, AnglesOfARotationGiveItBack) {
    const double q = M_PI / 2;
    const dvec3 angles[] = {
        {0, 0, 0},        {0.3, -0.2, 1.1},    {-2.9, 1.2, -3.1},    {3.1, -1.5, 0.4},
        {0.7, q, -0.3},   {0.7, -q, -0.3},     {0.1, q - 1e-9, 2.0}, {-1.0, -q + 1e-7, 0.5},
        {M_PI, 0, M_PI},  {1e-12, 1e-12, 1e-12},
    };
    for (const dvec3& a : angles) {
        SCOPED_TRACE(testing::Message() << "angles " << a.x << " " << a.y << " " << a.z);
        const glm::dmat3 rot = phys::RotationFromAngles(a);
        ExpectNear(phys::RotationFromAngles(phys::AnglesFromRotation(rot)), rot, 1e-14);
    }
}

TEST(Frames, AnglesMatrixIsTheVesselToGlobalRotation) {
    // Rows of Rx(a) Ry(b) Rz(c) as the fighter's own geometry builds them.
    const double a = 0.4, b = -0.9, c = 2.2;
    auto rx = [](double t) { return glm::transpose(glm::dmat3(1, 0, 0, 0, cos(t), sin(t), 0, -sin(t), cos(t))); };
    auto ry = [](double t) { return glm::transpose(glm::dmat3(cos(t), 0, -sin(t), 0, 1, 0, sin(t), 0, cos(t))); };
    auto rz = [](double t) { return glm::transpose(glm::dmat3(cos(t), sin(t), 0, -sin(t), cos(t), 0, 0, 0, 1)); };
    ExpectNear(phys::RotationFromAngles({a, b, c}), rx(a) * ry(b) * rz(c), 1e-15);
}

class StateQueries : public HostTest, public testing::WithParamInterface<Placement> {};

TEST_P(StateQueries, DescribeTheVesselAsPlaced) {
    const Placement& p = GetParam();
    OBJHANDLE h = Create("F", "Corvex", StatusFor(p));
    VESSEL* v = oapiGetVesselInterface(h);
    const double r = phys::kPlanetRadius + p.altitude;
    const glm::dvec3 pos = phys::FromEquPos(p.lng, p.lat, r);
    const glm::dmat3 horizon = phys::HorizonToGlobal(pos);
    const dvec3 east = horizon[0], up = horizon[1], north = horizon[2];

    double lng, lat, radius, heading, altitude;
    ASSERT_TRUE(oapiGetEquPos(h, &lng, &lat, &radius));
    EXPECT_NEAR(lng, p.lng, 1e-12);
    EXPECT_NEAR(lat, p.lat, 1e-12);
    EXPECT_NEAR(radius, r, 1e-6);
    ASSERT_TRUE(oapiGetAltitude(h, &altitude));
    EXPECT_NEAR(altitude, p.altitude, 1e-6);
    EXPECT_NEAR(v->GetAltitude(), p.altitude, 1e-6);

    ASSERT_TRUE(oapiGetHeading(h, &heading));
    EXPECT_NEAR(heading, std::fmod(p.attitude.heading + 2 * M_PI, 2 * M_PI), 1e-9);
    EXPECT_NEAR(v->GetPitch(), p.attitude.pitch, 1e-9);
    EXPECT_NEAR(v->GetBank(), p.attitude.bank, 1e-9);

    // The senses: heading 0 north and pi/2 east, pitch up positive, bank positive left wing down.
    auto global = [&](dvec3 local) {
        VECTOR3 g;
        v->GlobalRot(phys::ToVector3(local), g);
        return G(g);
    };
    const dvec3 nose = global({0, 0, 1});
    const double sh = sin(p.attitude.heading), ch = cos(p.attitude.heading), cp = cos(p.attitude.pitch);
    ExpectNear(nose, sh * cp * east + sin(p.attitude.pitch) * up + ch * cp * north, 1e-12);
    EXPECT_NEAR(glm::dot(global({-1, 0, 0}), up), -sin(p.attitude.bank) * cos(p.attitude.pitch), 1e-12);

    // Horizon and vessel frames: what HorizonInvRot takes into the vessel, GlobalRot takes out.
    for (const dvec3& hv : {dvec3(1, 0, 0), dvec3(0, 1, 0), dvec3(0, 0, 1), dvec3(0.3, -2, 5)}) {
        VECTOR3 local;
        v->HorizonInvRot(phys::ToVector3(hv), local);
        ExpectNear(global(G(local)), horizon * hv, 1e-12 * glm::length(hv));
    }

    VECTOR3 airspeed;
    ASSERT_TRUE(v->GetHorizonAirspeedVector(airspeed));
    ExpectNear(G(airspeed), p.horizonVel, 1e-9);
    ASSERT_TRUE(oapiGetAirspeedVector(h, &airspeed));
    ExpectNear(G(airspeed), horizon * p.horizonVel, 1e-9);

    VECTOR3 weight;
    ASSERT_TRUE(v->GetWeightVector(weight));
    const double mass = host::TotalMass(Record(h));
    ExpectNear(global(G(weight)), -up * mass * phys::kPlanetGM / (r * r), 1e-9);

    // Part of the status: orientation angles whose matrix inverts to global-to-vessel.
    VESSELSTATUS s;
    v->GetStatus(s);
    const glm::dmat3 toLocal = glm::transpose(phys::RotationFromAngles(G(s.arot)));
    for (const dvec3& local : {dvec3(1, 0, 0), dvec3(0, 1, 0), dvec3(0, 0, 1), dvec3(-3, 7, 0.5)})
        ExpectNear(toLocal * global(local), local, 1e-12 * glm::length(local));
}

INSTANTIATE_TEST_SUITE_P(
    Placements, StateQueries,
    testing::Values(Placement{0, 0, 1000, {0, 0, 0}, {0, 0, 150}},
                    Placement{0.5, 1.0, 250, {0.2, 0.3, M_PI / 2}, {150, 0, 0}},
                    Placement{-0.7, -2.5, 8000, {-0.4, -1.0, 3.0}, {-20, -30, 100}},
                    Placement{1.2, 3.0, 20, {1.2, 2.5, 5.5}, {0, 5, 0}},
                    Placement{-1.4, 0.2, 12000, {-1.3, -2.9, 0.1}, {1, 2, 3}},
                    Placement{0.3, -0.1, 500, {0.05, 0.2, 4.7}, {-200, 1, -10}}));

TEST_F(HostTest, RelativeMotionSizeAndFlightModel) {
    OBJHANDLE a = Create("A", "Corvex", StatusFor({0, 0, 1000, {0, 0, 0}, {0, 0, 100}}));
    OBJHANDLE b = Create("B", "Pellix", StatusFor({0.001, 0, 1500, {0, 0, 0}, {30, 0, 0}}));
    VECTOR3 pos, vel;
    oapiGetRelativePos(b, a, &pos);
    oapiGetRelativeVel(b, a, &vel);
    ExpectNear(G(pos), Record(b).state.pos - Record(a).state.pos, 1e-9);
    ExpectNear(G(vel), Record(b).state.vel - Record(a).state.vel, 1e-12);
    oapiGetRelativePos(a, host::Registry::PlanetHandle(), &pos);
    EXPECT_NEAR(glm::length(G(pos)), phys::kPlanetRadius + 1000, 1e-6);
    EXPECT_EQ(oapiGetSize(a), 3.5);
    EXPECT_EQ(oapiGetSize(host::Registry::PlanetHandle()), phys::kPlanetRadius);
    EXPECT_EQ(oapiGetVesselInterface(a)->GetFlightModel(), host.flightModel);
}

TEST_F(HostTest, StatusRoundTripsThroughCreation) {
    VESSELSTATUS s = StatusFor({0.2, -0.4, 3000, {0.3, -0.6, 2.0}, {12, -3, 140}});
    s.vrot = {0.01, -0.2, 0.05};
    s.fuel = 0.4;
    s.eng_main = 0.7;
    s.eng_hovr = 0.25;
    OBJHANDLE first = Create("First", "Corvex", s);
    VESSELSTATUS read;
    oapiGetVesselInterface(first)->GetStatus(read);
    OBJHANDLE second = Create("Second", "Corvex", read);
    VESSELSTATUS again;
    oapiGetVesselInterface(second)->GetStatus(again);

    ExpectNear(G(again.rpos), G(s.rpos), 1e-9);
    ExpectNear(G(again.rvel), G(s.rvel), 1e-12);
    ExpectNear(G(again.vrot), G(s.vrot), 1e-15);
    ExpectNear(phys::RotationFromAngles(G(again.arot)), phys::RotationFromAngles(G(s.arot)), 1e-14);
    EXPECT_DOUBLE_EQ(again.fuel, 0.4);
    EXPECT_DOUBLE_EQ(again.eng_main, 0.7);
    EXPECT_DOUBLE_EQ(again.eng_hovr, 0.25);
    EXPECT_EQ(again.status, 0);
    EXPECT_EQ(again.rbody, host::Registry::PlanetHandle());
}

}  // namespace
