// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The circles of the victory show.

// Local
#include "board/board.h"
#include "board/circle.h"
#include "board/random.h"
#include "tests/support/playing.h"

// Qt
#include <QTest>

using Draws = std::array<float, 7>;
Q_DECLARE_METATYPE(Draws)

namespace {

constexpr float kAlmostOne = 0x1.fffffep-1f; // the largest float below 1

} // namespace

class CelebrationTest : public QObject
{
    Q_OBJECT

private slots:
    void makesTheCircleFromTheSevenDraws_data();
    void makesTheCircleFromTheSevenDraws();
    void staysWithinItsBoundsOverManySteps();
    void drawsNothingOnceTheWindowUnloads();
};

void CelebrationTest::makesTheCircleFromTheSevenDraws_data()
{
    QTest::addColumn<Draws>("u");
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<float>("radius");
    QTest::addColumn<int>("width");
    QTest::addColumn<QColor>("colour");

    // A window of 9000 x 6000 twips: its middle is at 4500, 3000.
    QTest::newRow("all draws 0") << Draws{0, 0, 0, 0, 0, 0, 0} << 4380.0f << 2880.0f << 0.0f << 1
                                 << QColor(0, 0, 0);
    // The centre rounds up to the middle itself; the radius stays just below 0.8 y + 1 = 2401.
    QTest::newRow("all draws just below 1")
        << Draws{kAlmostOne, kAlmostOne, kAlmostOne, kAlmostOne, kAlmostOne, kAlmostOne, kAlmostOne}
        << 4500.0f << 3000.0f << 2400.99976f << 21 << QColor(255, 255, 255);
    // Each draw has its own use, in order: red, green, blue, x, y, radius, width.
    QTest::newRow("each draw its own part")
        << Draws{0.25f, 0.5f, 0.75f, 0.5f, 0.25f, 0.5f, 0.375f} << 4440.0f << 2910.0f << 1164.5f
        << 8 << QColor(64, 128, 191);
    // Halves go to the even neighbour: 127.5 -> 128, 8.5 -> 8, 63.75 -> 64.
    QTest::newRow("ties to even") << Draws{0.5f, 0.0625f, 0.25f, 0, 0, 0, 0.375f} << 4380.0f
                                  << 2880.0f << 0.0f << 8 << QColor(128, 16, 64);
}

void CelebrationTest::makesTheCircleFromTheSevenDraws()
{
    QFETCH(Draws, u);
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(float, radius);
    QFETCH(int, width);
    QFETCH(QColor, colour);

    const board::Circle c = board::circleFromDraws(u, 9000, 6000);
    QCOMPARE(c.x, x);
    QCOMPARE(c.y, y);
    QCOMPARE(c.radius, radius);
    QCOMPARE(c.width, width);
    QCOMPARE(QColor(c.red, c.green, c.blue), colour);

    // The step draws the same seven numbers in the same order.
    board::Board won;
    board::Random random(2);
    won.Deal(random, QStringLiteral("1"), 0);
    for (const auto& [first, second] : testing::clearingOrder(won)) {
        won.ClickTile(first);
        won.ClickTile(second);
    }
    QCOMPARE(won.GameWon(), -1);
    testing::ScriptedRandom scripted({u.begin(), u.end()});
    const std::optional<board::Circle> step = won.CelebrationStep(scripted, 9000, 6000);
    QVERIFY(step);
    QCOMPARE(scripted.used(), std::size_t(7));
    QCOMPARE(step->x, x);
    QCOMPARE(step->radius, radius);
    QCOMPARE(QColor(step->red, step->green, step->blue), colour);
}

void CelebrationTest::staysWithinItsBoundsOverManySteps()
{
    board::Random random(31337);
    for (int step = 0; step < 100000; ++step) {
        Draws u;
        for (float& draw : u)
            draw = random.next();
        const float w = 1000 + 20000 * u[0];
        const float h = 1000 + 15000 * u[1];
        const board::Circle c = board::circleFromDraws(u, w, h);
        QVERIFY(c.x >= w / 2 - 120 && c.x <= w / 2);
        QVERIFY(c.y >= h / 2 - 120 && c.y <= h / 2);
        QVERIFY(c.radius >= 0 && c.radius < 0.8f * c.y + 1);
        QVERIFY(c.width >= 1 && c.width <= 21);
        for (int part : {c.red, c.green, c.blue})
            QVERIFY(part >= 0 && part <= 255);
    }
}

void CelebrationTest::drawsNothingOnceTheWindowUnloads()
{
    board::Board b;
    board::Random random(2);
    QVERIFY(!b.CelebrationStep(random, 9000, 6000)); // no show before a win
    b.Deal(random, QStringLiteral("1"), 0);
    for (const auto& [first, second] : testing::clearingOrder(b)) {
        b.ClickTile(first);
        b.ClickTile(second);
    }
    QVERIFY(b.CelebrationStep(random, 9000, 6000));
    QVERIFY(b.CelebrationStep(random, 9000, 6000));
    b.Form_Unload();
    QVERIFY(!b.CelebrationStep(random, 9000, 6000));
}

QTEST_GUILESS_MAIN(CelebrationTest)
#include "tst_celebration.moc"
