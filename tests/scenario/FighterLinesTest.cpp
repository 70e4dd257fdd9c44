// The fighter's TRAIL, AIMODE, TEAM and TARGET lines, read and written.
#include "ScenarioTest.h"

namespace {

struct Case {
    const char* lines;  // the block of fighter F, between "A" (before it) and "B" (after it)
    double trail;
    int aiMode;
    int team;
    const char* target;  // name, or null for no target
};

const Case kCases[] = {
    {"", 0, 0, 0, nullptr},
    {"TEAM 010", 0, 0, 8, nullptr},
    {"TEAM 0x10", 0, 0, 16, nullptr},
    {"TEAM -1", 0, 0, -1, nullptr},
    {"TEAM\t\t3", 0, 0, 3, nullptr},
    {"TEAM3", 0, 0, 3, nullptr},
    {"TEAMS 3", 0, 0, 0, nullptr},
    {"Teammate 3", 0, 0, 0, nullptr},
    {"team 3", 0, 0, 0, nullptr},
    {"TEAM", 0, 0, 0, nullptr},
    {"TEAM 2\nTEAM 5", 0, 0, 5, nullptr},
    {"TEAM 2\nTEAM x", 0, 0, 2, nullptr},
    // Beyond a 32-bit int: the read fails rather than wrapping onto another team.
    {"TEAM 4294967296", 0, 0, 0, nullptr},
    {"TEAM 2147483647", 0, 0, 2147483647, nullptr},
    {"AIMODE 1", 0, 1, 0, nullptr},
    {"AIMODE 0x5", 0, 5, 0, nullptr},
    {"aimode 1", 0, 0, 0, nullptr},
    {"AIMODEX 1", 0, 0, 0, nullptr},
    {"TRAIL 1", 1, 0, 0, nullptr},
    {"TRAIL1", 1, 0, 0, nullptr},
    {"TRAIL 0.25", 0.25, 0, 0, nullptr},
    {"trail 1", 0, 0, 0, nullptr},
    {"TRAIL on", 0, 0, 0, nullptr},
    {"TARGET A", 0, 0, 0, "A"},
    {"TARGET:A", 0, 0, 0, "A"},
    {"target A", 0, 0, 0, "A"},
    {"TARGET", 0, 0, 0, nullptr},
    {"TARGET ", 0, 0, 0, nullptr},
    {"TARGET B", 0, 0, 0, nullptr},
    {"TARGET Nobody", 0, 0, 0, nullptr},
    {"TARGET A\nTARGET Nobody", 0, 0, 0, nullptr},
    {"TEAM 2\nAIMODE 1\nTRAIL 1\nTARGET A\nALTITUDE 500", 1, 1, 2, "A"},
};

void PrintTo(const Case& c, std::ostream* os) { *os << ::testing::PrintToString(c.lines); }

class FighterLines : public ScenarioTest, public ::testing::WithParamInterface<Case> {};

TEST_P(FighterLines, SetMembersAsRead) {
    const Case& c = GetParam();
    const auto report = Load(std::string("VESSEL A:Corvex\nEND\nVESSEL F:Corvex\n") + c.lines +
                             "\nEND\nVESSEL B:Corvex\nEND\n");
    // Every line is the fighter's or the host's: none is skipped as unknown.
    EXPECT_TRUE(report.warnings.empty()) << report.warnings.front();
    const Corvex& f = Fighter("F");
    EXPECT_EQ(f.trailLevel, c.trail);
    EXPECT_EQ(f.aiMode, c.aiMode);
    EXPECT_EQ(f.team, c.team);
    EXPECT_EQ(f.target, c.target ? oapiGetVesselByName(c.target) : nullptr);
}

INSTANTIATE_TEST_SUITE_P(Table, FighterLines, ::testing::ValuesIn(kCases));

TEST_F(ScenarioTest, FighterLinesAmongHostLinesStillPlaceTheVessel) {
    Load("VESSEL F:Corvex\n  TEAM 4\n  ALTITUDE 1234\n  trail 1\n  AIRSPEED 100\nEND\n");
    const host::VesselRecord& rec = Record(oapiGetVesselByName("F"));
    EXPECT_NEAR(host::physics::Altitude(rec.state.pos), 1234, 1e-6);
    EXPECT_NEAR(glm::length(rec.state.vel), 100, 1e-9);
    EXPECT_EQ(Fighter("F").team, 4);
}

TEST_F(ScenarioTest, FighterWritesItsLinesAfterTheHostsAndATargetOnlyWhileItExists) {
    Load("VESSEL A:Corvex\nEND\nVESSEL F:Corvex\n  TEAM 2\n  AIMODE 1\n  TRAIL 1\n  TARGET A\nEND\n");
    const std::string withTarget = Save();
    const std::string block = withTarget.substr(withTarget.find("VESSEL F:Corvex"));
    EXPECT_NE(block.find("  THRUSTERS"), std::string::npos);
    EXPECT_NE(block.find("  TRAIL 1\n  AIMODE 1\n  TEAM 2\n  TARGET A\nEND\n"), std::string::npos) << block;
    EXPECT_LT(block.find("THRUSTERS"), block.find("TRAIL"));

    oapiDeleteVessel(oapiGetVesselByName("A"));
    const std::string afterDelete = Save();
    EXPECT_NE(afterDelete.find("  TRAIL 1\n  AIMODE 1\n  TEAM 2\nEND\n"), std::string::npos) << afterDelete;
    EXPECT_EQ(afterDelete.find("TARGET"), std::string::npos);
}

TEST_F(ScenarioTest, SavedFighterReadsBackTheSameMembers) {
    Load("VESSEL A:Corvex\nEND\nVESSEL F:Corvex\n  TEAM -3\n  AIMODE 5\n  TRAIL 0.1\n  TARGET A\nEND\n");
    const std::string saved = Save();
    host.Reset();
    host.modules.SetSearchPath({CORVEX_MODULE_DIR});
    Load(saved);
    const Corvex& f = Fighter("F");
    EXPECT_EQ(f.team, -3);
    EXPECT_EQ(f.aiMode, 5);
    EXPECT_EQ(f.trailLevel, 0.1);
    EXPECT_EQ(f.target, oapiGetVesselByName("A"));
}

}  // namespace
