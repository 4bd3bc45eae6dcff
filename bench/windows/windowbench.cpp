// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

// windowbench [--smoke] [WORKDIR]: what the game window costs, on the offscreen platform (our
// drawing, not the X server's). Prints figures only; it never judges them.
//
//   START to painted   a START click through the deal, the 44 picture loads and scaling, to the
//                      dealt board painted, in a 1366 x 768 window
//   help, painted      the help window painted whole, in 1366 x 768, its 44 faces enlarged as
//                      they are drawn (it keeps no enlarged copies)
//   show, CPU          the share of a core the victory show takes while it runs (10 s)
//
// WORKDIR holds fish/1/ (default: the build's run folder). --smoke runs each once, briefly.

// Local
#include "bench/benchoptions.h"
#include "tests/support/playing.h"
#include "windows/form2help.h"
#include "windows/game.h"
#include "windows/keepfreedmemory.h"
#include "windows/module1.h"
#include "windows/tileset.h"
#include "windows/tileview.h"

// Qt
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>

// Standard library
#include <algorithm>
#include <cstdio>
#include <optional>
#include <sys/resource.h>
#include <vector>

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

} // namespace

int main(int argc, char* argv[])
{
    keepFreedMemory(); // as the game does
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const bool smoke = BenchOptions::fromArguments(QStringLiteral(FISHPAIRS_RUN_DIR)).smoke;

    Module1 module;
    module.CardSet = QStringLiteral("1");
    std::vector<double> startMs;
    for (int round = 0; round < (smoke ? 1 : 15); ++round) {
        Game game(module);
        game.setAttribute(Qt::WA_DeleteOnClose, false);
        game.resize(1366, 768);
        game.show();
        QCoreApplication::processEvents();
        QElapsedTimer clock;
        clock.start();
        game.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        game.repaint(); // paints the whole window now, the board with it
        startMs.push_back(double(clock.nsecsElapsed()) / 1e6);
        if (game.board().Started() != 1) {
            std::fprintf(stderr, "windowbench: START dealt nothing (no fish/1 in %s?)\n",
                         qPrintable(QDir::currentPath()));
            return 1;
        }
    }
    std::sort(startMs.begin(), startMs.end());

    QString error;
    const std::optional<Faces> faces = TileSet::load(module.CardSet, &error);
    if (!faces) {
        std::fprintf(stderr, "windowbench: %s\n", qPrintable(error));
        return 1;
    }
    std::vector<double> helpMs;
    {
        Form2help help(*faces);
        help.setAttribute(Qt::WA_DeleteOnClose, false);
        help.resize(1366, 768);
        help.show();
        QCoreApplication::processEvents();
        for (int round = 0; round < (smoke ? 1 : 15); ++round) {
            QElapsedTimer clock;
            clock.start();
            help.repaint();
            helpMs.push_back(double(clock.nsecsElapsed()) / 1e6);
        }
    }
    std::sort(helpMs.begin(), helpMs.end());

    // The show, after winning a deal that can be cleared.
    Game game(module);
    game.setAttribute(Qt::WA_DeleteOnClose, false);
    game.resize(1366, 768);
    game.setRandomSeed(2);
    game.show();
    game.Command1_Click();
    for (const auto& [first, second] : testing::clearingOrder(game.board())) {
        game.Image1_Click(first);
        game.Image1_Click(second);
    }
    if (!game.celebrating()) {
        std::fprintf(stderr, "windowbench: the known deal was not won\n");
        return 1;
    }
    const int showMs = smoke ? 200 : 10000;
    const double cpuBefore = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    QTimer::singleShot(showMs, &app, &QCoreApplication::quit);
    QApplication::exec();
    const double share = (cpuSeconds() - cpuBefore) / (double(wall.nsecsElapsed()) / 1e9);

    const auto printMs = [](const char* figure, const std::vector<double>& sorted) {
        std::printf("%-17s %8.2f ms median (min %.2f, max %.2f)\n", figure,
                    sorted[sorted.size() / 2], sorted.front(), sorted.back());
    };
    printMs("START to painted", startMs);
    printMs("help, painted", helpMs);
    std::printf("show, CPU         %8.2f %% of a core (%d circles in %.1f s)\n", 100 * share,
                game.tileView()->circlesDrawn(), double(wall.elapsed()) / 1000);
    return 0;
}
