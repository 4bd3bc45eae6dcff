// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Qt
#include <QColor>
#include <QSize>
#include <QString>

namespace testing {

// The plain colour of face 1..44 in the tile sets tests write: a different one for every face
// (and, with another shift, for every set).
QColor plainFaceColour(int face, int shift = 0);

// Writes tile set name as fish/<name>/1.bmp .. 44.bmp under the working directory: plain faces of
// the given size in plainFaceColour(face, shift). False when a file cannot be written.
bool writePlainTileSet(const QString& name, int shift = 0, QSize size = {80, 52});

} // namespace testing
