// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/solversearch.h"

// Standard library
#include <algorithm>
#include <bit>

namespace board {

namespace {

// Lost positions the cache holds at most (about 100 bytes each).
constexpr std::size_t kLostCapacity = 4'000'000;
// A node whose children have cost this many nodes without a win probes its pairs. Probing costs
// about as much as a few dozen nodes, so it pays only where the subtree is large.
constexpr std::uint64_t kProbeAfter = 300;

struct Move
{
    int odd, even, group;
    std::uint16_t bit;
};

} // namespace

SolverSearch::SolverSearch(const Faces& faces, const SolveLimits& limits)
    : rules_(FreeRules::get()), groups_(faces), limits_(limits)
{
}

SolveResult SolverSearch::run(const TileMask& removed)
{
    SolveResult result;
    const bool won = solve(removed, PartnerGroups::everyPair());
    result.nodes = nodes_;
    if (stopped_) {
        result.verdict = Verdict::Stopped;
    } else if (won) {
        result.verdict = Verdict::Won;
        result.line = std::move(line_);
    } else {
        result.verdict = Verdict::Lost;
    }
    return result;
}

bool SolverSearch::stopping()
{
    if ((limits_.cancel && limits_.cancel->load(std::memory_order_relaxed)) ||
        (limits_.maxNodes && nodes_ >= limits_.maxNodes))
        stopped_ = true;
    return stopped_;
}

TileMask SolverSearch::freeTiles(const TileMask& removed, const TileMask& standing) const
{
    TileMask free;
    standing.forEach([&](int p) {
        if (rules_.isFree(p, removed))
            free.add(p);
    });
    return free;
}

void SolverSearch::take(TileMask& removed, int first, int second)
{
    removed.add(first);
    removed.add(second);
    line_.push_back({std::int16_t(first), std::int16_t(second)});
}

// The relaxed game: a tile goes once it is free and one of its possible partners is free or
// already gone; a tile left a single possible partner goes only together with it, both free.
// Partners are not used up, and a tile gone frees others as in the real game. Whatever the real
// game can remove, in whatever order, the relaxed game removes as well (by induction over the
// real pairs: both tiles free, each the other's possible partner), and its rule only ever gets
// easier to meet as tiles go, so the order in which it runs does not matter. A board it cannot
// clear, the real game cannot.
bool SolverSearch::relaxedClears(const TileMask& removed, const TileMask& standing,
                                 const Pairs& pairs) const
{
    TileMask gone = removed;
    bool changed = true;
    while (changed) {
        changed = false;
        standing.without(gone).forEach([&](int x) {
            if (gone.has(x) || !rules_.isFree(x, gone))
                return;
            const int g = groups_.group(x);
            if (g == PartnerGroups::kNone)
                return; // no partner at all: it can never go
            const int side = groups_.side(x);
            const unsigned mine = pairs[g] & PartnerGroups::pairsOf(side, groups_.index(x));
            const auto partner = [&](unsigned bit) {
                const int b = std::countr_zero(bit);
                return groups_.tile(g, 1 - side, side == 0 ? b % 3 : b / 3);
            };
            if (std::has_single_bit(mine)) {
                const int y = partner(mine);
                if (!gone.has(y) && rules_.isFree(y, gone)) {
                    gone.add(x);
                    gone.add(y);
                    changed = true;
                }
                return;
            }
            for (unsigned rest = mine; rest; rest &= rest - 1) {
                const int y = partner(rest & -rest);
                if (gone.has(y) || rules_.isFree(y, gone)) {
                    gone.add(x);
                    changed = true;
                    return;
                }
            }
        });
    }
    return gone == TileMask::all();
}

// Drops every pair whose choice alone leaves the relaxed game unable to clear the board. False
// when that leaves some group without a complete matching.
bool SolverSearch::probe(const TileMask& removed, const TileMask& standing, Pairs& pairs) const
{
    bool changed = true;
    while (changed) {
        changed = false;
        for (int g = 0; g < PartnerGroups::kGroups; ++g)
            for (int i = 0; i < 3; ++i)
                for (int j = 0; j < 3; ++j) {
                    const std::uint16_t bit = PartnerGroups::bit(i, j);
                    const std::uint16_t both =
                        PartnerGroups::pairsOf(0, i) | PartnerGroups::pairsOf(1, j);
                    if (!(pairs[g] & bit) || (pairs[g] & both) == bit)
                        continue;
                    Pairs chosen = pairs;
                    chosen[g] = std::uint16_t((chosen[g] & ~both) | bit);
                    if (groups_.narrow(standing, chosen) &&
                        relaxedClears(removed, standing, chosen))
                        continue;
                    pairs[g] = std::uint16_t(pairs[g] & ~bit);
                    changed = true;
                    if (!groups_.narrow(standing, pairs))
                        return false;
                }
    }
    return true;
}

bool SolverSearch::knownLost(const TileMask& removed, const Pairs& pairs) const
{
    const auto found = lost_.find(removed);
    if (found == lost_.end())
        return false;
    return std::any_of(found->second.begin(), found->second.end(), [&](const Pairs& lost) {
        for (int g = 0; g < PartnerGroups::kGroups; ++g)
            if (pairs[g] & ~lost[g])
                return false;
        return true;
    });
}

void SolverSearch::recordLost(const TileMask& removed, const Pairs& pairs)
{
    if (lostCount_ >= kLostCapacity)
        return;
    std::vector<Pairs>& known = lost_[removed];
    // A lost entry with fewer pairs says less than this one: let this one stand for it.
    lostCount_ -= std::erase_if(known, [&](const Pairs& lost) {
        for (int g = 0; g < PartnerGroups::kGroups; ++g)
            if (lost[g] & ~pairs[g])
                return false;
        return true;
    });
    known.push_back(pairs);
    ++lostCount_;
}

bool SolverSearch::solve(TileMask removed, Pairs pairs)
{
    const std::size_t mark = line_.size();
    // The positions this node went through on its safe steps: each as good as the next.
    std::vector<std::pair<TileMask, Pairs>> passed;
    const auto lose = [&] {
        for (const auto& [r, p] : passed)
            recordLost(r, p);
        line_.resize(mark);
        return false;
    };

    TileMask standing, free;
    for (;;) {
        ++nodes_;
        if (stopping())
            return false;
        standing = TileMask::all().without(removed);
        if (standing.empty())
            return true;
        if (!groups_.narrow(standing, pairs))
            return lose();
        free = freeTiles(removed, standing);
        // Safe: a part of a group that its possible pairs keep to itself, all of it free. Every
        // winning line matches those tiles among themselves; it still works when they all go
        // first, since taking tiles only ever frees others, and however they are matched the
        // same tiles are gone afterwards.
        int took = 0;
        for (int g = 0; g < PartnerGroups::kGroups; ++g)
            took += groups_.takeFreeParts(g, standing, free, pairs[g],
                                          [&](int odd, int even) { take(removed, odd, even); });
        if (took)
            continue;
        if (knownLost(removed, pairs))
            return lose();
        passed.emplace_back(removed, pairs);
        if (!relaxedClears(removed, standing, pairs))
            return lose();
        break;
    }

    std::vector<Move> moves;
    for (int g = 0; g < PartnerGroups::kGroups; ++g)
        for (unsigned rest = pairs[g]; rest; rest &= rest - 1) {
            const int b = std::countr_zero(rest);
            const int odd = groups_.tile(g, 0, b / 3), even = groups_.tile(g, 1, b % 3);
            if (free.has(odd) && free.has(even))
                moves.push_back({odd, even, g, std::uint16_t(1u << b)});
        }
    // Higher positions first, as the hint searches: the upper layers hold down the most tiles.
    // (Measured against taking first the pairs that free the most tiles, or the fewest: this
    // order settles the hard positions with the fewest nodes.)
    std::sort(moves.begin(), moves.end(),
              [](const Move& a, const Move& b) { return a.odd + a.even > b.odd + b.even; });

    const std::uint64_t entry = nodes_;
    bool probed = false;
    for (const Move& m : moves) {
        if (!probed && nodes_ - entry > kProbeAfter) {
            probed = true;
            if (!groups_.narrow(standing, pairs) || !probe(removed, standing, pairs))
                return lose();
        }
        if (!(pairs[m.group] & m.bit))
            continue;
        const std::size_t here = line_.size();
        TileMask next = removed;
        take(next, m.odd, m.even);
        if (solve(next, pairs))
            return true;
        if (stopped_)
            return false;
        line_.resize(here);
        pairs[m.group] = std::uint16_t(pairs[m.group] & ~m.bit);
    }
    return lose();
}

} // namespace board
