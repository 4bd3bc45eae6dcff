// The deal, and whole games played through the board library.

// Local
#include "board/board.h"
#include "board/random.h"
#include "tests/support/playing.h"

// Qt
#include <QTest>

// Standard library
#include <cmath>

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
    // Replay the generator by hand: tile k goes to the first empty slot drawn, with face
    // (k - 1) mod 44 + 1. So the first tile has face 1, the 45th face 1 again, the 132nd face 44.
    Board b;
    board::Random random(99);
    b.Deal(random, QStringLiteral("1"), 0.0f);

    board::Random replay(99);
    std::array<bool, Board::kPositions> taken{};
    std::vector<int> order;
    float lastSlot = 0;
    for (int k = 1; k <= Board::kPositions; ++k) {
        int p;
        do {
            lastSlot = replay.next() * 131.0f;
            p = int(std::nearbyint(lastSlot));
        } while (taken[p]);
        taken[p] = true;
        order.push_back(p);
        QCOMPARE(int(b.FaceAt(p)), (k - 1) % 44 + 1);
    }
    QCOMPARE(b.FaceAt(order[0]), 1);
    QCOMPARE(b.FaceAt(order[44]), 1);
    QCOMPARE(b.FaceAt(order[131]), 44);
    QCOMPARE(b.PickedSlot(), lastSlot);
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
