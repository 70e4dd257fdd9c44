#include "ViewControl.h"

#include "Host.h"
#include "Vessel.h"

namespace host {

namespace {

void EmitView(Host& host, Event::Kind kind, OBJHANDLE vessel) {
    const VesselRecord* rec = host.vessels.Find(vessel);
    Event e{kind, host.clock.Now(), vessel, host.inCallbackOf, rec ? rec->name : std::string(),
            rec ? rec->className : std::string(), host.view.cameraMode};
    e.distance = host.view.cameraDistance;
    host.events.Emit(e);
}

}  // namespace

void SetFocus(Host& host, OBJHANDLE vessel) {
    const OBJHANDLE previous = host.view.focus;
    if (vessel == previous) return;
    host.view.focus = vessel;
    EmitView(host, Event::Kind::FocusChanged, vessel);
    // Records are found afresh: the first callback may delete the other vessel.
    if (VesselRecord* old = host.vessels.Find(previous); old && old->instance && !old->deleted)
        old->instance->clbkFocusChanged(false, vessel, previous);
    if (VesselRecord* now = host.vessels.Find(vessel); now && now->instance && !now->deleted)
        now->instance->clbkFocusChanged(true, vessel, previous);
}

void AttachCamera(Host& host, OBJHANDLE target, int mode) {
    if (target == host.view.cameraTarget && mode == host.view.cameraMode) return;
    host.view.cameraTarget = target;
    host.view.cameraMode = mode;
    EmitView(host, Event::Kind::CameraChanged, target);
}

void ScaleCameraDistance(Host& host, double factor) {
    if (factor == 1) return;
    host.view.cameraDistance *= factor;
    EmitView(host, Event::Kind::CameraChanged, host.view.cameraTarget);
}

}  // namespace host
