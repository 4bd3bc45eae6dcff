// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Species with long spindle-shaped bodies: the open-water swimmers with forked or crescent
// tails, and the betta, whose small spindle hides in its flowing fins.

#include "assets/art/fishspecies.h"

// Local
#include "assets/art/fishkit.h"

// Qt
#include <QPainter>
#include <QRadialGradient>

// Standard library
#include <algorithm>
#include <cmath>

namespace fish {

using K = FishKit;

// Blue, and purple.
struct SwordfishMorph
{
    QColor top, low, fin;
};
constexpr SwordfishMorph kSwordfish[] = {
    {{34, 78, 150}, {214, 224, 236}, {44, 92, 168}},
    {{96, 44, 112}, {226, 210, 226}, {112, 54, 128}},
};

void swordfish(QPainter& p, int variant)
{
    const SwordfishMorph& morph = kSwordfish[variant];
    const QPainterPath bill = K::tube({{12, 22.6}, {18.5, 22.4}, {26, 22}}, {0.4, 0.9, 1.7});
    const QPainterPath sail = K::blob({{31, 18}, {34, 9}, {37, 5}, {40, 10}, {44, 17}});
    const QPainterPath crescent = K::quadShape({{61, 23},
                                                {66, 18},
                                                {74, 7},
                                                {71, 17},
                                                {69, 23.5},
                                                {71, 29},
                                                {75, 35.5},
                                                {66, 29},
                                                {61, 25}});
    const QPainterPath pect = K::blob({{31, 27}, {36, 34}, {41, 38}, {38, 30}});
    const QPainterPath finlets = K::blob({{53, 20}, {56, 17}, {58, 21}});
    K::flat(p, sail, morph.fin, K::ink(morph.fin), 0.8);
    K::flat(p, crescent, morph.fin, K::ink(morph.fin), 0.8);
    K::flat(p, finlets, morph.fin, K::ink(morph.fin), 0.6);
    const QPainterPath body = K::blob({{24, 21},
                                       {32, 17.5},
                                       {46, 17},
                                       {58, 19.5},
                                       {64, 23},
                                       {58, 26.5},
                                       {46, 30},
                                       {32, 30},
                                       {24, 25}})
                                  .united(bill);
    K::body(p, body, morph.top, morph.low);
    K::countershade(p, body, QRectF(10, 10, 60, 25), 17, 30,
                    {{0, morph.top}, {0.45, morph.top}, {0.62, morph.low}, {1, morph.low}});
    K::sheen(p, body, {40, 19}, 10, 1.6);
    K::outline(p, body, K::ink(morph.top));
    K::flat(p, pect, morph.fin, K::ink(morph.fin), 0.7);
    p.save();
    p.setPen(QPen(K::shade(morph.low, 0.8), 0.5));
    p.drawLine(QPointF(32, 24), QPointF(60, 23.5));
    p.restore();
    K::eye(p, {28.5, 21.3}, 2.1, QColor(60, 120, 200));
}

// Blue-grey, and sand brown.
struct SharkMorph
{
    QColor top, low, pale;
};
constexpr SharkMorph kShark[] = {
    {{104, 126, 152}, {80, 100, 126}, {236, 242, 246}},
    {{170, 136, 84}, {138, 104, 60}, {246, 236, 212}},
};

void shark(QPainter& p, int variant)
{
    const SharkMorph& morph = kShark[variant];
    const QColor line = K::ink(morph.low);
    const QPainterPath dorsal = K::blob({{35, 17}, {40, 9}, {43, 5}, {45, 9}, {49, 17}});
    const QPainterPath tail = K::quadShape(
        {{62, 21}, {68, 16}, {75, 9}, {73, 17}, {71, 24}, {73, 28}, {75, 33}, {69, 30}, {63, 27}});
    const QPainterPath pect = K::blob({{31, 28}, {35, 35}, {40, 41}, {41, 36}, {41, 29}});
    const QPainterPath pelvic = K::blob({{52, 27}, {56, 32}, {57, 27}});
    K::body(p, dorsal, morph.top, morph.low);
    K::body(p, tail, morph.top, morph.low);
    K::body(p, pelvic, morph.low, morph.low);
    const QPainterPath body = K::blob({{12.5, 24.5},
                                       {18, 20},
                                       {28, 16.5},
                                       {42, 15.5},
                                       {54, 18},
                                       {64, 22},
                                       {70, 23.5},
                                       {64, 26},
                                       {52, 29.5},
                                       {38, 32},
                                       {24, 31},
                                       {16, 28}});
    K::body(p, body, morph.top, morph.low);
    K::clipped(p, body, [&] {
        QPainterPath under;
        under.moveTo(12, 25);
        under.cubicTo(22, 25, 38, 27, 64, 24.5);
        under.lineTo(64, 34);
        under.lineTo(12, 34);
        p.setPen(Qt::NoPen);
        p.setBrush(morph.pale);
        p.drawPath(under);
    });
    K::sheen(p, body, {36, 19}, 12, 2);
    K::outline(p, body, line);
    K::body(p, pect, morph.top, morph.low);
    p.save();
    p.setPen(QPen(K::shade(morph.low, 0.55), 0.6));
    for (double x : {27.0, 29.0, 31.0}) {
        p.drawLine(QPointF(x, 20.5), QPointF(x - 0.8, 26));
    }
    p.setPen(QPen(line, 0.7));
    QPainterPath grin;
    grin.moveTo(16, 27.2);
    grin.quadTo(19, 28.8, 22, 27.4);
    p.drawPath(grin);
    p.restore();
    K::eye(p, {21, 22.3}, 1.7, QColor(40, 40, 50));
}

// Navy with yellow finlets, and teal with orange finlets.
struct TunaMorph
{
    QColor top, finlet;
};
constexpr TunaMorph kTuna[] = {
    {{24, 46, 118}, {252, 212, 40}},
    {{22, 112, 98}, {246, 128, 30}},
};

void tuna(QPainter& p, int variant)
{
    const TunaMorph& morph = kTuna[variant];
    const QColor low = QColor(216, 224, 232);
    const QColor line = K::ink(morph.top);
    K::flat(p, K::blob({{31, 16}, {35, 9}, {39, 16}}), morph.top, line, 0.7);
    K::flat(p, K::blob({{46, 16}, {50, 11}, {52, 17}}), morph.finlet, line, 0.6);
    K::flat(p, K::blob({{46, 31}, {50, 37}, {52, 30}}), morph.finlet, line, 0.6);
    const QPainterPath tail = K::quadShape({{62, 23},
                                            {67, 17},
                                            {74, 8},
                                            {72, 17},
                                            {70, 23.5},
                                            {72, 29},
                                            {74, 36},
                                            {67, 29},
                                            {62, 24.5}});
    K::flat(p, tail, morph.top, line, 0.8);
    const QPainterPath body = K::blob({{13, 24},
                                       {19, 19},
                                       {32, 15},
                                       {46, 15.5},
                                       {58, 19.5},
                                       {64, 23.5},
                                       {58, 27.5},
                                       {46, 32},
                                       {32, 33},
                                       {19, 29}});
    K::body(p, body, morph.top, morph.top);
    K::countershade(
        p, body, QRectF(12, 14, 54, 20), 15, 33,
        {{0, K::shade(morph.top, 0.8)}, {0.4, morph.top}, {0.56, low}, {1, K::shade(low, 0.92)}});
    K::clipped(p, body, [&] {
        p.setPen(QPen(morph.finlet, 1.0));
        p.drawLine(QPointF(24, 22.5), QPointF(58, 22.5));
    });
    K::sheen(p, body, {36, 18}, 12, 2);
    K::outline(p, body, line);
    for (double x : {54.0, 57.0, 60.0}) {
        K::flat(p,
                K::blob({{x, 19.6 + (x - 54) * 0.4},
                         {x + 1.3, 17.6 + (x - 54) * 0.5},
                         {x + 2.2, 20 + (x - 54) * 0.45}}),
                morph.finlet, line, 0.5);
        K::flat(p,
                K::blob({{x, 28 - (x - 54) * 0.5},
                         {x + 1.3, 30 - (x - 54) * 0.55},
                         {x + 2.2, 27.5 - (x - 54) * 0.5}}),
                morph.finlet, line, 0.5);
    }
    K::flat(p, K::blob({{26, 24}, {33, 23.3}, {38, 24.2}, {33, 25.3}}), morph.top, line, 0.6);
    p.save();
    p.setPen(QPen(line, 0.6));
    p.drawArc(QRectF(20, 19, 6, 9), 300 * 16, 120 * 16);
    p.restore();
    K::mouth(p, {13.5, 24.6}, {17, 25.3}, line);
    K::eye(p, {18.5, 22}, 2.0, QColor(60, 70, 90));
}

// Green with orange fins, and silver-blue.
struct PikeMorph
{
    QColor top, low, spot, fin;
};
constexpr PikeMorph kPike[] = {
    {{104, 138, 56}, {200, 196, 120}, {236, 228, 160}, {196, 120, 60}},
    {{120, 150, 176}, {196, 210, 222}, {236, 242, 246}, {150, 170, 190}},
};

void pike(QPainter& p, int variant)
{
    const PikeMorph& morph = kPike[variant];
    const QColor line = K::ink(morph.top);
    K::flat(p, K::blob({{51, 20}, {56, 13}, {60, 15}, {61, 21}}), morph.fin, line, 0.7);
    K::flat(p, K::blob({{51, 28}, {56, 35}, {60, 33}, {61, 27}}), morph.fin, line, 0.7);
    const QPainterPath tail =
        K::blob({{61, 23}, {69, 15}, {76, 14}, {72, 24}, {76, 34}, {69, 33}, {61, 25}});
    K::fin(p, tail, morph.fin, {61, 24}, 6);
    const QPainterPath body = K::blob({{11.5, 24},
                                       {16, 21.5},
                                       {26, 19.5},
                                       {40, 18.5},
                                       {54, 20},
                                       {63, 23.5},
                                       {54, 27.5},
                                       {40, 29.5},
                                       {26, 29.5},
                                       {16, 27}});
    K::body(p, body, morph.top, morph.low);
    K::clipped(p, body, [&] {
        // Bean-shaped spots in loose rows along the flank.
        for (int i = 0; i < 9; ++i) {
            for (int row = 0; row < 2; ++row) {
                const QPointF c(27 + i * 3.6 + row * 1.8, 21.6 + row * 3.4);
                p.setPen(Qt::NoPen);
                p.setBrush(morph.spot);
                p.drawEllipse(c, 1.2, 0.75);
            }
        }
    });
    K::sheen(p, body, {34, 20}, 12, 1.6);
    K::outline(p, body, line);
    K::flat(p, K::blob({{24, 26}, {30, 27}, {33, 29}, {27, 28.5}}), morph.fin, line, 0.5);
    K::flat(p, K::blob({{40, 29}, {45, 33}, {46, 29.5}}), morph.fin, line, 0.5);
    K::mouth(p, {11.8, 24.8}, {20, 25.6}, line);
    K::eye(p, {20.5, 22.4}, 1.9, QColor(230, 190, 60));
}

// Blue with pale blue wings, and teal with amber wings.
struct FlyingFishMorph
{
    QColor top, wing;
};
constexpr FlyingFishMorph kFlyingFish[] = {
    {{42, 100, 200}, {170, 210, 246}},
    {{24, 128, 110}, {250, 206, 110}},
};

void flyingFish(QPainter& p, int variant)
{
    const FlyingFishMorph& morph = kFlyingFish[variant];
    const QColor low = QColor(222, 230, 238);
    const QColor line = K::ink(morph.top);
    const QPainterPath wingPath =
        K::blob({{28, 22}, {35, 10}, {44, 4}, {54, 4}, {49, 10}, {43, 16}, {36, 23}});
    K::fin(p, wingPath, morph.wing, {28, 22}, 8);
    const QPainterPath tail = K::quadShape({{56, 23.5},
                                            {62, 19},
                                            {69, 14},
                                            {66, 21},
                                            {65, 25},
                                            {70, 30},
                                            {75, 35.5},
                                            {64, 31},
                                            {56, 26}});
    K::flat(p, tail, morph.top, line, 0.7);
    const QPainterPath body = K::blob(
        {{14, 25.5}, {20, 21.5}, {34, 19.5}, {48, 20.5}, {58, 24}, {48, 28}, {34, 29.5}, {20, 29}});
    K::body(p, body, morph.top, morph.top);
    K::countershade(p, body, QRectF(12, 18, 48, 13), 19, 30,
                    {{0, morph.top}, {0.45, morph.top}, {0.6, low}, {1, low}});
    K::sheen(p, body, {34, 21}, 10, 1.4);
    K::outline(p, body, line);
    K::fin(p, K::blob({{40, 27}, {48, 35}, {56, 36}, {48, 28}}), morph.wing, {40, 27}, 4);
    K::flat(p, K::blob({{46, 20}, {50, 17}, {52, 21}}), morph.top, line, 0.5);
    K::eye(p, {20, 24.5}, 2.3, QColor(50, 70, 110));
    K::mouth(p, {14.4, 26}, {16.4, 26.4}, line);
}

// Blue, and red.
struct BettaMorph
{
    QColor top, low, finIn, finOut;
};
constexpr BettaMorph kBetta[] = {
    {{64, 70, 214}, {40, 40, 160}, {80, 96, 230}, {130, 210, 252}},
    {{222, 36, 48}, {168, 20, 36}, {236, 60, 60}, {120, 10, 30}},
};

void betta(QPainter& p, int variant)
{
    const BettaMorph& morph = kBetta[variant];
    const QColor line = K::ink(morph.low);
    auto flowing = [&](const QPainterPath& path, QPointF base) {
        const QRectF r = path.boundingRect();
        QRadialGradient g(base, std::max(r.width(), r.height()));
        g.setColorAt(0, morph.finIn);
        g.setColorAt(0.55, morph.finIn);
        g.setColorAt(1, morph.finOut);
        p.save();
        p.setPen(QPen(line, 0.7));
        p.setBrush(g);
        p.drawPath(path);
        p.restore();
        K::clipped(p, path, [&] {
            p.setPen(QPen(K::shade(morph.finIn, 0.7), 0.45));
            for (int i = 0; i < 14; ++i) {
                const double a = -M_PI / 2 + i * M_PI / 13;
                const QPointF dir(std::cos(a), std::sin(a));
                const QPointF toward = (r.center() - base);
                const double sign = toward.x() >= 0 ? 1 : -1;
                p.drawLine(base, base + QPointF(sign * std::abs(dir.x()) * 40 + toward.x() * 0.3,
                                                dir.y() * 40));
            }
        });
    };
    flowing(K::blob({{45, 20},
                     {53, 11},
                     {62, 8},
                     {71, 9.5},
                     {76, 18},
                     {75, 27},
                     {70, 34},
                     {61, 39},
                     {52, 35},
                     {45, 26}}),
            {45, 23});
    flowing(K::blob({{28, 19}, {34, 11}, {44, 8}, {50, 14}, {44, 19.5}}), {38, 19});
    flowing(K::blob({{27, 26}, {32, 37}, {44, 42}, {54, 36}, {44, 26}}), {36, 26});
    const QPainterPath body = K::blob(
        {{18, 22.5}, {22, 19}, {32, 17.5}, {42, 18.5}, {48, 22}, {42, 26}, {32, 27}, {22, 26}});
    K::body(p, body, morph.top, morph.low);
    K::clipped(p, body, [&] {
        p.setPen(QPen(K::shade(morph.top, 1.35), 0.5));
        p.setBrush(Qt::NoBrush);
        for (int col = 0; col < 6; ++col) {
            for (int row = 0; row < 3; ++row) {
                p.drawArc(QRectF(27 + col * 3.2, 18 + row * 2.8 + (col % 2) * 1.4, 3, 3), 90 * 16,
                          180 * 16);
            }
        }
    });
    K::sheen(p, body, {30, 19.5}, 8, 1.5);
    K::outline(p, body, line);
    p.save();
    p.setPen(QPen(morph.finIn, 1.0, Qt::SolidLine, Qt::RoundCap));
    QPainterPath pelvic;
    pelvic.moveTo(25, 25.5);
    pelvic.cubicTo(25, 30, 23, 34, 21, 37);
    p.drawPath(pelvic);
    p.restore();
    K::eye(p, {22.5, 21.4}, 1.8, QColor(200, 60, 40));
    K::mouth(p, {18.2, 23}, {19.8, 23.6}, line);
}

} // namespace fish
