// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Helpers for tests that play games through the board library.

// Local
#include "board/board.h"
#include "board/randomsource.h"

// Standard library
#include <array>
#include <map>
#include <utility>
#include <vector>

namespace testing {

// Hands out the given draws in order, then zeros.
class ScriptedRandom final : public board::RandomSource
{
public:
    explicit ScriptedRandom(std::vector<float> draws) : draws_(std::move(draws)) {}
    float next() override { return next_ < draws_.size() ? draws_[next_++] : 0.0f; }
    std::size_t used() const { return next_; }

private:
    std::vector<float> draws_;
    std::size_t next_ = 0;
};

// A draw r in [0, 1) whose slot r x 131, rounded to single precision, is exactly slot.
float drawForSlot(float slot);
// A draw that puts a tile on position p (131 is reached from slots of 130.5 and above).
float drawForPosition(int p);

using Arrangement = std::array<int, board::Board::kPositions>; // face of every position

// The draws that make the deal put face arrangement[p] on every position p. The arrangement must
// hold every face 1..44 exactly three times.
std::vector<float> drawsFor(const Arrangement& arrangement);

// Deals arrangement onto a freshly loaded board.
void dealArrangement(board::Board& board, const Arrangement& arrangement);

using Pair = std::pair<int, int>;

// The partner pairs that can be taken now (both free and standing), highest first as the hint
// searches.
std::vector<Pair> takeablePairs(const board::Board& board);

// Pairs to take, in order, that clear the board from where it stands, or an empty list when there
// are none or the exact solver has not settled the position within budget nodes.
std::vector<Pair> clearingOrder(const board::Board& board, std::size_t budget = 100000);

// A dealt board on which exactly the tiles in kept (position -> face) still stand. The others get
// faces that let them go two at a time, two tiles free together, and are taken. kept must hold
// as many odd as even faces of each partner pair, and leave the others a way to go; else
// std::logic_error.
board::Board positionWith(const std::map<int, int>& kept);

} // namespace testing
