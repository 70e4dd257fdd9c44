// The host's random numbers: a seeded engine that counts its draws, so that a saved scenario can
// put it back exactly where it was (seed, then skip the draws already made).
#pragma once

#include <cstdint>
#include <random>

namespace host {

class Random {
public:
    using result_type = std::uint64_t;

    explicit Random(result_type seed = 0) { this->seed(seed); }

    void seed(result_type value) {
        engine.seed(value);
        seedValue = value;
        draws = 0;
    }
    void discard(std::uint64_t count) {
        engine.discard(count);
        draws += count;
    }
    result_type operator()() {
        ++draws;
        return engine();
    }

    result_type Seed() const { return seedValue; }
    std::uint64_t Draws() const { return draws; }

    static constexpr result_type min() { return std::mt19937_64::min(); }
    static constexpr result_type max() { return std::mt19937_64::max(); }

private:
    std::mt19937_64 engine;
    result_type seedValue = 0;
    std::uint64_t draws = 0;
};

}  // namespace host
