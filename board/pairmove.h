// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Standard library
#include <cstdint>
#include <vector>

namespace board {

// One pair to take: click first, then second.
struct PairMove
{
    std::int16_t first = 0;
    std::int16_t second = 0;
    friend bool operator==(const PairMove&, const PairMove&) = default;
};
using Line = std::vector<PairMove>;

} // namespace board
