#include "Gunsight.h"

#include <cmath>

#include "Geometry.h"

namespace {

constexpr int kPasses = 101;
// Looser than the autopilot's intercept: the sight only needs to be right to a pixel or so.
constexpr double kTolerance = 5;  // m

double Dot(const VECTOR3& a, const VECTOR3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

}  // namespace

bool LeadReticle(const VECTOR3& relPos, const VECTOR3& relVel, const VECTOR3& weight, double speed, VECTOR3& reticle) {
    const double weightLength = VectorLength(weight);
    VECTOR3 aim = relPos;
    for (int pass = 1; pass <= kPasses; ++pass) {
        const double s = VectorLength(aim);
        const double height = -s * std::cos(std::acos(Dot(aim, weight) / (s * weightLength)));
        const double horizontal = std::sqrt(s * s - height * height);
        double elevation, time;
        SolveBallistic(horizontal, height, speed, elevation, time);
        const VECTOR3 predicted{relPos.x + relVel.x * time, relPos.y + relVel.y * time, relPos.z + relVel.z * time};
        const VECTOR3 change{predicted.x - aim.x, predicted.y - aim.y, predicted.z - aim.z};
        if (VectorLength(change) < kTolerance) {
            // The gun line passes this far above the aim point: the nose goes that much higher.
            const double drop = std::tan(elevation) * horizontal - height;
            const double k = drop / weightLength;
            reticle = {aim.x - k * weight.x, aim.y - k * weight.y, aim.z - k * weight.z};
            return true;
        }
        aim = predicted;
    }
    return false;
}
