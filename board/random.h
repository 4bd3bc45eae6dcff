#pragma once

// Library
#include <cstdint>
#include <random>

namespace board {

// The game's source of chance: numbers uniform on [0, 1) in single precision. The deal and the
// victory show draw from one generator; the game window seeds it from the clock once per deal,
// and tests seed it with a fixed value.
class Random
{
public:
    explicit Random(std::uint32_t seed = 1) : engine_(seed) {}

    void seed(std::uint32_t seed) { engine_.seed(seed); }

    // 0 <= result < 1, on a grid of 2^-24, so every value is exact in a float and 1 never comes out
    // (std::generate_canonical<float> may round up to 1).
    float next() { return float(engine_() >> 8) * 0x1p-24f; }

private:
    std::mt19937 engine_;
};

} // namespace board
