#include "Gunsight.h"

#include <cmath>

#include "Geometry.h"

namespace {

// Looser than the autopilot's intercept: the sight only needs to be right to a pixel or so.
constexpr double kTolerance = 5;  // m

}  // namespace

bool LeadReticle(const VECTOR3& relPos, const VECTOR3& relVel, const VECTOR3& weight, double speed, VECTOR3& reticle) {
    VECTOR3 aim;
    BallisticPass last;
    if (!IterateIntercept(relPos, relVel, weight, speed, kTolerance, aim, last)) return false;
    // The gun line passes this far above the aim point: the nose goes that much higher.
    const double drop = std::tan(last.elevation) * last.horizontal - last.height;
    const double k = drop / VectorLength(weight);
    reticle = {aim.x - k * weight.x, aim.y - k * weight.y, aim.z - k * weight.z};
    return true;
}
