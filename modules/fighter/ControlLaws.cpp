#include "ControlLaws.h"

#include <cmath>

#include "Constants.h"
#include "Geometry.h"

namespace {

struct Step {
    double threshold;  // deg; the error must exceed it
    double level;
};

// First step whose threshold the error exceeds; a NaN exceeds none.
template <int N>
double Ladder(const Step (&steps)[N], double error) {
    for (const Step& step : steps)
        if (std::abs(error) > step.threshold * RAD) return -step.level * Sign(error);
    return 0;
}

}  // namespace

double PitchBankLevel(double error) {
    static constexpr Step kSteps[] = {{15, 1}, {5, 0.5}, {1, 0.2}, {0.4, 0.08}};
    return Ladder(kSteps, error);
}

double HeadingLevel(double error) {
    static constexpr Step kSteps[] = {{15, 1}, {5, 0.7}, {2, 0.4}, {1, 0.1}};
    return Ladder(kSteps, error);
}

double WrapHeadingError(double d) {
    constexpr double kTwoPi = 6.28318530717958;
    const double turns = std::floor(d * DEG / 360);
    d -= turns * kTwoPi;
    if (d > PI) d -= kTwoPi;
    return d;
}

Commands AimToCommands(const VECTOR3& aim, double pitch, double bank, double heading) {
    const double cp = std::cos(pitch), sp = std::sin(pitch);
    const double cb = std::cos(bank), sb = std::sin(bank);
    const double ch = std::cos(heading), sh = std::sin(heading);
    // Undo the bank, then the pitch, then turn by the heading.
    const double x1 = aim.x * cb - aim.y * sb;
    const double y1 = aim.x * sb + aim.y * cb;
    const double forward = aim.z * cp - y1 * sp;
    const double up = aim.z * sp + y1 * cp;
    const double east = forward * sh + x1 * ch;
    const double north = forward * ch - x1 * sh;
    return {std::atan2(east, north), std::atan2(up, std::sqrt(east * east + north * north))};
}
