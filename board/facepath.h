// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Qt
#include <QString>

namespace board {

// Relative path of the bitmap of face 1..44 in tile set cardSet: "fish/<cardSet>/<face>.bmp".
// cardSet goes in exactly as typed (empty, "..", separators and all): the player names a folder,
// and whatever cannot be opened is reported by the loader, not mended here.
QString facePicturePath(const QString& cardSet, int face);

} // namespace board
