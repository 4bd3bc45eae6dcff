// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Local
#include "board/freerules.h"
#include "board/lostpositions.h"
#include "board/partnergroups.h"
#include "board/solver.h"
#include "board/tilemask.h"

// Standard library
#include <array>
#include <atomic>
#include <functional>
#include <vector>

namespace board {

// One exact search for a way to clear a position: what Solver::solve runs.
//
// Flags are only ever cleared, so taking a pair never blocks a tile. Once it is fixed which tile
// goes with which, any order that takes every pair as soon as both its tiles are free clears the
// board if any order does. The search therefore decides matchings, not orders: each node takes
// one pair that can be taken now and rules out for good, in the node's later children, the pairs
// its earlier children took (every winning matching takes some pair that is takeable now, and
// the first such pair in the node's order belongs to exactly one child).
//
// Each node narrows the pairs still possible, takes what is safe, looks the position up among
// those proved lost, and gives up where even a relaxed game (a tile goes as soon as it is free
// and one of its possible partners is free or gone, partners not used up) cannot clear the
// board. A node whose children keep failing probes every possible pair: it pretends the pair is
// chosen and drops it when the relaxed game then fails. The search runs in rounds of restarts
// that differ in the order of trying pairs (see run()).
//
// Work grows with the position's difficulty, not with any guess: only the caller's limits stop
// it early.
class SolverSearch
{
public:
    SolverSearch(const Faces& faces, const SolveLimits& limits);
    // May be called again for another position of the same deal: the positions proved lost on
    // the way stay proved, and the node count runs on. The run stops, claiming nothing, once
    // overtaken is set (by a search that has answered); it calls longRun once, from this
    // thread, when it has searched kLongRun nodes.
    SolveResult run(const TileMask& removed, const std::atomic<bool>* overtaken = nullptr,
                    const std::function<void()>& longRun = {});
    // About 2 ms of search: what settles sooner is not worth a thread.
    static constexpr std::uint64_t kLongRun = 400;

private:
    using Pairs = PartnerGroups::Pairs;
    // Orders in which a node tries its pairs. The search leads with the first and tries the
    // others in short runs.
    enum class Order { HighestFirst, FreesMost, HighestTile, Shuffled };
    struct Move
    {
        int odd, even, group;
        std::uint16_t bit;
        std::int64_t key;
    };

    // A run of the relaxed game that cleared the board with pairs: when it let each tile go
    // (went) and when each became able to (freed), a tile free from the start at 0; one that goes
    // at step s was decided on with s tiles gone.
    struct Steps
    {
        Pairs pairs{};
        std::array<std::uint8_t, layout::kPositions> went{}, freed{};
    };

    bool solve(TileMask removed, Pairs pairs, const Steps* seen);
    void order(std::vector<Move>& moves, const TileMask& removed, const TileMask& standing,
               const TileMask& free) const;
    bool stopping();
    TileMask freeTiles(const TileMask& removed, const TileMask& standing) const;
    void take(TileMask& removed, int first, int second);
    bool relaxedClears(TileMask gone, TileMask canGo, const Pairs& pairs,
                       Steps* steps = nullptr) const;
    bool resumedClears(const Steps& steps, const TileMask& removed, const TileMask& standing,
                       const Pairs& pairs, bool resume) const;
    bool probe(const TileMask& removed, const TileMask& standing, const TileMask& free,
               Pairs& pairs) const;

    const FreeRules& rules_;
    PartnerGroups groups_;
    SolveLimits limits_;
    std::uint64_t nodes_ = 0;
    const std::atomic<bool>* overtaken_ = nullptr;
    std::function<void()> longRun_;
    std::uint64_t longAt_ = 0;
    bool stopped_ = false; // the caller's limits or a rival's answer: the search claims nothing
    bool runOver_ = false; // this run's budget: the next run takes over
    std::uint64_t runEnd_ = 0;
    Order order_ = Order::HighestFirst;
    std::uint64_t shuffle_ = 0;
    Line line_;
    LostPositions lost_;
};

} // namespace board
