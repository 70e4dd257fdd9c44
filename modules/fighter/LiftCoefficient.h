#pragma once

// Lift coefficient of the fighter's wing at an angle of attack (rad).
double LiftCoefficient(double aoa);
