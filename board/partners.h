// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Standard library
#include <cstdint>

namespace board {

// The matching rule. Faces 2k - 1 and 2k (1 and 2, 3 and 4, ..., 43 and 44) are partners; two
// tiles of one face never are. The game states the rule as a step: an even face's partner is one
// below it, an odd face's one above, so face - other must equal the step of face.

// +1 for an even face, -1 for an odd one (0, the face of an undealt tile, counts as even).
constexpr std::int16_t partnerStep(int face)
{
    return face % 2 == 0 ? 1 : -1;
}

constexpr bool arePartners(int face, int other)
{
    return face - other == partnerStep(face);
}

// The pair a face belongs to, 1..22 for the faces 1..44.
constexpr int pairOf(int face)
{
    return (face + 1) / 2;
}

} // namespace board
