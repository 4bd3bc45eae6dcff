// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

// gamebench [--smoke] [WORKDIR]: what START and HINT cost. Prints figures only; it never judges
// them. WORKDIR holds fish/1/ (default: the build's run folder). --smoke runs each once (CTest).
//
//   deal           the board's deal alone (132 tiles, draws until an empty place)
//   load + deal    START's work before painting: the 44 pictures of set "1", then the deal
//   hint, full     HINT on a freshly dealt board (the search and the shift)
//   hint, none     HINT on a board with no free pair left to show (the search's worst case)

// Local
#include "bench/benchoptions.h"
#include "board/board.h"
#include "board/random.h"
#include "windows/keepfreedmemory.h"
#include "windows/tileset.h"

// Qt
#include <QDir>
#include <QGuiApplication>

// Standard library
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Median over rounds of the mean time of one call, in microseconds.
template <class Setup, class Work>
double medianMicros(int rounds, int callsPerRound, Setup setup, Work work)
{
    std::vector<double> means;
    for (int r = 0; r < rounds; ++r) {
        setup();
        const auto start = Clock::now();
        for (int i = 0; i < callsPerRound; ++i)
            work(i);
        const std::chrono::duration<double, std::micro> spent = Clock::now() - start;
        means.push_back(spent.count() / callsPerRound);
    }
    std::sort(means.begin(), means.end());
    return means[means.size() / 2];
}

board::Board dealt(std::uint32_t seed)
{
    board::Board b;
    board::Random random(seed);
    b.Deal(random, QStringLiteral("1"), 0);
    return b;
}

// A board whose free tiles hold no pair: take the hint's pairs until it has none.
board::Board stuck(std::uint32_t seed)
{
    board::Board b = dealt(seed);
    for (board::Outcome hint = b.Hint(); hint.moves.size() == 2; hint = b.Hint()) {
        b.ClickTile(hint.moves[0].position);
        b.ClickTile(hint.moves[1].position);
    }
    return b;
}

} // namespace

int main(int argc, char* argv[])
{
    keepFreedMemory(); // as the game does
    // Pictures need a platform; no display is needed to measure them.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const bool smoke = BenchOptions::fromArguments(QStringLiteral(FISHPAIRS_RUN_DIR)).smoke;

    const int rounds = smoke ? 1 : 15;
    const auto scale = [smoke](int calls) { return smoke ? 1 : calls; };

    std::uint32_t seed = 1;
    const double deal = medianMicros(
        rounds, scale(2000), [] {},
        [&](int) {
            board::Board b;
            board::Random random(++seed);
            b.Deal(random, QStringLiteral("1"), 0);
        });

    QString error;
    bool loaded = true;
    const double loadAndDeal = medianMicros(
        rounds, scale(20), [] {},
        [&](int) {
            loaded = TileSet::load(QStringLiteral("1"), &error).has_value() && loaded;
            board::Board b;
            board::Random random(++seed);
            b.Deal(random, QStringLiteral("1"), 0);
        });

    std::vector<board::Board> boards;
    for (std::uint32_t s = 1; s <= 64; ++s)
        boards.push_back(dealt(s));
    std::vector<board::Board> work;
    const double hintFull = medianMicros(
        rounds, scale(int(boards.size())), [&] { work = boards; }, [&](int i) { work[i].Hint(); });

    std::vector<board::Board> stuckBoards;
    for (std::uint32_t s = 1; s <= 64; ++s)
        stuckBoards.push_back(stuck(s));
    const double hintNone = medianMicros(
        rounds, scale(20000), [] {}, [&](int i) { stuckBoards[i % 64].Hint(); });

    std::printf("deal           %8.2f us\n", deal);
    std::printf("load + deal    %8.2f us  (44 pictures from %s%s)\n", loadAndDeal,
                qPrintable(QDir::current().absoluteFilePath(QStringLiteral("fish/1"))),
                loaded ? "" : qPrintable(QStringLiteral("; FAILED: ") + error));
    std::printf("hint, full     %8.2f us\n", hintFull);
    std::printf("hint, none     %8.2f us\n", hintNone);
    return loaded ? 0 : 1;
}
