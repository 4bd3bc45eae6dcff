// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/solversearch.h"

// Standard library
#include <algorithm>
#include <bit>

namespace board {

namespace {

// A node whose children have cost this many nodes without a win probes its pairs. A probe costs
// about as much as a few dozen nodes, so it pays only where the subtree is large.
constexpr std::uint64_t kProbeAfter = 100;
// The first run's budget; each round doubles it.
constexpr std::uint64_t kFirstBudget = 1000;
// The budget of each of a round's short runs in other orders.
constexpr std::uint64_t kSideBudget = 1000;
// How many pairs a probe tries at once (see probe()).
constexpr int kBatch = 4;

std::uint64_t mix(std::uint64_t h)
{
    h ^= h >> 31;
    h *= 0xff51afd7ed558ccdu;
    h ^= h >> 29;
    h *= 0xc4ceb9fe1a85ec53u;
    return h ^ (h >> 32);
}

} // namespace

SolverSearch::SolverSearch(const Faces& faces, const SolveLimits& limits)
    : rules_(FreeRules::get()), groups_(faces), limits_(limits)
{
}

// Restarts. How long the search takes to find a win depends on the order in which it tries the
// pairs far more than on the position: an early pair taken in the wrong order of preference can
// cost a refutation of a hundred thousand nodes where another order wins in a hundred. So the
// search runs in rounds: the lead's order with a budget that doubles every round, then two short
// runs in other orders. Positions proved lost stay proved from run to run, so a run repeats
// little of the work before it; and since the main budget grows without bound, some round
// settles every position.
SolveResult SolverSearch::run(const TileMask& removed, const std::atomic<bool>* overtaken,
                              const std::function<void()>& longRun)
{
    overtaken_ = overtaken;
    longRun_ = longRun;
    longAt_ = nodes_ + kLongRun;
    stopped_ = false;
    SolveResult result;
    bool won = false;
    std::uint64_t budget = kFirstBudget;
    for (unsigned round = 0;; ++round, budget *= 2) {
        for (unsigned side = 0; side <= 2; ++side) {
            // The short runs take the three orders other than the lead's by turns.
            order_ = side == 0 ? Order::HighestFirst : Order((2 * round + side - 1) % 3 + 1);
            shuffle_ = round;
            runEnd_ = nodes_ + (side == 0 ? budget : kSideBudget);
            runOver_ = false;
            line_.clear();
            won = solve(removed, PartnerGroups::everyPair(), nullptr);
            if (!runOver_ || stopped_)
                break;
        }
        if (!runOver_ || stopped_)
            break;
    }
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
        (overtaken_ && overtaken_->load(std::memory_order_relaxed)) ||
        (limits_.maxNodes && nodes_ >= limits_.maxNodes))
        stopped_ = true;
    if (nodes_ == longAt_ && longRun_)
        longRun_();
    if (nodes_ >= runEnd_)
        runOver_ = true;
    return stopped_ || runOver_;
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
// clear, the real game cannot. gone: the tiles removed (every other tile stands); canGo: the
// standing tiles free then.
bool SolverSearch::relaxedClears(TileMask gone, TileMask canGo, const Pairs& pairs,
                                 Steps* steps) const
{
    TileMask pending = canGo;
    std::uint8_t step = 0;
    if (steps) {
        steps->pairs = pairs;
        canGo.forEach([&](int p) { steps->freed[p] = 0; });
    }
    const auto remove = [&](int p) {
        gone.add(p);
        canGo.remove(p);
        if (steps)
            steps->went[p] = step;
        ++step;
        // Its partners may now go; so may the partners of any tile it frees.
        pending |= groups_.partners(p) & canGo;
        // gone holds every tile removed, so a tile not gone is standing.
        for (const int q : rules_.affectedList(p))
            if (!gone.has(q) && !canGo.has(q) && rules_.isFree(q, gone)) {
                canGo.add(q);
                if (steps)
                    steps->freed[q] = step;
                pending.add(q);
                pending |= groups_.partners(q) & canGo;
            }
    };
    while (!pending.empty()) {
        const int x = pending.first();
        pending.remove(x);
        if (!canGo.has(x))
            continue;
        const int g = groups_.group(x);
        if (g == PartnerGroups::kNone)
            continue; // no partner at all: it can never go
        // A tile whose one possible partner has no other either goes only together with it:
        // else that partner may go with another tile and leave x to find none, which is how the
        // real game can lose it.
        if (const int y = groups_.soleMutualPartner(x, pairs[g]); y != PartnerGroups::kNone) {
            if (canGo.has(y)) {
                remove(x);
                remove(y);
            }
            continue;
        }
        const unsigned mine = groups_.pairsFor(x, pairs[g]);
        for (unsigned rest = mine; rest; rest &= rest - 1) {
            const int y = groups_.partnerBy(x, std::countr_zero(rest));
            if (gone.has(y) || canGo.has(y)) {
                remove(x);
                break;
            }
        }
    }
    return gone == TileMask::all();
}

// Whether the relaxed game clears the board with pairs from removed, where steps records a run
// that cleared it from fewer tiles removed with at least these pairs (the pairs differ in a few
// groups). The recorded run is replayed with the tiles of those groups moved to the time their
// rule is met: no sooner than they went (or, for a tile left a single partner that is left only
// it, together with that partner), and later only when no tile that they let free went free up
// to then. The other tiles keep their rules, and at each step find at least as much gone as in
// the recorded run, so the replay is a run of the game with the new pairs as long as every moved
// tile finds a time. Where one does not, the game resumes from the position the replay reached
// before that tile's step: the game's order not mattering, it clears the board from there exactly
// when it clears it at all. Without resume, false means only that the replay does not show it.
bool SolverSearch::resumedClears(const Steps& steps, const TileMask& removed,
                                 const TileMask& standing, const Pairs& pairs, bool resume) const
{
    TileMask changed;
    for (int g = 0; g < PartnerGroups::kGroups; ++g)
        if (pairs[g] != steps.pairs[g])
            changed |= groups_.tiles(g);
    changed &= standing;
    std::array<int, layout::kPositions> order{};
    int n = 0;
    changed.forEach([&](int p) { order[n++] = p; });
    std::sort(order.begin(), order.begin() + n,
              [&](int a, int b) { return steps.went[a] < steps.went[b]; });
    std::array<int, layout::kPositions> when{}; // the replay's time of a moved tile
    TileMask done;
    // Whether the tile at x, gone at its step in the recorded run, may go at t instead.
    const auto movable = [&](int x, int t) {
        if (t <= steps.went[x])
            return true;
        bool keeps = true;
        (rules_.affectedBy(x) & standing).forEach([&](int q) {
            if (steps.freed[q] > steps.went[x] && steps.freed[q] <= t)
                keeps = false;
        });
        return keeps;
    };
    int failed = -1;
    for (int k = 0; k < n && failed < 0; ++k) {
        const int x = order[k];
        if (done.has(x))
            continue;
        const int at = steps.went[x];
        const std::uint16_t groupPairs = pairs[groups_.group(x)];
        if (const int y = groups_.soleMutualPartner(x, groupPairs); y != PartnerGroups::kNone) {
            const int t = std::max<int>(at, steps.freed[y]);
            if (done.has(y) || !movable(x, t) || !movable(y, t)) {
                failed = at;
                break;
            }
            done.add(x);
            done.add(y);
            when[x] = when[y] = t;
            continue;
        }
        const unsigned mine = groups_.pairsFor(x, groupPairs);
        int t = 1 << 20;
        for (unsigned rest = mine; rest; rest &= rest - 1)
            t = std::min<int>(t, steps.freed[groups_.partnerBy(x, std::countr_zero(rest))]);
        t = std::max(t, at);
        if (!mine || !movable(x, t)) {
            failed = at;
            break;
        }
        done.add(x);
        when[x] = t;
    }
    if (failed < 0)
        return true;
    if (!resume)
        return false;

    TileMask gone = removed;
    standing.forEach([&](int p) {
        if (changed.has(p) ? done.has(p) && when[p] < failed : steps.went[p] < failed)
            gone.add(p);
    });
    TileMask canGo;
    standing.without(gone).forEach([&](int q) {
        if (rules_.isFree(q, gone))
            canGo.add(q);
    });
    return relaxedClears(gone, canGo, pairs);
}

// Drops every pair whose choice alone leaves the relaxed game unable to clear the board. False
// when that leaves some group without a complete matching.
//
// Most pairs pass, so they are tried in batches, one pair from each of several groups chosen at
// once, and a batch is split only when it fails; a pair is dropped only when it fails alone. A
// batch that passes vouches for each of its pairs: the relaxed game is monotone in the pairs (a
// pair more never makes a tile's rule harder to meet), and choosing one pair of the batch alone
// leaves every group at least the pairs the batch left it. Every pair left at the end passes alone
// with the pairs left, and every pair dropped failed alone with more pairs than are left, so the
// pairs kept are the same as when each is tried alone.
bool SolverSearch::probe(const TileMask& removed, const TileMask& standing, const TileMask& free,
                         Pairs& pairs) const
{
    if (!groups_.narrow(standing, pairs))
        return false;
    Steps steps;
    if (!relaxedClears(removed, free, pairs, &steps))
        return false;
    struct Trial
    {
        int group;
        std::uint16_t bit, both;
    };
    // Whether a pair of the trial is still worth trying: possible, and not the only pair of its
    // row and column (choosing it would change nothing).
    const auto open = [&](const Trial& t) {
        return (pairs[t.group] & t.bit) && (pairs[t.group] & t.both) != t.bit;
    };
    std::array<Trial, PartnerGroups::kGroups * 9> trials{};
    bool changed = true;
    bool alive = true;
    // Tries trials[from, to), groups all different; false only where the probe proves the
    // position lost.
    const auto batch = [&](auto& self, int from, int to) -> bool {
        std::array<Trial, kBatch> kept{};
        int n = 0;
        for (int k = from; k < to; ++k)
            if (open(trials[k]))
                kept[n++] = trials[k];
        if (n == 0)
            return true;
        Pairs chosen = pairs;
        bool passes = true;
        for (int k = 0; k < n && passes; ++k) {
            const Trial& t = kept[k];
            chosen[t.group] = std::uint16_t((chosen[t.group] & ~t.both) | t.bit);
            passes = groups_.narrow(t.group, standing, chosen[t.group]);
        }
        if (passes && resumedClears(steps, removed, standing, chosen, true))
            return true;
        if (n == 1) {
            const Trial& t = kept[0];
            pairs[t.group] = std::uint16_t(pairs[t.group] & ~t.bit);
            changed = true;
            return groups_.narrow(t.group, standing, pairs[t.group]) &&
                   relaxedClears(removed, free, pairs, &steps);
        }
        std::copy(kept.begin(), kept.begin() + n, trials.begin() + from);
        return self(self, from, from + n / 2) && self(self, from + n / 2, from + n);
    };
    while (changed && alive) {
        changed = false;
        // Round the groups pair by pair, so that neighbours in the list lie in different groups.
        int count = 0;
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                for (int g = 0; g < PartnerGroups::kGroups; ++g) {
                    const Trial t{
                        g, PartnerGroups::bit(i, j),
                        std::uint16_t(PartnerGroups::pairsOf(0, i) | PartnerGroups::pairsOf(1, j))};
                    if (open(t))
                        trials[count++] = t;
                }
        for (int from = 0; from < count && alive;) {
            std::uint32_t groups = 0;
            int to = from;
            while (to < count && to - from < kBatch && !(groups >> trials[to].group & 1))
                groups |= 1u << trials[to++].group;
            alive = batch(batch, from, to);
            from = to;
        }
    }
    return alive;
}

void SolverSearch::order(std::vector<Move>& moves, const TileMask& removed,
                         const TileMask& standing, const TileMask& free) const
{
    for (Move& m : moves) {
        const int sum = m.odd + m.even;
        switch (order_) {
        case Order::HighestFirst:
            // As the hint searches: the upper layers, numbered last, hold down the most tiles.
            m.key = sum;
            break;
        case Order::FreesMost: {
            TileMask after = removed;
            after.add(m.odd);
            after.add(m.even);
            int freed = 0;
            ((rules_.affectedBy(m.odd) | rules_.affectedBy(m.even)) & standing)
                .without(free)
                .forEach([&](int q) { freed += rules_.isFree(q, after) ? 1 : 0; });
            m.key = freed * 1000 + sum;
            break;
        }
        case Order::HighestTile:
            m.key = std::max(m.odd, m.even) * 1000 + sum;
            break;
        case Order::Shuffled:
            m.key =
                std::int64_t(mix(std::uint64_t(m.odd * 1000 + m.even) ^ mix(shuffle_ + 1)) >> 2);
            break;
        }
    }
    std::stable_sort(moves.begin(), moves.end(),
                     [](const Move& a, const Move& b) { return a.key > b.key; });
}

bool SolverSearch::solve(TileMask removed, Pairs pairs, const Steps* seen)
{
    const std::size_t mark = line_.size();
    // The positions this node went through on its safe steps: each as good as the next.
    std::vector<std::pair<TileMask, Pairs>> passed;
    const auto lose = [&] {
        for (const auto& [r, p] : passed)
            lost_.add(r, p);
        line_.resize(mark);
        return false;
    };

    TileMask standing, free;
    Steps own;
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
        if (lost_.contains(removed, pairs))
            return lose();
        passed.emplace_back(removed, pairs);
        // The parent's run of the relaxed game, replayed, mostly shows it clearing the board
        // here too; only where it does not does the game run afresh (and its run serves the
        // children).
        if (seen && resumedClears(*seen, removed, standing, pairs, false))
            break;
        if (!relaxedClears(removed, free, pairs, &own))
            return lose();
        seen = &own;
        break;
    }

    std::vector<Move> moves;
    for (int g = 0; g < PartnerGroups::kGroups; ++g)
        for (unsigned rest = pairs[g]; rest; rest &= rest - 1) {
            const int b = std::countr_zero(rest);
            const int odd = groups_.tile(g, 0, b / 3), even = groups_.tile(g, 1, b % 3);
            if (free.has(odd) && free.has(even))
                moves.push_back({odd, even, g, std::uint16_t(1u << b), 0});
        }
    order(moves, removed, standing, free);

    const std::uint64_t entry = nodes_;
    bool probed = false;
    for (const Move& m : moves) {
        if (!probed && nodes_ - entry > kProbeAfter) {
            probed = true;
            if (!probe(removed, standing, free, pairs))
                return lose();
        }
        if (!(pairs[m.group] & m.bit))
            continue;
        const std::size_t here = line_.size();
        TileMask next = removed;
        take(next, m.odd, m.even);
        if (solve(next, pairs, seen))
            return true;
        if (stopped_ || runOver_)
            return false;
        line_.resize(here);
        pairs[m.group] = std::uint16_t(pairs[m.group] & ~m.bit);
    }
    return lose();
}

} // namespace board
