#include "Camera.h"

#include "core/Host.h"

namespace host {

namespace {

const VesselRecord* Live(const Host& host, OBJHANDLE handle) {
    const VesselRecord* rec = host.vessels.Find(handle);
    return rec && !rec->deleted ? rec : nullptr;
}

}  // namespace

Eye EyeOf(const Host& host, const Eye& previous) {
    const VesselRecord* target = Live(host, host.view.cameraTarget);
    if (host.view.cameraMode == 0 || !target) target = Live(host, host.view.focus);
    if (!target) return previous;
    const glm::dmat3& rot = target->state.rot;
    Eye eye;
    eye.right = rot[0];
    eye.up = rot[1];
    eye.forward = rot[2];
    if (host.view.cameraMode == 0) {
        eye.pos = target->state.pos + rot * target->def.cameraOffset;
        return eye;
    }
    const double distance = kExternalSizes * target->def.size * host.view.cameraDistance;
    eye.pos = target->state.pos + rot * glm::dvec3(0, 0.3 * distance, -distance);
    // Look down at the target so it sits in the middle of the view.
    eye.forward = glm::normalize(target->state.pos - eye.pos);
    eye.right = glm::normalize(glm::cross(rot[1], eye.forward));
    eye.up = glm::cross(eye.forward, eye.right);
    return eye;
}

}  // namespace host
