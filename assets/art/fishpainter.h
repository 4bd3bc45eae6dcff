// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Qt
#include <QString>

class QPainter;

// The 22 fish species of the default tile set, each in two colour morphs.
//
// A species keeps its outline, fins and pattern type in both morphs; only the colouring changes,
// and the second morph is chosen to differ in lightness as well as hue so the two stay apart
// without colour vision. Every fish faces left and stays inside x 11..76, y 3..43 of an 80 x 52
// tile, a pixel clear of the tile's number and pips in the strip along the top at the right
// (x 53..76, y 2..10; see TilePainter).
class FishPainter
{
public:
    static constexpr int kSpeciesCount = 22;

    // Draws `species` (0 .. kSpeciesCount - 1) in morph `variant` (0 or 1) in tile pixel
    // coordinates. The painter must have antialiasing on; its state is restored afterwards.
    // Out-of-range arguments draw nothing.
    static void paint(QPainter& p, int species, int variant);
    // The common name of `species`, for review sheets; empty when out of range.
    static QString name(int species);
};
