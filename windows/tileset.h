// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Local
#include "board/board.h"

// Qt
#include <QImage>
#include <QPixmap>
#include <QString>

// Standard library
#include <array>
#include <optional>

class QWidget;

// The pictures of faces 1..44, at indices 0..43.
inline constexpr int kFaces = board::Board::kFaces;
using Faces = std::array<QPixmap, kFaces>;

// A face enlarged by zoom for a screen of devicePixelRatio, sharp and of even lines.
QPixmap scaledFace(const QPixmap& face, double zoom, qreal devicePixelRatio);
// Every face so enlarged; a face without a picture stays without one.
Faces scaledFaces(const Faces& faces, double zoom, qreal devicePixelRatio);

// Reads the 44 face pictures of a tile set, fish/<name>/1.bmp .. 44.bmp under the working
// directory. All or nothing: either every picture is read, or the first one that fails is named
// with the reason and nothing is returned.
class TileSet
{
public:
    // The largest picture a face may have, per side; a tile is 80 x 52 pixels.
    static constexpr int kMaxSide = 2048;

    static std::optional<Faces> load(const QString& cardSet, QString* error);
    // load, or a message on window that what cannot be done ("The tiles cannot be dealt"), which
    // picture of the set could not be read and why.
    static std::optional<Faces> loadOrTell(const QString& cardSet, QWidget* window,
                                           const QString& what);
    // One picture, or a null image with *error set to "<path>: <reason>".
    static QImage loadPicture(const QString& path, QString* error);
};
