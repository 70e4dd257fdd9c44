#include "HostFixture.h"

namespace {

TEST_F(HostTest, MissingModuleNamesTheFilesLookedFor) {
    try {
        host.modules.Get("Zephyr");
        FAIL() << "expected an error";
    } catch (const host::Error& e) {
        EXPECT_NE(std::string(e.what()).find("Zephyr.so"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find(CORVEX_MODULE_DIR), std::string::npos) << e.what();
    }
}

TEST_F(HostTest, MissingExportNamesFileAndSymbol) {
    try {
        host.modules.Get("NoOvcInit");
        FAIL() << "expected an error";
    } catch (const host::Error& e) {
        const std::string what = e.what();
        EXPECT_NE(what.find("NoOvcInit.so"), std::string::npos) << what;
        EXPECT_NE(what.find("'ovcInit'"), std::string::npos) << what;
    }
}

TEST_F(HostTest, BadClassNamesNeverReachTheFileSystem) {
    for (const char* name : {"", "../Corvex", "Corvex/..", "a b"}) EXPECT_THROW(host.modules.Get(name), host::Error) << name;
}

TEST_F(HostTest, CreateVesselOfUnknownClassReportsAndReturnsNull) {
    std::string reported;
    host.reportError = [&](const std::string& m) { reported = m; };
    EXPECT_EQ(oapiCreateVessel("X", "Zephyr", StatusAt(100)), nullptr);
    host.reportError = nullptr;
    EXPECT_NE(reported.find("Zephyr"), std::string::npos);
    EXPECT_EQ(oapiGetVesselCount(), 0u);
}

TEST_F(HostTest, ModuleIsLoadedOnceAndInitialisedOnce) {
    host::Module& a = host.modules.Get("Corvex");
    host::Module& b = host.modules.Get("Corvex");
    EXPECT_EQ(&a, &b);
}

}  // namespace
