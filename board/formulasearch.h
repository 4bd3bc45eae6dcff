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

// The question "can this position be cleared?" put to a SAT solver as a formula: which pair each
// tile goes in, and by which step each tile is gone.
//
// Some lost positions that the search of SolverSearch needs tens of millions of nodes for, a
// solver that learns from its conflicts refutes in a few dozen milliseconds: it finds the few
// tiles whose deadlock is the whole reason, where the search refutes every way around it one by
// one. On others it is the slower of the two by far, so it runs beside the search as a rival,
// never instead of it.
//
// The formula holds exactly when the position can be cleared, so either answer is exact: a model
// is a winning line, and no model is a proof. With T the number of pairs standing, a step may
// take any number of pairs, and a tile gone by step t was free once the tiles gone by step t - 1
// were (freedom only ever grows as tiles go). A real win taking one pair a step is such a model,
// and in a model the pairs taken in order of their steps make a real win.
class FormulaSearch
{
public:
    explicit FormulaSearch(const Faces& faces);

    // Settles the position, or stops claiming nothing once cancel or overtaken is set.
    SolveResult run(const TileMask& removed, const std::atomic<bool>* cancel,
                    const std::atomic<bool>* overtaken) const;

private:
    const FreeRules& rules_;
    PartnerGroups groups_;
};

} // namespace board
