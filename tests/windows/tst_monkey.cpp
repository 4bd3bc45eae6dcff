// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A monkey at the real windows: thousands of random actions, the board's invariants checked
// after every one. Every run takes the same actions, so that two runs of the suite test the same
// thing; MONKEY_SEED=random sends it on a new walk, MONKEY_SEED=<n> replays one (the seed is
// always printed), MONKEY_STEPS=<n> sets its length.

// Local
#include "board/layout.h"
#include "tests/support/playing.h"
#include "tests/support/tilesetfiles.h"
#include "windows/form1.h"
#include "windows/form2help.h"
#include "windows/game.h"
#include "windows/module1.h"
#include "windows/startup.h"
#include "windows/tileview.h"

// Qt
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

// Standard library
#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

// info.rtf, sound or not RTF at all.
void writeInfo(bool broken)
{
    QFile file(QStringLiteral("info.rtf"));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(broken ? QByteArray("no rules here")
                          : QByteArray("{\\rtf1 Take two partners.}"));
}

const QStringList kSetNames{QStringLiteral("1"),           QStringLiteral("1"),
                            QStringLiteral("2"),           QString(),
                            QStringLiteral("  "),          QStringLiteral(".."),
                            QStringLiteral("a/b"),         QStringLiteral("Рыбы"),
                            QString(300, QLatin1Char('x'))};

} // namespace

class MonkeyTest : public QObject
{
    Q_OBJECT

private slots:
    void randomActionsKeepTheBoardSound();

private:
    template <class T> T* control(QWidget* window, const char* name)
    {
        return window->findChild<T*>(QLatin1String(name));
    }
    void act(int action);
    // Empty when all is well, else what is wrong.
    QString checkInvariants();

    QRandomGenerator random_;
    Module1 module_;
    startup* startup_ = nullptr;
    QPointer<Game> watched_; // the game the snapshot below belongs to
    QPointer<Game> planned_; // the game the plan below belongs to
    std::vector<testing::Pair> plan_;
    std::array<board::Flag, 3 * 132> flags_{};
    QString log_;
};

void MonkeyTest::act(int action)
{
    Game* game = module_.game;
    switch (action) {
    case 0: { // OK with a tile-set name, sometimes an odd one
        const QString name = kSetNames[random_.bounded(int(kSetNames.size()))];
        control<QLineEdit>(startup_, "Text1")->setText(name);
        log_ = QStringLiteral("OK with \"%1\"").arg(name.left(20));
        QTest::mouseClick(control<QPushButton>(startup_, "Command1"), Qt::LeftButton);
        break;
    }
    case 1:
    case 2:
    case 3:
    case 4: { // a click anywhere on the board
        if (!game)
            return act(0);
        TileView* view = game->tileView();
        const QPoint at(random_.bounded(view->width()), random_.bounded(view->height()));
        log_ = QStringLiteral("click at %1,%2").arg(at.x()).arg(at.y());
        QTest::mouseClick(view, Qt::LeftButton, {}, at);
        break;
    }
    case 5: // START or NEW; some deals are ones that can be cleared
        if (!game)
            return act(0);
        log_ = QStringLiteral("START/NEW");
        if (random_.bounded(2) == 0)
            game->setRandomSeed(2);
        QTest::mouseClick(control<QPushButton>(game, "Command1"), Qt::LeftButton);
        break;
    case 6: // HINT
        if (!game)
            return act(0);
        log_ = QStringLiteral("HINT");
        QTest::mouseClick(control<QPushButton>(game, "Command3"), Qt::LeftButton);
        break;
    case 7:
    case 8:
    case 9: { // take pairs that keep the game winnable, so games get somewhere
        if (!game || game->board().Started() == 0)
            return act(5);
        if (game->board().SelectedFace() != -1)
            game->Image1_Click(game->board().SelectedPosition()); // put it down first
        if (planned_ != game) { // one search per game: a clearing order, if there is one
            plan_ = testing::clearingOrder(game->board(), 20000);
            std::reverse(plan_.begin(), plan_.end());
            planned_ = game;
        }
        const int pairs = 1 + random_.bounded(12);
        log_ = QStringLiteral("take %1 pairs").arg(pairs);
        for (int n = 0; n < pairs; ++n) {
            const std::vector<testing::Pair> takeable = testing::takeablePairs(game->board());
            if (!plan_.empty() &&
                std::find(takeable.begin(), takeable.end(), plan_.back()) == takeable.end())
                plan_.clear(); // stale: other actions took tiles meanwhile
            // Removed tiles cannot be clicked, so only ever click pairs that can be taken.
            if (plan_.empty() && takeable.empty())
                break;
            const testing::Pair pair = plan_.empty() ? takeable.front() : plan_.back();
            if (!plan_.empty())
                plan_.pop_back();
            game->Image1_Click(pair.first);
            game->Image1_Click(pair.second);
        }
        break;
    }
    case 10: // HELP, or OK in the help window
        log_ = QStringLiteral("HELP / help OK");
        if (module_.help)
            QTest::mouseClick(control<QPushButton>(module_.help, "Command1"), Qt::LeftButton);
        else if (game)
            QTest::mouseClick(control<QPushButton>(game, "Command2"), Qt::LeftButton);
        break;
    case 11: // the game window's close control
        log_ = QStringLiteral("close the game");
        if (game)
            game->close();
        break;
    case 12: // a clock tick, and a step of the show if one runs
        log_ = QStringLiteral("tick");
        if (game) {
            game->Timer1_Timer();
            game->Celebrate();
        }
        break;
    case 13: // dismiss whatever message is up
        log_ = QStringLiteral("dismiss messages");
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible())
                box->close();
        break;
    case 14: // INFO, or the info window's close control
        log_ = QStringLiteral("INFO / close info");
        if (module_.info)
            module_.info->close();
        else
            QTest::mouseClick(control<QPushButton>(startup_, "Command2"), Qt::LeftButton);
        break;
    case 15: // a broken info.rtf, or a sound one again
        log_ = QStringLiteral("swap info.rtf");
        writeInfo(random_.bounded(3) == 0);
        break;
    }
    QCoreApplication::processEvents();
}

QString MonkeyTest::checkInvariants()
{
    Game* game = module_.game;
    if (!game)
        return {};
    const board::Board& b = game->board();
    std::array<board::Flag, 3 * 132> now;
    for (int p = 0; p < 132; ++p) {
        now[p] = b.BlockedAbove(p);
        now[132 + p] = b.BlockedBelow(p);
        now[264 + p] = b.Covered(p);
    }
    if (watched_ == game)
        for (std::size_t i = 0; i < now.size(); ++i)
            if (now[i] != 0 && flags_[i] == 0)
                return QStringLiteral("flag %1 of position %2 was set again")
                    .arg(i / 132)
                    .arg(i % 132);
    watched_ = game;
    flags_ = now;

    int parked = 0;
    int lifted = 0;
    int liftedAt = -1;
    for (int p = 0; p < 132; ++p) {
        const float left = b.Left(p);
        const float top = b.Top(p);
        if (b.IsRemoved(p)) {
            if (left != -2000 || top != -2000)
                return QStringLiteral("removed tile %1 is not parked").arg(p);
            ++parked;
            continue;
        }
        // A standing tile is its design place, shifted 300 right and up per hint, and lifted
        // another 200 while selected.
        const float right = left - board::layout::kPlaces[p].left;
        const float up = board::layout::kPlaces[p].top - top;
        const float shift = std::fmod(right, 300.0f);
        if (right != up || (shift != 0 && shift != 200))
            return QStringLiteral("tile %1 stands at %2,%3").arg(p).arg(left).arg(top);
        if (shift == 200)
            ++lifted, liftedAt = p;
    }
    if (parked != 2 * b.PairsRemoved())
        return QStringLiteral("%1 tiles parked for %2 pairs").arg(parked).arg(b.PairsRemoved());
    if (b.SelectedFace() == -1 && lifted != 0)
        return QStringLiteral("tile %1 lifted with nothing selected").arg(liftedAt);
    if (b.SelectedFace() != -1 && (lifted != 1 || liftedAt != b.SelectedPosition()))
        return QStringLiteral("selection %1 but %2 tiles lifted")
            .arg(b.SelectedPosition())
            .arg(lifted);
    if ((b.GameWon() != 0) != (b.PairsRemoved() == 66))
        return QStringLiteral("won %1 with %2 pairs").arg(b.GameWon()).arg(b.PairsRemoved());
    return {};
}

void MonkeyTest::randomActionsKeepTheBoardSound()
{
    QTemporaryDir workingDir;
    QVERIFY(QDir::setCurrent(workingDir.path()));
    QVERIFY(testing::writePlainTileSet(QStringLiteral("1")));
    QVERIFY(testing::writePlainTileSet(QStringLiteral("2"), 1));
    writeInfo(false);

    constexpr quint32 kUsualSeed = 1;
    const QByteArray asked = qgetenv("MONKEY_SEED");
    const quint32 seed = asked.isEmpty()     ? kUsualSeed
                         : asked == "random" ? QRandomGenerator::global()->generate()
                                             : asked.toUInt();
    const int steps = qEnvironmentVariableIsSet("MONKEY_STEPS")
                          ? qEnvironmentVariableIntValue("MONKEY_STEPS")
                          : 5000;
    qInfo("monkey seed %u, %d steps (replay with MONKEY_SEED=%u)", seed, steps, seed);
    random_.seed(seed);

    startup_ = new startup(module_);
    startup_->show();
    int wins = 0;
    for (int step = 0; step < steps; ++step) {
        // Mostly play; now and then end the game or open other windows.
        static constexpr int kWeights[16] = {1, 6, 6, 6, 6, 1, 3, 8, 8, 8, 2, 1, 6, 2, 2, 1};
        int pick = random_.bounded(std::accumulate(std::begin(kWeights), std::end(kWeights), 0));
        int action = 0;
        while (pick >= kWeights[action])
            pick -= kWeights[action++];
        act(action);
        const QString problem = checkInvariants();
        QVERIFY2(problem.isEmpty(), qPrintable(QStringLiteral("seed %1, step %2 (%3): %4")
                                                   .arg(seed)
                                                   .arg(step)
                                                   .arg(log_, problem)));
        if (module_.game && module_.game->celebrating())
            ++wins;
    }
    qInfo("monkey: %d of the steps during a victory show", wins);
    delete module_.game;
    delete module_.help;
    delete module_.info;
    delete startup_;
}

QTEST_MAIN(MonkeyTest)
#include "tst_monkey.moc"
