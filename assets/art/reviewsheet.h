// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Qt
#include <QImage>

// Pictures for looking at the tile set as a whole; not shipped.
class ReviewSheet
{
public:
    // All faces, one species per row with its two morphs side by side, each enlarged `scale`
    // times with nearest-neighbour so single pixels stay visible.
    static QImage contactSheet(int scale);
    // Tiles laid as the board lays them: a 4 x 3 block of overlapping tiles with a second layer
    // of 2 x 1 on top, on `background`, at 1x and then at `scale` x.
    static QImage boardMock(QRgb background, int scale);
};
