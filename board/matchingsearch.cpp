// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/matchingsearch.h"

// Standard library
#include <algorithm>
#include <array>
#include <cassert>
#include <cstdint>
#include <vector>

namespace board {

namespace {

// Conflicts between restarts: this many times the next number of the Luby sequence.
constexpr std::uint64_t kRestartUnit = 64;
// Steps of the main loop between looks at the stop flags.
constexpr unsigned kPollEvery = 64;
// How much each conflict makes the variables in it count for more than older ones.
constexpr double kDecay = 0.95;
// Clauses learnt before the older half of them is dropped, a tenth more each time: memory stays
// bounded however long a search runs. The hardest positions measured learn under 20,000.
constexpr std::size_t kFirstLearntLimit = 20000;

// 1, 1, 2, 1, 1, 2, 4, 1, ...: the restart schedule that wastes at most a logarithmic factor.
std::uint64_t luby(std::uint64_t i)
{
    std::uint64_t size = 1, seq = 0;
    while (size < i + 1) {
        ++seq;
        size = 2 * size + 1;
    }
    while (size - 1 != i) {
        size = (size - 1) >> 1;
        --seq;
        i %= size;
    }
    return std::uint64_t(1) << seq;
}

// One run over one position. Variable v says whether pairs_[v] is chosen; literal 2v says it
// is, 2v + 1 that it is not.
class Learner
{
public:
    Learner(const FreeRules& rules, const PartnerGroups& groups, const TileMask& removed);

    // Won, Lost, or Stopped once stop() said so.
    template <class Stop> Verdict solve(Stop stop);
    // Won: the chosen pairs in an order the game takes them.
    Line line() const;

private:
    struct Pair
    {
        int odd, even;
    };
    static constexpr int kNoReason = -1;

    int value(int literal) const
    {
        const int v = value_[literal >> 1];
        return v < 0 ? v : v ^ (literal & 1);
    }
    int level() const { return int(levelStart_.size()); }
    void assign(int literal, int reason);
    bool addClause(std::vector<int> literals);
    int attach(const std::vector<int>& literals);
    int propagate();
    bool deadlocked(std::vector<int>& clause) const;
    void learn(std::vector<int> conflict);
    void backtrack(int to);
    void reduce();
    int pick() const;

    const FreeRules& rules_;
    TileMask removed_, standing_;
    std::vector<Pair> pairs_;
    std::array<std::array<int, 3>, layout::kPositions> tileVars_{};
    std::array<int, layout::kPositions> tileVarCount_{};
    bool empty_ = false; // some tile has no partner standing: lost from the start

    // Clauses of two literals and more: each its size, then its literals; the first two are
    // watched, and the first is the one a clause implied.
    std::vector<int> clauses_;
    std::size_t learntFrom_ = 0; // where the learnt clauses begin
    std::size_t learnt_ = 0, learntLimit_ = kFirstLearntLimit;
    std::vector<std::vector<int>> watches_;
    std::vector<int> value_, level_, reason_;
    std::vector<int> trail_, levelStart_;
    std::size_t head_ = 0;
    std::vector<double> activity_;
    double bump_ = 1;
    std::vector<char> phase_;
    mutable std::vector<char> seen_;
};

Learner::Learner(const FreeRules& rules, const PartnerGroups& groups, const TileMask& removed)
    : rules_(rules), removed_(removed), standing_(TileMask::all().without(removed))
{
    for (int g = 0; g < PartnerGroups::kGroups; ++g)
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) {
                const int odd = groups.tile(g, 0, i), even = groups.tile(g, 1, j);
                if (odd == PartnerGroups::kNone || even == PartnerGroups::kNone ||
                    !standing_.has(odd) || !standing_.has(even))
                    continue;
                const int v = int(pairs_.size());
                pairs_.push_back({odd, even});
                tileVars_[odd][tileVarCount_[odd]++] = v;
                tileVars_[even][tileVarCount_[even]++] = v;
            }
    const std::size_t vars = pairs_.size();
    watches_.resize(2 * vars);
    value_.assign(vars, -1);
    level_.assign(vars, 0);
    reason_.assign(vars, kNoReason);
    activity_.assign(vars, 0);
    // A chosen pair settles two tiles and rules out up to four other pairs at once.
    phase_.assign(vars, 1);
    seen_.assign(vars, 0);

    // Each tile in exactly one pair.
    standing_.forEach([&](int p) {
        const int n = tileVarCount_[p];
        std::vector<int> some;
        for (int k = 0; k < n; ++k)
            some.push_back(2 * tileVars_[p][k]);
        empty_ = empty_ || !addClause(some);
        for (int a = 0; a < n; ++a)
            for (int b = a + 1; b < n; ++b)
                empty_ = empty_ || !addClause({2 * tileVars_[p][a] + 1, 2 * tileVars_[p][b] + 1});
    });
    learntFrom_ = clauses_.size();
}

void Learner::assign(int literal, int reason)
{
    const int v = literal >> 1;
    value_[v] = 1 ^ (literal & 1);
    level_[v] = level();
    reason_[v] = reason;
    trail_.push_back(literal);
}

// False when the clause cannot be met at all: empty, or its one literal already false.
bool Learner::addClause(std::vector<int> literals)
{
    if (literals.empty())
        return false;
    if (literals.size() == 1) {
        if (value(literals[0]) == 0)
            return false;
        if (value(literals[0]) < 0)
            assign(literals[0], kNoReason);
        return true;
    }
    attach(literals);
    return true;
}

int Learner::attach(const std::vector<int>& literals)
{
    const int at = int(clauses_.size());
    clauses_.push_back(int(literals.size()));
    clauses_.insert(clauses_.end(), literals.begin(), literals.end());
    watches_[literals[0]].push_back(at);
    watches_[literals[1]].push_back(at);
    return at;
}

// Unit propagation over the watched literals; the clause found false, or -1.
int Learner::propagate()
{
    while (head_ < trail_.size()) {
        const int falsified = trail_[head_++] ^ 1;
        std::vector<int>& watching = watches_[falsified];
        std::size_t keep = 0;
        for (std::size_t i = 0; i < watching.size(); ++i) {
            const int c = watching[i];
            int* lits = &clauses_[std::size_t(c) + 1];
            const int n = clauses_[std::size_t(c)];
            if (lits[0] == falsified)
                std::swap(lits[0], lits[1]);
            if (value(lits[0]) == 1) {
                watching[keep++] = c;
                continue;
            }
            bool moved = false;
            for (int k = 2; k < n && !moved; ++k)
                if (value(lits[k]) != 0) {
                    std::swap(lits[1], lits[k]);
                    watches_[lits[1]].push_back(c);
                    moved = true;
                }
            if (moved)
                continue;
            watching[keep++] = c;
            if (value(lits[0]) == 0) {
                while (++i < watching.size())
                    watching[keep++] = watching[i];
                watching.resize(keep);
                return c;
            }
            assign(lits[0], c);
        }
        watching.resize(keep);
    }
    return -1;
}

// The relaxed game with every pair not ruled out: a tile goes once it is free and one of its
// pairs still possible joins it to a tile free or gone. When that leaves tiles standing, clause
// gets the pairs ruled out that would have joined a free one of them to a free or gone partner:
// while all of those stay ruled out, however the rest is chosen, none of the tiles left can ever
// go (the first to go would be free with the others gone as now, so free now, and would need
// one of those pairs). With every pair chosen the game is exact, so at the end it decides.
bool Learner::deadlocked(std::vector<int>& clause) const
{
    TileMask gone = removed_, canGo;
    standing_.forEach([&](int p) {
        if (rules_.isFree(p, gone))
            canGo.add(p);
    });
    const auto partnerOf = [&](int v, int p) {
        return pairs_[std::size_t(v)].odd == p ? pairs_[std::size_t(v)].even
                                               : pairs_[std::size_t(v)].odd;
    };
    const auto joined = [&](int p) {
        for (int k = 0; k < tileVarCount_[p]; ++k) {
            const int v = tileVars_[p][k];
            const int q = partnerOf(v, p);
            if (value_[std::size_t(v)] != 0 && (canGo.has(q) || gone.has(q)))
                return true;
        }
        return false;
    };
    TileMask pending = canGo;
    while (!pending.empty()) {
        const int x = pending.first();
        pending.remove(x);
        if (!canGo.has(x) || !joined(x))
            continue;
        gone.add(x);
        canGo.remove(x);
        // Its partners may go now, and so may any tile it frees, and their partners.
        for (int k = 0; k < tileVarCount_[x]; ++k)
            if (const int q = partnerOf(tileVars_[x][k], x); canGo.has(q))
                pending.add(q);
        for (const int q : rules_.affectedList(x))
            if (!gone.has(q) && !canGo.has(q) && rules_.isFree(q, gone)) {
                canGo.add(q);
                pending.add(q);
                for (int k = 0; k < tileVarCount_[q]; ++k)
                    if (const int r = partnerOf(tileVars_[q][k], q); canGo.has(r))
                        pending.add(r);
            }
    }
    if (gone == TileMask::all())
        return false;
    clause.clear();
    canGo.forEach([&](int p) {
        for (int k = 0; k < tileVarCount_[p]; ++k) {
            const int v = tileVars_[p][k];
            const int q = partnerOf(v, p);
            if (!seen_[std::size_t(v)] && (canGo.has(q) || gone.has(q))) {
                seen_[std::size_t(v)] = 1;
                clause.push_back(2 * v);
            }
        }
    });
    for (const int literal : clause)
        seen_[std::size_t(literal >> 1)] = 0;
    return true;
}

// Learns the first-unique-implication-point clause of a conflict whose literals are all false,
// at least one at the current level, and jumps back to where it implies its literal.
void Learner::learn(std::vector<int> conflict)
{
    std::vector<int> learnt{0};
    int open = 0, implied = -1;
    std::size_t at = trail_.size();
    for (;;) {
        for (const int literal : conflict) {
            const int v = literal >> 1;
            if (literal == implied || seen_[std::size_t(v)] || level_[std::size_t(v)] == 0)
                continue;
            seen_[std::size_t(v)] = 1;
            activity_[std::size_t(v)] += bump_;
            if (level_[std::size_t(v)] >= level())
                ++open;
            else
                learnt.push_back(literal);
        }
        do
            implied = trail_[--at];
        while (!seen_[std::size_t(implied >> 1)]);
        seen_[std::size_t(implied >> 1)] = 0;
        if (--open == 0)
            break;
        const int c = reason_[std::size_t(implied >> 1)];
        conflict.assign(clauses_.begin() + c + 1, clauses_.begin() + c + 1 + clauses_[c]);
    }
    learnt[0] = implied ^ 1;
    for (std::size_t k = 1; k < learnt.size(); ++k)
        seen_[std::size_t(learnt[k] >> 1)] = 0;

    bump_ /= kDecay;
    if (bump_ > 1e100) {
        for (double& a : activity_)
            a *= 1e-100;
        bump_ *= 1e-100;
    }

    int back = 0;
    for (std::size_t k = 1; k < learnt.size(); ++k)
        if (level_[std::size_t(learnt[k] >> 1)] > back) {
            back = level_[std::size_t(learnt[k] >> 1)];
            std::swap(learnt[1], learnt[k]);
        }
    backtrack(back);
    if (learnt.size() == 1) {
        assign(learnt[0], kNoReason);
    } else {
        assign(learnt[0], attach(learnt));
        ++learnt_;
    }
}

void Learner::backtrack(int to)
{
    if (level() <= to)
        return;
    const std::size_t from = std::size_t(levelStart_[std::size_t(to)]);
    for (std::size_t k = from; k < trail_.size(); ++k) {
        const int v = trail_[k] >> 1;
        phase_[std::size_t(v)] = char(value_[std::size_t(v)]);
        value_[std::size_t(v)] = -1;
    }
    trail_.resize(from);
    levelStart_.resize(std::size_t(to));
    head_ = trail_.size();
}

// At level 0 only, where no clause is a reason that matters: drops the older half of the clauses
// learnt, and what level 0 settles for good (clauses met, literals false), keeping every clause
// with at least two literals open, as the watches need.
void Learner::reduce()
{
    std::vector<int> kept;
    kept.reserve(clauses_.size());
    for (std::vector<int>& watching : watches_)
        watching.clear();
    std::size_t learntSeen = 0, keptFrom = SIZE_MAX;
    std::vector<int> open;
    for (std::size_t c = 0; c < clauses_.size(); c += std::size_t(clauses_[c]) + 1) {
        if (c >= learntFrom_ && keptFrom == SIZE_MAX)
            keptFrom = kept.size();
        if (c >= learntFrom_ && learntSeen++ < learnt_ / 2)
            continue;
        open.clear();
        bool met = false;
        for (int k = 1; k <= clauses_[c]; ++k) {
            const int literal = clauses_[c + std::size_t(k)];
            met = met || value(literal) == 1;
            if (value(literal) < 0)
                open.push_back(literal);
        }
        if (met)
            continue;
        assert(open.size() >= 2); // level 0 propagated: no clause is unit or false there
        const int at = int(kept.size());
        kept.push_back(int(open.size()));
        kept.insert(kept.end(), open.begin(), open.end());
        watches_[open[0]].push_back(at);
        watches_[open[1]].push_back(at);
    }
    clauses_ = std::move(kept);
    learntFrom_ = std::min(keptFrom, clauses_.size());
    learnt_ -= learnt_ / 2;
    for (const int literal : trail_)
        reason_[std::size_t(literal >> 1)] = kNoReason;
}

// The undecided variable that has been in the most recent conflicts; -1 when all are decided.
int Learner::pick() const
{
    int best = -1;
    for (std::size_t v = 0; v < value_.size(); ++v)
        if (value_[v] < 0 && (best < 0 || activity_[v] > activity_[std::size_t(best)]))
            best = int(v);
    return best;
}

template <class Stop> Verdict Learner::solve(Stop stop)
{
    if (empty_)
        return Verdict::Lost;
    std::vector<int> conflict;
    std::uint64_t conflicts = 0, restarts = 0, nextRestart = kRestartUnit * luby(0);
    for (unsigned steps = 0;; ++steps) {
        if (steps % kPollEvery == 0 && stop())
            return Verdict::Stopped;
        if (const int c = propagate(); c >= 0) {
            conflict.assign(clauses_.begin() + c + 1, clauses_.begin() + c + 1 + clauses_[c]);
        } else if (deadlocked(conflict)) {
            int highest = 0;
            for (const int literal : conflict)
                highest = std::max(highest, level_[std::size_t(literal >> 1)]);
            backtrack(highest);
        } else {
            if (conflicts >= nextRestart) {
                nextRestart = conflicts + kRestartUnit * luby(++restarts);
                backtrack(0);
                if (learnt_ > learntLimit_) {
                    reduce();
                    learntLimit_ += learntLimit_ / 10;
                }
            }
            const int v = pick();
            if (v < 0)
                return Verdict::Won;
            levelStart_.push_back(int(trail_.size()));
            assign(2 * v + (phase_[std::size_t(v)] ? 0 : 1), kNoReason);
            continue;
        }
        ++conflicts;
        if (level() == 0)
            return Verdict::Lost;
        learn(conflict);
    }
}

Line Learner::line() const
{
    std::vector<Pair> left;
    for (std::size_t v = 0; v < pairs_.size(); ++v)
        if (value_[v] == 1)
            left.push_back(pairs_[v]);
    Line line;
    TileMask gone = removed_;
    while (!left.empty()) {
        // Some pair is free whenever pairs are left: the relaxed game cleared the board.
        const auto free = std::find_if(left.begin(), left.end(), [&](const Pair& p) {
            return rules_.isFree(p.odd, gone) && rules_.isFree(p.even, gone);
        });
        gone.add(free->odd);
        gone.add(free->even);
        line.push_back({std::int16_t(free->odd), std::int16_t(free->even)});
        left.erase(free);
    }
    return line;
}

} // namespace

MatchingSearch::MatchingSearch(const Faces& faces) : rules_(FreeRules::get()), groups_(faces) {}

SolveResult MatchingSearch::run(const TileMask& removed, const std::atomic<bool>* cancel,
                                const std::atomic<bool>* overtaken) const
{
    Learner learner(rules_, groups_, removed);
    SolveResult result;
    result.verdict = learner.solve([&] {
        return (cancel && cancel->load(std::memory_order_relaxed)) ||
               (overtaken && overtaken->load(std::memory_order_relaxed));
    });
    if (result.verdict == Verdict::Won)
        result.line = learner.line();
    return result;
}

} // namespace board
