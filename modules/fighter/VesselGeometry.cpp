#include "VesselGeometry.h"

VECTOR3 GlobalToLocal(const VESSEL& vessel, VECTOR3 v) {
    VESSELSTATUS status;
    vessel.GetStatus(status);
    return RotateGlobalToLocal(status.arot, v);
}

VECTOR3 LocalToGlobal(const VESSEL& vessel, VECTOR3 v) {
    VECTOR3 global;
    vessel.GlobalRot(v, global);
    return global;
}

bool SolveIntercept(OBJHANDLE own, OBJHANDLE target, double speed, VECTOR3& aim) {
    const VESSEL* self = oapiGetVesselInterface(own);
    if (!self) return false;
    VECTOR3 relPos{}, relVel{}, weight{};
    oapiGetRelativePos(target, own, &relPos);
    oapiGetRelativeVel(target, own, &relVel);
    self->GetWeightVector(weight);
    return SolveIntercept(GlobalToLocal(*self, relPos), GlobalToLocal(*self, relVel), weight, speed, aim);
}

void BearingAndClimb(OBJHANDLE own, OBJHANDLE target, double& heading, double& climb) {
    GeoPoint from{}, to{};
    oapiGetEquPos(own, &from.longitude, &from.latitude, nullptr);
    oapiGetEquPos(target, &to.longitude, &to.latitude, nullptr);
    oapiGetAltitude(own, &from.altitude);
    oapiGetAltitude(target, &to.altitude);
    VECTOR3 relPos{};
    oapiGetRelativePos(target, own, &relPos);
    BearingAndClimb(from, to, VectorLength(relPos), heading, climb);
}
