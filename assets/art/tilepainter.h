#pragma once

// Qt
#include <QImage>

// Renders the faces of the default tile set.
//
// A face is the whole tile as the board shows it: the 72 x 44 top surface at x 8..79, y 0..43,
// and an 8-pixel side wall along the left and bottom edges that the board hides under the
// neighbouring tiles or shows as the tile's thickness at the edge of a block. Face n (1..44)
// shows species (n - 1) / 2 in morph (n - 1) % 2, the species number (1..22) top left and one or
// two pips bottom right for the morph, so partners 2k-1 and 2k share a number and differ in pips.
class TilePainter
{
public:
    static constexpr int width = 80;
    static constexpr int height = 52;
    static constexpr int wall = 8;
    static constexpr int faceCount = 44;
    // The species number's digits: a 1-pixel pen on half-pixel centre lines, so the strokes land
    // on whole pixels and stay crisp at 1x.
    static constexpr QPointF numberOrigin{12.5, 4.5};
    static constexpr double digitWidth = 3.0;
    static constexpr double digitHeight = 6.0;
    static constexpr double digitGap = 2.0;

    // Face n in Format_RGB32; a null image for n outside 1..faceCount.
    static QImage face(int n);
    // The tile with no fish and no marks.
    static QImage blank();

private:
    static void paintTile(QImage& image);
    static void paintMarks(QImage& image, int species, int variant);
};
