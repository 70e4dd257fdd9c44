#include "Geometry.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "Constants.h"

namespace {

// The gun's gravity is single precision; its reach limit and flight times depend on it.
constexpr double kGravity = 9.81f;
constexpr double kTwoGravity = 19.62f;
constexpr int kBallisticPasses = 99;
constexpr double kBallisticTolerance = 1;  // m
constexpr int kInterceptPasses = 101;
constexpr double kInterceptTolerance = 3;  // m

double Dot(const VECTOR3& a, const VECTOR3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
VECTOR3 Sub(const VECTOR3& a, const VECTOR3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

}  // namespace

double VectorLength(const VECTOR3& v) { return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z); }

double Sign(double x) {
    if (x > 0) return 1;
    if (x < 0) return -1;
    return 0;
}

void MatMul3(const Matrix3& a, const Matrix3& b, Matrix3& out) {
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            out.m[i][j] = a.m[i][0] * b.m[0][j] + a.m[i][1] * b.m[1][j] + a.m[i][2] * b.m[2][j];
}

Matrix3 EulerToMatrix(double a, double b, double c) {
    const Matrix3 rx{{{1, 0, 0}, {0, std::cos(a), std::sin(a)}, {0, -std::sin(a), std::cos(a)}}};
    const Matrix3 ry{{{std::cos(b), 0, -std::sin(b)}, {0, 1, 0}, {std::sin(b), 0, std::cos(b)}}};
    const Matrix3 rz{{{std::cos(c), std::sin(c), 0}, {-std::sin(c), std::cos(c), 0}, {0, 0, 1}}};
    Matrix3 rxy, result;
    MatMul3(rx, ry, rxy);
    MatMul3(rxy, rz, result);
    return result;
}

void InvertMatrix3(Matrix3& m) {
    Matrix3 a = m;
    Matrix3 b{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
    for (int k = 0; k < 3; ++k) {
        // Pivot on the largest entry: without it, a level fighter heading north at longitude 0
        // (orientation angle c a quarter turn) divides by a rounding error.
        int best = k;
        for (int i = k + 1; i < 3; ++i)
            if (std::abs(a.m[i][k]) > std::abs(a.m[best][k])) best = i;
        std::swap(a.m[k], a.m[best]);
        std::swap(b.m[k], b.m[best]);
        // Every row works from the matrices as they stood at the start of this column.
        Matrix3 a2, b2;
        const double pivot = a.m[k][k];
        for (int i = 0; i < 3; ++i) {
            const double f = a.m[i][k] / pivot;
            for (int j = 0; j < 3; ++j) {
                if (i == k) {
                    a2.m[i][j] = a.m[k][j] / pivot;
                    b2.m[i][j] = b.m[k][j] / pivot;
                } else {
                    a2.m[i][j] = a.m[i][j] - f * a.m[k][j];
                    b2.m[i][j] = b.m[i][j] - f * b.m[k][j];
                }
            }
        }
        a = a2;
        b = b2;
    }
    m = b;
}

VECTOR3 RotateGlobalToLocal(const VECTOR3& orientation, const VECTOR3& v) {
    Matrix3 r = EulerToMatrix(orientation.x, orientation.y, orientation.z);
    InvertMatrix3(r);
    return {r.m[0][0] * v.x + r.m[0][1] * v.y + r.m[0][2] * v.z,
            r.m[1][0] * v.x + r.m[1][1] * v.y + r.m[1][2] * v.z,
            r.m[2][0] * v.x + r.m[2][1] * v.y + r.m[2][2] * v.z};
}

void SolveBallistic(double distance, double height, double speed, double& angle, double& time) {
    const double q = speed * speed / kGravity;
    const double reach = (q - distance * distance / q) * 0.5;
    if (!(height <= reach)) {
        angle = 0;
        time = -1;
        return;
    }
    if (distance == 0) {
        // Straight up or down: the first time the shell passes the target's height, in the form
        // without cancellation. A target at the muzzle is reached at once.
        angle = Sign(height) * PI * 0.5;
        time = 2 * std::abs(height) / (speed + std::sqrt(std::max(0.0, speed * speed - kTwoGravity * height)));
        return;
    }
    // The trajectory's height at the target rises with the angle up to the angle of greatest
    // range, where the flat direct-fire answer lies.
    double lo = -PI * 0.5, hi = PI * 0.5;
    for (int pass = 0; pass < kBallisticPasses; ++pass) {
        angle = (hi + lo) * 0.5;
        const double c = std::cos(angle);
        const double miss = distance * std::tan(angle) - distance * distance / (2 * q * c * c) - height;
        if (std::abs(miss) < kBallisticTolerance) break;
        if (miss < 0)
            lo = angle;
        else
            hi = angle;
    }
    time = distance / (speed * std::cos(angle));
}

bool IterateIntercept(const VECTOR3& relPos, const VECTOR3& relVel, const VECTOR3& weight, double speed,
                      double tolerance, VECTOR3& aim, BallisticPass& last) {
    const double weightLength = VectorLength(weight);
    aim = relPos;
    for (int pass = 1; pass <= kInterceptPasses; ++pass) {
        const double s = VectorLength(aim);
        last.height = -s * std::cos(std::acos(Dot(aim, weight) / (s * weightLength)));
        last.horizontal = std::sqrt(s * s - last.height * last.height);
        double time;
        SolveBallistic(last.horizontal, last.height, speed, last.elevation, time);
        const VECTOR3 predicted{relPos.x + relVel.x * time, relPos.y + relVel.y * time, relPos.z + relVel.z * time};
        if (VectorLength(Sub(predicted, aim)) < tolerance) return true;
        aim = predicted;
    }
    return false;
}

bool SolveIntercept(const VECTOR3& relPos, const VECTOR3& relVel, const VECTOR3& weight, double speed, VECTOR3& aim) {
    BallisticPass last;
    return IterateIntercept(relPos, relVel, weight, speed, kInterceptTolerance, aim, last);
}

void BearingAndClimb(const GeoPoint& own, const GeoPoint& target, double distance, double& heading, double& climb) {
    heading = std::atan2(target.longitude - own.longitude, target.latitude - own.latitude);
    const double rise = target.altitude - own.altitude;
    // Straight above or below, rounding can make the horizontal part a hair negative.
    climb = std::atan2(rise, std::sqrt(std::max(0.0, distance * distance - rise * rise)));
}
