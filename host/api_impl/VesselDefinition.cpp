// VESSEL members that define a vessel: the host records each so that physics and drawing read it.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "Handles.h"
#include "Vessel.h"
#include "core/Host.h"
#include "physics/Frames.h"

using host::HandleIndex;
using host::ItemOf;
using host::IndexHandle;
using host::physics::ToGlm;

namespace {

host::VesselRecord* Rec(OBJHANDLE h) { return host::Host::Instance().vessels.Find(h); }

template <class F>
void Define(OBJHANDLE h, F change) {
    if (host::VesselRecord* rec = Rec(h)) change(rec->def);
}

std::string Show(double x) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", x);
    return text;
}
std::string Show(const VECTOR3& v) { return "(" + Show(v.x) + ", " + Show(v.y) + ", " + Show(v.z) + ")"; }

bool Positive(double x) { return std::isfinite(x) && x > 0; }
bool NotNegative(double x) { return std::isfinite(x) && x >= 0; }
bool Finite(double x) { return std::isfinite(x); }
template <class Test>
bool All(const VECTOR3& v, Test test) {
    return test(v.x) && test(v.y) && test(v.z);
}

// Says which vessel's definition call was wrong, and how.
void Complain(OBJHANDLE h, const std::string& problem) {
    if (const host::VesselRecord* rec = Rec(h))
        host::Host::Instance().ReportError("vessel '" + rec->name + "' (" + rec->className + "): " + problem);
}

// A value the physics cannot use never enters the definition: the old one stays.
template <class F>
void DefineChecked(OBJHANDLE h, bool ok, const std::string& call, const char* rule, F change) {
    if (ok)
        Define(h, change);
    else
        Complain(h, call + ": " + rule + "; the old value stays");
}

}  // namespace

VESSEL::VESSEL(OBJHANDLE hVessel, int fmodel) : handle(hVessel), flightModel(fmodel) {}

OBJHANDLE VESSEL::GetHandle() const { return handle; }

const char* VESSEL::GetName() const {
    const host::VesselRecord* rec = Rec(handle);
    return rec ? rec->name.c_str() : "";
}

const char* VESSEL::GetClassNameA() const {
    const host::VesselRecord* rec = Rec(handle);
    return rec ? rec->className.c_str() : nullptr;
}

int VESSEL::GetFlightModel() const { return flightModel; }

void VESSEL::SetSize(double size) const {
    DefineChecked(handle, Positive(size), "SetSize(" + Show(size) + ")", "a size must be positive",
                  [&](auto& d) { d.size = size; });
}
void VESSEL::SetEmptyMass(double mass) const {
    DefineChecked(handle, Positive(mass), "SetEmptyMass(" + Show(mass) + ")", "a mass must be positive",
                  [&](auto& d) { d.emptyMass = mass; });
}
void VESSEL::SetCW(double zp, double zn, double x, double y) const {
    const bool ok = NotNegative(zp) && NotNegative(zn) && NotNegative(x) && NotNegative(y);
    DefineChecked(handle, ok, "SetCW(" + Show(zp) + ", " + Show(zn) + ", " + Show(x) + ", " + Show(y) + ")",
                  "drag coefficients must not be negative",
                  [&](auto& d) { d.cwZPos = zp, d.cwZNeg = zn, d.cwX = x, d.cwY = y; });
}
void VESSEL::SetWingAspect(double aspect) const {
    DefineChecked(handle, NotNegative(aspect), "SetWingAspect(" + Show(aspect) + ")",
                  "an aspect ratio must not be negative", [&](auto& d) { d.wingAspect = aspect; });
}
void VESSEL::SetWingEffectiveness(double eff) const {
    DefineChecked(handle, NotNegative(eff), "SetWingEffectiveness(" + Show(eff) + ")",
                  "an effectiveness must not be negative", [&](auto& d) { d.wingEffectiveness = eff; });
}
void VESSEL::SetCrossSections(const VECTOR3& cs) const {
    DefineChecked(handle, All(cs, NotNegative), "SetCrossSections" + Show(cs), "areas must not be negative",
                  [&](auto& d) { d.crossSections = ToGlm(cs); });
}
void VESSEL::SetRotDrag(const VECTOR3& rd) const {
    DefineChecked(handle, All(rd, NotNegative), "SetRotDrag" + Show(rd), "drag coefficients must not be negative",
                  [&](auto& d) { d.rotDrag = ToGlm(rd); });
}
void VESSEL::SetPitchMomentScale(double s) const {
    DefineChecked(handle, Finite(s), "SetPitchMomentScale(" + Show(s) + ")", "a scale must be a finite number",
                  [&](auto& d) { d.pitchMomentScale = s; });
}
void VESSEL::SetBankMomentScale(double s) const {
    DefineChecked(handle, Finite(s), "SetBankMomentScale(" + Show(s) + ")", "a scale must be a finite number",
                  [&](auto& d) { d.bankMomentScale = s; });
}
void VESSEL::SetPMI(const VECTOR3& pmi) const {
    DefineChecked(handle, All(pmi, Positive), "SetPMI" + Show(pmi), "principal moments must be positive",
                  [&](auto& d) { d.pmi = ToGlm(pmi); });
}
void VESSEL::SetTrimScale(double s) const {
    DefineChecked(handle, Finite(s), "SetTrimScale(" + Show(s) + ")", "a scale must be a finite number",
                  [&](auto& d) { d.trimScale = s; });
}
void VESSEL::SetCameraOffset(const VECTOR3& co) const { Define(handle, [&](auto& d) { d.cameraOffset = ToGlm(co); }); }
void VESSEL::SetLiftCoeffFunc(LiftCoeffFunc f) const { Define(handle, [&](auto& d) { d.liftCoeff = f; }); }
void VESSEL::SetDockParams(const VECTOR3& pos, const VECTOR3& dir, const VECTOR3& rot) const {
    Define(handle, [&](auto& d) { d.dockPos = ToGlm(pos), d.dockDir = ToGlm(dir), d.dockRot = ToGlm(rot); });
}
void VESSEL::SetTouchdownPoints(const VECTOR3& p1, const VECTOR3& p2, const VECTOR3& p3) const {
    DefineChecked(handle, All(p1, Finite) && All(p2, Finite) && All(p3, Finite),
                  "SetTouchdownPoints(" + Show(p1) + ", " + Show(p2) + ", " + Show(p3) + ")",
                  "points must be finite", [&](auto& d) { d.touchdown = {ToGlm(p1), ToGlm(p2), ToGlm(p3)}; });
}
void VESSEL::SetSurfaceFrictionCoeff(double lng, double lat) const {
    DefineChecked(handle, NotNegative(lng) && NotNegative(lat),
                  "SetSurfaceFrictionCoeff(" + Show(lng) + ", " + Show(lat) + ")",
                  "friction coefficients must not be negative",
                  [&](auto& d) { d.frictionLng = lng, d.frictionLat = lat; });
}
void VESSEL::SetCOG_elev(double h) const {
    DefineChecked(handle, Finite(h), "SetCOG_elev(" + Show(h) + ")", "a height must be finite",
                  [&](auto& d) { d.cogElev = h; });
}
void VESSEL::SetEnableFocus(bool enable) const { Define(handle, [&](auto& d) { d.focusEnabled = enable; }); }

PROPELLANT_HANDLE VESSEL::CreatePropellantResource(double maxmass, double mass, double efficiency) const {
    host::VesselRecord* rec = Rec(handle);
    if (!rec) return nullptr;
    const std::string call = "CreatePropellantResource(" + Show(maxmass) + ", " + Show(mass) + ", " +
                             Show(efficiency) + ")";
    host::Tank tank;
    if (!NotNegative(maxmass)) Complain(handle, call + ": a capacity must not be negative; the tank holds nothing");
    tank.capacity = NotNegative(maxmass) ? maxmass : 0;
    if (std::isnan(mass)) Complain(handle, call + ": the propellant mass is not a number; the tank is filled");
    tank.mass = mass < 0 || std::isnan(mass) ? tank.capacity : std::min(mass, tank.capacity);
    if (!Positive(efficiency)) Complain(handle, call + ": an efficiency must be positive; it is taken as 1");
    tank.efficiency = Positive(efficiency) ? efficiency : 1;
    rec->def.tanks.push_back(tank);
    return IndexHandle<PROPELLANT_HANDLE>(rec->def.tanks.size() - 1);
}

PROPELLANT_HANDLE VESSEL::GetPropellantHandleByIndex(DWORD idx) const {
    const host::VesselRecord* rec = Rec(handle);
    return rec && idx < rec->def.tanks.size() ? IndexHandle<PROPELLANT_HANDLE>(idx) : nullptr;
}

void VESSEL::SetPropellantMass(PROPELLANT_HANDLE ph, double mass) const {
    host::VesselRecord* rec = Rec(handle);
    host::Tank* tank = rec ? ItemOf(rec->def.tanks, ph) : nullptr;
    if (!tank || std::isnan(mass)) return;
    tank->mass = std::clamp(mass, 0.0, tank->capacity);
}

double VESSEL::GetPropellantMass(PROPELLANT_HANDLE ph) const {
    host::VesselRecord* rec = Rec(handle);
    const host::Tank* tank = rec ? ItemOf(rec->def.tanks, ph) : nullptr;
    return tank ? tank->mass : 0;
}

THRUSTER_HANDLE VESSEL::CreateThruster(const VECTOR3& pos, const VECTOR3& dir, double maxth0, PROPELLANT_HANDLE hp,
                                       double isp0, double isp_ref, double p_ref) const {
    host::VesselRecord* rec = Rec(handle);
    if (!rec) return nullptr;
    const std::string call = "CreateThruster: thruster " + std::to_string(rec->def.thrusters.size() + 1);
    host::Thruster th;
    th.pos = ToGlm(pos);
    th.dir = ToGlm(dir);
    th.maxThrust = maxth0;
    th.tank = ItemOf(rec->def.tanks, hp) ? static_cast<int>(HandleIndex(hp)) : -1;
    th.isp = isp0;
    th.ispRef = isp_ref;
    th.pRef = p_ref;
    // A thruster the physics cannot fire is kept, so handles stay in step, but gives no thrust.
    const double length = glm::length(th.dir);
    if (!All(pos, Finite) || !std::isfinite(length) || length == 0 || !NotNegative(maxth0)) {
        Complain(handle, call + " at " + Show(pos) + " along " + Show(dir) + " with " + Show(maxth0) +
                             " N cannot push; it gives no thrust");
        th.pos = th.dir = glm::dvec3(0);
        th.maxThrust = 0;
    } else {
        th.dir /= length;
    }
    if (th.tank < 0) Complain(handle, call + " has no propellant tank; it gives no thrust");
    if (!Positive(isp0)) Complain(handle, call + " has specific impulse " + Show(isp0) + "; it gives no thrust");
    if (th.ispRef != 0 && !(NotNegative(isp_ref) && Positive(p_ref))) {
        Complain(handle, call + " has reference impulse " + Show(isp_ref) + " at " + Show(p_ref) +
                             " Pa; its thrust does not depend on pressure");
        th.ispRef = 0;
    }
    rec->def.thrusters.push_back(th);
    return IndexHandle<THRUSTER_HANDLE>(rec->def.thrusters.size() - 1);
}

THGROUP_HANDLE VESSEL::CreateThrusterGroup(THRUSTER_HANDLE* th, int nth, THGROUP_TYPE thgt) const {
    host::VesselRecord* rec = Rec(handle);
    if (!rec || thgt < 0 || thgt >= THGROUP_COUNT || nth < 0 || (nth > 0 && !th)) return nullptr;
    std::vector<int> members;
    for (int i = 0; i < nth; ++i) {
        if (ItemOf(rec->def.thrusters, th[i])) members.push_back(static_cast<int>(HandleIndex(th[i])));
    }
    rec->def.groups[thgt] = std::move(members);
    return IndexHandle<THGROUP_HANDLE>(static_cast<std::size_t>(thgt));
}

void VESSEL::SetThrusterLevel(THRUSTER_HANDLE th, double level) const {
    host::VesselRecord* rec = Rec(handle);
    host::Thruster* thruster = rec ? ItemOf(rec->def.thrusters, th) : nullptr;
    if (!thruster || std::isnan(level)) return;
    thruster->level = std::clamp(level, 0.0, 1.0);
}

double VESSEL::GetThrusterLevel(THRUSTER_HANDLE th) const {
    host::VesselRecord* rec = Rec(handle);
    const host::Thruster* thruster = rec ? ItemOf(rec->def.thrusters, th) : nullptr;
    return thruster ? thruster->level : 0;
}

void VESSEL::SetThrusterGroupLevel(THGROUP_TYPE thgt, double level) const {
    host::VesselRecord* rec = Rec(handle);
    if (!rec || thgt < 0 || thgt >= THGROUP_COUNT || std::isnan(level)) return;
    for (int t : rec->def.groups[thgt]) rec->def.thrusters[t].level = std::clamp(level, 0.0, 1.0);
}

double VESSEL::GetThrusterGroupLevel(THGROUP_TYPE thgt) const {
    const host::VesselRecord* rec = Rec(handle);
    if (!rec || thgt < 0 || thgt >= THGROUP_COUNT || rec->def.groups[thgt].empty()) return 0;
    double sum = 0;
    for (int t : rec->def.groups[thgt]) sum += rec->def.thrusters[t].level;
    return sum / static_cast<double>(rec->def.groups[thgt].size());
}

void VESSEL::SetAttitudeRotLevel(int axis, double level) const {
    static constexpr THGROUP_TYPE positive[3] = {THGROUP_ATT_PITCHUP, THGROUP_ATT_YAWLEFT, THGROUP_ATT_BANKRIGHT};
    static constexpr THGROUP_TYPE negative[3] = {THGROUP_ATT_PITCHDOWN, THGROUP_ATT_YAWRIGHT, THGROUP_ATT_BANKLEFT};
    host::VesselRecord* rec = Rec(handle);
    if (!rec || axis < 0 || axis > 2 || std::isnan(level)) return;
    level = std::clamp(level, -1.0, 1.0);
    rec->attitudeRotLevel[axis] = level;
    SetThrusterGroupLevel(positive[axis], std::max(level, 0.0));
    SetThrusterGroupLevel(negative[axis], std::max(-level, 0.0));
}

UINT VESSEL::AddMesh(const char* meshname, const VECTOR3* ofs) const {
    host::VesselRecord* rec = Rec(handle);
    if (!rec || !meshname) return 0;
    // A mesh that cannot be read is reported and left empty: the vessel still flies, unseen.
    host::Host& h = host::Host::Instance();
    auto mesh = h.meshes.Get(meshname, [&](const std::string& problem) { h.ReportError(problem); });
    rec->def.meshes.push_back({meshname, ofs ? ToGlm(*ofs) : glm::dvec3(0), std::move(mesh)});
    return static_cast<UINT>(rec->def.meshes.size() - 1);
}

bool VESSEL::ClearMeshes(bool) const {
    host::VesselRecord* rec = Rec(handle);
    if (!rec) return false;
    rec->def.meshes.clear();
    return true;
}

UINT VESSEL::AddExhaust(THRUSTER_HANDLE th, double lscale, double wscale, const VECTOR3& pos, const VECTOR3& dir,
                        SURFHANDLE tex) const {
    host::VesselRecord* rec = Rec(handle);
    if (!rec) return 0;
    rec->def.exhausts.push_back({static_cast<int>(HandleIndex(th)), lscale, wscale, ToGlm(pos), ToGlm(dir), tex});
    return static_cast<UINT>(rec->def.exhausts.size() - 1);
}

namespace {

PSTREAM_HANDLE AddStream(OBJHANDLE h, const PARTICLESTREAMSPEC* pss, const VECTOR3& pos, const VECTOR3& dir,
                         const double* level, long thruster) {
    host::VesselRecord* rec = Rec(h);
    if (!rec) return nullptr;
    host::ParticleStream s;
    if (pss) s.spec = *pss;
    s.pos = ToGlm(pos);
    s.dir = ToGlm(dir);
    s.level = level;
    s.thruster = static_cast<int>(thruster);
    rec->def.streams.push_back(s);
    return IndexHandle<PSTREAM_HANDLE>(rec->def.streams.size() - 1);
}

}  // namespace

PSTREAM_HANDLE VESSEL::AddExhaustStream(THRUSTER_HANDLE th, const VECTOR3& pos, PARTICLESTREAMSPEC* pss) const {
    // Exhaust streams point against their thruster's thrust.
    host::VesselRecord* rec = Rec(handle);
    const host::Thruster* thruster = rec ? ItemOf(rec->def.thrusters, th) : nullptr;
    const VECTOR3 dir = thruster ? host::physics::ToVector3(-thruster->dir) : VECTOR3{0, 0, -1};
    return AddStream(handle, pss, pos, dir, nullptr, HandleIndex(th));
}

bool VESSEL::DelExhaustStream(PSTREAM_HANDLE ch) const {
    host::VesselRecord* rec = Rec(handle);
    host::ParticleStream* stream = rec ? ItemOf(rec->def.streams, ch) : nullptr;
    if (!stream || !stream->alive) return false;
    stream->alive = false;
    return true;
}

PSTREAM_HANDLE VESSEL::AddParticleStream(PARTICLESTREAMSPEC* pss, const VECTOR3& pos, const VECTOR3& dir,
                                         double* lvl) const {
    return AddStream(handle, pss, pos, dir, lvl, -1);
}
