#include "Atmosphere.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "Frames.h"

namespace host::physics {

namespace {

constexpr double kG0 = 9.80665;      // m/s^2, the standard's reference gravity
constexpr double kRAir = 8314.32 / 28.9644;  // J/(kg K): gas constant over molar mass of air
constexpr double kGamma = 1.4;
constexpr double kLowest = -5000;    // m, where the standard's tables start

struct Layer {
    double base;   // geopotential altitude, m
    double lapse;  // K/m
    double temperature, pressure;  // at the base
};

// Base pressures follow from sea level through the layers below, so the profile is continuous.
std::array<Layer, 8> MakeLayers() {
    std::array<Layer, 8> layers{{
        {0, -0.0065, 288.15, 101325},
        {11000, 0, 0, 0},
        {20000, 0.001, 0, 0},
        {32000, 0.0028, 0, 0},
        {47000, 0, 0, 0},
        {51000, -0.0028, 0, 0},
        {71000, -0.002, 0, 0},
        {84852, 0, 0, 0},  // 86 km geometric: isothermal from here up
    }};
    for (std::size_t i = 1; i < layers.size(); ++i) {
        const Layer& below = layers[i - 1];
        const double dh = layers[i].base - below.base;
        layers[i].temperature = below.temperature + below.lapse * dh;
        layers[i].pressure = below.lapse == 0
                                 ? below.pressure * std::exp(-kG0 * dh / (kRAir * below.temperature))
                                 : below.pressure * std::pow(layers[i].temperature / below.temperature,
                                                             -kG0 / (kRAir * below.lapse));
    }
    return layers;
}

const std::array<Layer, 8> kLayers = MakeLayers();

}  // namespace

Air AtmosphereAt(double altitude) {
    const double h = std::max(altitude, kLowest);  // a NaN stays NaN
    // The standard's layers are in geopotential altitude, which grows slower than the geometric.
    const double geopotential = kPlanetRadius * h / (kPlanetRadius + h);
    std::size_t i = 0;
    while (i + 1 < kLayers.size() && geopotential >= kLayers[i + 1].base) ++i;
    const Layer& layer = kLayers[i];
    const double dh = geopotential - layer.base;
    Air air;
    air.temperature = layer.temperature + layer.lapse * dh;
    air.pressure = layer.lapse == 0
                       ? layer.pressure * std::exp(-kG0 * dh / (kRAir * layer.temperature))
                       : layer.pressure * std::pow(air.temperature / layer.temperature, -kG0 / (kRAir * layer.lapse));
    air.speedOfSound = std::sqrt(kGamma * kRAir * air.temperature);
    if (h > kAtmosphereTop) air.pressure = 0;
    air.density = air.pressure / (kRAir * air.temperature);
    return air;
}

}  // namespace host::physics
