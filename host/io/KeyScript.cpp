#include "KeyScript.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <fstream>
#include <sstream>

#include "KeyNames.h"
#include "core/ModuleLoader.h"

namespace host {

namespace {

constexpr const char* kForm = "expected a time, a key and optionally press, release or tap";

// Appends the events of one scripted key. Returns the problem, empty if there is none.
std::string ParseEvent(std::string_view time, std::string_view key, std::string_view action,
                       std::vector<KeyEvent>& out) {
    double t = 0;
    const auto [stop, ec] = std::from_chars(time.data(), time.data() + time.size(), t);
    if (ec != std::errc() || stop != time.data() + time.size() || !std::isfinite(t))
        return "'" + std::string(time) + "' is not a time in seconds";
    if (t < 0) return "time " + std::string(time) + " is before the start of the simulation";
    DWORD code = 0;
    if (!ParseKey(key, code))
        return "unknown key '" + std::string(key) + "' (a key name such as Space, Q or 1, or a code such as 0x39)";
    std::string act(action);
    for (char& c : act) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (act == "press") {
        out.push_back({t, code, true});
    } else if (act == "release") {
        out.push_back({t, code, false});
    } else if (act == "tap") {
        out.push_back({t, code, true});
        out.push_back({t, code, false});
    } else {
        return "unknown action '" + std::string(action) + "' (press, release or tap)";
    }
    return {};
}

}  // namespace

std::vector<KeyEvent> ParseKeyScript(std::istream& in, const std::string& source) {
    std::vector<KeyEvent> events;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (const auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        std::istringstream fields(line);
        std::vector<std::string> words;
        for (std::string word; fields >> word;) words.push_back(word);
        if (words.empty()) continue;
        std::string problem = words.size() < 2 || words.size() > 3
                                  ? kForm
                                  : ParseEvent(words[0], words[1], words.size() == 3 ? words[2] : "tap", events);
        if (!problem.empty()) throw Error(source + ":" + std::to_string(number) + ": " + problem);
    }
    if (in.bad()) throw Error(source + ": cannot read the key script");
    return events;
}

std::vector<KeyEvent> ReadKeyScript(const std::filesystem::path& file) {
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec)) throw Error(file.string() + ": a directory, not a key script");
    std::ifstream in(file);
    if (!in) throw Error(file.string() + ": cannot open the key script");
    return ParseKeyScript(in, file.string());
}

std::vector<KeyEvent> ParseKeyOption(std::string_view text) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t colon = text.find(':', start);
        parts.push_back(text.substr(start, colon == std::string_view::npos ? std::string_view::npos : colon - start));
        if (colon == std::string_view::npos) break;
        start = colon + 1;
    }
    std::vector<KeyEvent> events;
    const std::string problem = parts.size() < 2 || parts.size() > 3
                                    ? std::string("expected TIME:KEY or TIME:KEY:ACTION, as in 12.5:Space")
                                    : ParseEvent(parts[0], parts[1], parts.size() == 3 ? parts[2] : "tap", events);
    if (!problem.empty()) throw Error("key '" + std::string(text) + "': " + problem);
    return events;
}

}  // namespace host
