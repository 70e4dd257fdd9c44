// Saving the running simulation as a scenario.
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>

#include "Numbers.h"
#include "Scenario.h"
#include "ScenarioFile.h"
#include "Vessel.h"
#include "core/Host.h"

namespace host::scenario {

namespace {

// A name that reads back the same from a VESSEL or FOCUS line.
bool NameFitsALine(const std::string& name) {
    if (name.empty() || name.size() > 1024) return false;
    for (char c : name)
        if ((static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == 0x7f) return false;
    return Trim(name) == name;
}

bool Finite(const glm::dvec3& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

bool Finite(const RigidState& s) {
    return Finite(s.pos) && Finite(s.vel) && Finite(s.angVel) && Finite(s.rot[0]) && Finite(s.rot[1]) &&
           Finite(s.rot[2]);
}

}  // namespace

std::string ScenarioText(std::vector<std::string>& warnings) {
    Host& host = Host::Instance();
    std::string out = "# Corvex scenario\n";
    out += "ENVIRONMENT\n";
    out += "  TIME " + FormatNumber(host.clock.Now()) + "\n";
    out += "  STEP " + FormatNumber(host.clock.step) + "\n";
    out += "  SEED " + std::to_string(host.rng.Seed()) + "\n";
    out += "  DRAWS " + std::to_string(host.rng.Draws()) + "\n";
    out += "END\n";

    const std::vector<VesselRecord*> vessels = host.vessels.InOrder();
    for (std::size_t i = 0; i < vessels.size(); ++i)
        if (!NameFitsALine(vessels[i]->name))
            throw Error("cannot save vessel " + std::to_string(i + 1) + " of class " + vessels[i]->className +
                        ": its name '" + vessels[i]->name +
                        "' is empty, too long, has blanks at its ends or holds control characters");

    if (const VesselRecord* focus = host.vessels.Find(host.view.focus); focus && !focus->deleted) {
        out += "\nFOCUS " + focus->name + "\n";
        if (host.vessels.FindByName(focus->name) != focus)
            warnings.push_back("the focus vessel shares its name '" + focus->name +
                               "' with an earlier one, which gets the focus when the scenario is loaded");
    }

    for (const VesselRecord* rec : vessels) {
        if (!Finite(rec->state))
            warnings.push_back("vessel '" + rec->name + "': its state is not finite, so the saved scenario will not load");
        out += "\nVESSEL " + rec->name + ":" + rec->className + "\n";
        HostScenarioFile file;
        file.out = &out;
        file.warnings = &warnings;
        file.vesselName = rec->name;
        host.inCallbackOf = rec->handle;
        rec->instance->clbkSaveState(&file);
        host.inCallbackOf = nullptr;
        out += "END\n";
    }
    return out;
}

void SaveScenario(const std::filesystem::path& path, std::vector<std::string>& warnings) {
    const std::string text = ScenarioText(warnings);
    std::filesystem::path temporary = path;
    temporary += ".part";
    std::error_code ec;
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        if (!file) throw Error(path.string() + ": cannot write: " + std::strerror(errno));
        file.write(text.data(), static_cast<std::streamsize>(text.size()));
        file.close();
        if (!file) {
            std::filesystem::remove(temporary, ec);
            throw Error(path.string() + ": cannot write: " + std::strerror(errno));
        }
    }
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        std::filesystem::remove(temporary, ec);
        throw Error(path.string() + ": cannot write: " + ec.message());
    }
}

}  // namespace host::scenario
