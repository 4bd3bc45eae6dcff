// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Local
#include "board/freerules.h"
#include "board/partnergroups.h"
#include "board/solver.h"
#include "board/tilemask.h"

// Standard library
#include <atomic>

namespace board {

// Decides which odd tile goes with which even one by conflict-driven learning, the way a SAT
// solver decides its variables: one variable for each pair a group allows, each tile in exactly
// one chosen pair.
//
// Once every pair is chosen, the game is settled without search: taking a pair never blocks a
// tile, so the board can be cleared exactly when taking the chosen pairs as they come free clears
// it. Before that, the relaxed game of SolverSearch judges a partial choice: a tile goes once it
// is free and some pair not ruled out joins it to a tile that is free or gone. Where that leaves
// tiles standing, those tiles stay standing in every completion that keeps ruled out the few
// pairs that would join a free one of them to a free or gone partner. That is a clause the
// position must satisfy, found where the search would find a dead end, and it is learned: the
// solver jumps back to the choice that caused it and never makes that combination again. So a
// deadlock of a few tiles is refuted once, not once for every way the other groups are matched,
// which is what makes the searches of SolverSearch take millions of nodes over positions that are
// only just lost.
//
// Either answer is exact: a win comes with a line that the game's own rules take, and "lost"
// means the clauses, each implied by the position, admit no choice at all.
class MatchingSearch
{
public:
    explicit MatchingSearch(const Faces& faces);

    // Settles the position, or stops claiming nothing once cancel or overtaken is set.
    SolveResult run(const TileMask& removed, const std::atomic<bool>* cancel,
                    const std::atomic<bool>* overtaken) const;

private:
    const FreeRules& rules_;
    PartnerGroups groups_;
};

} // namespace board
