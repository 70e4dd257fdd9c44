// Particle streams read their level through the pointer they were given for as long as they
// live; exhaust streams burn at their thruster's level while it has fuel.
#include <memory>

#include "HostFixture.h"
#include "core/StreamLevel.h"

namespace {

TEST_F(HostTest, ParticleStreamReadsItsLevelVariableUntilRemoved) {
    OBJHANDLE h = Create("P", "Probe", StatusAt(100));
    VESSEL* v = oapiGetVesselInterface(h);
    auto level = std::make_unique<double>(0);
    PARTICLESTREAMSPEC spec{};
    const PSTREAM_HANDLE stream = v->AddParticleStream(&spec, {0, 0, 0}, {0, 0, 1}, level.get());
    const auto Level = [&] { return host::StreamLevel(Record(h), Record(h).def.streams.at(0)); };
    const std::pair<double, double> cases[] = {{0, 0}, {1, 1}, {0.3, 0.3}, {7, 1}, {-2, 0}, {std::nan(""), 0}};
    for (const auto& [set, read] : cases) {
        *level = set;
        EXPECT_EQ(Level(), read) << set;
    }
    EXPECT_TRUE(v->DelExhaustStream(stream));
    level.reset();  // the owner may free the variable once the stream is gone
    EXPECT_EQ(Level(), 0);
    EXPECT_FALSE(v->DelExhaustStream(stream)) << "already removed";
}

TEST_F(HostTest, ExhaustStreamFollowsItsThrusterWhileItHasFuel) {
    OBJHANDLE h = Create("P", "Probe", StatusAt(100));
    VESSEL* v = oapiGetVesselInterface(h);
    PROPELLANT_HANDLE tank = v->CreatePropellantResource(10);
    THRUSTER_HANDLE thruster = v->CreateThruster({0, 0, -2}, {0, 0, 1}, 1000, tank);
    v->CreateThrusterGroup(&thruster, 1, THGROUP_MAIN);
    v->AddExhaustStream(thruster, {0, 0, -3});
    const auto Level = [&] { return host::StreamLevel(Record(h), Record(h).def.streams.at(0)); };
    EXPECT_EQ(Level(), 0);
    v->SetThrusterGroupLevel(THGROUP_MAIN, 0.6);
    EXPECT_EQ(Level(), 0.6);
    v->SetPropellantMass(tank, 0);
    EXPECT_EQ(Level(), 0) << "a wreck's emptied tank puts its exhaust out";
}

}  // namespace
