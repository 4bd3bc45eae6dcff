// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Local
#include "board/pairmove.h"
#include "board/partnergroups.h"
#include "board/tilemask.h"

// Standard library
#include <atomic>
#include <cstdint>
#include <vector>

namespace board {

class Board;

enum class Verdict {
    Won,    // the board can still be cleared; the result's line does it
    Lost,   // it cannot, whatever the player does: proved by a complete search
    Stopped // the caller stopped the search first; nothing is claimed
};

// What may end a search before it has settled the position. Without either the search runs
// until it has: exactness never rests on a budget.
struct SolveLimits
{
    // Polled at every node; set it from any thread to stop the search.
    const std::atomic<bool>* cancel = nullptr;
    // Stop after this many nodes; 0 means no limit.
    std::uint64_t maxNodes = 0;
};

struct SolveResult
{
    Verdict verdict = Verdict::Stopped;
    Line line;               // Won: the pairs that clear the board, in order; otherwise empty
    std::uint64_t nodes = 0; // positions searched
};

// For a game's history: after how many of its pairs the board could last still be cleared.
struct LastWinnable
{
    // Won: count is the answer. Lost: not even the deal could be cleared (count -1). Stopped:
    // the caller stopped a search first, and count claims nothing.
    Verdict verdict = Verdict::Stopped;
    int count = -1;
    Line line;               // Won: a line that clears the board after the first count pairs
    std::uint64_t nodes = 0; // over all the searches it ran
};

// The tiles a dealt board has removed, as Solver::solve reads them.
TileMask removedOn(const Board& board);

// Decides exactly whether a position can still be cleared, and when it can, how.
//
// "Won" always comes with a line that clears the board when its pairs are clicked in order
// (Board::ClickTile); "Lost" is proved by a complete search. A search stops early only when the
// caller asks it to, and then it says "Stopped" and claims nothing.
//
// Every call keeps its state to itself (the free-tile rules it reads are built once and never
// change), so searches may run on any number of threads at once. A search that runs for more
// than a moment puts the question to a search that learns from its conflicts (MatchingSearch) as
// well, on a thread of idle priority, and the first of the two to answer answers. On a machine
// with a core to spare, lost positions that take the first search minutes are refuted in
// milliseconds, and a core that is wanted is never taken.
class Solver
{
public:
    // The position of a dealt board, as its FaceAt and IsRemoved read.
    static SolveResult solve(const Board& board, const SolveLimits& limits = {});
    // faces as the deal left them; removed: the tiles taken so far.
    static SolveResult solve(const Faces& faces, const TileMask& removed,
                             const SolveLimits& limits = {});

    // history: the pairs taken in a game dealt with faces, in order, each one the game took.
    // A game that can no longer be won was lost by one of its pairs and stays lost, so a binary
    // search over the history's beginnings finds that pair exactly.
    static LastWinnable lastWinnable(const Faces& faces, const Line& history,
                                     const SolveLimits& limits = {});
};

} // namespace board
