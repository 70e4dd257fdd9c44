// What the host observed, for logs and tests: vessels coming and going, on-screen text, view.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "HostTypes.h"

namespace host {

struct Event {
    enum class Kind { VesselCreated, VesselDeleted, AnnotationText, FocusChanged, CameraChanged, KeyDelivered };
    Kind kind;
    double time = 0;
    OBJHANDLE vessel = nullptr;
    OBJHANDLE during = nullptr;  // the vessel in whose callback this happened, if any
    std::string name;            // vessel name, or the annotation's text
    std::string className;
    int value = 0;               // camera mode, key code
    bool down = false;           // a key pressed rather than released
    double distance = 0;         // the camera's distance factor
};

class EventBus {
public:
    using Listener = std::function<void(const Event&)>;
    void Subscribe(Listener l) { listeners.push_back(std::move(l)); }
    void Clear() { listeners.clear(); }
    void Emit(const Event& e) const {
        for (const auto& l : listeners) l(e);
    }

private:
    std::vector<Listener> listeners;
};

}  // namespace host
