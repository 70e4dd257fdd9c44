#include "Timeline.h"

#include <fmt/core.h>

namespace corvex {

namespace {

// A class with more comings and goings than this (the gun's shells) is only counted.
constexpr int kListedPerClass = 12;
constexpr std::size_t kListedAtMost = 60;

}  // namespace

void Timeline::Listen(host::EventBus& events) {
    events.Subscribe([this](const host::Event& e) {
        using Kind = host::Event::Kind;
        switch (e.kind) {
            case Kind::VesselCreated:
                ++counts[e.className].created;
                entries.push_back({e.time, e.name + " (" + e.className + ") appears", e.className});
                break;
            case Kind::VesselDeleted:
                ++counts[e.className].deleted;
                entries.push_back({e.time, e.name + " (" + e.className + ") is gone", e.className});
                break;
            case Kind::AnnotationText:
                if (!e.name.empty()) entries.push_back({e.time, "on screen: " + e.name, ""});
                break;
            default: break;
        }
    });
}

void Timeline::Print(std::FILE* out) const {
    if (entries.empty()) fmt::print(out, "  no vessel came or went, nothing was shown on screen\n");
    std::size_t listed = 0, unlisted = 0;
    for (const Entry& entry : entries) {
        const auto count = counts.find(entry.className);
        if (count != counts.end() && count->second.created + count->second.deleted > kListedPerClass) continue;
        if (listed == kListedAtMost) {
            ++unlisted;
            continue;
        }
        fmt::print(out, "  {:9.2f} s  {}\n", entry.time, entry.text);
        ++listed;
    }
    if (unlisted) fmt::print(out, "  ... and {} more\n", unlisted);
    for (const auto& [className, count] : counts)
        if (count.created + count.deleted > kListedPerClass)
            fmt::print(out, "  {}: {} appeared, {} gone\n", className, count.created, count.deleted);
}

}  // namespace corvex
