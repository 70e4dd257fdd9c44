// Buffered keys reach the focus vessel at the start of the step they fall due in; focus and
// camera changes are told to the vessels and to the event bus.
#include <cmath>

#include "HostFixture.h"
#include "Probe.h"

namespace {

Probe& ProbeOf(OBJHANDLE h) { return *static_cast<Probe*>(static_cast<VESSEL2*>(oapiGetVesselInterface(h))); }

class KeyInputTest : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        host.events.Subscribe([this](const host::Event& e) { seen.push_back(e); });
    }

    std::vector<host::Event> Seen(host::Event::Kind kind) const {
        std::vector<host::Event> found;
        for (const host::Event& e : seen)
            if (e.kind == kind) found.push_back(e);
        return found;
    }

    std::vector<host::Event> seen;
};

TEST_F(KeyInputTest, KeysGoToTheFocusVesselOnlyWithTheKeyState) {
    OBJHANDLE a = Create("A", "Probe", StatusAt(100));
    OBJHANDLE b = Create("B", "Probe", StatusAt(100));
    oapiSetFocusObject(b);
    host.keyboard.Push({0, OAPI_KEY_SPACE, true});
    host.keyboard.Push({0, OAPI_KEY_Q, true});
    host.keyboard.Push({0, OAPI_KEY_SPACE, false});
    host.Step();
    EXPECT_TRUE(ProbeOf(a).keys.empty());
    const auto& keys = ProbeOf(b).keys;
    ASSERT_EQ(keys.size(), 3u);
    EXPECT_EQ(keys[0].key, OAPI_KEY_SPACE);
    EXPECT_TRUE(keys[0].down);
    EXPECT_TRUE(keys[0].stateDown);
    EXPECT_EQ(keys[1].key, OAPI_KEY_Q);
    EXPECT_EQ(keys[2].key, OAPI_KEY_SPACE);
    EXPECT_FALSE(keys[2].down);
    EXPECT_FALSE(keys[2].stateDown);
    EXPECT_TRUE(host.keyboard.State()[OAPI_KEY_Q] & 0x80) << "Q is still held";
    const auto delivered = Seen(host::Event::Kind::KeyDelivered);
    ASSERT_EQ(delivered.size(), 3u);
    EXPECT_EQ(delivered[0].vessel, b);
    EXPECT_EQ(delivered[0].value, static_cast<int>(OAPI_KEY_SPACE));
    EXPECT_TRUE(delivered[0].down);
}

TEST_F(KeyInputTest, EachKeyWaitsForTheFirstStepAtOrAfterItsTime) {
    oapiSetFocusObject(Create("A", "Probe", StatusAt(100)));
    host.keyboard.Push({0.5, OAPI_KEY_M, true});
    host.keyboard.Push({0.1, OAPI_KEY_N, true});
    host.keyboard.Push({0.1, OAPI_KEY_N, false});
    host.keyboard.Push({0, OAPI_KEY_Q, true});
    while (!host.keyboard.Empty()) host.Step();
    const auto delivered = Seen(host::Event::Kind::KeyDelivered);
    struct Expected {
        double time;
        DWORD key;
        bool down;
    };
    const Expected expected[] = {
        {0, OAPI_KEY_Q, true}, {13 / 128.0, OAPI_KEY_N, true}, {13 / 128.0, OAPI_KEY_N, false}, {0.5, OAPI_KEY_M, true}};
    ASSERT_EQ(delivered.size(), std::size(expected));
    for (std::size_t i = 0; i < delivered.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(delivered[i].time, expected[i].time);
        EXPECT_EQ(delivered[i].value, static_cast<int>(expected[i].key));
        EXPECT_EQ(delivered[i].down, expected[i].down);
    }
}

TEST_F(KeyInputTest, KeysWithoutAFocusVesselGoNowhere) {
    OBJHANDLE a = Create("A", "Probe", StatusAt(100));
    host.keyboard.Push({0, OAPI_KEY_SPACE, true});
    host.Step();
    EXPECT_TRUE(ProbeOf(a).keys.empty());
    ASSERT_EQ(Seen(host::Event::Kind::KeyDelivered).size(), 1u);
    EXPECT_EQ(Seen(host::Event::Kind::KeyDelivered)[0].vessel, nullptr);
    oapiSetFocusObject(a);
    host.keyboard.Push({host.clock.Now(), OAPI_KEY_SPACE, true});
    host.Step();
    EXPECT_EQ(ProbeOf(a).keys.size(), 1u);
}

TEST_F(KeyInputTest, AVesselThatDeletesItselfOnAKeyGetsNoMoreKeys) {
    OBJHANDLE a = Create("A", "Probe", StatusAt(100));
    OBJHANDLE b = Create("B", "Probe", StatusAt(100));
    oapiSetFocusObject(a);
    ProbeOf(a).deleteSelfOnKey = true;
    for (DWORD key : {OAPI_KEY_1, OAPI_KEY_2, OAPI_KEY_3}) host.keyboard.Push({0, key, true});
    host.Step();
    EXPECT_FALSE(oapiIsVessel(a));
    EXPECT_EQ(oapiGetFocusObject(), nullptr) << "nobody takes the focus until the game gives it";
    const auto delivered = Seen(host::Event::Kind::KeyDelivered);
    ASSERT_EQ(delivered.size(), 3u);
    EXPECT_EQ(delivered[0].vessel, a);
    EXPECT_EQ(delivered[1].vessel, nullptr);
    EXPECT_EQ(delivered[2].vessel, nullptr);
    EXPECT_TRUE(ProbeOf(b).keys.empty());
    EXPECT_EQ(ProbeOf(b).preSteps, 1);
}

TEST_F(KeyInputTest, FocusChangesAreToldToBothVessels) {
    OBJHANDLE a = Create("A", "Probe", StatusAt(100));
    OBJHANDLE b = Create("B", "Probe", StatusAt(100));
    EXPECT_EQ(oapiSetFocusObject(a), nullptr);
    EXPECT_EQ(oapiSetFocusObject(b), a);
    EXPECT_EQ(oapiSetFocusObject(b), b) << "no change";
    const auto& callsA = ProbeOf(a).focusCalls;
    const auto& callsB = ProbeOf(b).focusCalls;
    ASSERT_EQ(callsA.size(), 2u);
    EXPECT_TRUE(callsA[0].gained);
    EXPECT_EQ(callsA[0].newVessel, a);
    EXPECT_EQ(callsA[0].oldVessel, nullptr);
    EXPECT_FALSE(callsA[1].gained);
    EXPECT_EQ(callsA[1].newVessel, b);
    EXPECT_EQ(callsA[1].oldVessel, a);
    ASSERT_EQ(callsB.size(), 1u);
    EXPECT_TRUE(callsB[0].gained);
    const auto changes = Seen(host::Event::Kind::FocusChanged);
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[1].vessel, b);
    EXPECT_EQ(changes[1].name, "B");
}

TEST_F(KeyInputTest, FocusIsRefusedToVesselsThatCannotTakeIt) {
    OBJHANDLE a = Create("A", "Probe", StatusAt(100));
    OBJHANDLE shy = Create("Shy", "Probe", StatusAt(100));
    OBJHANDLE gone = Create("Gone", "Probe", StatusAt(100));
    ProbeOf(shy).SetEnableFocus(false);
    oapiDeleteVessel(gone);
    oapiSetFocusObject(a);
    seen.clear();
    for (OBJHANDLE h : {shy, gone, static_cast<OBJHANDLE>(nullptr), host::Registry::PlanetHandle()}) {
        EXPECT_EQ(oapiSetFocusObject(h), nullptr);
        EXPECT_EQ(oapiGetFocusObject(), a);
    }
    EXPECT_TRUE(seen.empty());
}

TEST_F(KeyInputTest, DeletingTheFocusVesselHandsFocusAndCameraToTheAlternative) {
    enum Alternative { None, Focusable, Shy, Itself };
    struct Case {
        Alternative alternative;
        bool focusMoves, cameraMoves;
    };
    const Case cases[] = {{None, false, false}, {Focusable, true, true}, {Shy, false, true}, {Itself, false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.alternative);
        host.Reset();
        host.modules.SetSearchPath({CORVEX_MODULE_DIR, CORVEX_TEST_MODULE_DIR});
        OBJHANDLE player = Create("Player", "Probe", StatusAt(100));
        OBJHANDLE other = Create("Other", "Probe", StatusAt(100));
        if (c.alternative == Shy) ProbeOf(other).SetEnableFocus(false);
        oapiSetFocusObject(player);
        oapiCameraAttach(player, 1);
        const OBJHANDLE alternative = c.alternative == None ? nullptr : c.alternative == Itself ? player : other;
        ASSERT_TRUE(oapiDeleteVessel(player, alternative));
        EXPECT_EQ(oapiGetFocusObject(), c.focusMoves ? other : nullptr);
        EXPECT_EQ(host.view.cameraTarget, c.cameraMoves ? other : nullptr);
        host.Step();
        EXPECT_EQ(oapiGetFocusObject(), c.focusMoves ? other : nullptr);
    }
}

TEST_F(KeyInputTest, CameraChangesCarryTargetModeAndDistance) {
    OBJHANDLE a = Create("A", "Probe", StatusAt(100));
    oapiCameraAttach(a, 1);
    oapiCameraScaleDist(2);
    oapiCameraAttach(a, 0);
    oapiCameraAttach(a, 0);  // no change
    for (double bad : {0.0, -1.0, std::nan(""), HUGE_VAL}) oapiCameraScaleDist(bad);
    oapiCameraAttach(nullptr, 1);
    const auto changes = Seen(host::Event::Kind::CameraChanged);
    ASSERT_EQ(changes.size(), 3u);
    EXPECT_EQ(changes[0].vessel, a);
    EXPECT_EQ(changes[0].value, 1);
    EXPECT_EQ(changes[0].distance, 1);
    EXPECT_EQ(changes[1].value, 1);
    EXPECT_EQ(changes[1].distance, 2);
    EXPECT_EQ(changes[2].value, 0);
    EXPECT_EQ(changes[2].distance, 2);
    EXPECT_EQ(host.view.cameraTarget, a);
}

}  // namespace
