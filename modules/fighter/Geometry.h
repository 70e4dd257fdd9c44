// The fighter's fire-control geometry on plain numbers: vectors, 3x3 matrices, the change of frame
// given a vessel's orientation angles, and the ballistic and intercept solvers of its gun.
#pragma once

#include "HostTypes.h"

// Row by row: m[i][j] is row i, column j.
struct Matrix3 {
    double m[3][3];
};

double VectorLength(const VECTOR3& v);
// +1, -1, or 0 for zero and NaN.
double Sign(double x);

// A times B; out must be neither operand.
void MatMul3(const Matrix3& a, const Matrix3& b, Matrix3& out);
// Rx(a) Ry(b) Rz(c): takes vessel-frame vectors to global ones for orientation angles (a, b, c).
Matrix3 EulerToMatrix(double a, double b, double c);
// Gauss-Jordan with row exchanges. A singular matrix gives infinities or NaNs.
void InvertMatrix3(Matrix3& m);
// A global vector in the frame of a vessel with the given orientation angles.
VECTOR3 RotateGlobalToLocal(const VECTOR3& orientation, const VECTOR3& v);

// Elevation and flight time for a shell at `speed` to reach a point `distance` away horizontally
// and `height` above. An unreachable point gives angle 0 and time -1.
void SolveBallistic(double distance, double height, double speed, double& angle, double& time);

// The ballistic solution of an intercept pass: the shell's elevation to reach the aim point, and
// that point's horizontal distance and height above the shooter.
struct BallisticPass {
    double elevation, horizontal, height;
};

// Aims, pass after pass, at where a target at relPos moving at relVel relative to the shooter will
// be when a shell at `speed` arrives (shooter's frame, gravity along `weight`), until the aim point
// moves less than `tolerance` metres. False if it did not settle within 101 passes; aim then holds
// the last prediction. `last` is the ballistic solution of the last pass.
bool IterateIntercept(const VECTOR3& relPos, const VECTOR3& relVel, const VECTOR3& weight, double speed,
                      double tolerance, VECTOR3& aim, BallisticPass& last);

// The fighter's intercept: the iteration above to 3 m.
bool SolveIntercept(const VECTOR3& relPos, const VECTOR3& relVel, const VECTOR3& weight, double speed, VECTOR3& aim);

struct GeoPoint {
    double longitude, latitude;  // rad
    double altitude;             // m
};

// Compass heading (0 north, pi/2 east) and climb angle from one point to another `distance` away.
void BearingAndClimb(const GeoPoint& own, const GeoPoint& target, double distance, double& heading, double& climb);
