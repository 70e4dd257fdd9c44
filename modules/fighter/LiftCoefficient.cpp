#include "LiftCoefficient.h"

#include "Constants.h"

double LiftCoefficient(double aoa) {
    static constexpr int kPoints = 9;
    static constexpr double kDegrees[kPoints] = {-180, -60, -30, -1, 15, 20, 25, 60, 180};
    static constexpr double kCoefficient[kPoints] = {0, 0, -0.1, 0, 0.2, 0.25, 0.2, 0, 0};
    // Built on the first call and kept while the module is loaded.
    static double angle[kPoints], slope[kPoints];
    static bool ready = false;
    if (!ready) {
        for (int i = 0; i < kPoints; ++i) angle[i] = kDegrees[i] * RAD;
        for (int i = 0; i < kPoints - 1; ++i)
            slope[i] = (kCoefficient[i + 1] - kCoefficient[i]) / (angle[i + 1] - angle[i]);
        slope[kPoints - 1] = 0;
        ready = true;
    }
    int i = 0;
    while (i < kPoints - 1 && angle[i + 1] < aoa) ++i;
    return kCoefficient[i] + (aoa - angle[i]) * slope[i];
}
