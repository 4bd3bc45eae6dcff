// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Local
#include "board/board.h"
#include "board/pairmove.h"

// Standard library
#include <cstddef>
#include <optional>
#include <vector>

namespace board {

// The pairs taken in one game, each with the board as it stood before the pair's first click and
// as it stood after its second, so that a pair can be taken back and put back exactly: places
// (the hint's shifts among them), flags, counters and the selection. Unlimited, back to the deal;
// taking a new pair drops whatever was taken back and not put back.
class History
{
public:
    // Every click on tile index, with the board as it stood before the click and after it.
    void recordClick(int index, const Board& before, const Board& after);

    // Nothing to take back before the deal, and nothing once the game is won: the victory show
    // keeps its board.
    bool canTakeBack(const Board& now) const { return taken_ > 0 && now.GameWon() == 0; }
    bool canPutBack(const Board& now) const
    {
        return taken_ < entries_.size() && now.GameWon() == 0;
    }
    // The board as it stood before the first click of the last pair taken. Only when
    // canTakeBack.
    const Board& takeBack();
    // The board as it stood after the second click of the pair taken back last. Only when
    // canPutBack.
    const Board& putBack();

    // The pairs taken since the deal and not taken back, in the order they were taken.
    Line pairs() const;
    std::size_t taken() const { return taken_; }

private:
    struct Entry
    {
        Board before;
        Board after;
        PairMove pair;
    };
    std::vector<Entry> entries_;
    std::size_t taken_ = 0;
    // The board before the click that selected the tile now selected.
    std::optional<Board> beforeSelection_;
};

} // namespace board
