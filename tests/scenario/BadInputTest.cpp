// Bad scenario input: a message naming file, line and problem, and nothing left half-loaded.
#include <fstream>

#include "ScenarioTest.h"
#include "scenario/ScenarioFile.h"

namespace {

struct Case {
    std::string text;
    const char* message;  // what the error must say, after "test.scn:"
};

const std::string kLong(70000, 'x');

const Case kCases[] = {
    {"VESSEL A:Zephyr\nEND\n", "1: no module for vessel class 'Zephyr'"},
    {"VESSEL A:../Corvex\nEND\n", "1: invalid vessel class name '../Corvex'"},
    {"\nVESSEL A:Corvex\n  ALTITUDE high\nEND\n", "3: ALTITUDE expects a number, got 'high'"},
    {"VESSEL A:Corvex\n  ALTITUDE 1 2\nEND\n", "2: ALTITUDE expects 1 number, got 2"},
    {"VESSEL A:Corvex\n  LATITUDE 95\nEND\n", "2: LATITUDE 95 is out of range [-90, 90] degrees"},
    {"VESSEL A:Corvex\n  ALTITUDE -5\nEND\n", "2: ALTITUDE -5 is out of range [0, 10000000] m"},
    {"VESSEL A:Corvex\n  AIRSPEED nan\nEND\n", "2: AIRSPEED expects a number, got 'nan'"},
    {"VESSEL A:Corvex\n  PROPELLANT 1.5\nEND\n", "2: PROPELLANT 1.5 is out of range [0, 1]"},
    {"VESSEL A:Corvex\n  POS 1 2\nEND\n", "2: POS expects 3 numbers, got 2"},
    {"VESSEL A:Corvex\n  ROT 1 0 0 0 1 0 0 0 2\nEND\n", "2: ROT is not a rotation"},
    {"VESSEL A:Corvex\n  ROT 1 0 0 0 1 0 0 0 -1\nEND\n", "2: ROT is not a rotation"},
    {"VESSEL A:Corvex\n  TANKS 100 100\nEND\n", "2: TANKS expects 1 number, got 2"},
    {"VESSEL A:Corvex\n  TANKS 800\nEND\n", "2: TANKS mass 1 800 is out of range [0, 750] kg"},
    {"VESSEL A:Corvex\n  THRUSTERS 1\nEND\n", "2: THRUSTERS expects 16 numbers, got 1"},
    {"VESSEL A:Corvex\n  LANDED yes\nEND\n", "2: LANDED takes no value"},
    {"VESSEL A:Corvex\n  LATITUDE 5\n  POS 1 2 3\nEND\n", "3: POS contradicts LATITUDE on line 2"},
    {"VESSEL A:Corvex\n  AIRSPEED 5\n  VEL 1 2 3\nEND\n", "3: VEL contradicts AIRSPEED on line 2"},
    {"VESSEL A:Corvex\n  RELATIVE Nobody 0 0 5\nEND\n", "2: RELATIVE names no earlier vessel 'Nobody'"},
    {"VESSEL A:Corvex\n  RELATIVE A 0 0 5\nEND\n", "2: RELATIVE names no earlier vessel 'A'"},
    {"VESSEL A:Corvex\nEND\nVESSEL A:Corvex\nEND\nVESSEL B:Corvex\n  RELATIVE A 0 0 5\nEND\n",
     "6: RELATIVE names 'A', which 2 earlier vessels are called: rename one"},
    {"VESSEL A:Corvex\nEND\nVESSEL B:Corvex\n  RELATIVE A 0 0\nEND\n", "4: RELATIVE expects a vessel name"},
    {"VESSEL A:Corvex\nEND\nVESSEL B:Corvex\n  RELATIVE \"A 0 0 5\nEND\n", "4: RELATIVE has no closing"},
    {"VESSEL A:Corvex\n  ALTITUDE 5\n", "1: the block of vessel A has no END"},
    {"VESSEL A:Corvex\n  ALTITUDE 5\nVESSEL B:Corvex\nEND\n", "3: VESSEL inside the block of vessel A (line 1): its END is missing"},
    {"VESSEL Corvex\nEND\n", "1: VESSEL expects <name>:<class>"},
    {"VESSEL :Corvex\nEND\n", "1: VESSEL has no name before ':'"},
    {"VESSEL A:\nEND\n", "1: VESSEL A has no class after ':'"},
    {"ALTITUDE 5\n", "1: unknown line 'ALTITUDE 5' (expected ENVIRONMENT, FOCUS or VESSEL)"},
    {"ENVIRONMENT\n  TIME 0\nEND\nENVIRONMENT\nEND\n", "4: second ENVIRONMENT (the first is on line 1)"},
    {"ENVIRONMENT\n  GRAVITY 0\nEND\n", "2: unknown environment line 'GRAVITY 0'"},
    {"ENVIRONMENT\n  TIME 1\n  TIME 2\nEND\n", "3: TIME given twice (first on line 2)"},
    {"ENVIRONMENT\n  STEP 0\nEND\n", "2: STEP 0 is out of range [0.0001, 0.1] s"},
    {"ENVIRONMENT\n  SEED -1\nEND\n", "2: SEED expects a whole number from 0 to 18446744073709551615, got '-1'"},
    {"ENVIRONMENT\n  DRAWS 99999999999\nEND\n", "2: DRAWS expects a whole number from 0 to 1000000000"},
    {"ENVIRONMENT\n  TIME\nEND\n", "2: TIME expects one value"},
    {"VESSEL A:Corvex\nEND\nFOCUS B\n", "3: FOCUS names no vessel 'B'"},
    {"FOCUS\n", "1: FOCUS expects a vessel name"},
    {"FOCUS A\nFOCUS A\n", "2: second FOCUS (the first is on line 1)"},
    {"VESSEL A:Corvex\n" + kLong + "\nEND\n", "2: line is longer than 65536 characters"},
    {"VESSEL A:Corvex\n  TEAM \x01\x02\x03\nEND\n", "2: binary data (byte 0x01 in column 8)"},
    {std::string("\x7f" "ELF\x02\x01\x01\0\0\0", 10), "1: binary data (byte 0x7F in column 1)"},
};

void PrintTo(const Case& c, std::ostream* os) { *os << ::testing::PrintToString(c.text.substr(0, 80)); }

class BadInput : public ScenarioTest, public ::testing::WithParamInterface<Case> {};

TEST_P(BadInput, SaysWhereAndWhatAndLeavesNothingBehind) {
    const Case& c = GetParam();
    host.clock.start = 42;
    try {
        Load(c.text);
        FAIL() << "loaded without complaint";
    } catch (const host::Error& e) {
        EXPECT_NE(std::string(e.what()).find(std::string("test.scn:") + c.message), std::string::npos) << e.what();
    }
    EXPECT_EQ(oapiGetVesselCount(), 0u);
    EXPECT_EQ(host.clock.Now(), 42);
}

INSTANTIATE_TEST_SUITE_P(Table, BadInput, ::testing::ValuesIn(kCases));

TEST_F(ScenarioTest, UnknownVesselLinesAreSkippedWithAWarning) {
    const auto report = Load("VESSEL A:Corvex\n  ALTITUD 3000\n  # a comment is no line\n  TEAM 1\nEND\n");
    ASSERT_EQ(report.warnings.size(), 1u);
    EXPECT_EQ(report.warnings[0], "test.scn:2: warning: unknown line 'ALTITUD 3000' in the block of vessel 'A', skipped");
    EXPECT_EQ(Fighter("A").team, 1);
}

TEST_F(ScenarioTest, MissingOrUnreadableFileIsNamed) {
    const std::string missing = ::testing::TempDir() + "/no-such.scn";
    for (const std::string& path : {missing, ::testing::TempDir()}) {
        try {
            host::scenario::LoadScenario(path);
            FAIL() << "loaded " << path;
        } catch (const host::Error& e) {
            EXPECT_EQ(std::string(e.what()).rfind(path + ": ", 0), 0u) << e.what();
        }
    }
}

TEST_F(ScenarioTest, ModuleItemsThatWouldBreakTheFileAreNotWritten) {
    Load("VESSEL A:Corvex\nEND\n");
    HostScenarioFile file;
    std::string out;
    std::vector<std::string> warnings;
    file.out = &out;
    file.warnings = &warnings;
    file.vesselName = "A";
    oapiWriteScenario_string(&file, "NOTE", "two\nlines");
    oapiWriteScenario_string(&file, "END", "x");
    oapiWriteScenario_string(&file, "TWO WORDS", "x");
    oapiWriteScenario_string(&file, nullptr, "x");
    oapiWriteScenario_string(&file, "NAME", "Red 1");
    EXPECT_EQ(out, "  NAME Red 1\n");
    EXPECT_EQ(warnings.size(), 4u);
}

TEST_F(ScenarioTest, VesselWhoseNameNoLineCanHoldIsNotSaved) {
    Create(" padded", "Corvex", StatusAt(100));
    std::vector<std::string> warnings;
    EXPECT_THROW(host::scenario::ScenarioText(warnings), host::Error);
}

}  // namespace
