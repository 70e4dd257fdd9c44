// VESSEL members that read a vessel's state.
#include <cmath>

#include "Vessel.h"
#include "core/Host.h"
#include "physics/Frames.h"
#include "physics/Gravity.h"

namespace phys = host::physics;

namespace {

const host::VesselRecord* Rec(OBJHANDLE h) { return host::Host::Instance().vessels.Find(h); }

}  // namespace

void VESSEL::GetStatus(VESSELSTATUS& status) const {
    const host::VesselRecord* rec = Rec(handle);
    status = rec ? phys::StatusOf(*rec) : VESSELSTATUS{};
}

void VESSEL::GlobalRot(const VECTOR3& rloc, VECTOR3& rglob) const {
    const host::VesselRecord* rec = Rec(handle);
    rglob = rec ? phys::ToVector3(rec->state.rot * phys::ToGlm(rloc)) : rloc;
}

void VESSEL::HorizonInvRot(const VECTOR3& rhorizon, VECTOR3& rloc) const {
    const host::VesselRecord* rec = Rec(handle);
    if (!rec) {
        rloc = rhorizon;
        return;
    }
    const glm::dmat3 horizonToLocal = glm::transpose(rec->state.rot) * phys::HorizonToGlobal(rec->state.pos);
    rloc = phys::ToVector3(horizonToLocal * phys::ToGlm(rhorizon));
}

bool VESSEL::GetHorizonAirspeedVector(VECTOR3& v) const {
    const host::VesselRecord* rec = Rec(handle);
    if (!rec) return false;
    // The planet does not turn and has no wind: the air is at rest in the global frame.
    v = phys::ToVector3(glm::transpose(phys::HorizonToGlobal(rec->state.pos)) * rec->state.vel);
    return true;
}

bool VESSEL::GetWeightVector(VECTOR3& G) const {
    const host::VesselRecord* rec = Rec(handle);
    if (!rec) return false;
    if (rec->state.pos == glm::dvec3(0)) return false;
    G = phys::ToVector3(glm::transpose(rec->state.rot) * phys::GravityAt(rec->state.pos) * host::TotalMass(*rec));
    return true;
}

double VESSEL::GetPitch() const {
    const host::VesselRecord* rec = Rec(handle);
    return rec ? phys::AttitudeOf(rec->state.pos, rec->state.rot).pitch : 0;
}

double VESSEL::GetBank() const {
    const host::VesselRecord* rec = Rec(handle);
    return rec ? phys::AttitudeOf(rec->state.pos, rec->state.rot).bank : 0;
}

double VESSEL::GetAltitude() const {
    const host::VesselRecord* rec = Rec(handle);
    return rec ? phys::Altitude(rec->state.pos) : 0;
}

bool VESSEL::GroundContact() const {
    const host::VesselRecord* rec = Rec(handle);
    return rec && rec->groundContact;
}
