// Angle constants of the fighter's arithmetic, at the precision its tables were made with.
#pragma once

constexpr double PI = 3.14159265358979;
constexpr double RAD = PI / 180.0;
constexpr double DEG = 180.0 / PI;
