// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A click on a tile: selection, dropping back, pairs, and the win.

// Local
#include "board/board.h"
#include "board/history.h"
#include "board/layout.h"
#include "board/random.h"
#include "tests/support/playing.h"

// Qt
#include <QTest>

using board::Board;

namespace {

// Face p mod 44 + 1 on position p: each face three times. Among the tiles free at the start,
// 98 (11) and 99 (12) are partners, 9 and 53 share face 10, and the hint's first pair is
// 126 (39) with 83 (40).
testing::Arrangement byPosition()
{
    testing::Arrangement faces;
    for (int p = 0; p < Board::kPositions; ++p)
        faces[p] = p % 44 + 1;
    return faces;
}

// A seed whose deal can be cleared.
constexpr std::uint32_t kClearableSeed = 2;

// Runs a script of steps on b: "D" deals byPosition(), "R" deals from the clearable seed, "H"
// asks for a hint, a number clicks that tile, "Z" takes the last pair back and "Y" puts it back.
// Returns what the status box shows afterwards.
QString run(Board& b, const QString& script)
{
    QString status = QStringLiteral("Text1");
    board::History history;
    for (const QString& step : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        board::Outcome outcome;
        if (step == QLatin1String("Z") || step == QLatin1String("Y")) {
            const bool back = step == QLatin1String("Z");
            if (back ? history.canTakeBack(b) : history.canPutBack(b))
                b = back ? history.takeBack() : history.putBack();
            continue;
        }
        if (step == QLatin1String("D")) {
            testing::ScriptedRandom random(testing::drawsFor(byPosition()));
            outcome = b.Deal(random, QStringLiteral("1"), 0.0f);
        } else if (step == QLatin1String("R")) {
            board::Random random(kClearableSeed);
            outcome = b.Deal(random, QStringLiteral("1"), 0.0f);
        } else if (step == QLatin1String("H")) {
            outcome = b.Hint();
        } else {
            const Board before = b;
            outcome = b.ClickTile(step.toInt());
            history.recordClick(step.toInt(), before, b);
        }
        if (outcome.status)
            status = *outcome.status;
    }
    return status;
}

using Offsets = QMap<int, QPointF>;

} // namespace

class ClickTest : public QObject
{
    Q_OBJECT

private slots:
    void followsTheSelectionStateTable_data();
    void followsTheSelectionStateTable();
    void takingAPairReleasesItsNeighbours();
};

void ClickTest::followsTheSelectionStateTable_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("status");
    QTest::addColumn<int>("selectedFace");
    QTest::addColumn<Offsets>("offsets"); // tiles away from their design place, and how far
    QTest::addColumn<QList<int>>("parked");

    const QPointF lift(200, -200);
    const QPointF hint(300, -300);
    QTest::newRow("a blocked tile") << "D 1"
                                    << "NOT FREE!!!" << -1 << Offsets{} << QList<int>{};
    QTest::newRow("a blocked tile keeps the selection")
        << "D 0 1"
        << "NOT FREE!!!" << 1 << Offsets{{0, lift}} << QList<int>{};
    QTest::newRow("a free tile lifts") << "D 0"
                                       << "OK!" << 1 << Offsets{{0, lift}} << QList<int>{};
    QTest::newRow("the same tile drops back") << "D 0 0"
                                              << "OK!" << -1 << Offsets{} << QList<int>{};
    QTest::newRow("the same face is no pair") << "D 9 53"
                                              << "OK!" << -1 << Offsets{} << QList<int>{};
    QTest::newRow("no partner drops the first") << "D 0 9"
                                                << "OK!" << -1 << Offsets{} << QList<int>{};
    QTest::newRow("faces 18 and 19 are no pair") << "D 17 18"
                                                 << "OK!" << -1 << Offsets{} << QList<int>{};
    QTest::newRow("the next click after a miss selects")
        << "D 0 9 10"
        << "OK!" << 11 << Offsets{{10, lift}} << QList<int>{};
    QTest::newRow("partners, odd face first") << "D 98 99"
                                              << "OK!" << -1 << Offsets{} << QList<int>{98, 99};
    QTest::newRow("partners, even face first") << "D 99 98"
                                               << "OK!" << -1 << Offsets{} << QList<int>{98, 99};
    QTest::newRow("a blocked click status stays until the next")
        << "D 98 99 1"
        << "NOT FREE!!!" << -1 << Offsets{} << QList<int>{98, 99};
    QTest::newRow("a free tile lifts before the deal")
        << "0"
        << "OK!" << 0 << Offsets{{0, lift}} << QList<int>{};
    QTest::newRow("nothing pairs before the deal") << "0 9"
                                                   << "OK!" << -1 << Offsets{} << QList<int>{};
    QTest::newRow("a tile lifted before the deal stays lifted")
        << "0 D"
        << "1" << 0 << Offsets{{0, lift}} << QList<int>{};
    QTest::newRow("and drops back at the next click, face 0 pairing nothing")
        << "0 D 99"
        << "OK!" << -1 << Offsets{} << QList<int>{};
    QTest::newRow("a hinted tile keeps its shift under the lift")
        << "D H 126"
        << "OK!" << 39 << Offsets{{126, hint + lift}, {83, hint}} << QList<int>{};
    QTest::newRow("and after dropping back")
        << "D H 126 0"
        << "OK!" << -1 << Offsets{{126, hint}, {83, hint}} << QList<int>{};
    QTest::newRow("the hinted pair taken") << "D H 126 83"
                                           << "OK!" << -1 << Offsets{} << QList<int>{83, 126};
    QTest::newRow("taken back: both stand where they stood before its first click, hint kept")
        << "D H 126 83 Z"
        << "OK!" << -1 << Offsets{{126, hint}, {83, hint}} << QList<int>{};
    QTest::newRow("a hint between the pair's clicks goes with it")
        << "D 98 H 99 Z"
        << "OK!" << -1 << Offsets{} << QList<int>{};
    QTest::newRow("put back") << "D 98 99 Z Y"
                              << "OK!" << -1 << Offsets{} << QList<int>{98, 99};
    QTest::newRow("two back, one put back") << "D 98 99 126 83 Z Z Y"
                                            << "OK!" << -1 << Offsets{} << QList<int>{98, 99};
    QTest::newRow("a selection made since goes too") << "D 98 99 0 Z"
                                                     << "OK!" << -1 << Offsets{} << QList<int>{};
    QTest::newRow("a new pair drops what was taken back")
        << "D 98 99 Z 126 83 Y"
        << "OK!" << -1 << Offsets{} << QList<int>{83, 126};
    QTest::newRow("nothing to take back before a pair")
        << "D 0 Z"
        << "OK!" << 1 << Offsets{{0, lift}} << QList<int>{};

    Board b;
    run(b, QStringLiteral("R"));
    QString wholeGame = QStringLiteral("R");
    QList<int> all;
    for (const auto& [first, second] : testing::clearingOrder(b))
        wholeGame += QStringLiteral(" %1 %2").arg(first).arg(second);
    for (int p = 0; p < Board::kPositions; ++p)
        all << p;
    QTest::newRow("the 66th pair wins") << wholeGame << "Поздравляем!!!" << -1 << Offsets{} << all;
    QTest::newRow("and is never taken back")
        << wholeGame + QStringLiteral(" Z") << "Поздравляем!!!" << -1 << Offsets{} << all;
}

void ClickTest::followsTheSelectionStateTable()
{
    QFETCH(QString, script);
    QFETCH(QString, status);
    QFETCH(int, selectedFace);
    QFETCH(Offsets, offsets);
    QFETCH(QList<int>, parked);

    Board b;
    QCOMPARE(run(b, script), status);
    QCOMPARE(int(b.SelectedFace()), selectedFace);
    QCOMPARE(int(b.PairsRemoved()), parked.size() / 2);
    QCOMPARE(b.GameWon(), parked.size() == Board::kPositions ? -1 : 0);
    for (int p = 0; p < Board::kPositions; ++p) {
        const QPointF design(board::layout::kPlaces[p].left, board::layout::kPlaces[p].top);
        const QPointF expected =
            parked.contains(p) ? QPointF(-2000, -2000) : design + offsets.value(p);
        QCOMPARE(QPointF(b.Left(p), b.Top(p)), expected);
        // Removal keeps the face.
        if (script.startsWith(QLatin1Char('D')))
            QCOMPARE(int(b.FaceAt(p)), p % 44 + 1);
    }
}

void ClickTest::takingAPairReleasesItsNeighbours()
{
    Board b;
    run(b, QStringLiteral("D"));
    QVERIFY(!b.IsFree(97));
    QVERIFY(!b.IsFree(35));
    // 98 (11) with 99 (12): 98 held 97 from below and lay on 35 and 45.
    run(b, QStringLiteral("98 99"));
    QCOMPARE(b.BlockedBelow(97), 0);
    QCOMPARE(b.Covered(35), 0);
    QCOMPARE(b.Covered(45), 0);
    QCOMPARE(b.Covered(47), 0); // under 99
    QCOMPARE(b.BlockedAbove(100), 0);
    QVERIFY(b.IsFree(97));
    QVERIFY(b.IsFree(35));
    // The removed positions keep their own flags: 98 still reads "held from above".
    QCOMPARE(b.BlockedAbove(98), -1);
    // Taken back, the pair holds its neighbours again.
    board::History history;
    Board before = b;
    b.ClickTile(126);
    history.recordClick(126, before, b);
    before = b;
    b.ClickTile(83);
    history.recordClick(83, before, b);
    QCOMPARE(b.Covered(103), 0); // under 126
    QCOMPARE(b.BlockedBelow(82), 0);
    QCOMPARE(history.pairs(), board::Line({{126, 83}}));
    b = history.takeBack();
    QCOMPARE(b.Covered(103), -1);
    QCOMPARE(b.BlockedBelow(82), -1);
    QCOMPARE(b.PairsRemoved(), 1);
    QVERIFY(!b.IsRemoved(126) && !b.IsRemoved(83) && b.IsRemoved(98));
    QVERIFY(history.pairs().empty());
}

QTEST_GUILESS_MAIN(ClickTest)
#include "tst_click.moc"
