// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assets/art/markglyphs.h"

// Qt
#include <QString>

QPainterPath MarkGlyphs::digit(int d, QPointF o, double w, double h)
{
    // Polylines on a 4 x 7 grid of pixel centres (x 0..3, y 0..6). Curves this small blur into
    // grey blobs, and a 3 drawn with two bowls differs from an 8 in only two pixels.
    static const QList<QList<QPointF>> kStrokes[10] = {
        {{{1, 0}, {2, 0}, {3, 1}, {3, 5}, {2, 6}, {1, 6}, {0, 5}, {0, 1}, {1, 0}}},
        {{{1, 1}, {2, 0}, {2, 6}}},
        {{{0, 1}, {1, 0}, {2, 0}, {3, 1}, {3, 2}, {0, 6}, {3, 6}}},
        {{{0, 0}, {3, 0}, {1, 3}, {2, 3}, {3, 4}, {3, 5}, {2, 6}, {1, 6}, {0, 5}}},
        {{{2, 6}, {2, 0}, {0, 4}, {3, 4}}},
        {{{3, 0}, {0, 0}, {0, 3}, {2, 3}, {3, 4}, {3, 5}, {2, 6}, {0, 6}}},
        {{{3, 0}, {2, 0}, {0, 2}, {0, 5}, {1, 6}, {2, 6}, {3, 5}, {3, 4}, {2, 3}, {0, 3}}},
        {{{0, 0}, {3, 0}, {3, 1}, {1, 3}, {1, 6}}},
        {{{1, 3},
          {0, 2},
          {0, 1},
          {1, 0},
          {2, 0},
          {3, 1},
          {3, 2},
          {2, 3},
          {1, 3},
          {0, 4},
          {0, 5},
          {1, 6},
          {2, 6},
          {3, 5},
          {3, 4},
          {2, 3}}},
        {{{3, 3}, {1, 3}, {0, 2}, {0, 1}, {1, 0}, {2, 0}, {3, 1}, {3, 4}, {1, 6}, {0, 6}}},
    };
    QPainterPath path;
    if (d < 0 || d > 9) {
        return path;
    }
    for (const QList<QPointF>& line : kStrokes[d]) {
        for (qsizetype i = 0; i < line.size(); ++i) {
            const QPointF at(o.x() + line[i].x() / 3 * w, o.y() + line[i].y() / 6 * h);
            if (i == 0) {
                path.moveTo(at);
            } else {
                path.lineTo(at);
            }
        }
    }
    return path;
}

QPainterPath MarkGlyphs::number(int n, QPointF o, double w, double h, double gap)
{
    QPainterPath path;
    if (n < 0) {
        return path;
    }
    const QString digits = QString::number(n);
    for (qsizetype i = 0; i < digits.size(); ++i) {
        path.addPath(digit(digits[i].digitValue(), o + QPointF(i * (w + gap), 0), w, h));
    }
    return path;
}

double MarkGlyphs::numberWidth(int n, double w, double gap)
{
    const qsizetype count = n < 0 ? 0 : QString::number(n).size();
    return count == 0 ? 0 : count * w + (count - 1) * gap;
}
