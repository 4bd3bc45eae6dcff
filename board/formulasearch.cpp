// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/formulasearch.h"

// Standard library
#include <algorithm>
#include <array>
#include <initializer_list>
#include <vector>

// CaDiCaL
#include <cadical.hpp>

namespace board {

namespace {

// Lets the solver notice a cancel or a rival's answer; it asks between its steps.
class Stop : public CaDiCaL::Terminator
{
public:
    Stop(const std::atomic<bool>* cancel, const std::atomic<bool>* overtaken)
        : cancel_(cancel), overtaken_(overtaken)
    {
    }
    bool terminate() override
    {
        return (cancel_ && cancel_->load(std::memory_order_relaxed)) ||
               (overtaken_ && overtaken_->load(std::memory_order_relaxed));
    }

private:
    const std::atomic<bool>* cancel_;
    const std::atomic<bool>* overtaken_;
};

struct PairVar
{
    int odd, even, var;
};

} // namespace

FormulaSearch::FormulaSearch(const Faces& faces) : rules_(FreeRules::get()), groups_(faces) {}

SolveResult FormulaSearch::run(const TileMask& removed, const std::atomic<bool>* cancel,
                               const std::atomic<bool>* overtaken) const
{
    const TileMask standing = TileMask::all().without(removed);
    const int steps = standing.count() / 2;
    SolveResult result;
    if (steps == 0) {
        // Nothing to write a formula about: a single tile can never go.
        result.verdict = standing.empty() ? Verdict::Won : Verdict::Lost;
        return result;
    }
    CaDiCaL::Solver solver;
    // Tuned for refutations, the answers that the search finds hardest.
    solver.configure("unsat");
    Stop stop(cancel, overtaken);
    solver.connect_terminator(&stop);
    int vars = 0;
    const auto clause = [&](std::initializer_list<int> literals) {
        for (const int literal : literals)
            solver.add(literal);
        solver.add(0);
    };

    // gone[p][t - 1]: the tile at p is gone by step t, 1 <= t <= steps.
    std::array<std::vector<int>, layout::kPositions> gone;
    standing.forEach([&](int p) {
        for (int t = 1; t <= steps; ++t)
            gone[p].push_back(++vars);
    });
    const auto goneBy = [&](int p, int t) { return gone[p][t - 1]; };

    // Which pair each tile goes in: exactly one of those its group allows, and the two tiles of
    // the pair go at the same step.
    std::vector<PairVar> pairVars;
    std::array<std::vector<int>, layout::kPositions> inPairs;
    for (int g = 0; g < PartnerGroups::kGroups; ++g) {
        if (stop.terminate())
            return result;
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) {
                const int odd = groups_.tile(g, 0, i), even = groups_.tile(g, 1, j);
                if (odd == PartnerGroups::kNone || even == PartnerGroups::kNone ||
                    !standing.has(odd) || !standing.has(even))
                    continue;
                const int v = ++vars;
                pairVars.push_back({odd, even, v});
                inPairs[odd].push_back(v);
                inPairs[even].push_back(v);
                for (int t = 1; t <= steps; ++t) {
                    clause({-v, -goneBy(odd, t), goneBy(even, t)});
                    clause({-v, goneBy(odd, t), -goneBy(even, t)});
                }
            }
    }
    standing.forEach([&](int p) {
        // A tile with no partner standing never goes: its clause is empty.
        const std::vector<int>& mine = inPairs[p];
        for (const int v : mine)
            solver.add(v);
        solver.add(0);
        for (std::size_t a = 0; a < mine.size(); ++a)
            for (std::size_t b = a + 1; b < mine.size(); ++b)
                clause({-mine[a], -mine[b]});
    });

    // Every tile is gone by the last step, stays gone, and was free when it went: gone by step
    // t, every tile of one of its ways was gone by step t - 1. Building this is most of the
    // formula's work and takes milliseconds, so a rival's answer is looked for on the way, as it
    // is above.
    bool stopped = false;
    standing.forEach([&](int p) {
        stopped = stopped || stop.terminate();
        if (stopped)
            return;
        clause({goneBy(p, steps)});
        for (int t = 1; t < steps; ++t)
            clause({-goneBy(p, t), goneBy(p, t + 1)});
        if (rules_.isFree(p, removed))
            return;
        clause({-goneBy(p, 1)});
        const auto ways = rules_.ways(p);
        for (int t = 2; t <= steps; ++t) {
            std::array<int, FreeRules::kMaxWays> wayVars{};
            for (std::size_t k = 0; k < ways.size(); ++k) {
                wayVars[k] = ++vars;
                ways[k].without(removed).forEach([&](int q) {
                    clause({-wayVars[k], goneBy(q, t - 1)});
                });
            }
            solver.add(-goneBy(p, t));
            for (std::size_t k = 0; k < ways.size(); ++k)
                solver.add(wayVars[k]);
            solver.add(0);
        }
    });

    if (stopped)
        return result;
    const int answer = solver.solve();
    if (answer == 20) {
        result.verdict = Verdict::Lost;
    } else if (answer == 10) {
        // The pairs in order of the step they go at; one step's pairs are all free before it.
        std::vector<std::pair<int, PairMove>> timed;
        for (const PairVar& pv : pairVars) {
            if (solver.val(pv.var) <= 0)
                continue;
            int t = 1;
            while (solver.val(goneBy(pv.odd, t)) <= 0)
                ++t;
            timed.push_back({t, {std::int16_t(pv.odd), std::int16_t(pv.even)}});
        }
        std::stable_sort(timed.begin(), timed.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        result.verdict = Verdict::Won;
        for (const auto& [t, pair] : timed)
            result.line.push_back(pair);
    }
    return result;
}

} // namespace board
