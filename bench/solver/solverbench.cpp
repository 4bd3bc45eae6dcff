// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

// solverbench [--smoke] [--count N] [--nodes N] [--worst N]: how long the exact solver takes to
// settle a position. The two sets of N positions (10,000) of bench/benchpositions.h, deals and
// positions in mid-game, each solved alone by a fresh search.
//
// For each set: median, 99th percentile and maximum time, and how many positions were won, lost
// or left unsettled (only with --nodes N, a limit of N nodes a search). Every winning line is
// replayed through Board::ClickTile, off the clock. --worst N lists the N slowest positions of
// each set as fishpairs-solve input lines.
// Prints figures only; it never judges them. --smoke solves 5 positions of each set (CTest).

// Local
#include "bench/benchpositions.h"
#include "board/board.h"
#include "board/solver.h"

// Standard library
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using benchpositions::Position;
using board::Board;
using board::Solver;
using board::SolveResult;
using board::Verdict;

struct Timing
{
    double ms = 0;
    Verdict verdict = Verdict::Stopped;
    std::uint64_t nodes = 0;
    const Position* position = nullptr;
};

bool clears(Board b, const board::Line& line)
{
    for (const board::PairMove& m : line) {
        b.ClickTile(m.first);
        b.ClickTile(m.second);
    }
    return b.PairsRemoved() == Board::kPairs;
}

std::string inputLine(const Position& p)
{
    std::string line = "faces";
    for (int i = 0; i < Board::kPositions; ++i)
        line += ' ' + std::to_string(p.board.FaceAt(i));
    line += " pairs";
    for (const board::PairMove& m : p.taken)
        line += ' ' + std::to_string(m.first) + ' ' + std::to_string(m.second);
    return line;
}

void report(const char* name, std::vector<Timing> timings, int worst, bool& allReplayed)
{
    int won = 0, lost = 0, stopped = 0;
    std::uint64_t nodes = 0;
    for (const Timing& t : timings) {
        won += t.verdict == Verdict::Won;
        lost += t.verdict == Verdict::Lost;
        stopped += t.verdict == Verdict::Stopped;
        nodes = std::max(nodes, t.nodes);
    }
    std::sort(timings.begin(), timings.end(),
              [](const Timing& a, const Timing& b) { return a.ms < b.ms; });
    const auto at = [&](double q) { return timings[std::size_t(q * double(timings.size() - 1))]; };
    std::printf("%-9s %6zu positions: median %8.3f ms, p99 %8.3f ms, max %9.3f ms; won %d, lost "
                "%d, unsettled %d; most nodes %llu%s\n",
                name, timings.size(), at(0.5).ms, at(0.99).ms, timings.back().ms, won, lost,
                stopped, static_cast<unsigned long long>(nodes),
                allReplayed ? "" : "; A WINNING LINE DID NOT CLEAR ITS BOARD");
    for (int i = 0; i < worst && i < int(timings.size()); ++i) {
        const Timing& t = timings[timings.size() - 1 - i];
        std::printf("# %.3f ms, %llu nodes, %s, seed %u, %zu pairs taken\n%s\n", t.ms,
                    static_cast<unsigned long long>(t.nodes),
                    t.verdict == Verdict::Won    ? "won"
                    : t.verdict == Verdict::Lost ? "lost"
                                                 : "unsettled",
                    t.position->seed, t.position->taken.size(), inputLine(*t.position).c_str());
    }
}

std::vector<Timing> solveAll(const std::vector<Position>& positions,
                             const board::SolveLimits& limits, bool& allReplayed)
{
    std::vector<Timing> timings;
    timings.reserve(positions.size());
    for (const Position& p : positions) {
        const auto start = Clock::now();
        const SolveResult result = Solver::solve(p.board, limits);
        const std::chrono::duration<double, std::milli> spent = Clock::now() - start;
        timings.push_back({spent.count(), result.verdict, result.nodes, &p});
        if (result.verdict == Verdict::Won && !clears(p.board, result.line))
            allReplayed = false;
    }
    return timings;
}

} // namespace

int main(int argc, char* argv[])
{
    int count = 10000;
    int worst = 0;
    board::SolveLimits limits;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--smoke"))
            count = 5;
        else if (!std::strcmp(argv[i], "--worst") && i + 1 < argc)
            worst = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--nodes") && i + 1 < argc)
            limits.maxNodes = std::strtoull(argv[++i], nullptr, 10);
        else if (!std::strcmp(argv[i], "--count") && i + 1 < argc)
            count = std::atoi(argv[++i]);
    }

    const benchpositions::Sets sets = benchpositions::make(count);

    bool allReplayed = true;
    report("deals", solveAll(sets.deals, limits, allReplayed), worst, allReplayed);
    report("mid-game", solveAll(sets.midGame, limits, allReplayed), worst, allReplayed);
    return allReplayed ? 0 : 1;
}
