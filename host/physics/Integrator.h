// Classic fourth-order Runge-Kutta for a rigid body: exact for constant forces and accurate
// enough at the fixed step for an orbit, a 20 kg shell or a 1250 kg fighter.
#pragma once

#include <glm/glm.hpp>
#include <glm/gtc/quaternion.hpp>

namespace host::physics {

struct BodyState {
    glm::dvec3 pos{0}, vel{0};  // global frame
    glm::dquat orient{1, 0, 0, 0};  // takes vessel-frame vectors to global
    glm::dvec3 angVel{0};       // vessel frame, rad/s
};

struct Acceleration {
    glm::dvec3 linear{0};   // global frame, m/s^2
    glm::dvec3 angular{0};  // vessel frame, rad/s^2
};

namespace detail {

struct Rate {
    glm::dvec3 vel, acc;
    glm::dquat spin;
    glm::dvec3 angAcc;
};

template <class Accel>
Rate RateAt(const BodyState& s, Accel& accel) {
    const Acceleration a = accel(s);
    // dR/dt = R [w]x for a vessel-frame angular velocity.
    return {s.vel, a.linear, 0.5 * (s.orient * glm::dquat(0, s.angVel.x, s.angVel.y, s.angVel.z)), a.angular};
}

inline BodyState Moved(const BodyState& s, const Rate& r, double h) {
    return {s.pos + r.vel * h, s.vel + r.acc * h, glm::normalize(s.orient + r.spin * h), s.angVel + r.angAcc * h};
}

}  // namespace detail

// accel(state) gives the accelerations of a state; it sees normalised orientations only.
template <class Accel>
BodyState StepRK4(const BodyState& s, double dt, Accel accel) {
    using detail::Moved;
    using detail::RateAt;
    const detail::Rate k1 = RateAt(s, accel);
    const detail::Rate k2 = RateAt(Moved(s, k1, dt / 2), accel);
    const detail::Rate k3 = RateAt(Moved(s, k2, dt / 2), accel);
    const detail::Rate k4 = RateAt(Moved(s, k3, dt), accel);
    const double w = dt / 6;
    BodyState next;
    next.pos = s.pos + w * (k1.vel + 2.0 * k2.vel + 2.0 * k3.vel + k4.vel);
    next.vel = s.vel + w * (k1.acc + 2.0 * k2.acc + 2.0 * k3.acc + k4.acc);
    next.orient = glm::normalize(s.orient + w * (k1.spin + 2.0 * k2.spin + 2.0 * k3.spin + k4.spin));
    next.angVel = s.angVel + w * (k1.angAcc + 2.0 * k2.angAcc + 2.0 * k3.angAcc + k4.angAcc);
    return next;
}

}  // namespace host::physics
