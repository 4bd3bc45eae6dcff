// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Qt
#include <QImage>

class QPainter;

// The start-up picture: a three-masted ship running before the wind under a cloudy afternoon
// sky, 300 x 178 pixels, opaque. Its lower edge is deep blue sea so it sits calmly on the navy
// start-up window. All randomness (cloud puffs, waves) comes from fixed seeds, so the picture is
// the same on every run.
class ShipPainter
{
public:
    static constexpr int kWidth = 300;
    static constexpr int kHeight = 178;
    static constexpr int kHorizon = 112;

    static QImage picture();

private:
    static void sky(QPainter& p);
    static void clouds(QPainter& p);
    static void sea(QPainter& p);
    static void hull(QPainter& p);
    static void wash(QPainter& p);
    static void reflection(QPainter& p);
    static void sails(QPainter& p);
    static void rigging(QPainter& p);
    static void gulls(QPainter& p);
};
