// Key scripts and the command-line key option: what they accept, and how they say what is wrong.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "HostFixture.h"
#include "Probe.h"
#include "io/KeyNames.h"
#include "io/KeyScript.h"

namespace {

using host::KeyEvent;

bool Same(const std::vector<KeyEvent>& a, const std::vector<KeyEvent>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].time != b[i].time || a[i].key != b[i].key || a[i].down != b[i].down) return false;
    return true;
}

std::string ErrorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const host::Error& e) {
        return e.what();
    }
    return "no error";
}

TEST(KeyNames, NamesAndHexCodesReadBack) {
    for (DWORD code = 0; code < OAPI_KEY_STATE_SIZE; ++code) {
        const std::string_view name = host::KeyName(code);
        if (name.empty()) continue;
        DWORD back = 0;
        EXPECT_TRUE(host::ParseKey(name, back)) << name;
        EXPECT_EQ(back, code) << name;
    }
    struct Case {
        const char* text;
        bool ok;
        DWORD code;
    };
    const Case cases[] = {{"space", true, OAPI_KEY_SPACE}, {"SPACE", true, OAPI_KEY_SPACE}, {"q", true, OAPI_KEY_Q},
                          {"1", true, OAPI_KEY_1},         {"minus", true, OAPI_KEY_MINUS}, {"0x39", true, 0x39},
                          {"0XfF", true, 0xFF},             {"0x0", false, 0},               {"0x100", false, 0},
                          {"0x", false, 0},                 {"0xZZ", false, 0},              {"57", false, 0},
                          {"", false, 0},                   {"Spacebar", false, 0},          {"0x-1", false, 0}};
    for (const Case& c : cases) {
        DWORD code = 0;
        EXPECT_EQ(host::ParseKey(c.text, code), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(code, c.code) << c.text;
        }
    }
}

TEST(KeyScript, ReadsTimesKeysAndActionsWithCommentsAndBlankLines) {
    std::istringstream script(
        "# opening moves\n"
        "\n"
        "12.5 Space\r\n"
        "  20\tq  PRESS   # hold Q\n"
        "20.5 Q release\n"
        "3 0x31 tap\n"
        "1e1 minus press\n");
    const std::vector<KeyEvent> expected = {{12.5, OAPI_KEY_SPACE, true}, {12.5, OAPI_KEY_SPACE, false},
                                            {20, OAPI_KEY_Q, true},       {20.5, OAPI_KEY_Q, false},
                                            {3, OAPI_KEY_N, true},        {3, OAPI_KEY_N, false},
                                            {10, OAPI_KEY_MINUS, true}};
    EXPECT_TRUE(Same(host::ParseKeyScript(script, "keys.txt"), expected));
}

TEST(KeyScript, ProblemsNameTheFileTheLineAndWhatIsWrong) {
    struct Case {
        const char* line;
        const char* problem;
    };
    const Case cases[] = {
        {"12.5", "expected a time, a key"},
        {"1 Q press now", "expected a time, a key"},
        {"soon Q", "'soon' is not a time in seconds"},
        {"1.5s Q", "'1.5s' is not a time in seconds"},
        {"nan Q", "'nan' is not a time"},
        {"inf Q", "'inf' is not a time"},
        {"-1 Q", "before the start of the simulation"},
        {"1 Spacebar", "unknown key 'Spacebar'"},
        {"1 0x1FF", "unknown key '0x1FF'"},
        {"1 Q hold", "unknown action 'hold'"},
    };
    for (const Case& c : cases) {
        std::istringstream script(std::string("1 Q\n") + c.line + "\n2 Q\n");
        const std::string error = ErrorOf([&] { host::ParseKeyScript(script, "keys.txt"); });
        EXPECT_EQ(error.rfind("keys.txt:2: ", 0), 0u) << error;
        EXPECT_NE(error.find(c.problem), std::string::npos) << error;
    }
}

TEST(KeyScript, FilesThatCannotBeReadAreNamed) {
    const auto missing = std::filesystem::temp_directory_path() / "corvex-no-such-keys.txt";
    EXPECT_NE(ErrorOf([&] { host::ReadKeyScript(missing); }).find(missing.string()), std::string::npos);
    const auto dir = std::filesystem::temp_directory_path();
    EXPECT_NE(ErrorOf([&] { host::ReadKeyScript(dir); }).find("a directory"), std::string::npos);
}

TEST(KeyOption, TimeKeyAndOptionalAction) {
    EXPECT_TRUE(Same(host::ParseKeyOption("12.5:Space"), {{12.5, OAPI_KEY_SPACE, true}, {12.5, OAPI_KEY_SPACE, false}}));
    EXPECT_TRUE(Same(host::ParseKeyOption("20:q:press"), {{20, OAPI_KEY_Q, true}}));
    EXPECT_TRUE(Same(host::ParseKeyOption("0:0x0C:release"), {{0, OAPI_KEY_MINUS, false}}));
    for (const char* bad : {"Space", "12.5", "12.5:", ":Space", "x:Space", "-1:Q", "1:Q:hold", "1:Q:", "1:Q:press:x",
                            "1:Nope", "1 :Q"}) {
        const std::string error = ErrorOf([&] { host::ParseKeyOption(bad); });
        EXPECT_EQ(error.rfind(std::string("key '") + bad + "': ", 0), 0u) << error;
    }
}

TEST_F(HostTest, AScriptFliesTheFocusVessel) {
    const auto file = std::filesystem::temp_directory_path() / ("corvex-keys-" + std::to_string(getpid()) + ".txt");
    std::ofstream(file) << "0.5 Space\n0.25 N press\n";
    const std::vector<KeyEvent> script = host::ReadKeyScript(file);
    std::filesystem::remove(file);

    OBJHANDLE pilot = Create("Pilot", "Probe", StatusAt(100));
    oapiSetFocusObject(pilot);
    for (const KeyEvent& e : script) host.keyboard.Push(e);
    const auto& keys = static_cast<Probe*>(static_cast<VESSEL2*>(oapiGetVesselInterface(pilot)))->keys;
    while (host.clock.Now() < 0.25) host.Step();
    EXPECT_TRUE(keys.empty());
    host.Step();
    ASSERT_EQ(keys.size(), 1u);
    EXPECT_EQ(keys[0].key, OAPI_KEY_N);
    while (host.clock.Now() <= 0.5) host.Step();
    ASSERT_EQ(keys.size(), 3u);
    EXPECT_EQ(keys[1].key, OAPI_KEY_SPACE);
    EXPECT_TRUE(keys[1].down);
    EXPECT_FALSE(keys[2].down);
}

}  // namespace
