// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Species of the sea floor, flattened from above or with a flattened head: the ray's disc, the
// flounder with both eyes on one side, the whiskered catfish.

#include "assets/art/fishspecies.h"

// Local
#include "assets/art/fishkit.h"

// Qt
#include <QPainter>
#include <QRadialGradient>

// Standard library
#include <cmath>

namespace fish {

using K = FishKit;

// Sand with blue spots ringed in navy, and slate with white spots.
struct RayMorph
{
    QColor top, low, spot, ring;
};
constexpr RayMorph kRay[] = {
    {{206, 164, 100}, {180, 134, 76}, {40, 130, 230}, {24, 44, 110}},
    {{92, 98, 112}, {64, 70, 84}, {244, 246, 250}, {}},
};

void ray(QPainter& p, int variant)
{
    const RayMorph& morph = kRay[variant];
    const QPainterPath tail =
        K::tube({{52, 24}, {60, 23.5}, {68, 22}, {76, 19.5}}, {2, 1.3, 0.8, 0.3});
    K::body(p, tail, morph.top, morph.low);
    const QPainterPath pelvic = K::blob({{48, 19}, {55, 20}, {55, 28}, {48, 29}});
    K::body(p, pelvic, morph.low, morph.low);
    QPainterPath body;
    body.moveTo(15, 24);
    body.cubicTo(20, 14, 34, 6, 44, 4.5);
    body.cubicTo(48, 10, 54, 18, 55, 24);
    body.cubicTo(54, 30, 48, 37, 44, 42.5);
    body.cubicTo(34, 41, 20, 34, 15, 24);
    body.closeSubpath();
    K::body(p, body, morph.top, morph.low);
    K::spots(p, body, 5.8, 1.2, morph.spot, morph.ring, QRectF(14, 18, 14, 12));
    K::clipped(p, body, [&] {
        // Spine ridge and a darker centre, so the disc reads as a body, not a kite.
        QRadialGradient g(QPointF(34, 24), 16);
        g.setColorAt(0, QColor(255, 255, 255, 70));
        g.setColorAt(1, QColor(255, 255, 255, 0));
        p.fillRect(QRectF(15, 4, 41, 40), g);
    });
    K::outline(p, body, K::ink(morph.low));
    p.save();
    p.setPen(QPen(K::ink(morph.low), 0.6));
    p.drawLine(QPointF(30, 24), QPointF(54, 24));
    p.restore();
    K::eye(p, {24.5, 20.6}, 1.6, QColor(90, 70, 40));
    K::eye(p, {24.5, 27.4}, 1.6, QColor(90, 70, 40));
}

// Sand with brown spots, and grey with blue spots ringed in navy.
struct FlounderMorph
{
    QColor top, low, fin, spot, ring;
};
constexpr FlounderMorph kFlounder[] = {
    {{212, 182, 130}, {184, 150, 98}, {230, 204, 158}, {130, 88, 46}, {}},
    {{134, 146, 158}, {104, 116, 130}, {164, 176, 188}, {80, 170, 250}, {20, 40, 90}},
};

void flounder(QPainter& p, int variant)
{
    const FlounderMorph& morph = kFlounder[variant];
    const QColor line = K::ink(morph.low);
    const QPainterPath tail = K::blob({{60, 20}, {68, 16}, {72, 24}, {68, 32}, {60, 28}});
    K::fin(p, tail, morph.fin, {60, 24}, 6);
    const QPainterPath fringe = K::blob({{15, 25},
                                         {20, 15},
                                         {33, 9.5},
                                         {48, 9.5},
                                         {60, 15.5},
                                         {64, 24},
                                         {60, 33},
                                         {48, 39.5},
                                         {32, 40.5},
                                         {19, 35.5}});
    K::fin(p, fringe, morph.fin, {39, 24}, 0);
    K::clipped(p, fringe, [&] {
        p.setPen(QPen(K::shade(morph.fin, 0.75), 0.5));
        for (int i = 0; i < 40; ++i) {
            const double a = i * 2 * M_PI / 40;
            p.drawLine(QPointF(39 + 19 * std::cos(a), 24 + 11 * std::sin(a)),
                       QPointF(39 + 26 * std::cos(a), 24 + 17 * std::sin(a)));
        }
    });
    const QPainterPath body = K::blob({{17, 24},
                                       {21, 15.5},
                                       {33, 11},
                                       {47, 12},
                                       {57, 17.5},
                                       {60, 24},
                                       {57, 30.5},
                                       {47, 36},
                                       {33, 37},
                                       {21, 32.5}});
    K::body(p, body, morph.top, morph.low);
    K::spots(p, body, 6.2, 1.4, morph.spot, morph.ring, QRectF(18, 15, 13, 10));
    K::spots(p, body, 3.1, 0.4, K::shade(morph.top, 1.4));
    K::sheen(p, body, {38, 18}, 10, 3);
    K::outline(p, body, line);
    K::eye(p, {24, 19}, 1.9, QColor(230, 180, 60));
    K::eye(p, {28.5, 21.8}, 1.9, QColor(230, 180, 60));
    p.save();
    p.setPen(QPen(line, 0.7));
    p.drawArc(QRectF(18, 24, 5, 4), 180 * 16, 120 * 16);
    p.restore();
}

// Brown, and a pink albino. An invalid `line` outlines in the ink of `low`.
struct CatfishMorph
{
    QColor top, low, spot, line, iris;
};
constexpr CatfishMorph kCatfish[] = {
    {{128, 116, 92}, {92, 82, 62}, {52, 42, 30}, {}, {190, 160, 60}},
    {{250, 222, 214}, {236, 188, 180}, {226, 160, 156}, {132, 66, 70}, {230, 60, 80}},
};

void catfish(QPainter& p, int variant)
{
    const CatfishMorph& morph = kCatfish[variant];
    const QColor line = morph.line.isValid() ? morph.line : K::ink(morph.low);
    const QColor finC = K::shade(morph.top, 0.9);
    K::flat(p, K::blob({{29, 18}, {33, 9}, {37, 9}, {39, 18}}), finC, line, 0.7);
    K::flat(p, K::blob({{51, 20}, {55, 16.5}, {58, 21}}), finC, line, 0.6);
    K::flat(p, K::blob({{40, 31}, {50, 34}, {58, 29}, {50, 28}}), finC, line, 0.7);
    const QPainterPath tail =
        K::blob({{59, 22}, {67, 15}, {73, 16}, {69, 24}, {73, 32}, {67, 33}, {59, 26}});
    K::fin(p, tail, finC, {59, 24}, 6);
    const QPainterPath body = K::blob({{12.5, 26},
                                       {15, 20},
                                       {26, 17},
                                       {40, 17.5},
                                       {54, 20},
                                       {62, 24},
                                       {54, 28},
                                       {40, 31.5},
                                       {26, 33},
                                       {15, 31.5}});
    K::body(p, body, morph.top, morph.low);
    K::spots(p, body, 3.8, 0.8, morph.spot, QColor(), QRectF(10, 19, 12, 14));
    K::belly(p, body, K::shade(morph.top, 1.35), 0.55);
    K::sheen(p, body, {30, 19}, 10, 2);
    K::outline(p, body, line);
    K::flat(p, K::blob({{24, 28}, {30, 31}, {34, 34}, {29, 30}}), finC, line, 0.6);
    p.save();
    p.setPen(QPen(line, 0.85, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath whiskers;
    whiskers.moveTo(15, 23);
    whiskers.cubicTo(12, 18, 15, 13.5, 24, 12.2);
    whiskers.moveTo(14, 28);
    whiskers.cubicTo(11, 32, 11, 37, 15, 41);
    whiskers.moveTo(17, 31);
    whiskers.cubicTo(17, 35, 19, 38, 22, 40);
    whiskers.moveTo(16, 22);
    whiskers.cubicTo(17, 17, 21, 14, 24, 13);
    p.drawPath(whiskers);
    p.setPen(QPen(line, 0.8));
    p.drawLine(QPointF(13, 27), QPointF(19, 27.6));
    p.restore();
    K::eye(p, {20.5, 22}, 1.7, morph.iris);
}

} // namespace fish
