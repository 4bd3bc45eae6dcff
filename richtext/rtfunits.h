// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace richtext {

// RTF measures lengths in twips, 1440 to the inch; Qt lays text out in pixels, 96 to the inch.
constexpr double twipsToPixels(int twips)
{
    return twips / 15.0;
}

// 22 inches: a length in twips beyond it is damage, not layout.
constexpr int kMaxTwips = 31680;

constexpr int clampTwips(int value)
{
    return value < -kMaxTwips ? -kMaxTwips : value > kMaxTwips ? kMaxTwips : value;
}

} // namespace richtext
