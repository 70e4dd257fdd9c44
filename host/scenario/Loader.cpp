// Loading a scenario: environment, then each vessel in file order, then the focus.
#include <algorithm>

#include "HostAPI.h"
#include "LoadContext.h"
#include "Scenario.h"
#include "Vessel.h"
#include "core/Host.h"
#include "physics/Frames.h"

namespace host::scenario {

namespace {

VesselShape ShapeOf(const VesselRecord& rec) {
    VesselShape shape;
    for (const Tank& tank : rec.def.tanks) shape.tankCapacities.push_back(tank.capacity);
    shape.thrusterCount = rec.def.thrusters.size();
    return shape;
}

// Clears the active load however the module's callback ends.
struct ActiveLoadScope {
    ActiveLoadScope(LoadContext& load, OBJHANDLE vessel) {
        ActiveLoad() = &load;
        Host::Instance().inCallbackOf = vessel;
    }
    ~ActiveLoadScope() {
        ActiveLoad() = nullptr;
        Host::Instance().inCallbackOf = nullptr;
    }
};

void LoadVessel(const Document& doc, const VesselBlock& block, std::vector<OBJHANDLE>& created,
                std::vector<std::string>& warnings) {
    Host& host = Host::Instance();
    VesselRecord* rec = nullptr;
    try {
        rec = &host.Instantiate(block.name, block.className);
    } catch (const Error& e) {
        throw Error(Where(doc.fileName, block.line) + ": " + e.what());
    }
    created.push_back(rec->handle);

    LoadContext load;
    load.doc = &doc;
    load.file.block = &block;
    load.vessel = rec->handle;
    load.shape = ShapeOf(*rec);
    load.status = physics::StatusOf(*rec);
    load.warnings = &warnings;
    {
        ActiveLoadScope scope(load, rec->handle);
        rec->instance->clbkLoadStateEx(&load.file, &load.status);
    }
    if (!load.error.empty()) throw Error(load.error);
    if (rec->deleted) return;

    // Place it, then put back exactly what the status record cannot carry (the full rotation,
    // every tank, every thruster).
    ApplySetup(*rec, Resolve(load.placement, load.shape));
    const VesselRecord exact = *rec;
    host.Place(*rec, physics::StatusOf(exact));
    rec->state = exact.state;
    rec->def.tanks = exact.def.tanks;
    rec->def.thrusters = exact.def.thrusters;
}

void GiveFocus(const Document& doc, const std::vector<OBJHANDLE>& created, std::vector<std::string>& warnings) {
    Host& host = Host::Instance();
    if (doc.focus.empty()) {
        // Someone must have the controls: the first vessel that can take them.
        if (host.view.focus) return;
        for (OBJHANDLE h : created)
            if (oapiIsVessel(h) && (oapiSetFocusObject(h), host.view.focus == h)) return;
        return;
    }
    const VesselRecord* rec = host.vessels.FindByName(doc.focus);
    if (!rec) throw Error(Where(doc.fileName, doc.focusLine) + ": FOCUS names no vessel '" + doc.focus + "'");
    oapiSetFocusObject(rec->handle);
    if (host.view.focus != rec->handle)
        warnings.push_back(Where(doc.fileName, doc.focusLine) + ": warning: vessel '" + doc.focus +
                           "' cannot take the focus");
}

}  // namespace

LoadContext*& ActiveLoad() {
    static LoadContext* active = nullptr;
    return active;
}

void ApplySetup(VesselRecord& rec, const Setup& setup) {
    rec.state = setup.state;
    if (setup.tankMasses)
        for (std::size_t i = 0; i < rec.def.tanks.size() && i < setup.tankMasses->size(); ++i)
            rec.def.tanks[i].mass = (*setup.tankMasses)[i];
    if (setup.thrusterLevels)
        for (std::size_t i = 0; i < rec.def.thrusters.size() && i < setup.thrusterLevels->size(); ++i)
            rec.def.thrusters[i].level = (*setup.thrusterLevels)[i];
}

LoadReport LoadScenarioText(std::string_view content, const std::string& fileName) {
    const Document doc = ParseDocument(content, fileName);
    Host& host = Host::Instance();
    const Clock clockBefore = host.clock;
    const Random rngBefore = host.rng;
    LoadReport report;
    std::vector<OBJHANDLE> created;
    try {
        host.clock.start = doc.environment.time;
        host.clock.step = doc.environment.step;
        host.clock.steps = 0;
        host.rng.seed(doc.environment.seed);
        host.rng.discard(doc.environment.draws);
        for (const VesselBlock& block : doc.vessels) LoadVessel(doc, block, created, report.warnings);
        GiveFocus(doc, created, report.warnings);
    } catch (...) {
        for (auto h = created.rbegin(); h != created.rend(); ++h)
            if (VesselRecord* rec = host.vessels.Find(*h)) host.Delete(*rec);
        host.clock = clockBefore;
        host.rng = rngBefore;
        throw;
    }
    report.vessels = created.size();
    return report;
}

LoadReport LoadScenario(const std::filesystem::path& path) {
    return LoadScenarioText(ReadScenarioFile(path), path.string());
}

}  // namespace host::scenario
