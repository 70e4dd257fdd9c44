#include "Document.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

#include "Numbers.h"
#include "core/ModuleLoader.h"

namespace host::scenario {

namespace {

[[noreturn]] void Fail(const std::string& fileName, int line, const std::string& problem) {
    throw Error(Where(fileName, line) + ": " + problem);
}

std::string Quote(std::string_view text) {
    constexpr std::size_t kShown = 60;
    if (text.size() <= kShown) return "'" + std::string(text) + "'";
    return "'" + std::string(text.substr(0, kShown)) + "...'";
}

// Splits the content into lines, rejecting what no text editor would write.
std::vector<Line> SplitLines(std::string_view content, const std::string& fileName) {
    if (content.substr(0, 3) == "\xEF\xBB\xBF") content.remove_prefix(3);
    std::vector<Line> lines;
    int number = 0;
    while (!content.empty()) {
        ++number;
        const std::size_t end = content.find('\n');
        std::string_view raw = content.substr(0, end);
        content.remove_prefix(end == std::string_view::npos ? content.size() : end + 1);
        if (raw.size() > kMaxLineLength)
            Fail(fileName, number, "line is longer than " + std::to_string(kMaxLineLength) + " characters");
        if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
        for (std::size_t i = 0; i < raw.size(); ++i) {
            const auto c = static_cast<unsigned char>(raw[i]);
            if ((c < 0x20 && c != '\t') || c == 0x7f) {
                char hex[8];
                std::snprintf(hex, sizeof hex, "0x%02X", c);
                Fail(fileName, number, "binary data (byte " + std::string(hex) + " in column " + std::to_string(i + 1) +
                                           "): not a scenario text file");
            }
        }
        lines.push_back({number, std::string(Trim(raw))});
    }
    return lines;
}

bool Skipped(const Line& line) { return line.text.empty() || line.text[0] == '#'; }

std::string_view FirstWord(std::string_view text) { return text.substr(0, text.find_first_of(" \t")); }

std::string_view AfterFirstWord(std::string_view text) {
    const std::size_t gap = text.find_first_of(" \t");
    return gap == std::string_view::npos ? std::string_view() : Trim(text.substr(gap));
}

class Parser {
public:
    Parser(std::vector<Line> lines, const std::string& fileName) : lines(std::move(lines)) { doc.fileName = fileName; }

    Document Run() {
        while (next < lines.size()) {
            const Line& line = lines[next++];
            if (Skipped(line)) continue;
            const std::string_view key = FirstWord(line.text);
            if (key == "ENVIRONMENT" && AfterFirstWord(line.text).empty())
                ReadEnvironment(line);
            else if (key == "FOCUS")
                ReadFocus(line);
            else if (key == "VESSEL")
                ReadVessel(line);
            else
                Fail(doc.fileName, line.number,
                     "unknown line " + Quote(line.text) + " (expected ENVIRONMENT, FOCUS or VESSEL)");
        }
        return std::move(doc);
    }

private:
    void ReadEnvironment(const Line& header) {
        if (environmentLine) Fail(doc.fileName, header.number, "second ENVIRONMENT (the first is on line " +
                                                                    std::to_string(environmentLine) + ")");
        environmentLine = header.number;
        int seen[4] = {};  // line of TIME, STEP, SEED, DRAWS
        static const char* const keys[4] = {"TIME", "STEP", "SEED", "DRAWS"};
        Environment& env = doc.environment;
        while (const Line* line = NextInBlock(header, "ENVIRONMENT")) {
            const auto words = SplitWords(line->text);
            int k = 0;
            while (k < 4 && words[0] != keys[k]) ++k;
            if (k == 4) Fail(doc.fileName, line->number, "unknown environment line " + Quote(line->text) +
                                                              " (expected TIME, STEP, SEED or DRAWS)");
            if (seen[k]) Fail(doc.fileName, line->number, std::string(keys[k]) + " given twice (first on line " +
                                                               std::to_string(seen[k]) + ")");
            seen[k] = line->number;
            if (words.size() != 2) Fail(doc.fileName, line->number, std::string(keys[k]) + " expects one value");
            switch (k) {
                case 0: env.time = Number(*line, words[1], "TIME", 0, 1e10, "s"); break;
                case 1: env.step = Number(*line, words[1], "STEP", 1e-4, 0.1, "s"); break;
                case 2: env.seed = Unsigned(*line, words[1], "SEED", UINT64_MAX); break;
                case 3: env.draws = Unsigned(*line, words[1], "DRAWS", 1000000000); break;
            }
        }
    }

    void ReadFocus(const Line& line) {
        if (doc.focusLine) Fail(doc.fileName, line.number, "second FOCUS (the first is on line " +
                                                                std::to_string(doc.focusLine) + ")");
        const std::string_view name = AfterFirstWord(line.text);
        if (name.empty()) Fail(doc.fileName, line.number, "FOCUS expects a vessel name");
        doc.focus = name;
        doc.focusLine = line.number;
    }

    void ReadVessel(const Line& header) {
        const std::string_view spec = AfterFirstWord(header.text);
        const std::size_t colon = spec.rfind(':');
        if (colon == std::string_view::npos)
            Fail(doc.fileName, header.number, "VESSEL expects <name>:<class>, got " + Quote(header.text));
        VesselBlock block;
        block.name = Trim(spec.substr(0, colon));
        block.className = Trim(spec.substr(colon + 1));
        block.line = header.number;
        if (block.name.empty()) Fail(doc.fileName, header.number, "VESSEL has no name before ':'");
        if (block.className.empty()) Fail(doc.fileName, header.number, "VESSEL " + block.name + " has no class after ':'");
        if (doc.vessels.size() == kMaxVessels)
            Fail(doc.fileName, header.number, "more than " + std::to_string(kMaxVessels) + " vessels");
        while (const Line* line = NextInBlock(header, "vessel " + block.name)) {
            const std::string_view key = FirstWord(line->text);
            if (key == "VESSEL" || key == "ENVIRONMENT")
                Fail(doc.fileName, line->number, key == "VESSEL" ? "VESSEL inside the block of vessel " + block.name +
                                                                        " (line " + std::to_string(header.number) +
                                                                        "): its END is missing"
                                                                  : "ENVIRONMENT inside the block of vessel " +
                                                                        block.name + ": its END is missing");
            block.lines.push_back(*line);
        }
        doc.vessels.push_back(std::move(block));
    }

    // The block's next line that counts, or null at its END.
    const Line* NextInBlock(const Line& header, const std::string& what) {
        while (next < lines.size()) {
            const Line& line = lines[next++];
            if (Skipped(line)) continue;
            if (line.text == "END") return nullptr;
            return &line;
        }
        Fail(doc.fileName, header.number, "the block of " + what + " has no END");
    }

    double Number(const Line& line, std::string_view word, const char* key, double low, double high, const char* unit) {
        double value = 0;
        if (!ParseNumber(word, value)) Fail(doc.fileName, line.number, std::string(key) + " expects a number, got " + Quote(word));
        if (value < low || value > high)
            Fail(doc.fileName, line.number, std::string(key) + " " + std::string(word) + " is out of range [" +
                                                FormatForPeople(low) + ", " + FormatForPeople(high) + "] " + unit);
        return value;
    }

    std::uint64_t Unsigned(const Line& line, std::string_view word, const char* key, std::uint64_t high) {
        std::uint64_t value = 0;
        if (!ParseUnsigned(word, value) || value > high)
            Fail(doc.fileName, line.number, std::string(key) + " expects a whole number from 0 to " +
                                                std::to_string(high) + ", got " + Quote(word));
        return value;
    }

    std::vector<Line> lines;
    std::size_t next = 0;
    int environmentLine = 0;
    Document doc;
};

}  // namespace

std::string Where(const std::string& fileName, int line) {
    return line > 0 ? fileName + ":" + std::to_string(line) : fileName;
}

Document ParseDocument(std::string_view content, const std::string& fileName) {
    if (content.size() > kMaxFileSize)
        Fail(fileName, 0, "larger than " + std::to_string(kMaxFileSize >> 20) + " MiB: not a scenario");
    return Parser(SplitLines(content, fileName), fileName).Run();
}

std::string ReadScenarioFile(const std::filesystem::path& path) {
    const std::string name = path.string();
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) Fail(name, 0, "is a directory, not a scenario file");
    std::ifstream in(path, std::ios::binary);
    if (!in) Fail(name, 0, std::string("cannot open: ") + std::strerror(errno));
    std::string content;
    char buffer[1 << 16];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        content.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (content.size() > kMaxFileSize)
            Fail(name, 0, "larger than " + std::to_string(kMaxFileSize >> 20) + " MiB: not a scenario");
    }
    if (in.bad()) Fail(name, 0, "cannot read: " + std::string(std::strerror(errno)));
    return content;
}

}  // namespace host::scenario
