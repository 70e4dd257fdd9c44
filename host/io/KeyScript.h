// Key scripts: keys pressed and released at given simulation times, so that a test or a player
// can fly the focus vessel without a keyboard. One event a line:
//
//     # time  key     action
//     12.5    Space            # tap: pressed and released at once
//     20      Q       press
//     20.5    Q       release
//     21      0x31             # a key code in hexadecimal
//
// The time is in simulation seconds, from 0; the key a name (Q, Space, Minus, 1, F1, ...; any
// letter case) or a code; the action press, release or tap, tap when left out. Blank lines and
// everything after '#' are skipped. The lines may come in any order: events run in time order,
// and those of equal time in the order written.
//
// To play one, push its events into the host's keyboard before the run:
//     for (const host::KeyEvent& e : host::ReadKeyScript(path)) host.keyboard.Push(e);
// Each is delivered at the start of the first step whose time is at least its own.
#pragma once

#include <filesystem>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "core/Keyboard.h"

namespace host {

// Throws Error naming the file, the line and the problem.
std::vector<KeyEvent> ReadKeyScript(const std::filesystem::path& file);
// The same from a stream; source names it in messages.
std::vector<KeyEvent> ParseKeyScript(std::istream& in, const std::string& source);
// The command-line form TIME:KEY or TIME:KEY:ACTION, as in "12.5:Space" or "20:Q:press".
// Throws Error quoting the text and naming the problem.
std::vector<KeyEvent> ParseKeyOption(std::string_view text);

}  // namespace host
