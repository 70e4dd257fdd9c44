#include "HudProjection.h"

#include <algorithm>
#include <cmath>

#include "Geometry.h"

namespace {

// Far beyond any HUD; keeps the conversion of a wild value to int defined.
constexpr double kPixelLimit = 1 << 24;

int ToPixel(double v) {
    if (std::isnan(v)) return 0;
    return static_cast<int>(std::clamp(v, -kPixelLimit, kPixelLimit));
}

bool HasDirection(double px, double py) { return std::isfinite(px) && std::isfinite(py) && (px != 0 || py != 0); }

}  // namespace

bool ProjectToHud(const VECTOR3& point, double f, double w, double h, int& X, int& Y) {
    bool on = true;
    double z = point.z;
    // Behind: mirrored to the front, so it keeps its direction and is clamped to the edge.
    if (z < 0) {
        on = false;
        z = -z;
    }
    // Offsets from the centre, y up.
    double px, py;
    if (z > 0) {
        px = std::ceil(point.x * f / z);
        py = std::ceil(point.y * f / z);
    } else {
        // In the fighter's own plane (z = 0) there is no perspective, only a direction.
        on = false;
        px = point.x;
        py = point.y;
    }
    if (!(std::abs(px) <= w / 2 && std::abs(py) <= h / 2)) on = false;
    if (!on) {
        // A projection that overflowed or rounded onto the centre has no direction to clamp in;
        // the point's own offset gives the same one. Dead astern has none at all: the arrow then
        // sits at the bottom edge, telling the pilot to pull round.
        if (!HasDirection(px, py)) {
            px = point.x;
            py = point.y;
        }
        if (!HasDirection(px, py)) {
            px = 0;
            py = -1;
        }
        if (std::abs(py) > std::abs(px * h / w)) {
            px = std::floor(0.49 * h * px / std::abs(py));
            py = std::floor(Sign(py) * h * 0.49);
        } else {
            py = std::floor(0.49 * w * py / std::abs(px));
            px = std::floor(Sign(px) * w * 0.49);
        }
    }
    X = ToPixel(std::ceil(w / 2 + px));
    Y = ToPixel(std::ceil(h / 2 - py));
    return on;
}
