// The International Standard Atmosphere of the planet, thinning to vacuum.
#pragma once

namespace host::physics {

struct Air {
    double temperature;   // K
    double pressure;      // Pa
    double density;       // kg/m^3
    double speedOfSound;  // m/s
};

// The standard layers up to 86 km, then an isothermal tail up to kAtmosphereTop, above which
// pressure and density are exactly 0. Altitudes below -5 km are taken as -5 km.
Air AtmosphereAt(double altitude);

constexpr double kAtmosphereTop = 200e3;  // m

}  // namespace host::physics
