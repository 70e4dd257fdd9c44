// Scenario reading and writing as modules see it.
#include <algorithm>

#include "HostAPI.h"
#include "LoadContext.h"
#include "Numbers.h"
#include "Vessel.h"
#include "core/Host.h"
#include "physics/Frames.h"

namespace hs = host::scenario;

namespace {

// The state of the one earlier vessel of that name: a placement must not guess between two.
std::optional<host::RigidState> FindLeader(OBJHANDLE self, std::string_view name, std::string& problem) {
    const host::VesselRecord* found = nullptr;
    int count = 0;
    for (const host::VesselRecord* rec : host::Host::Instance().vessels.InOrder()) {
        if (rec->handle == self) break;
        if (rec->name == name && count++ == 0) found = rec;
    }
    if (count == 1) return found->state;
    problem = count == 0 ? "RELATIVE names no earlier vessel '" + std::string(name) + "'"
                         : "RELATIVE names '" + std::string(name) + "', which " + std::to_string(count) +
                               " earlier vessels are called: rename one";
    return std::nullopt;
}

// Lines a later read would take apart differently, or that would end the block early.
bool Writable(FILEHANDLE scn, const char* item, const std::string& value) {
    std::string problem;
    const std::string_view key = item ? item : "";
    auto control = [](char c) { return (static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == 0x7f; };
    if (key.empty() || key.find_first_of(" \t") != std::string_view::npos || std::any_of(key.begin(), key.end(), control))
        problem = "the item name must be one word";
    else if (key == "END" || key == "VESSEL" || key == "ENVIRONMENT" || key[0] == '#')
        problem = "the item name is a word of the scenario's own";
    else if (std::any_of(value.begin(), value.end(), control))
        problem = "the value holds a line break or other control character";
    else if (key.size() + value.size() + 3 > hs::kMaxLineLength)
        problem = "the line would be too long";
    if (problem.empty()) return true;
    if (scn->warnings)
        scn->warnings->push_back("vessel '" + scn->vesselName + "': item '" + std::string(key) +
                                 "' not written: " + problem);
    return false;
}

void WriteItem(FILEHANDLE scn, const char* item, const std::string& value) {
    if (!scn || !scn->out || !Writable(scn, item, value)) return;
    *scn->out += "  ";
    *scn->out += item;
    *scn->out += ' ';
    *scn->out += value;
    *scn->out += '\n';
}

}  // namespace

bool oapiReadScenario_nextline(FILEHANDLE scn, char*& line) {
    if (!scn || !scn->block || scn->stopped || scn->next >= scn->block->lines.size()) return false;
    const hs::Line& next = scn->block->lines[scn->next++];
    scn->current = next.text;
    scn->currentLine = next.number;
    line = scn->current.data();
    return true;
}

void oapiWriteScenario_string(FILEHANDLE scn, const char* item, const char* string) {
    WriteItem(scn, item, string ? string : "");
}

void oapiWriteScenario_int(FILEHANDLE scn, const char* item, int value) { WriteItem(scn, item, std::to_string(value)); }

void oapiWriteScenario_float(FILEHANDLE scn, const char* item, double value) {
    WriteItem(scn, item, hs::FormatNumber(value));
}

bool VESSEL::ParseScenarioLineEx(char* line, void* status) const {
    hs::LoadContext* load = hs::ActiveLoad();
    // Only the record the host handed out during a load can carry more than a VESSELSTATUS holds.
    if (!line || !load || status != &load->status || GetHandle() != load->vessel || load->file.stopped) return false;
    const std::string where = hs::Where(load->doc->fileName, load->file.currentLine);
    auto findLeader = [&](std::string_view name, std::string& problem) { return FindLeader(GetHandle(), name, problem); };
    std::string problem;
    switch (hs::ReadStandardLine(line, load->file.currentLine, load->shape, findLeader, load->placement, problem)) {
        case hs::LineResult::NotStandard:
            load->warnings->push_back(where + ": warning: unknown line '" + std::string(hs::Trim(line)) +
                                      "' in the block of vessel '" + GetName() + "', skipped");
            return false;
        case hs::LineResult::Bad:
            load->error = where + ": " + problem;
            load->file.stopped = true;
            return false;
        case hs::LineResult::Read: break;
    }
    // Keep the record up to date for a module that looks at it while it reads.
    host::VesselRecord* rec = host::Host::Instance().vessels.Find(GetHandle());
    if (rec) {
        host::VesselRecord preview = *rec;
        hs::ApplySetup(preview, hs::Resolve(load->placement, load->shape));
        load->status = host::physics::StatusOf(preview);
    }
    return true;
}
