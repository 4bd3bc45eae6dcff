// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the arrow keys move the focus ring, on a board where every tile stands.

// Local
#include "board/board.h"
#include "windows/tilenavigation.h"

// Qt
#include <QTest>

Q_DECLARE_METATYPE(Arrow)

class TileNavigationTest : public QObject
{
    Q_OBJECT

private slots:
    void arrowsMoveBetweenTilesThePlayerSees_data();
    void arrowsMoveBetweenTilesThePlayerSees();
    void theRingStartsNearestThePoint();

private:
    // What a player sees of a full board: every tile that nothing rests on.
    static SeenTiles fullBoard()
    {
        const board::Board board;
        SeenTiles tiles;
        for (int p = board::Board::kPositions - 1; p >= 0; --p)
            if (board.Covered(p) == 0)
                tiles.append({p, board.PlaceOf(p)});
        return tiles;
    }
};

void TileNavigationTest::arrowsMoveBetweenTilesThePlayerSees_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<Arrow>("arrow");
    QTest::addColumn<int>("to");
    QTest::newRow("down a column") << 62 << Arrow::Down << 63;
    QTest::newRow("up a column") << 63 << Arrow::Up << 62;
    QTest::newRow("right along the top row") << 62 << Arrow::Right << 36;
    QTest::newRow("left along the top row") << 0 << Arrow::Left << 26;
    QTest::newRow("right into a lower row") << 63 << Arrow::Right << 54;
    QTest::newRow("along a row over a gap") << 54 << Arrow::Right << 46;
    QTest::newRow("down onto the next layer") << 54 << Arrow::Down << 105;
    // 115 lies half a tile aside, 85 and 84 further up in the same line, 111 and 119 out of it.
    QTest::newRow("up from the top tile") << 131 << Arrow::Up << 115;
    QTest::newRow("nothing beyond the edge") << 0 << Arrow::Right << -1;
    QTest::newRow("nothing above the top row") << 0 << Arrow::Up << -1;
}

void TileNavigationTest::arrowsMoveBetweenTilesThePlayerSees()
{
    QFETCH(int, from);
    QFETCH(Arrow, arrow);
    QFETCH(int, to);
    const board::Board board;
    QCOMPARE(tileToward(fullBoard(), from, board.PlaceOf(from), arrow), to);
}

void TileNavigationTest::theRingStartsNearestThePoint()
{
    // 62 stands at (300, 60), the tile nearest the board's top-left corner; 71 at its bottom.
    QCOMPARE(nearestTile(fullBoard(), QPointF(0, 0)), 62);
    QCOMPARE(nearestTile(fullBoard(), QPointF(0, 7000)), 71);
    QCOMPARE(nearestTile(SeenTiles(), QPointF(0, 0)), -1);
}

QTEST_APPLESS_MAIN(TileNavigationTest)
#include "tst_tilenavigation.moc"
