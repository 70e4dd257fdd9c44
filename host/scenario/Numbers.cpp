#include "Numbers.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace host::scenario {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

}  // namespace

std::string FormatNumber(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string FormatForPeople(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

bool ParseNumber(std::string_view word, double& value) {
    if (word.size() > 1 && word[0] == '+' && word[1] != '-' && word[1] != '+') word.remove_prefix(1);
    double parsed = 0;
    const auto result = std::from_chars(word.data(), word.data() + word.size(), parsed);
    if (result.ec != std::errc() || result.ptr != word.data() + word.size() || !std::isfinite(parsed)) return false;
    value = parsed;
    return true;
}

bool ParseUnsigned(std::string_view word, std::uint64_t& value) {
    std::uint64_t parsed = 0;
    const auto result = std::from_chars(word.data(), word.data() + word.size(), parsed);
    if (word.empty() || result.ec != std::errc() || result.ptr != word.data() + word.size()) return false;
    value = parsed;
    return true;
}

std::vector<std::string_view> SplitWords(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && IsBlank(text[i])) ++i;
        const std::size_t start = i;
        while (i < text.size() && !IsBlank(text[i])) ++i;
        if (i > start) words.push_back(text.substr(start, i - start));
    }
    return words;
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace host::scenario
