// oapi functions for vessel life, state queries, time, chance and the view.
#include <cmath>
#include <random>

#include "HostAPI.h"
#include "Vessel.h"
#include "core/Host.h"
#include "core/ViewControl.h"
#include "physics/Frames.h"

namespace phys = host::physics;

namespace {

host::Host& H() { return host::Host::Instance(); }

// A live vessel, or null for a stale, deleted or foreign handle.
host::VesselRecord* Live(OBJHANDLE h) {
    host::VesselRecord* rec = H().vessels.Find(h);
    return rec && !rec->deleted ? rec : nullptr;
}

// The position and velocity of any object the host knows: a vessel or the planet.
bool Kinematics(OBJHANDLE h, glm::dvec3& pos, glm::dvec3& vel) {
    if (h == host::Registry::PlanetHandle()) {
        pos = vel = glm::dvec3(0);
        return true;
    }
    const host::VesselRecord* rec = H().vessels.Find(h);
    if (!rec) return false;
    pos = rec->state.pos;
    vel = rec->state.vel;
    return true;
}

}  // namespace

OBJHANDLE oapiCreateVessel(const char* name, const char* classname, const VESSELSTATUS& status) {
    if (!name || !classname) return nullptr;
    try {
        host::VesselRecord& rec = H().Instantiate(name, classname);
        H().Place(rec, status);
        return rec.handle;
    } catch (const host::Error& e) {
        H().ReportError(e.what());
        return nullptr;
    }
}

bool oapiDeleteVessel(OBJHANDLE hVessel, OBJHANDLE hAlternativeCameraTarget) {
    host::VesselRecord* rec = Live(hVessel);
    if (!rec) return false;
    // The focus and the camera move to the alternative vessel when there is one that can take them.
    const host::VesselRecord* alternative =
        hAlternativeCameraTarget != hVessel ? Live(hAlternativeCameraTarget) : nullptr;
    if (H().view.focus == hVessel)
        host::SetFocus(H(), alternative && alternative->def.focusEnabled ? alternative->handle : nullptr);
    if (H().view.cameraTarget == hVessel && alternative)
        host::AttachCamera(H(), alternative->handle, H().view.cameraMode);
    H().Delete(*rec);
    return true;
}

VESSEL* oapiGetVesselInterface(OBJHANDLE hVessel) {
    host::VesselRecord* rec = Live(hVessel);
    return rec ? rec->iface : nullptr;
}

bool oapiIsVessel(OBJHANDLE hVessel) { return Live(hVessel) != nullptr; }

DWORD oapiGetVesselCount() { return static_cast<DWORD>(H().vessels.Count()); }

OBJHANDLE oapiGetVesselByIndex(int index) {
    if (index < 0) return nullptr;
    host::VesselRecord* rec = H().vessels.At(static_cast<std::size_t>(index));
    return rec ? rec->handle : nullptr;
}

OBJHANDLE oapiGetVesselByName(const char* name) {
    if (!name) return nullptr;
    host::VesselRecord* rec = H().vessels.FindByName(name);
    return rec ? rec->handle : nullptr;
}

void oapiGetRelativePos(OBJHANDLE hObj, OBJHANDLE hRef, VECTOR3* pos) {
    glm::dvec3 p1, v1, p2, v2;
    if (!pos) return;
    *pos = Kinematics(hObj, p1, v1) && Kinematics(hRef, p2, v2) ? phys::ToVector3(p1 - p2) : VECTOR3{0, 0, 0};
}

void oapiGetRelativeVel(OBJHANDLE hObj, OBJHANDLE hRef, VECTOR3* vel) {
    glm::dvec3 p1, v1, p2, v2;
    if (!vel) return;
    *vel = Kinematics(hObj, p1, v1) && Kinematics(hRef, p2, v2) ? phys::ToVector3(v1 - v2) : VECTOR3{0, 0, 0};
}

bool oapiGetAirspeedVector(OBJHANDLE hVessel, VECTOR3* speedvec) {
    const host::VesselRecord* rec = H().vessels.Find(hVessel);
    if (!rec || !speedvec) return false;
    *speedvec = phys::ToVector3(rec->state.vel);
    return true;
}

bool oapiGetHeading(OBJHANDLE hVessel, double* heading) {
    const host::VesselRecord* rec = H().vessels.Find(hVessel);
    if (!rec || !heading) return false;
    *heading = phys::AttitudeOf(rec->state.pos, rec->state.rot).heading;
    return true;
}

bool oapiGetAltitude(OBJHANDLE hVessel, double* alt) {
    const host::VesselRecord* rec = H().vessels.Find(hVessel);
    if (!rec || !alt) return false;
    *alt = phys::Altitude(rec->state.pos);
    return true;
}

bool oapiGetEquPos(OBJHANDLE hVessel, double* longitude, double* latitude, double* radius) {
    const host::VesselRecord* rec = H().vessels.Find(hVessel);
    if (!rec) return false;
    const phys::EquPos e = phys::ToEquPos(rec->state.pos);
    if (longitude) *longitude = e.lng;
    if (latitude) *latitude = e.lat;
    if (radius) *radius = e.radius;
    return true;
}

double oapiGetSize(OBJHANDLE hObj) {
    if (hObj == host::Registry::PlanetHandle()) return phys::kPlanetRadius;
    const host::VesselRecord* rec = H().vessels.Find(hObj);
    return rec ? rec->def.size : 0;
}

double oapiGetSimTime() { return H().clock.Now(); }

double oapiRand() {
    // 53 random bits scaled by 2^-53 - 1: both 0 and 1 can come out.
    return static_cast<double>(H().rng() >> 11) / static_cast<double>((std::uint64_t{1} << 53) - 1);
}

OBJHANDLE oapiSetFocusObject(OBJHANDLE hVessel) {
    const host::VesselRecord* rec = Live(hVessel);
    if (!rec || !rec->def.focusEnabled) return nullptr;
    const OBJHANDLE previous = H().view.focus;
    host::SetFocus(H(), hVessel);
    return previous;
}

OBJHANDLE oapiGetFocusObject() { return H().view.focus; }

void oapiCameraAttach(OBJHANDLE hObj, int mode) {
    if (!Live(hObj)) return;
    host::AttachCamera(H(), hObj, mode == 0 ? 0 : 1);
}

void oapiCameraScaleDist(double dscale) {
    if (std::isfinite(dscale) && dscale > 0) host::ScaleCameraDistance(H(), dscale);
}
