// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Qt
#include <QImage>

// Standard library
#include <array>

// The game's icon: two stacked tiles, the front one with a bold fish, on a transparent ground.
class IconPainter
{
public:
    static constexpr std::array<int, 6> kSizes{16, 32, 48, 64, 128, 256};

    // The icon at `size` x `size` pixels in Format_ARGB32; a null image for size < 8.
    static QImage icon(int size);
};
