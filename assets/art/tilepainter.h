// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Qt
#include <QImage>

// Renders the faces of the default tile set.
//
// A face is the whole tile as the board shows it: the 72 x 44 top surface at x 8..79, y 0..43,
// and an 8-pixel side wall along the left and bottom edges that the board hides under the
// neighbouring tiles or shows as the tile's thickness at the edge of a block. Face n (1..44)
// shows species (n - 1) / 2 in morph (n - 1) % 2, so partners 2k-1 and 2k share a species number
// (1..22) and differ in their pips, one or two.
//
// The marks sit in a strip along the top edge at the right, x 53..76, y 2..10: the number
// right-aligned, then the pips. Each layer of the board stands 8 px right of and above the one
// beneath, so a stack four tiles high covers the left 32 px of the tile to its right and the bottom
// 32 px of the tile above its base, even while those can be taken. Only x 32..79, y 0..19 stays
// in sight at every position (the painter test works this out from the layout), and the strip
// lies inside it, off the bevel.
class TilePainter
{
public:
    static constexpr int kWidth = 80;
    static constexpr int kHeight = 52;
    static constexpr int kWall = 8;
    static constexpr int kFaceCount = 44;
    // The species number's digits: a 1-pixel pen on half-pixel centre lines, so the strokes land
    // on whole pixels and stay crisp at 1x. Every number ends at kNumberEnd, next to the pips.
    static constexpr double kNumberEnd = 62.5;
    static constexpr double kNumberTop = 3.5;
    static constexpr double kDigitWidth = 3.0;
    static constexpr double kDigitHeight = 6.0;
    static constexpr double kDigitGap = 2.0;

    // Top-left of the first digit's box of species number `number` (1..22).
    static QPointF numberOrigin(int number);
    // Face n in Format_RGB32; a null image for n outside 1..kFaceCount.
    static QImage face(int n);
    // Face n without its number and pips; face(n) differs from it exactly where the marks are.
    static QImage unmarkedFace(int n);
    // The tile with no fish and no marks.
    static QImage blank();

private:
    static void paintTile(QImage& image);
    static void paintFish(QImage& image, int species, int variant);
    static void paintMarks(QImage& image, int species, int variant);
};
