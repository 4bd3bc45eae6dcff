// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Species whose bodies follow a curved spine, built with FishKit::tube rather than drawn as an
// outline.

#include "assets/art/fishspecies.h"

// Local
#include "assets/art/fishkit.h"

// Qt
#include <QPainter>

namespace fish {

using K = FishKit;

// Green, and golden.
struct MorayEelMorph
{
    QColor top, low, speck, iris;
};
constexpr MorayEelMorph kMorayEel[] = {
    {{110, 170, 76}, {70, 128, 52}, {26, 60, 24}, {210, 200, 60}},
    {{236, 186, 64}, {200, 146, 40}, {110, 62, 20}, {180, 120, 20}},
};

void morayEel(QPainter& p, int variant)
{
    const MorayEelMorph& morph = kMorayEel[variant];
    const QList<QPointF> spine{{16, 21}, {24, 18}, {32, 21},   {40, 28},   {48, 31},
                               {56, 27}, {63, 21}, {68.5, 23}, {72, 29.5}, {73.8, 35}};
    const QList<double> half{5.2, 5.4, 5.0, 4.8, 4.6, 4.2, 3.6, 2.8, 1.8, 0.6};
    QList<double> finHalf;
    for (double h : half) {
        finHalf.append(h + 1.6);
    }
    // The continuous dorsal and anal fin: a slightly wider ghost of the body behind it.
    K::flat(p, K::tube(spine.mid(2), finHalf.mid(2)), K::shade(morph.low, 0.85), K::ink(morph.low),
            0.7);
    const QPainterPath body = K::tube(spine, half);
    K::body(p, body, morph.top, morph.low);
    K::spots(p, body, 3.4, 0.75, morph.speck, QColor(), QRectF(10, 15, 10, 12));
    K::sheen(p, body, {22, 17}, 6, 2);
    K::outline(p, body, K::ink(morph.low));
    // Open jaw with a few teeth.
    const QPainterPath jaw =
        K::quadShape({{12.2, 21.5}, {17, 22.8}, {21, 23.5}, {16, 26}, {13, 25.4}});
    K::flat(p, jaw, QColor(120, 30, 40), K::ink(morph.low), 0.7);
    p.save();
    p.setPen(QPen(QColor(255, 255, 250), 0.6));
    for (double x : {14.0, 16.5, 19.0}) {
        p.drawLine(QPointF(x, 22.2), QPointF(x + 0.4, 23.5));
    }
    p.restore();
    K::eye(p, {19, 18.5}, 1.9, morph.iris);
}

// Yellow, and coral red.
struct SeahorseMorph
{
    QColor top, low, ridge;
};
constexpr SeahorseMorph kSeahorse[] = {
    {{252, 214, 64}, {232, 164, 30}, {255, 244, 180}},
    {{236, 92, 70}, {196, 52, 48}, {255, 190, 170}},
};

void seahorse(QPainter& p, int variant)
{
    const SeahorseMorph& morph = kSeahorse[variant];
    const QColor line = K::ink(morph.low);
    // Seagrass behind, so the slim figure has something to hold on to.
    p.save();
    p.setPen(QPen(QColor(92, 156, 96), 1.6, Qt::SolidLine, Qt::RoundCap));
    QPainterPath grass;
    grass.moveTo(58, 42);
    grass.cubicTo(56, 34, 62, 26, 58, 12);
    grass.moveTo(64, 42);
    grass.cubicTo(66, 34, 62, 28, 67, 18);
    p.drawPath(grass);
    p.restore();
    const QPainterPath finD = K::blob({{47, 20}, {54, 18}, {55, 25}, {48, 27}});
    K::fin(p, finD, K::shade(morph.top, 1.3), {47, 23}, 4);
    const QPainterPath snout = K::tube({{23, 13}, {27.5, 12.6}, {32, 11.5}}, {1.6, 1.7, 2.4});
    const QPainterPath head = K::ellipse({36, 10.5}, 5.5, 4.6);
    const QPainterPath crown = K::blob({{34, 7.5}, {36, 4.2}, {38.5, 4.6}, {39, 7.5}});
    const QPainterPath trunk = K::tube({{37, 12},
                                        {41, 15},
                                        {41.5, 20},
                                        {40, 27},
                                        {42, 33},
                                        {45.5, 36.5},
                                        {44, 40},
                                        {39.5, 40.6},
                                        {36.5, 38},
                                        {38.5, 35.8},
                                        {40.5, 37}},
                                       {3.5, 4.0, 6.2, 7.0, 5.4, 3.6, 2.4, 1.9, 1.5, 1.1, 0.6});
    const QPainterPath body = trunk.united(head).united(snout).united(crown);
    K::body(p, body, morph.top, morph.low);
    K::clipped(p, body, [&] {
        p.setPen(QPen(morph.ridge, 0.7));
        for (double y = 14; y < 44; y += 2.6) {
            p.drawLine(QPointF(30, y + 2), QPointF(52, y - 1));
        }
        p.setPen(QPen(K::shade(morph.low, 0.8), 0.6));
        for (double y = 15.3; y < 44; y += 2.6) {
            p.drawLine(QPointF(30, y + 2), QPointF(52, y - 1));
        }
    });
    K::sheen(p, body, {36, 8}, 4, 2);
    K::outline(p, body, line);
    K::eye(p, {36.5, 10}, 2.1, QColor(80, 60, 40));
    // A few bubbles from the snout.
    p.save();
    p.setPen(QPen(QColor(120, 170, 210), 0.7));
    p.setBrush(QColor(230, 244, 252));
    p.drawEllipse(QPointF(25.5, 7), 1.5, 1.5);
    p.drawEllipse(QPointF(29, 5.2), 1.1, 1.1);
    p.restore();
}

} // namespace fish
