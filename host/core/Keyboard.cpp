#include "Keyboard.h"

#include <algorithm>
#include <cmath>

#include "Host.h"
#include "Vessel.h"

namespace host {

void Keyboard::Push(const KeyEvent& event) {
    // An event without a usable time is due at once rather than never.
    KeyEvent e = event;
    if (std::isnan(e.time)) e.time = -INFINITY;
    auto at = std::upper_bound(pending.begin(), pending.end(), e.time,
                               [](double t, const KeyEvent& queued) { return t < queued.time; });
    pending.insert(at, e);
}

bool Keyboard::PopDue(double now, KeyEvent& event) {
    if (pending.empty() || pending.front().time > now) return false;
    event = pending.front();
    pending.pop_front();
    if (event.key < state.size()) state[event.key] = event.down ? static_cast<char>(0x80) : 0;
    return true;
}

void Keyboard::Clear() {
    pending.clear();
    state.fill(0);
}

void DeliverDueKeys(Host& host) {
    const double now = host.clock.Now();
    KeyEvent key;
    while (host.keyboard.PopDue(now, key)) {
        // Looked up afresh for every key: a key callback may move the focus or delete its vessel.
        VesselRecord* rec = host.vessels.Find(host.view.focus);
        if (rec && (rec->deleted || !rec->instance)) rec = nullptr;
        Event e{Event::Kind::KeyDelivered, now, rec ? rec->handle : nullptr, nullptr,
                rec ? rec->name : std::string(), rec ? rec->className : std::string(), static_cast<int>(key.key)};
        e.down = key.down;
        host.events.Emit(e);
        if (!rec) continue;
        host.inCallbackOf = rec->handle;
        rec->instance->clbkConsumeBufferedKey(key.key, key.down, host.keyboard.State());
        host.inCallbackOf = nullptr;
    }
}

}  // namespace host
