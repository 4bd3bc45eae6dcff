// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/circle.h"

// Standard library
#include <cmath>

namespace board {

Circle circleFromDraws(const std::array<float, 7>& u, float scaleWidth, float scaleHeight)
{
    // Single precision throughout, except the radius, which is computed in double; rounding is to
    // nearest with ties to even (the default mode that lrint uses).
    Circle c;
    c.red = int(std::lrint(u[0] * 255.0f));
    c.green = int(std::lrint(u[1] * 255.0f));
    c.blue = int(std::lrint(u[2] * 255.0f));
    c.x = scaleWidth / 2.0f - 120.0f + u[3] * 120.0f;
    c.y = scaleHeight / 2.0f - 120.0f + u[4] * 120.0f;
    c.radius = float(double(u[5]) * (0.8 * double(c.y) + 1.0));
    c.width = int(std::lrint(u[6] * 20.0f + 1.0f));
    return c;
}

} // namespace board
