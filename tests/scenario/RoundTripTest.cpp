// Saving and loading again: the same file byte for byte, and a simulation that goes on as if never
// saved.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

#include "ScenarioTest.h"
#include "scenario/Numbers.h"

namespace {

std::string Fixture(const char* name) {
    std::ifstream in(std::string(CORVEX_SCENARIO_TEST_DATA) + "/" + name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Everything of a vessel that the host moves or burns.
struct Snapshot {
    std::string name;
    host::RigidState state;
    std::vector<double> tankMasses, thrusterLevels;
    bool operator==(const Snapshot& o) const {
        return name == o.name && state.pos == o.state.pos && state.vel == o.state.vel && state.rot == o.state.rot &&
               state.angVel == o.state.angVel && state.landed == o.state.landed && tankMasses == o.tankMasses &&
               thrusterLevels == o.thrusterLevels;
    }
};

std::vector<Snapshot> World() {
    std::vector<Snapshot> world;
    for (const host::VesselRecord* rec : host::Host::Instance().vessels.InOrder()) {
        Snapshot s{rec->name, rec->state, {}, {}};
        for (const host::Tank& t : rec->def.tanks) s.tankMasses.push_back(t.mass);
        for (const host::Thruster& t : rec->def.thrusters) s.thrusterLevels.push_back(t.level);
        world.push_back(s);
    }
    return world;
}

class RoundTrip : public ScenarioTest {
protected:
    void Fresh() {
        host.Reset();
        host.modules.SetSearchPath({CORVEX_MODULE_DIR, CORVEX_TEST_MODULE_DIR});
    }
    void Run(int steps) {
        for (int i = 0; i < steps; ++i) host.Step();
    }
};

TEST_F(RoundTrip, LoadSaveLoadSaveIsByteForByte) {
    const auto report = Load(Fixture("mixed.scn"));
    EXPECT_TRUE(report.warnings.empty()) << report.warnings.front();
    ASSERT_EQ(report.vessels, 5u);
    const std::string first = Save();
    const std::vector<Snapshot> before = World();

    Fresh();
    Load(first);
    EXPECT_EQ(World(), before);
    EXPECT_EQ(Save(), first);
}

TEST_F(RoundTrip, SharedNamesOddNamesFocusAndTargetsSurvive) {
    Load(Fixture("mixed.scn"));
    const std::string saved = Save();
    Fresh();
    Load(saved);
    ASSERT_EQ(oapiGetVesselCount(), 5u);
    const char* names[] = {"Red 1: lead", "CLONE", "CLONE", "Parked", "Exact"};
    const char* classes[] = {"Corvex", "Probe", "Corvex", "Probe", "Corvex"};
    for (int i = 0; i < 5; ++i) {
        VESSEL* v = oapiGetVesselInterface(oapiGetVesselByIndex(i));
        EXPECT_STREQ(v->GetName(), names[i]);
        EXPECT_STREQ(v->GetClassNameA(), classes[i]);
    }
    EXPECT_EQ(oapiGetFocusObject(), oapiGetVesselByIndex(0));
    // A lookup by name gives the first of several: the probe.
    EXPECT_EQ(static_cast<Corvex*>(static_cast<VESSEL2*>(oapiGetVesselInterface(oapiGetVesselByIndex(4))))->target,
              oapiGetVesselByIndex(1));
    EXPECT_EQ(Fighter("Red 1: lead").trailLevel, 1);
    EXPECT_EQ(host.clock.Now(), 100);
    EXPECT_EQ(host.clock.step, 1.0 / 64);
}

TEST_F(RoundTrip, SimulationGoesOnAsIfNeverSaved) {
    Load(Fixture("mixed.scn"));
    oapiGetVesselInterface(oapiGetVesselByName("Exact"))->SetThrusterGroupLevel(THGROUP_HOVER, 0.75);
    Run(100);
    oapiRand();
    const std::string saved = Save();
    Run(100);
    const std::vector<Snapshot> straight = World();
    const double timeStraight = host.clock.Now();
    const double randomStraight = oapiRand();

    Fresh();
    Load(saved);
    Run(100);
    EXPECT_EQ(World(), straight);
    EXPECT_EQ(host.clock.Now(), timeStraight);
    EXPECT_EQ(oapiRand(), randomStraight);
}

TEST(Numbers, WrittenNumbersReadBackToTheSameDouble) {
    const double values[] = {0.1, 1.0 / 3, -0.0, 6371000.123456789, 1e300, -1e-300, 4.9e-324, 2.2250738585072014e-308,
                             1.7976931348623157e308, 0.0078125, 123456789012345678.0};
    for (double value : values) {
        const std::string text = host::scenario::FormatNumber(value);
        double back = 0;
        ASSERT_TRUE(host::scenario::ParseNumber(text, back)) << text;
        EXPECT_EQ(std::memcmp(&back, &value, sizeof value), 0) << text;
        // The fighter reads its own numbers with sscanf.
        double scanned = 0;
        ASSERT_EQ(std::sscanf(text.c_str(), "%lf", &scanned), 1);
        EXPECT_EQ(std::memcmp(&scanned, &value, sizeof value), 0) << text;
    }
}

TEST_F(RoundTrip, NonFiniteStateIsSavedWithAWarning) {
    Load("VESSEL A:Corvex\nEND\n");
    Record(oapiGetVesselByName("A")).state.vel.x = std::nan("");
    std::vector<std::string> warnings;
    const std::string text = host::scenario::ScenarioText(warnings);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_NE(warnings[0].find("'A': its state is not finite"), std::string::npos);
    Fresh();
    EXPECT_THROW(Load(text), host::Error);
}

TEST_F(RoundTrip, FileOnDiskIsReplacedOnlyWhenComplete) {
    Load(Fixture("mixed.scn"));
    const std::filesystem::path path = std::filesystem::path(::testing::TempDir()) / "roundtrip.scn";
    std::vector<std::string> warnings;
    host::scenario::SaveScenario(path, warnings);
    const std::string text = Save();
    std::ifstream in(path, std::ios::binary);
    std::stringstream written;
    written << in.rdbuf();
    EXPECT_EQ(written.str(), text);
    EXPECT_FALSE(std::filesystem::exists(path.string() + ".part"));

    EXPECT_THROW(host::scenario::SaveScenario(path / "not-a-dir" / "x.scn", warnings), host::Error);
    std::filesystem::remove(path);
}

}  // namespace
