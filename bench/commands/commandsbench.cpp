// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

// commandsbench [--smoke] [--count N] [WORKDIR]: what the solver's commands cost a player, in a
// 1366 x 768 game window on the offscreen platform. Prints figures only; it never judges them.
//
//   asked, deals      "Can this game still be won?" on each of N deals (10,000): from the
//                     request to the whole answer painted in the note; and to the first
//                     answer, which for a lost game says so while the search for the pair
//                     that lost it goes on
//   asked, mid-game   the same on each of the N positions in mid-game the solver's own benchmark
//                     uses (bench/benchpositions.h), played into the window by clicks
//   click, idle       a click on a tile to the board repainted, no search running
//   click, searching  the same while a search runs on the worker thread (it solves deals one
//                     after another until it is cancelled)
//
// WORKDIR holds fish/1/ (default: the build's run folder). --smoke asks 5 positions of each set.

// Local
#include "bench/benchoptions.h"
#include "bench/benchpositions.h"
#include "board/solver.h"
#include "windows/backgroundsearch.h"
#include "windows/game.h"
#include "windows/gamecommands.h"
#include "windows/gamenote.h"
#include "windows/keepfreedmemory.h"
#include "windows/module1.h"
#include "windows/tileview.h"

// Qt
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>

// Standard library
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Figures
{
    std::vector<double> first, whole;
    int yes = 0, no = 0;
};

struct Answered
{
    double first = 0; // ms to the first answer painted: yes, or no with the search for why
    double whole = 0; // ms to the whole answer painted
};

// Asks the game in the window and waits for the answer, painted.
Answered ask(Game& game)
{
    QCoreApplication::processEvents(); // the moves before, painted: not the answer's time
    QElapsedTimer clock;
    clock.start();
    game.commands()->ask()->trigger();
    Answered answered;
    const auto answerShown = [&] {
        const QString text = game.note()->text();
        return game.note()->isVisible() && !text.startsWith(QLatin1String("Thinking"));
    };
    while (game.commands()->searching()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (answered.first == 0 && answerShown()) {
            game.note()->repaint();
            answered.first = double(clock.nsecsElapsed()) / 1e6;
        }
    }
    game.note()->repaint();
    answered.whole = double(clock.nsecsElapsed()) / 1e6;
    if (answered.first == 0)
        answered.first = answered.whole;
    return answered;
}

void record(Figures& figures, const Game& game, Answered answered)
{
    figures.first.push_back(answered.first);
    figures.whole.push_back(answered.whole);
    const QString answer = game.note()->text();
    figures.yes += answer.startsWith(QLatin1String("Yes"));
    figures.no += answer.startsWith(QLatin1String("No"));
}

void printMs(const char* figure, std::vector<double> ms, const QString& more = {})
{
    std::sort(ms.begin(), ms.end());
    const auto at = [&](double q) { return ms[std::size_t(q * double(ms.size() - 1))]; };
    std::printf("%-17s %6zu: median %8.3f ms, p99 %8.3f ms, max %8.3f ms%s\n", figure, ms.size(),
                at(0.5), at(0.99), ms.back(), qPrintable(more));
}

// Clicks two free tiles that are not partners in turn, each click painted before the next.
std::vector<double> clickFrames(Game& game, int clicks)
{
    const board::Board::Positions free = game.board().FreeStanding();
    int a = free[0], b = free[1];
    for (qsizetype i = 1; i < free.size(); ++i)
        if (!board::arePartners(game.board().FaceAt(a), game.board().FaceAt(free[i])))
            b = free[i];
    std::vector<double> ms;
    for (int i = 0; i < clicks; ++i) {
        QElapsedTimer clock;
        clock.start();
        game.Image1_Click(i % 2 ? b : a);
        game.tileView()->repaint();
        ms.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    return ms;
}

} // namespace

int main(int argc, char* argv[])
{
    keepFreedMemory(); // as the game does
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const BenchOptions options = BenchOptions::fromArguments(QStringLiteral(FISHPAIRS_RUN_DIR));
    const bool smoke = options.smoke;
    const int count = options.count ? options.count : smoke ? 5 : 10000;

    Module1 module;
    module.CardSet = QStringLiteral("1");
    const benchpositions::Sets sets = benchpositions::make(count);
    Figures deals, midGame;
    for (int k = 0; k < count; ++k) {
        // The deal and the mid-game position of a seed are one game: ask, play on, ask again.
        const benchpositions::Position& position = sets.midGame[std::size_t(k)];
        Game game(module);
        game.setAttribute(Qt::WA_DeleteOnClose, false);
        game.resize(1366, 768);
        game.setRandomSeed(position.seed);
        game.show();
        game.Command1_Click();
        if (game.board().Started() != 1) {
            std::fprintf(stderr, "commandsbench: START dealt nothing (no fish/1 in %s?)\n",
                         qPrintable(QDir::currentPath()));
            return 1;
        }
        record(deals, game, ask(game));
        for (const board::PairMove& m : position.taken) {
            game.Image1_Click(m.first);
            game.Image1_Click(m.second);
        }
        record(midGame, game, ask(game));
    }
    const auto answers = [](const Figures& f) {
        return QStringLiteral("; yes %1, no %2").arg(f.yes).arg(f.no);
    };
    printMs("asked, deals", deals.whole, answers(deals));
    printMs("  first answer", deals.first);
    printMs("asked, mid-game", midGame.whole, answers(midGame));
    printMs("  first answer", midGame.first);

    Game game(module);
    game.setAttribute(Qt::WA_DeleteOnClose, false);
    game.resize(1366, 768);
    game.setRandomSeed(1);
    game.show();
    game.Command1_Click();
    QCoreApplication::processEvents();
    const int clicks = smoke ? 10 : 2000;
    printMs("click, idle", clickFrames(game, clicks));
    BackgroundSearch search;
    search.start<int>(
        [&sets](const std::atomic<bool>& cancel) {
            const board::SolveLimits limits{&cancel, 0};
            int solved = 0;
            for (std::size_t k = 0; !cancel.load(); k = (k + 1) % sets.deals.size(), ++solved)
                board::Solver::solve(sets.deals[k].board, limits);
            return solved;
        },
        [](int) {});
    printMs("click, searching", clickFrames(game, clicks));
    search.cancel();
    return 0;
}
