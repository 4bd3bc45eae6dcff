#pragma once

// Local
#include "tileview.h"

// Qt
#include <QString>

// Library
#include <optional>

// Reads the 44 face pictures of a tile set, fish/<name>/1.bmp .. 44.bmp under the working
// directory. All or nothing: either every picture is read, or the first one that fails is named
// with the reason and nothing is returned.
class TileSet
{
public:
    // The largest picture a face may have, per side; a tile is 80 x 52 pixels.
    static constexpr int kMaxSide = 2048;

    static std::optional<TileView::Faces> load(const QString& cardSet, QString* error);
    // One picture, or a null image with *error set to "<path>: <reason>".
    static QImage loadPicture(const QString& path, QString* error);
};
