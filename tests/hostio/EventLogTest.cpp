// The event log: one JSON object a line, saying what happened, when, and in whose step.
#include <sstream>

#include <nlohmann/json.hpp>

#include "HostFixture.h"
#include "Probe.h"
#include "io/EventLog.h"

namespace {

using nlohmann::json;

Probe& ProbeOf(OBJHANDLE h) { return *static_cast<Probe*>(static_cast<VESSEL2*>(oapiGetVesselInterface(h))); }

class EventLogTest : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        host::LogEvents(host, out);
    }

    std::vector<json> Lines() const {
        std::vector<json> lines;
        std::istringstream in(out.str());
        for (std::string line; std::getline(in, line);) lines.push_back(json::parse(line));
        return lines;
    }

    std::ostringstream out;
};

TEST_F(EventLogTest, CreationAndDeletionSayInWhoseStepTheyHappened) {
    OBJHANDLE mother = Create("Mother", "Probe", StatusAt(100));
    OBJHANDLE doomed = Create("Doomed", "Probe", StatusAt(100));
    host.Step();
    ProbeOf(mother).victim = doomed;
    std::strcpy(ProbeOf(mother).spawnName, "Kid");
    ProbeOf(mother).spawnCount = 2;
    host.Step();

    const std::vector<json> lines = Lines();
    ASSERT_EQ(lines.size(), 5u) << out.str();
    const json mum = {{"id", 1}, {"name", "Mother"}, {"class", "Probe"}};
    EXPECT_EQ(lines[0], json({{"t", 0.0}, {"event", "created"}, {"vessel", mum}, {"during", nullptr}}));
    EXPECT_EQ(lines[1]["vessel"]["id"], 2);
    const double t = 1 / 128.0;
    EXPECT_EQ(lines[2], json({{"t", t},
                              {"event", "deleted"},
                              {"vessel", {{"id", 2}, {"name", "Doomed"}, {"class", "Probe"}}},
                              {"during", mum}}));
    for (int i : {3, 4}) {
        EXPECT_EQ(lines[i]["event"], "created");
        EXPECT_EQ(lines[i]["vessel"]["name"], "Kid");
        EXPECT_EQ(lines[i]["during"], mum);
    }
    EXPECT_NE(lines[3]["vessel"]["id"], lines[4]["vessel"]["id"]) << "same name, different vessels";
    EXPECT_EQ(out.str().substr(0, 6), R"({"t":0)") << "the time comes first";
}

TEST_F(EventLogTest, FocusCameraKeysAndAnnotations) {
    OBJHANDLE pilot = Create("Pilot", "Probe", StatusAt(100));
    out.str("");
    oapiSetFocusObject(pilot);
    oapiCameraAttach(pilot, 1);
    oapiCameraScaleDist(2);
    host.keyboard.Push({0, OAPI_KEY_SPACE, true});
    host.keyboard.Push({0, 0xFF, false});
    host.Step();
    host.events.Emit({host::Event::Kind::AnnotationText, host.clock.Now(), nullptr, pilot, "LIVES: 3", "", 0});
    oapiDeleteVessel(pilot);

    const json who = {{"id", 1}, {"name", "Pilot"}, {"class", "Probe"}};
    const std::vector<json> expected = {
        {{"t", 0.0}, {"event", "focus"}, {"vessel", who}, {"during", nullptr}},
        {{"t", 0.0}, {"event", "camera"}, {"target", who}, {"mode", "external"}, {"distance", 1.0}, {"during", nullptr}},
        {{"t", 0.0}, {"event", "camera"}, {"target", who}, {"mode", "external"}, {"distance", 2.0}, {"during", nullptr}},
        {{"t", 0.0}, {"event", "key"}, {"key", "Space"}, {"code", 57}, {"down", true}, {"vessel", who}},
        {{"t", 0.0}, {"event", "key"}, {"key", nullptr}, {"code", 255}, {"down", false}, {"vessel", who}},
        {{"t", 1 / 128.0}, {"event", "annotation"}, {"text", "LIVES: 3"}, {"during", who}},
        {{"t", 1 / 128.0}, {"event", "focus"}, {"vessel", nullptr}, {"during", nullptr}},
        {{"t", 1 / 128.0}, {"event", "camera"}, {"target", nullptr}, {"mode", "external"}, {"distance", 2.0},
         {"during", nullptr}},
        {{"t", 1 / 128.0}, {"event", "deleted"}, {"vessel", who}, {"during", nullptr}},
    };
    const std::vector<json> lines = Lines();
    ASSERT_EQ(lines.size(), expected.size()) << out.str();
    for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i], expected[i]) << i;
}

TEST_F(EventLogTest, NamesThatAreNotUtf8StillMakeValidLines) {
    Create("Caf\xe9\xff", "Probe", StatusAt(100));
    const std::vector<json> lines = Lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0]["vessel"]["name"], "Caf\xef\xbf\xbd\xef\xbf\xbd");
}

}  // namespace
