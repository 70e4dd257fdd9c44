// The autopilot's control laws on plain numbers: stepped levels for the attitude controls, and
// the conversion of an aim point into heading and pitch commands.
#pragma once

#include "HostTypes.h"

// Level for axis 0 (pitch) or axis 2 (bank) against an error in rad: a positive error gives a
// negative level, in steps of 1, 0.5, 0.2 and 0.08 beyond 15, 5, 1 and 0.4 degrees.
double PitchBankLevel(double error);
// Level for axis 1 (yaw) against a heading error in rad, in steps of 1, 0.7, 0.4 and 0.1 beyond
// 15, 5, 2 and 1 degrees; a heading to the right (positive error) gives a negative level.
double HeadingLevel(double error);
// A heading difference brought into (-pi, pi].
double WrapHeadingError(double difference);

struct Commands {
    double heading, pitch;  // rad
};
// The heading and pitch at which a point in the fighter's frame lies, for a fighter at the given
// pitch, bank and heading.
Commands AimToCommands(const VECTOR3& aim, double pitch, double bank, double heading);
