#include "Host.h"

#include <cstdio>

#include "Vessel.h"
#include "ViewControl.h"
#include "physics/Dynamics.h"
#include "physics/Frames.h"
#include "physics/GroundContact.h"

namespace host {

Host& Host::Instance() {
    static Host instance;
    return instance;
}

VesselRecord& Host::Instantiate(const std::string& name, const std::string& className) {
    Module& module = modules.Get(className);
    auto record = std::make_unique<VesselRecord>();
    record->name = name;
    record->className = className;
    record->module = &module;
    VesselRecord& rec = vessels.Add(std::move(record));
    VESSEL* iface = module.ovcInit(rec.handle, flightModel);
    if (!iface) {
        Delete(rec);
        throw Error("module " + module.path.string() + ": ovcInit gave no vessel for '" + name + "'");
    }
    rec.iface = iface;
    // Every module vessel class derives from VESSEL2, whose VESSEL part the host was handed.
    rec.instance = static_cast<VESSEL2*>(iface);
    rec.instance->clbkSetClassCaps(nullptr);
    events.Emit({Event::Kind::VesselCreated, clock.Now(), rec.handle, inCallbackOf, rec.name, rec.className, 0});
    return rec;
}

void Host::Place(VesselRecord& rec, const VESSELSTATUS& status) {
    VESSELSTATUS finite = status;
    if (!physics::MakeFinite(finite))
        ReportError("vessel '" + rec.name + "' (" + rec.className +
                    "): its status has numbers that are not finite; they count as 0");
    physics::ApplyStatus(rec, finite);
    physics::SettleOnGround(rec);
}

void Host::Delete(VesselRecord& rec) {
    if (rec.deleted) return;
    // Nothing takes over the focus or the camera until the game gives them to a vessel.
    if (view.focus == rec.handle) SetFocus(*this, nullptr);
    if (view.cameraTarget == rec.handle) AttachCamera(*this, nullptr, view.cameraMode);
    vessels.Remove(rec);
    events.Emit({Event::Kind::VesselDeleted, clock.Now(), rec.handle, inCallbackOf, rec.name, rec.className, 0});
}

void Host::Step() {
    const double t = clock.Now();
    const double dt = clock.step;
    const double mjd = physics::kStartMjd + t / 86400.0;
    // Keys are the input between two steps: a vessel one of them creates flies in this step.
    DeliverDueKeys(*this);
    // Vessels created during the step start flying in the next one; deleted ones get no more calls.
    const std::vector<VesselRecord*> stepping = vessels.InOrder();
    for (VesselRecord* rec : stepping) {
        if (rec->deleted) continue;
        inCallbackOf = rec->handle;
        rec->instance->clbkPreStep(t, dt, mjd);
    }
    inCallbackOf = nullptr;
    physics::Advance(vessels.InOrder(), dt, [this](const std::string& message) { ReportError(message); });
    ++clock.steps;
    const double t1 = clock.Now();
    const std::vector<VesselRecord*> stepped = vessels.InOrder();
    for (VesselRecord* rec : stepped) {
        if (rec->deleted) continue;
        inCallbackOf = rec->handle;
        rec->instance->clbkPostStep(t1, dt, mjd + dt / 86400.0);
    }
    inCallbackOf = nullptr;
    ReleaseDeleted();
}

void Host::ReleaseDeleted() {
    vessels.Release([](VesselRecord& rec) {
        if (rec.module && rec.iface) rec.module->ovcExit(rec.iface);
        rec.iface = nullptr;
        rec.instance = nullptr;
    });
}

void Host::Reset() {
    events.Clear();
    while (vessels.Count() > 0) Delete(*vessels.At(vessels.Count() - 1));
    ReleaseDeleted();
    modules.UnloadAll();
    meshes.Clear();
    keyboard.Clear();
    clock = Clock{};
    view = View{};
    screen = Screen{};
    inCallbackOf = nullptr;
    rng.seed(0);
    flightModel = 1;
}

void Host::ReportError(const std::string& message) const {
    if (reportError)
        reportError(message);
    else
        std::fprintf(stderr, "host: %s\n", message.c_str());
}

}  // namespace host
