// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Standard library
#include <array>

namespace board {

// One circle of the victory show, in the window's scale units (twips) and pixels.
struct Circle
{
    float x = 0; // centre
    float y = 0;
    float radius = 0;
    int width = 1; // line width in pixels, 1..21
    int red = 0;   // 0..255 each
    int green = 0;
    int blue = 0;
};

// The circle made by the seven draws u[0..6] (each in [0, 1), in the order they were drawn) on a
// window whose inner area is scaleWidth x scaleHeight twips. The centre lies in the 120 x 120
// square whose lower right corner is the middle of that area; the radius is below 0.8 y + 1.
Circle circleFromDraws(const std::array<float, 7>& u, float scaleWidth, float scaleHeight);

} // namespace board
