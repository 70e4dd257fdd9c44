#include "FlightControls.h"

#include "Vessel.h"
#include "core/Host.h"

namespace host {

namespace {

constexpr double kThrottleRate = 0.5;  // of full thrust per second

double AxisLevel(const FlightControls& c, WindowControl positive, WindowControl negative) {
    return (c.Held(positive) ? 1.0 : 0.0) - (c.Held(negative) ? 1.0 : 0.0);
}

}  // namespace

void ApplyFlightControls(Host& host, FlightControls& controls, double dt) {
    VesselRecord* rec = host.vessels.Find(host.view.focus);
    if (!rec || rec->deleted || !rec->iface) return;
    // The axes in the order the host numbers them: pitch, yaw, bank.
    const double levels[3] = {
        AxisLevel(controls, WindowControl::PitchUp, WindowControl::PitchDown),
        AxisLevel(controls, WindowControl::YawLeft, WindowControl::YawRight),
        AxisLevel(controls, WindowControl::BankRight, WindowControl::BankLeft),
    };
    for (int axis = 0; axis < 3; ++axis) {
        const bool active = levels[axis] != 0;
        if (active || controls.commanding[axis]) rec->iface->SetAttitudeRotLevel(axis, levels[axis]);
        controls.commanding[axis] = active;
    }
    const double throttle = AxisLevel(controls, WindowControl::ThrottleUp, WindowControl::ThrottleDown);
    if (throttle != 0) {
        const double level = rec->iface->GetThrusterGroupLevel(THGROUP_MAIN);
        rec->iface->SetThrusterGroupLevel(THGROUP_MAIN, level + throttle * kThrottleRate * dt);
    }
}

}  // namespace host
