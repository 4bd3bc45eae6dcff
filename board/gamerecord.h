// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Local
#include "board/board.h"
#include "board/partnergroups.h"
#include "board/solver.h"

// Qt
#include <QString>

namespace board {

// A game written down: the face dealt to every position, and the pairs taken since, in order.
// Played back through Board itself (its deal and its tile clicks), so that a pair counts as taken
// exactly when the game would have taken it.
class GameRecord
{
public:
    GameRecord(const Faces& faces, Line pairs) : faces_(faces), pairs_(std::move(pairs)) {}

    // Empty when every face 1..44 is dealt exactly three times; else why not, e.g.
    // "face 7 is dealt 4 times; every face is dealt 3 times".
    static QString checkFaces(const Faces& faces);

    const Faces& faces() const { return faces_; }
    const Line& pairs() const { return pairs_; }

    struct Replay
    {
        Board board;     // after the pairs that could be taken
        int illegal = 0; // 0, or the number (from 1) of the first pair that could not be taken
    };
    // Deals the faces on a fresh board and clicks the first count pairs (all by default), each
    // pair's first tile then its second; stops at the first pair the game does not take: a tile
    // already gone, not free, the same tile twice, or two tiles that are not partners. The faces
    // must pass checkFaces.
    Replay replay(int count = -1) const;

private:
    Faces faces_;
    Line pairs_;
};

} // namespace board
