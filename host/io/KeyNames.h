// Key names, as key scripts and the event log write them.
#pragma once

#include <string_view>

#include "HostTypes.h"

namespace host {

// "Space", "Q", "1", "Minus", ...; empty for a code without a name.
std::string_view KeyName(DWORD code);
// A key name in any letter case, or a key code in hexadecimal ("0x39"). False if it is neither.
bool ParseKey(std::string_view text, DWORD& code);

}  // namespace host
