#include "EventLog.h"

#include <map>
#include <memory>

#include <nlohmann/json.hpp>

#include "KeyNames.h"

namespace host {

namespace {

using json = nlohmann::ordered_json;

class EventWriter {
public:
    explicit EventWriter(const Host& host) : host(host) {}

    json Line(const Event& e) {
        json line = {{"t", e.time}};
        switch (e.kind) {
            case Event::Kind::VesselCreated:
            case Event::Kind::VesselDeleted:
                line["event"] = e.kind == Event::Kind::VesselCreated ? "created" : "deleted";
                line["vessel"] = Vessel(e.vessel, e.name, e.className);
                break;
            case Event::Kind::AnnotationText:
                line["event"] = "annotation";
                line["text"] = e.name;
                break;
            case Event::Kind::FocusChanged:
                line["event"] = "focus";
                line["vessel"] = Vessel(e.vessel, e.name, e.className);
                break;
            case Event::Kind::CameraChanged:
                line["event"] = "camera";
                line["target"] = Vessel(e.vessel, e.name, e.className);
                line["mode"] = e.value == 0 ? "cockpit" : "external";
                line["distance"] = e.distance;
                break;
            case Event::Kind::KeyDelivered: {
                line["event"] = "key";
                const std::string_view name = KeyName(static_cast<DWORD>(e.value));
                line["key"] = name.empty() ? json(nullptr) : json(name);
                line["code"] = e.value;
                line["down"] = e.down;
                line["vessel"] = Vessel(e.vessel, e.name, e.className);
                return line;
            }
        }
        line["during"] = During(e.during);
        return line;
    }

private:
    json Vessel(OBJHANDLE handle, const std::string& name, const std::string& className) {
        if (!handle) return nullptr;
        const auto [it, added] = ids.emplace(handle, static_cast<int>(ids.size()) + 1);
        return {{"id", it->second}, {"name", name}, {"class", className}};
    }

    // The vessel is still on record while its callback runs, even if it deleted itself.
    json During(OBJHANDLE handle) {
        const VesselRecord* rec = host.vessels.Find(handle);
        return rec ? Vessel(handle, rec->name, rec->className) : json(nullptr);
    }

    const Host& host;
    std::map<OBJHANDLE, int> ids;
};

}  // namespace

void LogEvents(Host& host, std::ostream& out) {
    auto writer = std::make_shared<EventWriter>(host);
    host.events.Subscribe([writer, &out](const Event& e) {
        // Names come from modules and files: bytes that are not UTF-8 are replaced, not fatal.
        out << writer->Line(e).dump(-1, ' ', false, json::error_handler_t::replace) << '\n';
        out.flush();
    });
}

}  // namespace host
