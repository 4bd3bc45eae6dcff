// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

// HINT: which pair it points out, and when it finds none.

// Local
#include "board/board.h"
#include "board/layout.h"
#include "board/random.h"
#include "tests/support/playing.h"

// Qt
#include <QTest>

using board::Board;

namespace {

const QString kNoPairs = QStringLiteral("Нет свободных пар");

// The free tiles of a new board hold no pair but this: 54 (face 4) over 36 (face 4) over
// 18 (face 3). Every other free tile has an odd face whose even partner lies blocked.
testing::Arrangement threeFours()
{
    const Board fresh;
    std::array<int, Board::kFaces + 1> left;
    left.fill(3);
    testing::Arrangement faces{};
    faces[54] = 4, faces[36] = 4, faces[18] = 3;
    --left[4], --left[4], --left[3];
    int odd = 5;
    for (int p = 0; p < Board::kPositions; ++p) {
        if (!fresh.IsFree(p) || p == 54 || p == 36 || p == 18)
            continue;
        faces[p] = odd;
        --left[odd];
        odd = odd == 43 ? 5 : odd + 2;
    }
    int face = 1;
    for (int p = 0; p < Board::kPositions; ++p) {
        if (faces[p] != 0)
            continue;
        while (left[face] == 0)
            ++face;
        faces[p] = face;
        --left[face];
    }
    return faces;
}

// The tiles the hint moved; a tile moved other than 300 twips right and up shows as -1.
QList<int> moved(const board::Outcome& outcome)
{
    QList<int> positions;
    for (const board::TileMove& move : outcome.moves) {
        const bool shifted =
            move.to.left - move.from.left == 300.0f && move.to.top - move.from.top == -300.0f;
        positions << (shifted ? move.position : -1);
    }
    return positions;
}

} // namespace

class HintTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void offersTheHighestTileWithAFreePartnerAndItsHighestPartner();
    void shiftsTheSamePairAgainWhenPressedTwice();
    void neverOffersARemovedTile();
    void aTileShiftedToTheParkingRowStillStands();
    void findsNothingBeforeTheDeal();
    void leavesTheSelectionAlone();

private:
    Board board_;
};

void HintTest::init()
{
    board_ = Board();
    testing::dealArrangement(board_, threeFours());
}

void HintTest::offersTheHighestTileWithAFreePartnerAndItsHighestPartner()
{
    const board::Outcome hint = board_.Hint();
    QCOMPARE(moved(hint), (QList<int>{54, 18}));
    // The status box keeps what it showed.
    QVERIFY(!hint.status);
    QCOMPARE(board_.PartnerStep(), 1);
    QCOMPARE(board_.PlaceOf(54).left, board::layout::kPlaces[54].left + 300.0f);
    QCOMPARE(board_.PlaceOf(54).top, board::layout::kPlaces[54].top - 300.0f);
}

void HintTest::shiftsTheSamePairAgainWhenPressedTwice()
{
    board_.Hint();
    QCOMPARE(moved(board_.Hint()), (QList<int>{54, 18}));
    for (int p : {54, 18}) {
        QCOMPARE(board_.Left(p), board::layout::kPlaces[p].left + 600.0f);
        QCOMPARE(board_.Top(p), board::layout::kPlaces[p].top - 600.0f);
    }
}

void HintTest::neverOffersARemovedTile()
{
    board_.ClickTile(54);
    board_.ClickTile(18);
    QCOMPARE(board_.PairsRemoved(), 1);
    // 36 (face 4) still stands free, and the removed 18 (face 3) still tests free.
    QVERIFY(board_.IsFree(18) && board_.IsFree(36));
    const board::Outcome hint = board_.Hint();
    QVERIFY(hint.moves.isEmpty());
    QCOMPARE(*hint.status, kNoPairs);
}

void HintTest::aTileShiftedToTheParkingRowStillStands()
{
    // Seed 4's hint shifts 111 (Top 1800): lifted by a click to 1600, twelve presses bring it to
    // exactly -2000, where the taken tiles stand.
    Board b;
    board::Random random(4);
    b.Deal(random, QStringLiteral("1"), 0.0f);
    b.ClickTile(111);
    for (int press = 0; press < 12; ++press)
        QVERIFY(moved(b.Hint()).contains(111));
    QCOMPARE(b.Top(111), -2000.0f);
    QVERIFY(!b.IsRemoved(111));
    QVERIFY(moved(b.Hint()).contains(111));
    QCOMPARE(b.SelectedPosition(), 111);
}

void HintTest::findsNothingBeforeTheDeal()
{
    Board undealt;
    const board::Outcome hint = undealt.Hint();
    QVERIFY(hint.moves.isEmpty());
    QCOMPARE(*hint.status, kNoPairs);
}

void HintTest::leavesTheSelectionAlone()
{
    board_.ClickTile(131);
    const board::Outcome hint = board_.Hint();
    QCOMPARE(moved(hint), (QList<int>{54, 18}));
    QCOMPARE(board_.SelectedPosition(), 131);
    QCOMPARE(board_.SelectedFace(), board_.FaceAt(131));
}

QTEST_GUILESS_MAIN(HintTest)
#include "tst_hint.moc"
