// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace board {

// Where the game's chance comes from: numbers uniform on [0, 1), in single precision. The deal
// and the victory show draw from one source; tests script it.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // 0 <= result < 1.
    virtual float next() = 0;
};

} // namespace board
