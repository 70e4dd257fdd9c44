#include "Battle.h"

#include <fmt/core.h>

#include "scenario/Scenario.h"

void Battle::SetUp() {
    HostTest::SetUp();
    host.events.Subscribe([this](const host::Event& e) { events.push_back(e); });
    // A battle runs without a word from the host: every mesh found, every number sound.
    host.reportError = [](const std::string& message) { ADD_FAILURE() << "host: " << message; };
}

void Battle::TearDown() {
    host.reportError = nullptr;
    HostTest::TearDown();
}

void Battle::Load(const std::string& fileName) {
    const host::scenario::LoadReport report =
        host::scenario::LoadScenario(std::string(CORVEX_COMBAT_DATA) + "/" + fileName);
    for (const std::string& warning : report.warnings) ADD_FAILURE() << warning;
}

void Battle::LoadText(const std::string& text, const std::string& fileName) {
    const host::scenario::LoadReport report = host::scenario::LoadScenarioText(text, fileName);
    for (const std::string& warning : report.warnings) ADD_FAILURE() << warning;
}

void Battle::StepTo(double t) {
    while (host.clock.Now() < t) host.Step();
}

OBJHANDLE Battle::Named(const std::string& name) {
    const OBJHANDLE h = oapiGetVesselByName(name.c_str());
    EXPECT_NE(h, nullptr) << "no vessel named " << name;
    return h;
}

VESSEL* Battle::Interface(OBJHANDLE h) {
    VESSEL* v = oapiGetVesselInterface(h);
    if (!v) throw std::runtime_error("the vessel is gone");
    return v;
}

std::vector<host::Event> Battle::Seen(host::Event::Kind kind) const {
    std::vector<host::Event> found;
    for (const host::Event& e : events)
        if (e.kind == kind) found.push_back(e);
    return found;
}

std::vector<host::Event> Battle::Created(const std::string& name) const {
    std::vector<host::Event> found;
    for (const host::Event& e : Seen(host::Event::Kind::VesselCreated))
        if (e.name == name) found.push_back(e);
    return found;
}

const host::Event* Battle::Deletion(OBJHANDLE h) const {
    for (const host::Event& e : events)
        if (e.kind == host::Event::Kind::VesselDeleted && e.vessel == h) return &e;
    return nullptr;
}

std::vector<std::string> Battle::Story(const std::function<bool(const host::Event&)>& keep) const {
    using Kind = host::Event::Kind;
    std::vector<std::string> story;
    for (const host::Event& e : events) {
        if (!keep(e)) continue;
        switch (e.kind) {
            case Kind::VesselCreated: story.push_back("created " + e.name); break;
            case Kind::VesselDeleted: story.push_back("deleted " + e.name); break;
            case Kind::AnnotationText: story.push_back("text " + e.name); break;
            case Kind::FocusChanged: story.push_back("focus " + e.name); break;
            case Kind::CameraChanged:
                story.push_back(
                    fmt::format("camera {} {} {}", e.name, e.value == 0 ? "cockpit" : "external", e.distance));
                break;
            case Kind::KeyDelivered:
                story.push_back(fmt::format("key {} {} to {}", e.value, e.down ? "down" : "up", e.name));
                break;
        }
    }
    return story;
}

Separation SeparationOf(const glm::dvec3& from, const glm::dvec3& to) {
    const glm::dvec3 up = glm::normalize(from);
    const glm::dvec3 d = to - from;
    return {glm::length(d - glm::dot(d, up) * up), host::physics::Altitude(to)};
}
