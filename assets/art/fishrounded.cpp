// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Species with short, round or boxy bodies, drawn around a circle, a rounded square or a squat
// oval.

#include "assets/art/fishspecies.h"

// Local
#include "assets/art/fishkit.h"

// Qt
#include <QPainter>
#include <QRadialGradient>

// Standard library
#include <cmath>
#include <utility>

namespace fish {

using K = FishKit;

// Sand with brown spots, and blue with navy spots.
struct PufferfishMorph
{
    QColor top, low, spot, pale, iris;
};
constexpr PufferfishMorph kPufferfish[] = {
    {{226, 190, 96}, {200, 150, 64}, {104, 62, 30}, {252, 244, 214}, {60, 150, 90}},
    {{104, 146, 186}, {70, 110, 156}, {26, 36, 76}, {236, 242, 248}, {90, 190, 120}},
};

void pufferfish(QPainter& p, int variant)
{
    const PufferfishMorph& morph = kPufferfish[variant];
    const QPointF c(42, 24);
    const double r = 13.5;
    // Spines first, so the body covers their roots.
    QPainterPath spines;
    for (int i = 0; i < 20; ++i) {
        const double a = (-150 + i * 15) * M_PI / 180;
        if (std::cos(a) < -0.75) {
            continue; // leave the face smooth
        }
        const QPointF dir(std::cos(a), std::sin(a));
        const QPointF side(-dir.y(), dir.x());
        spines.moveTo(c + dir * (r - 1) + side * 1.3);
        spines.lineTo(c + dir * (r + 3.0));
        spines.lineTo(c + dir * (r - 1) - side * 1.3);
        spines.closeSubpath();
    }
    K::flat(p, spines, K::shade(morph.low, 0.85), K::ink(morph.low), 0.6);
    const QPainterPath tail = K::blob({{53, 21}, {61, 16}, {66, 18}, {66, 30}, {61, 32}, {53, 27}});
    K::fin(p, tail, K::shade(morph.top, 0.95), {54, 24}, 5);
    const QPainterPath body = K::ellipse(c, r, r);
    K::body(p, body, morph.top, morph.low);
    K::spots(p, body, 4.2, 0.95, morph.spot, QColor(), QRectF(26, 14, 10, 14));
    K::clipped(p, body, [&] {
        K::dot(p, {42, 36}, 11, morph.pale);
        K::dot(p, {32, 31}, 6, morph.pale);
    });
    K::sheen(p, body, {38, 15}, 8, 4);
    K::outline(p, body, K::ink(morph.low));
    K::flat(p, K::blob({{44, 24}, {49, 20}, {51, 26}, {47, 28}}), K::shade(morph.top, 1.2),
            K::ink(morph.low), 0.7);
    K::flat(p, K::ellipse({28.6, 27}, 1.8, 1.5), QColor(228, 120, 110), K::ink(morph.low), 0.6);
    K::eye(p, {34, 19}, 3.3, morph.iris);
}

// Yellow with black spots, and blue with white spots ringed in navy.
struct BoxfishMorph
{
    QColor top, low, spot, ring, fin, iris;
};
constexpr BoxfishMorph kBoxfish[] = {
    {{252, 216, 36}, {236, 180, 20}, {22, 22, 30}, {}, {252, 232, 120}, {70, 120, 200}},
    {{70, 86, 186}, {46, 58, 150}, {250, 248, 230}, {30, 30, 80}, {120, 140, 220}, {230, 200, 80}},
};

void boxfish(QPainter& p, int variant)
{
    const BoxfishMorph& morph = kBoxfish[variant];
    const QPainterPath tail = K::blob({{55, 20}, {63, 15}, {68, 18}, {68, 30}, {63, 33}, {55, 28}});
    K::fin(p, tail, morph.fin, {55, 24}, 5);
    K::flat(p, K::blob({{46, 13}, {50, 8}, {54, 13}}), morph.fin, K::ink(morph.low), 0.6);
    QPainterPath body;
    body.addRoundedRect(QRectF(22.5, 11.5, 34, 25), 7.5, 7.5);
    K::body(p, body, morph.top, morph.low);
    K::spots(p, body, 4.6, 1.1, morph.spot, morph.ring, QRectF(26, 14, 11, 10));
    K::clipped(p, body, [&] {
        // Hexagonal plates, faint.
        p.setPen(QPen(K::shade(morph.low, 0.85), 0.4));
        for (double x = 24; x < 58; x += 4.6) {
            p.drawLine(QPointF(x, 10), QPointF(x, 38));
        }
    });
    K::sheen(p, body, {38, 15}, 11, 2.5);
    K::outline(p, body, K::ink(morph.low));
    K::fin(p, K::blob({{37, 24}, {43, 21}, {44, 27}}), morph.fin, {37, 24}, 3);
    K::flat(p, K::ellipse({22, 28}, 2.2, 1.7), QColor(236, 110, 100), K::ink(morph.low), 0.6);
    K::eye(p, {31, 18.5}, 2.8, morph.iris);
}

// Silver-grey, and mauve.
struct OceanSunfishMorph
{
    QColor top, low, mottle;
};
constexpr OceanSunfishMorph kOceanSunfish[] = {
    {{168, 182, 196}, {128, 142, 160}, {220, 228, 236}},
    {{196, 132, 156}, {158, 94, 122}, {232, 190, 206}},
};

void oceanSunfish(QPainter& p, int variant)
{
    const OceanSunfishMorph& morph = kOceanSunfish[variant];
    const QColor line = K::ink(morph.low);
    K::body(p, K::blob({{43, 13}, {48, 6.5}, {52, 4.2}, {55, 6.5}, {55, 15}}), morph.top,
            morph.low);
    K::body(p, K::blob({{43, 35}, {48, 40.5}, {52, 42}, {55, 40}, {55, 33}}), morph.low, morph.low);
    const QPainterPath clavus = K::blob(
        {{54, 14}, {59, 15}, {62, 18.5}, {60.5, 22}, {63, 25}, {61, 29}, {58.5, 33}, {54, 34}});
    K::body(p, clavus, K::shade(morph.top, 1.15), morph.low);
    const QPainterPath body = K::blob({{17, 24},
                                       {21, 15},
                                       {31, 10},
                                       {44, 10},
                                       {54, 13},
                                       {59, 18},
                                       {60, 24},
                                       {59, 30},
                                       {54, 35},
                                       {44, 37},
                                       {31, 37},
                                       {21, 33}});
    K::body(p, body, morph.top, morph.low);
    K::clipped(p, body, [&] {
        for (const auto& [c, r] : {std::pair{QPointF(36, 28), 3.2},
                                   {QPointF(46, 20), 2.6},
                                   {QPointF(50, 30), 2.2},
                                   {QPointF(30, 16), 2.0},
                                   {QPointF(42, 32), 1.6},
                                   {QPointF(54, 24), 1.8}}) {
            K::dot(p, c, r, morph.mottle);
        }
    });
    K::sheen(p, body, {34, 14}, 11, 3);
    K::outline(p, body, line);
    K::flat(p, K::blob({{27, 24}, {31, 20.5}, {33, 26}}), K::shade(morph.top, 0.9), line, 0.6);
    K::flat(p, K::ellipse({17.8, 24.6}, 1.4, 1.2), K::shade(morph.low, 0.6), line, 0.5);
    K::eye(p, {24.5, 20.5}, 2.1, QColor(70, 90, 110));
}

// Brown with a yellow lure, and deep blue with a brighter, wider cyan one. The lure's halo is
// the glow at `haloAlpha` in its centre, fading out at `haloRadius`.
struct AnglerfishMorph
{
    QColor top, low, glow, iris;
    double haloRadius;
    int haloAlpha;
};
constexpr AnglerfishMorph kAnglerfish[] = {
    {{150, 104, 64}, {112, 74, 44}, {255, 236, 96}, {240, 200, 60}, 4.5, 150},
    {{58, 56, 80}, {36, 34, 54}, {110, 240, 255}, {120, 220, 240}, 5.0, 200},
};

void anglerfish(QPainter& p, int variant)
{
    const AnglerfishMorph& morph = kAnglerfish[variant];
    const QColor line = K::ink(morph.top);
    const QPointF bulb(27.5, 6.6);
    {
        QRadialGradient g(bulb, morph.haloRadius);
        QColor halo = morph.glow;
        halo.setAlpha(morph.haloAlpha);
        g.setColorAt(0, halo);
        halo.setAlpha(0);
        g.setColorAt(1, halo);
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(bulb, 6, 6);
        p.restore();
    }
    const QPainterPath tail = K::blob({{53, 21}, {62, 16}, {66, 19}, {66, 29}, {62, 32}, {53, 27}});
    K::fin(p, tail, K::shade(morph.top, 1.1), {53, 24}, 5);
    K::flat(p, K::blob({{40, 13}, {46, 10}, {51, 16}}), morph.top, line, 0.6);
    const QPainterPath body = K::blob({{15, 27},
                                       {19, 17},
                                       {29, 11},
                                       {41, 12},
                                       {51, 17},
                                       {56, 24},
                                       {51, 31},
                                       {41, 36},
                                       {29, 38},
                                       {19, 35}});
    K::body(p, body, morph.top, morph.low);
    K::spots(p, body, 3.6, 0.45, K::shade(morph.top, 1.25));
    K::sheen(p, body, {34, 15}, 9, 3);
    K::outline(p, body, line);
    const QPainterPath gape = K::quadShape({{14.5, 25}, {22, 26}, {31, 29}, {22, 34}, {16, 34}});
    K::flat(p, gape, QColor(70, 16, 28), line, 0.8);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 246));
    for (double x : {16.5, 19.5, 22.5, 25.5}) {
        const double y = 25.2 + (x - 15) * 0.22;
        p.drawPolygon(QPolygonF({QPointF(x - 0.8, y), QPointF(x + 0.8, y), QPointF(x, y + 2.2)}));
    }
    for (double x : {18.0, 21.0, 24.0}) {
        const double y = 33.7 - (x - 16) * 0.3;
        p.drawPolygon(QPolygonF({QPointF(x - 0.8, y), QPointF(x + 0.8, y), QPointF(x, y - 2.0)}));
    }
    p.setPen(QPen(line, 0.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath rod;
    rod.moveTo(30, 11.5);
    rod.cubicTo(31, 7, 31, 4.2, bulb.x() + 1.5, bulb.y() - 0.8);
    p.drawPath(rod);
    p.restore();
    K::flat(p, K::ellipse(bulb, 2.1, 2.1), morph.glow, K::shade(morph.glow, 0.5), 0.6);
    K::dot(p, bulb + QPointF(-0.6, -0.6), 0.7, QColor(255, 255, 255));
    K::flat(p, K::blob({{36, 27}, {43, 24}, {45, 30}}), K::shade(morph.top, 1.1), line, 0.6);
    K::eye(p, {33, 18}, 2.4, morph.iris);
}

// Orange, and white with a red cap on its head and a patch of it on its belly. An invalid `line`
// outlines in the ink of `low`; an invalid `cap`, no cap.
struct GoldfishMorph
{
    QColor top, low, fin, line, cap, patch;
};
constexpr GoldfishMorph kGoldfish[] = {
    {{255, 168, 40}, {240, 110, 16}, {255, 176, 80}, {}, {}, {}},
    {{250, 248, 240},
     {226, 222, 214},
     {255, 222, 214},
     {120, 70, 70},
     {226, 52, 40},
     {236, 90, 60}},
};

void goldfish(QPainter& p, int variant)
{
    const GoldfishMorph& morph = kGoldfish[variant];
    const QColor line = morph.line.isValid() ? morph.line : K::ink(morph.low);
    const QPainterPath tail = K::blob({{50, 22},
                                       {57, 14},
                                       {64, 10},
                                       {72, 11},
                                       {69, 17},
                                       {76, 22},
                                       {72, 28},
                                       {71, 33},
                                       {62, 38.5},
                                       {57, 35},
                                       {50, 27}});
    K::fin(p, tail, morph.fin, {50, 24.5}, 10);
    K::fin(p, K::blob({{33, 13}, {37, 5}, {45, 5}, {50, 16}}), morph.fin, {42, 15}, 4);
    K::fin(p, K::blob({{34, 33}, {38, 41}, {44, 38}, {42, 32}}), morph.fin, {38, 33}, 3);
    const QPainterPath body = K::blob({{21, 24},
                                       {25, 16},
                                       {34, 12},
                                       {44, 13},
                                       {50, 18},
                                       {52, 24},
                                       {50, 30},
                                       {44, 34},
                                       {34, 35},
                                       {25, 32}});
    K::body(p, body, morph.top, morph.low);
    K::clipped(p, body, [&] {
        if (morph.cap.isValid()) {
            K::dot(p, {27, 19}, 7.0, morph.cap);
            K::dot(p, {45, 29}, 3.0, morph.patch);
        }
        p.setPen(QPen(K::shade(morph.low, 0.8), 0.5));
        p.setBrush(Qt::NoBrush);
        for (int col = 0; col < 5; ++col) {
            for (int row = 0; row < 4; ++row) {
                const double x = 33 + col * 3.6, y = 17 + row * 4 + (col % 2) * 2;
                p.drawArc(QRectF(x, y, 3.6, 3.6), 60 * 16, 240 * 16);
            }
        }
    });
    K::sheen(p, body, {36, 16}, 8, 3);
    K::outline(p, body, line);
    K::fin(p, K::blob({{32, 26}, {38, 27}, {40, 31}, {34, 30}}), morph.fin, {32, 27}, 3);
    K::eye(p, {28, 21}, 2.6, QColor(40, 30, 30));
    K::mouth(p, {21.2, 24.5}, {22.6, 25.4}, line);
}

} // namespace fish
