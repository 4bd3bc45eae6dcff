// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/solver.h"

// Local
#include "board/board.h"
#include "board/formulasearch.h"
#include "board/gamerecord.h"
#include "board/solversearch.h"

// Qt
#include <QThread>

// Standard library
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>

namespace board {

namespace {

// The formula starts only after this long: building it takes milliseconds and solving it more,
// time in which the searches settle all but the hardest positions, and on two cores it would take
// half the core that the rival search needs.
constexpr std::chrono::milliseconds kFormulaAfter(25);

// Set once one search has answered, or the lead has stopped: the others stop then too.
class Settled
{
public:
    const std::atomic<bool>* flag() const { return &flag_; }
    // True for the first caller only.
    bool settle()
    {
        if (flag_.exchange(true))
            return false;
        const std::lock_guard lock(mutex_);
        wake_.notify_all();
        return true;
    }
    // Whether it was settled within wait.
    bool settledWithin(std::chrono::milliseconds wait)
    {
        std::unique_lock lock(mutex_);
        return wake_.wait_for(lock, wait, [this] { return flag_.load(); });
    }

private:
    std::atomic<bool> flag_ = false;
    std::mutex mutex_;
    std::condition_variable wake_;
};

// Three searches of one deal. How soon a search finds a win turns on its order far more than on
// the position, so on two cores the first answer of two orders comes much sooner, on the hard
// positions, than the answer of either. And some lost positions that cost the search millions of
// nodes, the formula refutes in milliseconds, while on others it is the slower by far. The
// rivals start only once the first search has run for a while: an easy position costs no
// thread. Every answer is exact, so which comes first changes at most which winning line is
// given.
class Rivals
{
public:
    Rivals(const Faces& faces, const SolveLimits& limits)
        : limits_(limits), lead_(faces, limits),
          rival_(faces, limits, SolverSearch::Order::Shuffled), formula_(faces)
    {
    }

    SolveResult run(const TileMask& removed)
    {
        Settled settled;
        SolveResult second, third;
        std::unique_ptr<QThread> shuffled, formula;
        const auto answer = [&](SolveResult& into, SolveResult found) {
            // Only the first to answer keeps its answer: the others are stopped by then, or
            // about to be.
            if (found.verdict != Verdict::Stopped && settled.settle())
                into = std::move(found);
        };
        const auto startRivals = [&] {
            shuffled.reset(
                QThread::create([&] { answer(second, rival_.run(removed, settled.flag())); }));
            formula.reset(QThread::create([&] {
                if (!settled.settledWithin(kFormulaAfter))
                    answer(third, formula_.run(removed, limits_.cancel, settled.flag()));
            }));
            // They run only on a core nothing else wants: a search the game runs for a player
            // keeps one core busy, as it did alone, and leaves the window's thread the other.
            shuffled->start(QThread::IdlePriority);
            formula->start(QThread::IdlePriority);
        };
        SolveResult first = lead_.run(removed, settled.flag(), startRivals);
        // Answered, or stopped by the caller's limits or by a rival's answer: in every case the
        // rivals have nothing more to do.
        const bool rivalFirst = !settled.settle() && first.verdict == Verdict::Stopped;
        for (QThread* thread : {shuffled.get(), formula.get()})
            if (thread)
                thread->wait();
        if (!rivalFirst)
            return first;
        SolveResult& found = second.verdict != Verdict::Stopped ? second : third;
        found.nodes = std::max(found.nodes, first.nodes);
        return std::move(found);
    }

private:
    SolveLimits limits_;
    SolverSearch lead_;
    SolverSearch rival_;
    FormulaSearch formula_;
};

TileMask removedOn(const Board& board)
{
    TileMask removed;
    for (int p = 0; p < layout::kPositions; ++p)
        if (board.IsRemoved(p))
            removed.add(p);
    return removed;
}

} // namespace

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
    // The same searches for all the beginnings: what they prove lost after some pairs of the game
    // stays lost whichever beginning reaches it, and the beginnings share most of their positions.
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
