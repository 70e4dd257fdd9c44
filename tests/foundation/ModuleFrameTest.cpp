// The frame every module shares: version cache, exit hooks, ovcExit of null.
#include <dlfcn.h>

#include <cstdlib>

#include "HostFixture.h"
#include "ModuleExports.h"
#include "api_impl/ModuleFrame.h"

namespace {

TEST_F(HostTest, ModuleVersionIsComputedOnceAndCached) {
    host::Module& m = host.modules.Get("Corvex");
    EXPECT_EQ(m.version, 20060425);
    const int calls = host::Date2IntCallCount();
    EXPECT_EQ(m.getModuleVersion(), 20060425);
    EXPECT_EQ(m.getModuleVersion(), 20060425);
    EXPECT_EQ(host::Date2IntCallCount(), calls);
}

TEST(Date2Int, ReadsTheCompilerDateFormat) {
    EXPECT_EQ(Date2Int("Apr 25 2006"), 20060425);
    EXPECT_EQ(Date2Int("Dec  1 1999"), 19991201);
    EXPECT_EQ(Date2Int("Foo 25 2006"), 0);
    EXPECT_EQ(Date2Int("Apr 25 2006 junk"), 0);
    EXPECT_EQ(Date2Int(""), 0);
    EXPECT_EQ(Date2Int(nullptr), 0);
}

TEST_F(HostTest, OvcExitIgnoresNull) {
    for (const char* cls : {"Corvex", "Pellix"}) {
        host::Module& m = host.modules.Get(cls);
        m.ovcExit(nullptr);  // must not crash
    }
    SUCCEED();
}

struct HookCase {
    const char* module;
    const char* expected;  // which entry point the unload runs, or null for none
};

class ExitHookTest : public ::testing::TestWithParam<HookCase> {};

TEST_P(ExitHookTest, UnloadCallsTheModulesOwnHook) {
    unsetenv("CORVEX_TEST_EXIT_HOOK");
    const std::string path = std::string(CORVEX_TEST_MODULE_DIR) + "/" + GetParam().module + ".so";
    void* lib = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(lib, nullptr) << dlerror();
    auto found = reinterpret_cast<void* (*)()>(dlsym(lib, "FoundExitHook"));
    ASSERT_NE(found, nullptr);
    if (GetParam().expected)
        EXPECT_EQ(found(), dlsym(lib, GetParam().expected));
    else
        EXPECT_EQ(found(), nullptr);
    EXPECT_EQ(getenv("CORVEX_TEST_EXIT_HOOK"), nullptr) << "nothing runs before unload";
    dlclose(lib);
    const char* ran = getenv("CORVEX_TEST_EXIT_HOOK");
    if (GetParam().expected) {
        ASSERT_NE(ran, nullptr);
        EXPECT_STREQ(ran, GetParam().expected);
    } else {
        EXPECT_EQ(ran, nullptr);
    }
}

INSTANTIATE_TEST_SUITE_P(Modules, ExitHookTest,
                         ::testing::Values(HookCase{"ExitBoth", "ExitModule"}, HookCase{"ExitOpc", "opcDLLExit"},
                                           HookCase{"ExitNone", nullptr}));

TEST_F(HostTest, GameModulesHaveNoExitHook) {
    // The host's own library exports neither name either, so nothing can be picked up by mistake.
    for (const char* cls : {"Corvex", "Pellix"}) {
        host::Module& m = host.modules.Get(cls);
        EXPECT_EQ(dlsym(m.library, "ExitModule"), nullptr) << cls;
        EXPECT_EQ(dlsym(m.library, "opcDLLExit"), nullptr) << cls;
    }
}

}  // namespace
