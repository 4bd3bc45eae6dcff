// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/solver.h"

// Local
#include "board/board.h"
#include "board/gamerecord.h"
#include "board/matchingsearch.h"
#include "board/solversearch.h"

// Qt
#include <QThread>

// Standard library
#include <atomic>
#include <memory>

namespace board {

namespace {

// Two searches of one deal. The depth-first search settles most positions in a fraction of a
// millisecond, long before a thread could start; the learning search is the faster by orders of
// magnitude on the positions that are only just lost, which the first one refutes pair by pair,
// and on the hardest wins. So the learner starts only once the first search has run for a while,
// and the first to answer answers: every answer is exact, so which comes first changes at most
// which winning line is given.
class Rivals
{
public:
    Rivals(const Faces& faces, const SolveLimits& limits)
        : limits_(limits), lead_(faces, limits), learner_(faces)
    {
    }

    SolveResult run(const TileMask& removed)
    {
        // Set once one search has answered, or the lead has stopped: the other stops then too.
        std::atomic<bool> settled = false;
        SolveResult second;
        std::unique_ptr<QThread> learning;
        const auto startRival = [&] {
            learning.reset(QThread::create([&] {
                SolveResult found = learner_.run(removed, limits_.cancel, &settled);
                // Only the first to answer keeps its answer.
                if (found.verdict != Verdict::Stopped && !settled.exchange(true))
                    second = std::move(found);
            }));
            // It runs only on a core nothing else wants: a search the game runs for a player
            // keeps one core busy, as it did alone, and leaves the window's thread the other.
            learning->start(QThread::IdlePriority);
        };
        SolveResult first = lead_.run(removed, &settled, startRival);
        // Answered, or stopped by the caller's limits or by the rival's answer: in every case the
        // rival has nothing more to do.
        const bool rivalFirst = settled.exchange(true) && first.verdict == Verdict::Stopped;
        if (learning)
            learning->wait();
        if (!rivalFirst)
            return first;
        second.nodes = first.nodes;
        return second;
    }

private:
    SolveLimits limits_;
    SolverSearch lead_;
    MatchingSearch learner_;
};

} // namespace

TileMask removedOn(const Board& board)
{
    TileMask removed;
    for (int p = 0; p < layout::kPositions; ++p)
        if (board.IsRemoved(p))
            removed.add(p);
    return removed;
}

SolveResult Solver::solve(const Board& board, const SolveLimits& limits)
{
    Faces faces{};
    for (int p = 0; p < layout::kPositions; ++p)
        faces[p] = board.FaceAt(p);
    return solve(faces, removedOn(board), limits);
}

SolveResult Solver::solve(const Faces& faces, const TileMask& removed, const SolveLimits& limits)
{
    return Rivals(faces, limits).run(removed);
}

LastWinnable Solver::lastWinnable(const Faces& faces, const Line& history,
                                  const SolveLimits& limits)
{
    const GameRecord record(faces, history);
    LastWinnable answer;
    const auto samePair = [](const PairMove& a, const PairMove& b) {
        return (a.first == b.first && a.second == b.second) ||
               (a.first == b.second && a.second == b.first);
    };
    // The same searches for all the beginnings: what the depth-first one proves lost after some
    // pairs of the game stays lost whichever beginning reaches it, and the beginnings share most
    // of their positions.
    Rivals search(faces, limits);
    // Whether the board can be cleared after count pairs; on a win, how far the history itself
    // followed the winning line from there, since each of those beginnings can be won as well.
    const auto winnable = [&](int count, int& reach) {
        const SolveResult result = search.run(removedOn(record.replay(count).board));
        answer.nodes = result.nodes;
        if (result.verdict != Verdict::Won)
            return result.verdict;
        reach = count;
        while (reach < int(history.size()) && reach - count < int(result.line.size()) &&
               samePair(history[reach], result.line[reach - count]))
            ++reach;
        if (reach >= answer.count) {
            answer.count = reach;
            answer.line.assign(result.line.begin() + (reach - count), result.line.end());
        }
        return Verdict::Won;
    };

    // Beginnings up to lo can be won (lo -1: none known); beginnings from hi on cannot.
    int lo = -1, hi = int(history.size()) + 1;
    int reach = 0;
    Verdict last = winnable(int(history.size()), reach);
    if (last == Verdict::Stopped)
        return {Verdict::Stopped, -1, {}, answer.nodes};
    if (last == Verdict::Won) {
        answer.verdict = Verdict::Won;
        return answer;
    }
    hi = int(history.size());
    while (hi - lo > 1) {
        const int mid = lo + (hi - lo) / 2;
        last = winnable(mid, reach);
        if (last == Verdict::Stopped)
            return {Verdict::Stopped, -1, {}, answer.nodes};
        if (last == Verdict::Won)
            lo = std::min(reach, hi - 1);
        else
            hi = mid;
    }
    answer.verdict = lo < 0 ? Verdict::Lost : Verdict::Won;
    return answer;
}

} // namespace board
