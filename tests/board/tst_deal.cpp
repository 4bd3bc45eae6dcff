// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The deal, and whole games played through the board library.

// Local
#include "board/board.h"
#include "board/random.h"
#include "tests/support/playing.h"

// Qt
#include <QTest>

using board::Board;

namespace {

// A deal that can be cleared, though taking the hint's pair every time leads to a dead end.
constexpr std::uint32_t kClearableSeed = 2;

} // namespace

class DealTest : public QObject
{
    Q_OBJECT

private slots:
    void dealsEveryFaceThreeTimesOntoEveryPlace_data();
    void dealsEveryFaceThreeTimesOntoEveryPlace();
    void placesTheTilesWhereTheDrawsSay();
    void roundsTheSlotHalfToEven_data();
    void roundsTheSlotHalfToEven();
    void wholeGameIsWonAtTheSixtySixthPair();
};

void DealTest::dealsEveryFaceThreeTimesOntoEveryPlace_data()
{
    QTest::addColumn<std::uint32_t>("seed");
    QTest::addColumn<QString>("cardSet");
    QTest::newRow("seed 1, set 1") << 1u << "1";
    QTest::newRow("seed 2, empty set name") << 2u << "";
    QTest::newRow("seed 4242, Cyrillic name") << 4242u << "Рыбы";
}

void DealTest::dealsEveryFaceThreeTimesOntoEveryPlace()
{
    QFETCH(std::uint32_t, seed);
    QFETCH(QString, cardSet);
    Board b;
    board::Random random(seed);
    const board::Outcome outcome = b.Deal(random, cardSet, 3723.5f);

    std::array<int, Board::kFaces + 1> count{};
    for (int p = 0; p < Board::kPositions; ++p) {
        QCOMPARE(b.Placed(p), -1);
        QVERIFY(b.FaceAt(p) >= 1 && b.FaceAt(p) <= Board::kFaces);
        ++count[b.FaceAt(p)];
    }
    for (int face = 1; face <= Board::kFaces; ++face)
        QCOMPARE(count[face], 3);
    QCOMPARE(b.PlacedCount(), 132);
    QCOMPARE(b.CurrentFace(), 1);
    QCOMPARE(b.Started(), 1);
    QCOMPARE(b.DealTime(), 3723.5f);
    QVERIFY(outcome.status);
    QCOMPARE(*outcome.status, cardSet);
    // The deal shows pictures; it moves no tile and keeps any selection.
    QVERIFY(outcome.moves.isEmpty());
}

void DealTest::placesTheTilesWhereTheDrawsSay()
{
    // Tile k goes to the first empty position drawn and gets face (k - 1) mod 44 + 1. Face 1 to
    // position 5; face 2 draws 5 again, which is taken, and goes to 9; face 3 to 0; the rest fill
    // 1, 2, 3, 4, 6, 7, 8, 10, 11, ... in turn, so the 45th tile (face 1 again) lands on 44 and
    // the last (face 44) on 131.
    std::vector<float> draws{testing::drawForPosition(5), testing::drawForPosition(5),
                             testing::drawForPosition(9), testing::drawForPosition(0)};
    for (int p = 1; p < Board::kPositions - 1; ++p)
        if (p != 5 && p != 9)
            draws.push_back(testing::drawForPosition(p));
    draws.push_back(testing::drawForSlot(130.75f));
    testing::ScriptedRandom random(draws);
    Board b;
    b.Deal(random, QStringLiteral("1"), 0.0f);

    QCOMPARE(random.used(), std::size_t(133));
    QCOMPARE(b.FaceAt(5), 1);
    QCOMPARE(b.FaceAt(9), 2);
    QCOMPARE(b.FaceAt(0), 3);
    QCOMPARE(b.FaceAt(1), 4);
    QCOMPARE(b.FaceAt(6), 8);
    QCOMPARE(b.FaceAt(44), 1);
    QCOMPARE(b.FaceAt(45), 2);
    QCOMPARE(b.FaceAt(131), 44);
    QCOMPARE(b.PickedSlot(), 130.75f);
}

void DealTest::roundsTheSlotHalfToEven_data()
{
    QTest::addColumn<float>("slot");
    QTest::addColumn<int>("position");
    QTest::newRow("0.5 goes to 0") << 0.5f << 0;
    QTest::newRow("1.5 goes to 2") << 1.5f << 2;
    QTest::newRow("2.5 goes to 2") << 2.5f << 2;
    QTest::newRow("130.5 goes to 130") << 130.5f << 130;
    QTest::newRow("130.75 goes to 131") << 130.75f << 131;
    QTest::newRow("0.25 goes to 0") << 0.25f << 0;
}

void DealTest::roundsTheSlotHalfToEven()
{
    QFETCH(float, slot);
    QFETCH(int, position);
    // The first tile (face 1) goes wherever the first draw says.
    std::vector<float> draws{testing::drawForSlot(slot)};
    for (int p = 0; p < Board::kPositions; ++p)
        if (p != position)
            draws.push_back(testing::drawForPosition(p));
    testing::ScriptedRandom random(draws);
    Board b;
    b.Deal(random, QStringLiteral("1"), 0.0f);
    QCOMPARE(b.FaceAt(position), 1);
    QCOMPARE(random.used(), draws.size());
}

void DealTest::wholeGameIsWonAtTheSixtySixthPair()
{
    Board b;
    board::Random random(kClearableSeed);
    b.Deal(random, QStringLiteral("1"), 0.0f);

    const std::vector<testing::Pair> order = testing::clearingOrder(b);
    QCOMPARE(int(order.size()), Board::kPairs);
    // The hint's pairs alone run into a dead end on this deal; the search had to step aside.
    Board greedy = b;
    while (true) {
        const board::Outcome hint = greedy.Hint();
        if (hint.moves.size() != 2)
            break;
        greedy.ClickTile(hint.moves[0].position);
        greedy.ClickTile(hint.moves[1].position);
    }
    QVERIFY(greedy.PairsRemoved() < Board::kPairs);

    for (std::size_t n = 0; n < order.size(); ++n) {
        const auto [first, second] = order[n];
        QCOMPARE(*b.ClickTile(first).status, QStringLiteral("OK!"));
        const board::Outcome taken = b.ClickTile(second);
        QCOMPARE(int(b.PairsRemoved()), int(n) + 1);
        QCOMPARE(taken.moves.size(), 2);
        QVERIFY(b.IsRemoved(first) && b.IsRemoved(second));
        const bool last = n + 1 == order.size();
        QCOMPARE(taken.celebrationStarts, last);
        QCOMPARE(*taken.status, last ? QStringLiteral("Поздравляем!!!") : QStringLiteral("OK!"));
    }
    QCOMPARE(b.GameWon(), -1);
    for (int p = 0; p < Board::kPositions; ++p) {
        QCOMPARE(b.Left(p), -2000.0f);
        QCOMPARE(b.Top(p), -2000.0f);
    }
    QCOMPARE(*b.Hint().status, QStringLiteral("Нет свободных пар"));
    b.Form_Unload();
    QCOMPARE(b.GameWon(), 0);
}

QTEST_GUILESS_MAIN(DealTest)
#include "tst_deal.moc"
