// The host's annotations and MFDs as a module sees them, and what the host keeps of them.
#include <cstring>

#include "HostFixture.h"

namespace {

class ScreenTest : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        host.events.Subscribe([this](const host::Event& e) {
            if (e.kind == host::Event::Kind::AnnotationText) texts.push_back(e);
        });
    }
    std::vector<host::Event> texts;
};

TEST_F(ScreenTest, AnnotationsKeepTheirLookAndText) {
    NOTEHANDLE a = oapiCreateAnnotation(true, 2, {1, 0, 0});
    NOTEHANDLE b = oapiCreateAnnotation(false, 5, {0.1, 0.8, 0.8});
    ASSERT_NE(a, nullptr);
    ASSERT_NE(a, b);
    oapiAnnotationSetPos(b, 0.3, 0.3, 0.8, 1.0);
    oapiAnnotationSetText(b, "GAME OVER");

    ASSERT_EQ(host.screen.annotations.size(), 2u);
    const host::Annotation& first = host.screen.annotations[0];
    EXPECT_TRUE(first.exclusive);
    EXPECT_EQ(first.size, 2);
    EXPECT_EQ(first.colour.x, 1);
    EXPECT_EQ(first.text, "");
    const host::Annotation& second = host.screen.annotations[1];
    EXPECT_FALSE(second.exclusive);
    EXPECT_EQ(second.size, 5);
    EXPECT_EQ(second.colour.y, 0.8);
    EXPECT_EQ(second.left, 0.3);
    EXPECT_EQ(second.top, 0.3);
    EXPECT_EQ(second.right, 0.8);
    EXPECT_EQ(second.bottom, 1.0);
    EXPECT_EQ(second.text, "GAME OVER");
}

TEST_F(ScreenTest, EveryChangeOfTextIsAnEventWithItsTime) {
    NOTEHANDLE a = oapiCreateAnnotation(true, 2, {1, 0, 0});
    NOTEHANDLE b = oapiCreateAnnotation(true, 2, {0, 1, 0});
    oapiAnnotationSetText(a, "FRAGS: 0");
    host.Step();
    host.Step();
    oapiAnnotationSetText(a, "FRAGS: 0");  // the same text again: nothing new on screen
    oapiAnnotationSetText(b, "LIVES: 4");
    oapiAnnotationSetText(a, nullptr);  // cleared

    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].name, "FRAGS: 0");
    EXPECT_EQ(texts[0].time, 0);
    EXPECT_EQ(texts[0].value, 0);
    EXPECT_EQ(texts[1].name, "LIVES: 4");
    EXPECT_EQ(texts[1].time, 2.0 / 128);
    EXPECT_EQ(texts[1].value, 1) << "the annotation, in creation order";
    EXPECT_EQ(texts[2].name, "");
    EXPECT_EQ(host.screen.annotations[0].text, "");
}

TEST_F(ScreenTest, UnknownAnnotationHandlesAreIgnored) {
    oapiCreateAnnotation(true, 1, {1, 1, 1});
    for (NOTEHANDLE bad : {static_cast<NOTEHANDLE>(nullptr), reinterpret_cast<NOTEHANDLE>(std::uintptr_t{2}),
                           reinterpret_cast<NOTEHANDLE>(std::uintptr_t{0xdeadbeef})}) {
        oapiAnnotationSetPos(bad, 0, 0, 1, 1);
        oapiAnnotationSetText(bad, "lost");
    }
    EXPECT_EQ(host.screen.annotations[0].text, "");
    EXPECT_TRUE(texts.empty());
}

TEST_F(HostTest, MfdModesAreRegisteredByName) {
    EXPECT_EQ(oapiRegisterMFDMode({"NR23", 0x31}), 1);
    EXPECT_EQ(oapiRegisterMFDMode({"Orbit", 0x18}), 2);
    EXPECT_EQ(oapiRegisterMFDMode({"NR23", 0x20}), 1) << "a name stands for one mode";
    EXPECT_EQ(oapiRegisterMFDMode({nullptr, 0}), 0);
    EXPECT_EQ(oapiRegisterMFDMode({"", 0}), 0);

    MFDMODESPEC* record = nullptr;
    EXPECT_EQ(oapiGetMFDModeSpec("Orbit", &record), 2);
    ASSERT_NE(record, nullptr);
    EXPECT_STREQ(record->name, "Orbit");
    EXPECT_EQ(record->key, 0x18u);
    EXPECT_EQ(oapiGetMFDModeSpec("NR23"), 1);

    // An unknown name is "no mode", so whoever asks for it finds nothing to open.
    for (const char* unknown : {"nr23", "NR2", "", static_cast<const char*>(nullptr)}) {
        record = reinterpret_cast<MFDMODESPEC*>(std::uintptr_t{1});
        EXPECT_EQ(oapiGetMFDModeSpec(unknown, &record), 0) << (unknown ? unknown : "null");
        EXPECT_EQ(record, nullptr);
    }
}

TEST_F(HostTest, TwoMfdsShowModesAndKeepTheKeysTheyReceive) {
    const int nr23 = oapiRegisterMFDMode({"NR23", 0});
    const int orbit = oapiRegisterMFDMode({"Orbit", 0});
    EXPECT_EQ(oapiGetMFDMode(0), 0);
    EXPECT_EQ(oapiGetMFDMode(1), 0);
    EXPECT_EQ(oapiSendMFDKey(0, 3), 0) << "an empty MFD receives nothing";

    EXPECT_EQ(oapiOpenMFD(nr23, 0), nr23);
    EXPECT_EQ(oapiOpenMFD(orbit, 1), orbit);
    EXPECT_EQ(oapiOpenMFD(99, 1), orbit) << "an unregistered mode changes nothing";
    EXPECT_EQ(oapiOpenMFD(-1, 1), orbit);
    EXPECT_EQ(oapiGetMFDMode(0), nr23);
    EXPECT_EQ(oapiGetMFDMode(1), orbit);

    EXPECT_EQ(oapiSendMFDKey(0, 2), 1);
    EXPECT_EQ(oapiSendMFDKey(0, 4), 1);
    EXPECT_EQ(oapiSendMFDKey(1, 12), 1);
    EXPECT_EQ(host.screen.mfds[0].keys, (std::vector<DWORD>{2, 4}));
    EXPECT_EQ(host.screen.mfds[1].keys, (std::vector<DWORD>{12}));

    EXPECT_EQ(oapiOpenMFD(0, 0), 0);
    EXPECT_EQ(oapiGetMFDMode(0), 0);
    EXPECT_EQ(oapiSendMFDKey(0, 3), 0);
    EXPECT_EQ(host.screen.mfds[0].keys, (std::vector<DWORD>{2, 4}));

    // MFDs that do not exist.
    for (int mfd : {-1, 2, 1000}) {
        EXPECT_EQ(oapiOpenMFD(nr23, mfd), 0);
        EXPECT_EQ(oapiGetMFDMode(mfd), 0);
        EXPECT_EQ(oapiSendMFDKey(mfd, 3), 0);
    }
}

TEST_F(HostTest, ResetClearsTheScreen) {
    oapiCreateAnnotation(true, 1, {1, 1, 1});
    oapiOpenMFD(oapiRegisterMFDMode({"NR23", 0}), 0);
    oapiSendMFDKey(0, 2);
    host.Reset();
    EXPECT_TRUE(host.screen.annotations.empty());
    EXPECT_EQ(oapiGetMFDModeSpec("NR23"), 0);
    EXPECT_EQ(oapiGetMFDMode(0), 0);
    EXPECT_TRUE(host.screen.mfds[0].keys.empty());
}

}  // namespace
