// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Local
#include "board/board.h"

// Qt
#include <QPointF>
#include <QVarLengthArray>

// Keyboard play on the board: where the arrow keys move the focus ring. Plain geometry over the
// tiles a player can see, at their places in the board's twips; no widget is involved.

struct SeenTile
{
    int position = -1;
    board::TilePlace place;
};
using SeenTiles = QVarLengthArray<SeenTile, board::Board::kPositions>;

enum class Arrow { Left, Right, Up, Down };

// The tile an arrow moves to from the tile from, which stands at origin: the nearest tile that
// lies at least half a tile that way and shares a row (or a column) with it, within half a tile;
// failing that, the nearest that way where a step aside counts twice a step ahead. So the arrows
// follow rows and columns, step onto another layer where it lies that way, and reach every tile
// in sight. -1 when no tile lies that way.
int tileToward(const SeenTiles& tiles, int from, board::TilePlace origin, Arrow arrow);

// The tile whose centre lies nearest to point (twips), or -1 when there is none.
int nearestTile(const SeenTiles& tiles, QPointF point);
