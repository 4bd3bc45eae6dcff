// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Qt
#include <QPainterPath>
#include <QPointF>

// Digits drawn as centre-line paths, so numbers on tiles look the same on every machine, with no
// font involved. A digit fills a box of `width` x `height` whose top-left is `origin`; stroke the
// path (round caps) to draw it.
class MarkGlyphs
{
public:
    // The centre line of one digit 0..9; an empty path for anything else.
    static QPainterPath digit(int d, QPointF origin, double width, double height);
    // The decimal digits of `n` >= 0 side by side, `gap` apart.
    static QPainterPath number(int n, QPointF origin, double width, double height, double gap);
    // Width taken by number(n, ...).
    static double numberWidth(int n, double width, double gap);
};
