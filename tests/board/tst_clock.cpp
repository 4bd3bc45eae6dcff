// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The clock's text.

// Local
#include "board/board.h"
#include "board/elapsedtime.h"
#include "board/random.h"

// Qt
#include <QTest>

class ClockTest : public QObject
{
    Q_OBJECT

private slots:
    void showsMinutesAndSecondsSinceTheDeal_data();
    void showsMinutesAndSecondsSinceTheDeal();
    void followsTheTimeOfDayBeforeTheDeal();
};

void ClockTest::showsMinutesAndSecondsSinceTheDeal_data()
{
    QTest::addColumn<float>("dealTime");
    QTest::addColumn<float>("now");
    QTest::addColumn<QString>("text");

    QTest::newRow("right after the deal") << 50000.25f << 50000.25f << "     0:0";
    QTest::newRow("59.9 seconds") << 0.0f << 59.9f << "     0:59";
    QTest::newRow("a minute") << 100.5f << 160.5f << "     1:0";
    QTest::newRow("125 seconds, no leading zero") << 1000.0f << 1125.0f << "     2:5";
    QTest::newRow("an hour") << 7200.0f << 10800.0f << "     60:0";
    QTest::newRow("past the hour") << 0.0f << 5000.0f << "     83:20";
    QTest::newRow("across midnight") << 86399.5f << 0.5f << "     0:1";
    QTest::newRow("across midnight, minutes") << 86000.0f << 400.0f << "     13:20";
}

void ClockTest::showsMinutesAndSecondsSinceTheDeal()
{
    QFETCH(float, dealTime);
    QFETCH(float, now);
    QFETCH(QString, text);
    QCOMPARE(board::elapsedTimeText(now, dealTime), text);

    board::Board b;
    board::Random random(1);
    b.Deal(random, QStringLiteral("1"), dealTime);
    QCOMPARE(b.ClockText(now), text);
}

void ClockTest::followsTheTimeOfDayBeforeTheDeal()
{
    const board::Board b;
    QCOMPARE(b.ClockText(14 * 3600 + 5 * 60 + 7), QStringLiteral("     845:7"));
}

QTEST_GUILESS_MAIN(ClockTest)
#include "tst_clock.moc"
