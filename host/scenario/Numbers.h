// Numbers and words in scenario files.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace host::scenario {

// The shortest text that reads back to the very same double, so saved states reload exactly.
std::string FormatNumber(double value);

// A number as people read it in a message: 10000000 rather than 1e+07.
std::string FormatForPeople(double value);

// The whole word must be a finite number; a leading '+' is allowed.
bool ParseNumber(std::string_view word, double& value);
// A number as people read it in a message: 10000000 rather than 1e+07.
std::string FormatForPeople(double value);

// The whole word must be decimal digits that fit in 64 bits.
bool ParseUnsigned(std::string_view word, std::uint64_t& value);

// Words separated by blanks or tabs.
std::vector<std::string_view> SplitWords(std::string_view text);
// Without leading and trailing blanks, tabs and carriage returns.
std::string_view Trim(std::string_view text);

}  // namespace host::scenario
