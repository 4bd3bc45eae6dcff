// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The board's starting flags, the free test and the removal update.

// Local
#include "board/board.h"
#include "board/layout.h"
#include "board/random.h"

// Qt
#include <QTest>

// Standard library
#include <algorithm>
#include <random>
#include <set>
#include <vector>

using board::Board;
namespace layout = board::layout;

namespace {

using Positions = std::vector<int>;

Positions range(int first, int last)
{
    Positions out;
    for (int p = first; p <= last; ++p)
        out.push_back(p);
    return out;
}

Positions join(std::initializer_list<Positions> parts)
{
    Positions out;
    for (const Positions& part : parts)
        out.insert(out.end(), part.begin(), part.end());
    return out;
}

// One flag entry of the board tables, e.g. {'A', 85} for BlockedAbove(85).
struct Entry
{
    char table; // 'A' BlockedAbove, 'B' BlockedBelow, 'C' Covered
    int position;
    friend auto operator<=>(const Entry&, const Entry&) = default;
};
using Entries = std::set<Entry>;

board::Flag flag(const Board& b, Entry e)
{
    switch (e.table) {
    case 'A':
        return b.BlockedAbove(e.position);
    case 'B':
        return b.BlockedBelow(e.position);
    default:
        return b.Covered(e.position);
    }
}

Entries setEntries(const Board& b)
{
    Entries out;
    for (char table : {'A', 'B', 'C'})
        for (int p = 0; p < Board::kPositions; ++p)
            if (flag(b, {table, p}) != 0)
                out.insert({table, p});
    return out;
}

QString describe(const Entries& entries)
{
    QStringList parts;
    for (const Entry& e : entries)
        parts << QStringLiteral("%1(%2)").arg(QLatin1Char(e.table)).arg(e.position);
    return parts.join(QLatin1Char(' '));
}

Positions freePositions(const Board& b)
{
    Positions out;
    for (int p = 0; p < Board::kPositions; ++p)
        if (b.IsFree(p))
            out.push_back(p);
    return out;
}

} // namespace

Q_DECLARE_METATYPE(Entries)

class FreeRuleTest : public QObject
{
    Q_OBJECT

private slots:
    void layoutPlacesUpperTilesOnTheirSupports();
    void startsWithTheDesignedFlags();
    void startsWithExactly33FreePositions();
    void startsWithTheMiddleOfLayerOneHeldFromOutside();
    void releaseClearsExactlyTheNeighbourFlags_data();
    void releaseClearsExactlyTheNeighbourFlags();
    void randomRemovalOrdersKeepTheFlagInvariants();
    void secondLoadAfterPlayGivesTheFirstLoadsState();
};

void FreeRuleTest::layoutPlacesUpperTilesOnTheirSupports()
{
    // A tile resting on a single tile is drawn 120 twips right of and above it; a slip in the
    // run tables or the support table breaks this.
    int checked = 0;
    for (int p = 0; p < Board::kPositions; ++p) {
        const layout::Rests& rests = layout::kRests[p];
        if (rests.count != 1)
            continue;
        const int q = rests.on[0];
        QCOMPARE(layout::kLayers[p], layout::kLayers[q] + 1);
        QCOMPARE(layout::kPlaces[p].left, layout::kPlaces[q].left + 120);
        QCOMPARE(layout::kPlaces[p].top, layout::kPlaces[q].top - 120);
        ++checked;
    }
    QCOMPARE(checked, 56);
    QCOMPARE(layout::kPlaces[72].left, 6900);
    QCOMPARE(layout::kPlaces[72].top, 1260);
    QCOMPARE(layout::kPlaces[9].top, 6000);
    QCOMPARE(layout::kPlaces[98].top, 5880);
    QCOMPARE(layout::kPlaces[131].left, 4500);
}

void FreeRuleTest::startsWithTheDesignedFlags()
{
    const Board b;
    const Positions bothSides = join(
        {range(1, 8), range(11, 16), range(19, 24), range(27, 34), range(37, 44), range(47, 52),
         range(55, 60), range(63, 70), range(73, 76), range(79, 82), range(85, 97), range(100, 103),
         range(106, 109), range(112, 113), range(116, 117), range(120, 121), range(124, 125)});
    const Positions covered =
        join({range(11, 16), range(19, 24), range(27, 35), range(37, 45), range(47, 52),
              range(55, 60), range(79, 82), range(86, 89), range(92, 95), range(100, 103),
              range(116, 117), range(120, 121), range(127, 130)});
    Entries expected;
    for (int p : bothSides)
        expected.insert({'A', p}), expected.insert({'B', p});
    expected.insert({'A', 98});
    for (int p : covered)
        expected.insert({'C', p});

    const Entries actual = setEntries(b);
    QCOMPARE(describe(actual), describe(expected));
    QCOMPARE(std::count_if(actual.begin(), actual.end(), [](Entry e) { return e.table == 'A'; }),
             94);
    QCOMPARE(std::count_if(actual.begin(), actual.end(), [](Entry e) { return e.table == 'B'; }),
             93);
    QCOMPARE(std::count_if(actual.begin(), actual.end(), [](Entry e) { return e.table == 'C'; }),
             66);
    for (int p = 0; p < Board::kPositions; ++p) {
        for (board::Flag f : {b.BlockedAbove(p), b.BlockedBelow(p), b.Covered(p)})
            QVERIFY(f == 0 || f == -1);
        QCOMPARE(b.FaceAt(p), 0);
        QCOMPARE(b.Placed(p), 0);
    }
    QCOMPARE(b.PlacedCount(), -1);
    QCOMPARE(b.CurrentFace(), 0);
    QCOMPARE(b.SelectedFace(), -1);
    QCOMPARE(b.ClickedFace(), -1);
    QCOMPARE(b.PairsRemoved(), 0);
    QCOMPARE(b.GameWon(), 0);
    QCOMPARE(b.Started(), 0);
    QCOMPARE(b.DealTime(), 0.0f);
}

void FreeRuleTest::startsWithExactly33FreePositions()
{
    const Positions expected{0,   9,   10,  17,  18,  25,  26,  36,  46,  53,  54,
                             61,  62,  71,  72,  77,  78,  83,  84,  98,  99,  104,
                             105, 110, 111, 114, 115, 118, 119, 122, 123, 126, 131};
    QCOMPARE(freePositions(Board()), expected);
}

void FreeRuleTest::startsWithTheMiddleOfLayerOneHeldFromOutside()
{
    const Board b;
    // 35 and 45 end their columns, but 98 rests on them.
    for (int p : {35, 45}) {
        QCOMPARE(b.Covered(p), -1);
        QVERIFY(!b.IsFree(p));
    }
    const auto& under98 = layout::kRests[98].positions();
    QCOMPARE(Positions(under98.begin(), under98.end()), (Positions{35, 45}));
    QVERIFY(b.IsFree(84));
    QVERIFY(b.IsFree(98));
    for (int p : {85, 90, 91, 96, 97}) {
        QCOMPARE(b.BlockedAbove(p), -1);
        QCOMPARE(b.BlockedBelow(p), -1);
    }
    for (int p = 127; p <= 130; ++p)
        QVERIFY(!b.IsFree(p));
}

void FreeRuleTest::releaseClearsExactlyTheNeighbourFlags_data()
{
    QTest::addColumn<int>("removed");
    QTest::addColumn<Entries>("cleared");

    // The column of ten, 0..9.
    QTest::newRow("head 0 opens 1 from above") << 0 << Entries{{'A', 1}};
    QTest::newRow("1 opens 2; 0 is a head") << 1 << Entries{{'A', 2}};
    QTest::newRow("5 opens 6 and 4") << 5 << Entries{{'A', 6}, {'B', 4}};
    QTest::newRow("8 opens 7; 9 is a tail") << 8 << Entries{{'B', 7}};
    QTest::newRow("tail 9 opens 8 from below") << 9 << Entries{{'B', 8}};
    // A column of eight, and a layer-1 column ending on layer 0.
    QTest::newRow("head 10 opens 11") << 10 << Entries{{'A', 11}};
    QTest::newRow("tail 35 opens 34") << 35 << Entries{{'B', 34}};
    QTest::newRow("72 opens 73 and uncovers 11") << 72 << Entries{{'A', 73}, {'C', 11}};
    QTest::newRow("77 opens 76 and uncovers 16") << 77 << Entries{{'B', 76}, {'C', 16}};
    // The middle of layer 1.
    QTest::newRow("84 opens the heads 85 and 91")
        << 84 << Entries{{'A', 85}, {'A', 91}, {'C', 27}, {'C', 37}};
    QTest::newRow("97 opens the tails 90 and 96")
        << 97 << Entries{{'B', 90}, {'B', 96}, {'C', 34}, {'C', 44}};
    QTest::newRow("98 opens 97") << 98 << Entries{{'B', 97}, {'C', 35}, {'C', 45}};
    QTest::newRow("85 opens 86 only") << 85 << Entries{{'A', 86}, {'C', 28}};
    QTest::newRow("86 leaves the head 85 held") << 86 << Entries{{'A', 87}, {'C', 29}};
    QTest::newRow("89 leaves the tail 90 held") << 89 << Entries{{'B', 88}, {'C', 32}};
    QTest::newRow("90 opens 89 only") << 90 << Entries{{'B', 89}, {'C', 33}};
    QTest::newRow("91 opens 92 only") << 91 << Entries{{'A', 92}, {'C', 38}};
    QTest::newRow("92 leaves the head 91 held") << 92 << Entries{{'A', 93}, {'C', 39}};
    QTest::newRow("95 leaves the tail 96 held") << 95 << Entries{{'B', 94}, {'C', 42}};
    QTest::newRow("96 opens 95 only") << 96 << Entries{{'B', 95}, {'C', 43}};
    // Layer 2: a column of four.
    QTest::newRow("head 111 opens 112") << 111 << Entries{{'A', 112}, {'C', 79}};
    QTest::newRow("112 opens 113; 111 is a head") << 112 << Entries{{'A', 113}, {'C', 80}};
    QTest::newRow("113 opens 112; 114 is a tail") << 113 << Entries{{'B', 112}, {'C', 81}};
    // Layer 3: columns of two have no inner position and clear nothing sideways.
    QTest::newRow("127 only uncovers 116") << 127 << Entries{{'C', 116}};
    QTest::newRow("128 only uncovers 117") << 128 << Entries{{'C', 117}};
    QTest::newRow("129 only uncovers 120") << 129 << Entries{{'C', 120}};
    QTest::newRow("130 only uncovers 121") << 130 << Entries{{'C', 121}};
    QTest::newRow("131 uncovers layer 3")
        << 131 << Entries{{'C', 127}, {'C', 128}, {'C', 129}, {'C', 130}};
}

void FreeRuleTest::releaseClearsExactlyTheNeighbourFlags()
{
    QFETCH(int, removed);
    QFETCH(Entries, cleared);

    Board b;
    const Entries before = setEntries(b);
    b.ReleaseNeighbours(removed);
    const Entries after = setEntries(b);

    QVERIFY(std::includes(before.begin(), before.end(), after.begin(), after.end()));
    Entries actual;
    std::set_difference(before.begin(), before.end(), after.begin(), after.end(),
                        std::inserter(actual, actual.end()));
    QCOMPARE(describe(actual), describe(cleared));
}

void FreeRuleTest::randomRemovalOrdersKeepTheFlagInvariants()
{
    std::mt19937 rng(20261207);
    for (int run = 0; run < 300; ++run) {
        Board b;
        std::vector<bool> removed(Board::kPositions, false);
        Entries previous = setEntries(b);

        for (int step = 0; step < Board::kPositions; ++step) {
            Positions candidates;
            for (int p = 0; p < Board::kPositions; ++p)
                if (!removed[p] && b.IsFree(p))
                    candidates.push_back(p);
            // Some tile is always free while any stands: the layout never locks up.
            QVERIFY2(!candidates.empty(),
                     qPrintable(QStringLiteral("run %1 stuck at step %2").arg(run).arg(step)));
            const int p =
                candidates[std::uniform_int_distribution<int>(0, int(candidates.size()) - 1)(rng)];

            b.ReleaseNeighbours(p);
            removed[p] = true;

            const Entries now = setEntries(b);
            // Flags only ever go from -1 to 0, and the removal leaves the removed position's own
            // entries alone (a later neighbour's removal may still clear them).
            QVERIFY(std::includes(previous.begin(), previous.end(), now.begin(), now.end()));
            for (char table : {'A', 'B', 'C'})
                QCOMPARE(now.count({table, p}), previous.count({table, p}));
            // A position stays blocked while any tile resting on it stands.
            for (int upper = 0; upper < Board::kPositions; ++upper) {
                if (removed[upper])
                    continue;
                for (int q : layout::kRests[upper].positions())
                    QVERIFY2(!b.IsFree(q),
                             qPrintable(QStringLiteral("%1 free under %2").arg(q).arg(upper)));
            }
            previous = now;
        }
    }
}

void FreeRuleTest::secondLoadAfterPlayGivesTheFirstLoadsState()
{
    const Board fresh;
    Board b;
    board::Random random(7);
    b.Deal(random, QStringLiteral("1"), 100.0f);
    // Remove pairs the hint points out, leave a tile lifted, and shift a hinted pair.
    for (int pairs = 0; pairs < 10; ++pairs) {
        const board::Outcome hint = b.Hint();
        if (hint.moves.size() != 2)
            break;
        b.ClickTile(hint.moves[0].position);
        b.ClickTile(hint.moves[1].position);
    }
    QVERIFY(b.PairsRemoved() > 0);
    b.Hint();
    for (int p = Board::kPositions - 1; p >= 0; --p)
        if (!b.IsRemoved(p) && b.IsFree(p)) {
            b.ClickTile(p);
            break;
        }

    b.Form_Load();
    QCOMPARE(describe(setEntries(b)), describe(setEntries(fresh)));
    for (int p = 0; p < Board::kPositions; ++p) {
        QCOMPARE(b.FaceAt(p), 0);
        QCOMPARE(b.Placed(p), 0);
        QVERIFY(b.PlaceOf(p) == fresh.PlaceOf(p));
    }
    QCOMPARE(b.PlacedCount(), fresh.PlacedCount());
    QCOMPARE(b.CurrentFace(), fresh.CurrentFace());
    QCOMPARE(b.PickedSlot(), fresh.PickedSlot());
    QCOMPARE(b.DealTime(), fresh.DealTime());
    QCOMPARE(b.Started(), fresh.Started());
    QCOMPARE(b.SelectedFace(), fresh.SelectedFace());
    QCOMPARE(b.ClickedFace(), fresh.ClickedFace());
    QCOMPARE(b.PairsRemoved(), fresh.PairsRemoved());
    QCOMPARE(b.GameWon(), fresh.GameWon());
}

QTEST_GUILESS_MAIN(FreeRuleTest)
#include "tst_freerule.moc"
