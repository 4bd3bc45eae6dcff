// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the game window adds beside the design's controls: taking back and putting back, asking
// whether the game can still be won, the pair that keeps it winnable, a winnable deal; the menu
// that holds them and the note that answers.

// Local
#include "board/solver.h"
#include "tests/support/playing.h"
#include "tests/support/tilesetfiles.h"
#include "windows/game.h"
#include "windows/gamecommands.h"
#include "windows/gamenote.h"
#include "windows/module1.h"
#include "windows/tileview.h"

// Qt
#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

// Standard library
#include <array>
#include <utility>

namespace {

// How long a test waits for a search: long enough for a build with sanitizers on a busy machine;
// a search that never answers still fails.
constexpr int kSearchWait = 60000;

// A deal of this seed can be cleared.
constexpr std::uint32_t kClearableSeed = 2;

// Pairs of seed 7's game: it can still be won after the first five, not after the sixth.
constexpr std::array<std::pair<int, int>, 8> kLosingLine{
    {{131, 122}, {25, 10}, {36, 9}, {46, 26}, {83, 53}, {129, 54}, {128, 18}, {127, 78}}};

} // namespace

class GameCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void theMenuOffersWhatCanBeDoneNow_data();
    void theMenuOffersWhatCanBeDoneNow();
    void answersTellWhereTheGameStands_data();
    void answersTellWhereTheGameStands();
    void askingAnswersInTheNoteAndTakesBackToWhereItCouldBeWon();
    void aMoveCancelsTheSearchAndNothingIsShown();
    void theSuggestedPairKeepsTheGameWinnable();
    void takingBackShowsTheBoardAsItStood();
    void aRightClickOpensTheMenuAndSelectsNothing();
    void aWinnableDealIsDealtAsStartDeals();
    void theWinNoteTellsHowLongTheGameTook();

private:
    void deal(std::uint32_t seed)
    {
        game_->setRandomSeed(seed);
        game_->Command1_Click();
    }
    void take(int first, int second)
    {
        game_->Image1_Click(first);
        game_->Image1_Click(second);
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(game_->tileView(), key, modifiers);
    }
    QString noteShown() const
    {
        return game_->note()->isVisible() ? game_->note()->text() : QString();
    }
    QStringList enabledCommands() const
    {
        QStringList enabled;
        for (const QAction* action : game_->commands()->menu()->actions())
            if (!action->isSeparator() && action->isEnabled())
                enabled << action->text();
        return enabled;
    }

    QTemporaryDir workingDir_;
    Module1 module_;
    QPointer<Game> game_;
    float now_ = 50000;
};

void GameCommandsTest::initTestCase()
{
    QVERIFY(QDir::setCurrent(workingDir_.path()));
    QVERIFY(testing::writePlainTileSet(QStringLiteral("1")));
    module_.CardSet = QStringLiteral("1");
}

void GameCommandsTest::init()
{
    game_ = new Game(module_);
    game_->setTimeOfDay([this] { return now_; });
    game_->showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(game_));
    QApplication::setActiveWindow(game_);
    game_->tileView()->setFocus();
}

void GameCommandsTest::cleanup()
{
    delete game_;
}

void GameCommandsTest::theMenuOffersWhatCanBeDoneNow_data()
{
    QTest::addColumn<QString>("steps"); // D deals, P takes the hint's pair, Z takes back, W wins
    QTest::addColumn<QStringList>("enabled");
    const QString ask = QStringLiteral("Can this game still be won?");
    const QString suggest = QStringLiteral("Show a pair that keeps the game winnable");
    QTest::newRow("before START") << ""
                                  << QStringList{QStringLiteral("Deal a game that can be won")};
    QTest::newRow("dealt") << "D" << QStringList{ask, suggest};
    QTest::newRow("a pair taken") << "D P"
                                  << QStringList{QStringLiteral("Take back a pair"), ask,
                                                 QStringLiteral("Take back to where it could "
                                                                "still be won"),
                                                 suggest};
    QTest::newRow("taken back") << "D P Z"
                                << QStringList{QStringLiteral("Put back a pair"), ask, suggest};
    QTest::newRow("won") << "W" << QStringList{ask};
}

void GameCommandsTest::theMenuOffersWhatCanBeDoneNow()
{
    QFETCH(QString, steps);
    QFETCH(QStringList, enabled);
    for (const QString& step : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (step == QLatin1String("D"))
            deal(7);
        if (step == QLatin1String("P"))
            take(131, 122); // the hint's first pair on seed 7
        if (step == QLatin1String("Z"))
            press(Qt::Key_Z, Qt::ControlModifier);
        if (step == QLatin1String("W")) {
            deal(kClearableSeed);
            for (const auto& [first, second] : testing::clearingOrder(game_->board()))
                take(first, second);
            QCOMPARE(game_->board().GameWon(), -1);
        }
    }
    QCOMPARE(enabledCommands(), enabled);
}

void GameCommandsTest::answersTellWhereTheGameStands_data()
{
    QTest::addColumn<int>("taken");
    QTest::addColumn<int>("lastWinnable");
    QTest::addColumn<QString>("answer");
    QTest::newRow("can be won") << 5 << 5 << "Yes: this game can still be won (61 pairs to go).";
    QTest::newRow("one pair to go")
        << 65 << 65 << "Yes: this game can still be won (1 pair to go).";
    QTest::newRow("lost some pairs ago")
        << 12 << 8
        << "No: this game was lost when pair 9 was taken; take back 4 pairs (Ctrl+Z) to play on "
           "from where it could still be won.";
    QTest::newRow("lost with the last pair")
        << 1 << 0
        << "No: this game was lost when pair 1 was taken; take back 1 pair (Ctrl+Z) to play on "
           "from where it could still be won.";
    QTest::newRow("a deal that cannot be won") << 3 << -1
                                               << "No: this deal cannot be won, however it is "
                                                  "played.";
}

void GameCommandsTest::answersTellWhereTheGameStands()
{
    QFETCH(int, taken);
    QFETCH(int, lastWinnable);
    QFETCH(QString, answer);
    QCOMPARE(GameCommands::askedText(taken, lastWinnable, 66 - taken), answer);
}

void GameCommandsTest::askingAnswersInTheNoteAndTakesBackToWhereItCouldBeWon()
{
    deal(7);
    press(Qt::Key_F7);
    QTRY_COMPARE_WITH_TIMEOUT(noteShown(),
                              QStringLiteral("Yes: this game can still be won (66 pairs to go)."),
                              kSearchWait);
    QCOMPARE(game_->note()->accessibleName(), noteShown());
    // The note is gone at the next key.
    press(Qt::Key_Left);
    QCOMPARE(noteShown(), QString());
    QCOMPARE(game_->findChild<QLineEdit*>(QStringLiteral("Text1"))->text(), QStringLiteral("1"));
    for (const auto& [first, second] : kLosingLine)
        take(first, second);
    press(Qt::Key_F7);
    QTRY_COMPARE_WITH_TIMEOUT(noteShown(),
                              QStringLiteral("No: this game was lost when pair 6 was taken; take "
                                             "back 3 pairs (Ctrl+Z) to play on from where it "
                                             "could still be won."),
                              kSearchWait);
    press(Qt::Key_F7, Qt::ShiftModifier);
    QTRY_COMPARE_WITH_TIMEOUT(
        noteShown(), QStringLiteral("Took back 3 pairs: from here this game can still be won."),
        kSearchWait);
    QCOMPARE(game_->board().PairsRemoved(), 5);
    press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(game_->board().PairsRemoved(), 6);
}

void GameCommandsTest::aMoveCancelsTheSearchAndNothingIsShown()
{
    deal(7);
    press(Qt::Key_F7);
    QVERIFY(game_->commands()->searching());
    game_->Image1_Click(131);
    QVERIFY(!game_->commands()->searching());
    QTest::qWait(400);
    QCOMPARE(noteShown(), QString());
}

void GameCommandsTest::theSuggestedPairKeepsTheGameWinnable()
{
    deal(7);
    press(Qt::Key_F8);
    QTRY_VERIFY_WITH_TIMEOUT(game_->tileView()->suggestion().has_value(), kSearchWait);
    QCOMPARE(noteShown(), QStringLiteral("The two tiles ringed in green make a pair that keeps "
                                         "the game winnable."));
    const board::PairMove pair = *game_->tileView()->suggestion();
    const QImage shot = game_->tileView()->grab().toImage();
    for (int tile : {pair.first, pair.second}) {
        const QRect ring = game_->tileView()->tileRect(tile);
        QCOMPARE(shot.pixelColor(ring.center().x(), ring.top() + 2), QColor(40, 230, 40));
    }
    // Two rings round tiles that overlap, 1 on 0 in one column: the dark edge of the lower
    // ring's top must not cut the upper ring's side.
    game_->tileView()->setSuggestion(board::PairMove{0, 1});
    const QImage overlapping = game_->tileView()->grab().toImage();
    const QRect upper = game_->tileView()->tileRect(0);
    const QRect lower = game_->tileView()->tileRect(1);
    QCOMPARE(overlapping.pixelColor(upper.left() + 1, lower.top() - 1), QColor(40, 230, 40));
    game_->tileView()->setSuggestion(pair);
    // No tile moved; taking the pair leaves a game that can still be won.
    QCOMPARE(game_->board().Left(pair.first), float(board::layout::kPlaces[pair.first].left));
    take(pair.first, pair.second);
    QCOMPARE(game_->board().PairsRemoved(), 1);
    QVERIFY(!game_->tileView()->suggestion());
    QCOMPARE(board::Solver::solve(game_->board()).verdict, board::Verdict::Won);
}

void GameCommandsTest::takingBackShowsTheBoardAsItStood()
{
    deal(7);
    const QImage dealt = game_->tileView()->grab().toImage();
    take(131, 122);
    QVERIFY(game_->tileView()->grab().toImage() != dealt);
    press(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(game_->board().PairsRemoved(), 0);
    QCOMPARE(game_->tileView()->grab().toImage(), dealt);
    press(Qt::Key_Y, Qt::ControlModifier);
    QVERIFY(game_->board().IsRemoved(131) && game_->board().IsRemoved(122));
}

void GameCommandsTest::aRightClickOpensTheMenuAndSelectsNothing()
{
    deal(7);
    TileView* view = game_->tileView();
    QTest::mouseClick(view, Qt::RightButton, {}, view->tileRect(131).center());
    QCOMPARE(game_->board().SelectedFace(), -1);
    QCOMPARE(game_->findChild<QLineEdit*>(QStringLiteral("Text1"))->text(), QStringLiteral("1"));
    QContextMenuEvent menu(QContextMenuEvent::Mouse, view->tileRect(131).center(),
                           view->mapToGlobal(view->tileRect(131).center()));
    QApplication::sendEvent(view, &menu);
    QTRY_VERIFY(game_->commands()->menu()->isVisible());
    game_->commands()->menu()->close();
    press(Qt::Key_F10, Qt::ShiftModifier);
    QTRY_VERIFY(game_->commands()->menu()->isVisible());
    game_->commands()->menu()->close();
}

void GameCommandsTest::aWinnableDealIsDealtAsStartDeals()
{
    press(Qt::Key_F9);
    QTRY_COMPARE_WITH_TIMEOUT(game_->board().Started(), 1, kSearchWait);
    QCOMPARE(game_->findChild<QPushButton*>(QStringLiteral("Command1"))->text(),
             QStringLiteral("NEW"));
    QCOMPARE(game_->findChild<QLineEdit*>(QStringLiteral("Text1"))->text(), QStringLiteral("1"));
    QCOMPARE(game_->board().DealTime(), now_);
    QCOMPARE(noteShown(), QStringLiteral("Dealt a game that can be won."));
    QCOMPARE(board::Solver::solve(game_->board()).verdict, board::Verdict::Won);
}

void GameCommandsTest::theWinNoteTellsHowLongTheGameTook()
{
    deal(kClearableSeed);
    const std::vector<testing::Pair> order = testing::clearingOrder(game_->board());
    for (std::size_t k = 0; k + 1 < order.size(); ++k)
        take(order[k].first, order[k].second);
    now_ += 12 * 60 + 34.5f;
    take(order.back().first, order.back().second);
    QCOMPARE(noteShown(), QStringLiteral("The board is clear: you won in 12 minutes and 34 "
                                         "seconds."));
    // A won game keeps its board: nothing is taken back.
    press(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(game_->board().PairsRemoved(), 66);
    // The clock runs on; F7 tells the time of the win, not the clock's.
    now_ += 60;
    press(Qt::Key_F7);
    QCOMPARE(noteShown(), QStringLiteral("The board is clear: you won in 12 minutes and 34 "
                                         "seconds."));
}

QTEST_MAIN(GameCommandsTest)
#include "tst_gamecommands.moc"
