// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Local
#include "board/randomsource.h"

// Standard library
#include <cstdint>
#include <random>

namespace board {

// The game's generator: a Mersenne twister. The game window seeds it from the clock once per
// deal; tests seed it with a fixed value.
class Random final : public RandomSource
{
public:
    explicit Random(std::uint32_t seed = 1) : engine_(seed) {}

    void seed(std::uint32_t seed) { engine_.seed(seed); }

    // On a grid of 2^-24, so every value is exact in a float and 1 never comes out
    // (std::generate_canonical<float> may round up to 1).
    float next() override { return float(engine_() >> 8) * 0x1p-24f; }

private:
    std::mt19937 engine_;
};

} // namespace board
