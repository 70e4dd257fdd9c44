// Buffered keyboard input. Key events wait in time order until the step at whose start they fall
// due, so live key presses (due at once) and scripted ones (due later) travel the same way.
#pragma once

#include <array>
#include <deque>

#include "HostTypes.h"
#include "KeyCodes.h"

namespace host {

class Host;

struct KeyEvent {
    double time = 0;  // simulation time (s) from which the event is due
    DWORD key = 0;    // OAPI_KEY_...
    bool down = true;  // pressed, or released
};

class Keyboard {
public:
    // Events of equal time stay in the order they were pushed in.
    void Push(const KeyEvent& event);
    // Takes out the earliest event due at time now, and applies it to the key state.
    bool PopDue(double now, KeyEvent& event);
    bool Empty() const { return pending.empty(); }
    // One byte per key code; 0x80 set while the key is down. Handed to the vessel key callbacks.
    char* State() { return state.data(); }
    // No keys pending, none down.
    void Clear();

private:
    std::deque<KeyEvent> pending;
    std::array<char, OAPI_KEY_STATE_SIZE> state{};
};

// Hands each key event due by the host's clock to the input-focus vessel's clbkConsumeBufferedKey.
// A key the vessel does not consume (it returns 0) would go on to the host's own controls; the
// host binds none of its own yet. With no focus vessel the key goes nowhere.
void DeliverDueKeys(Host& host);

}  // namespace host
