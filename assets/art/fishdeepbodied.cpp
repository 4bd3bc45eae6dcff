// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Species with deep, side-flattened bodies, the shape of the reef: a tall oval between long dorsal
// and anal fins, most of them with bands or a bold patch across it.

#include "assets/art/fishspecies.h"

// Local
#include "assets/art/fishkit.h"

// Qt
#include <QLinearGradient>
#include <QPainter>

// Standard library
#include <cmath>
#include <utility>

namespace fish {

using K = FishKit;
using Pts = QList<QPointF>;

// Orange, and dark red.
struct ClownfishMorph
{
    QColor top, low, fin;
};
constexpr ClownfishMorph kClownfish[] = {
    {{255, 160, 50}, {240, 96, 14}, {255, 130, 30}},
    {{176, 40, 46}, {120, 18, 28}, {150, 30, 36}},
};

void clownfish(QPainter& p, int variant)
{
    const ClownfishMorph& morph = kClownfish[variant];
    const QColor black(26, 18, 22);
    const QColor white(252, 252, 246);
    const QPainterPath dorsal =
        K::blob({{28, 16}, {31, 10}, {38, 7}, {46, 8}, {53, 11}, {58, 17}, {50, 18}, {38, 17}});
    const QPainterPath tail =
        K::blob({{59, 22}, {66, 15}, {73, 13}, {76, 19}, {76, 29}, {73, 35}, {66, 33}, {59, 26}});
    const QPainterPath anal = K::blob({{45, 31}, {49, 38}, {55, 38}, {58, 30}});
    const QPainterPath pelvic = K::blob({{29, 32}, {32, 39}, {37, 38}, {36, 32}});
    for (const QPainterPath& f : {dorsal, tail, anal, pelvic}) {
        K::flat(p, f, morph.fin, black, 1.3);
    }
    const QPainterPath body = K::blob({{17, 24},
                                       {20, 17},
                                       {28, 13},
                                       {40, 12},
                                       {52, 14},
                                       {61, 19},
                                       {63, 24},
                                       {61, 29},
                                       {52, 33},
                                       {40, 35},
                                       {28, 34},
                                       {20, 31}});
    K::body(p, body, morph.top, morph.low);
    K::clipped(p, body, [&] {
        for (const auto& [x, w] : {std::pair{27.0, 4.6}, {43.0, 4.6}, {59.0, 3.0}}) {
            QPainterPath band;
            band.moveTo(x + 1.5, 9);
            band.quadTo(x - 2.5, 24, x + 1.5, 39);
            p.setPen(QPen(black, w + 2.0));
            p.drawPath(band);
            p.setPen(QPen(white, w));
            p.drawPath(band);
        }
    });
    K::sheen(p, body, {38, 17}, 10, 3);
    K::outline(p, body, black, 0.9);
    K::fin(p, K::blob({{31, 25}, {37, 22.5}, {39.5, 27}, {35, 29.5}}), K::shade(morph.fin, 1.25),
           {31, 26}, 3);
    K::eye(p, {22.5, 21}, 2.6, QColor(70, 40, 30));
    K::mouth(p, {17.2, 25}, {19.5, 25.6}, black);
}

// Silver with black bars, and gold with brown bars.
struct AngelfishMorph
{
    QColor top, low, fin, bar;
};
constexpr AngelfishMorph kAngelfish[] = {
    {{236, 238, 244}, {196, 202, 214}, {214, 220, 232}, {30, 30, 44}},
    {{250, 206, 80}, {226, 160, 40}, {246, 196, 92}, {122, 60, 22}},
};

void angelfish(QPainter& p, int variant)
{
    const AngelfishMorph& morph = kAngelfish[variant];
    const QPainterPath dorsal =
        K::blob({{33, 12}, {44, 5.5}, {61, 4.5}, {56, 9.5}, {51, 19}, {44, 14}});
    const QPainterPath anal =
        K::blob({{33, 34}, {44, 40}, {61, 41.5}, {56, 36.5}, {51, 27}, {44, 32}});
    const QPainterPath tail =
        K::blob({{50, 20}, {58, 15}, {66, 13}, {68, 23}, {66, 33}, {58, 31}, {50, 26}});
    const QPainterPath body = K::blob({{19, 23},
                                       {25, 15},
                                       {34, 10},
                                       {44, 12},
                                       {51, 18},
                                       {53, 23},
                                       {51, 28},
                                       {44, 34},
                                       {34, 36},
                                       {25, 31}});
    QPainterPath all = body.united(dorsal).united(anal);
    for (const QPainterPath& f : {dorsal, anal}) {
        K::flat(p, f, morph.fin, K::ink(morph.low), 0.8);
    }
    K::fin(p, tail, morph.fin, {50, 23}, 7);
    p.save();
    p.setPen(QPen(K::ink(morph.low), 0.9, Qt::SolidLine, Qt::RoundCap));
    QPainterPath filament;
    filament.moveTo(33, 33);
    filament.cubicTo(34, 37, 38, 40, 44, 42);
    p.drawPath(filament);
    p.restore();
    K::body(p, body, morph.top, morph.low);
    K::bands(p, all, {25.5, 37, 49}, 3.2, morph.bar, 1.0);
    K::sheen(p, body, {36, 16}, 8, 4);
    K::outline(p, body, K::ink(morph.low));
    K::eye(p, {25.5, 20}, 2.4, QColor(210, 50, 40));
    K::mouth(p, {19.2, 24}, {21.3, 24.4}, K::ink(morph.low));
}

// Yellow, and white that fades into a yellow `back` half; an invalid `back`, none.
struct ButterflyfishMorph
{
    QColor top, low, fin, back;
};
constexpr ButterflyfishMorph kButterflyfish[] = {
    {{252, 218, 44}, {244, 184, 24}, {252, 232, 120}, {}},
    {{246, 246, 242}, {220, 222, 220}, {252, 206, 40}, {252, 206, 40}},
};

void butterflyfish(QPainter& p, int variant)
{
    const ButterflyfishMorph& morph = kButterflyfish[variant];
    const QColor black(24, 22, 30);
    const QPainterPath finBack = K::blob(
        {{34, 10}, {46, 6}, {55, 13}, {62, 20}, {62, 28}, {57, 37}, {46, 42}, {34, 38}, {44, 24}});
    K::flat(p, finBack, morph.fin, K::ink(morph.low), 0.7);
    const QPainterPath tail = K::blob({{58, 21}, {66, 17}, {68, 24}, {66, 31}, {58, 27}});
    K::fin(p, tail, morph.fin, {58, 24}, 5);
    const QPainterPath body = K::blob({{13.5, 24},
                                       {20, 21},
                                       {27, 13},
                                       {38, 9},
                                       {48, 11},
                                       {55, 17},
                                       {57, 24},
                                       {55, 31},
                                       {48, 36},
                                       {38, 39},
                                       {27, 35},
                                       {20, 27}});
    K::body(p, body, morph.top, morph.low);
    K::clipped(p, body, [&] {
        p.setPen(QPen(K::shade(morph.low, 0.82), 0.5));
        for (int i = 0; i < 8; ++i) {
            p.drawLine(QPointF(28 + i * 4, 8), QPointF(22 + i * 4, 40));
        }
        if (morph.back.isValid()) {
            QColor clear = morph.back;
            clear.setAlpha(0);
            QLinearGradient g(40, 0, 56, 0);
            g.setColorAt(0, clear);
            g.setColorAt(1, morph.back);
            p.fillRect(QRectF(36, 6, 24, 36), g);
        }
    });
    K::bands(p, body, {25.5}, 3.6, black, 0.5);
    K::sheen(p, body, {38, 15}, 9, 4);
    K::outline(p, body, K::ink(morph.low));
    // False eye near the dorsal fin: a dark spot ringed in white.
    K::dot(p, {50, 16}, 2.6, QColor(255, 255, 255));
    K::dot(p, {50, 16}, 1.9, black);
    K::eye(p, {25.5, 22}, 2.0, QColor(60, 40, 30));
    K::mouth(p, {13.8, 24.3}, {15.3, 24.6}, black);
}

// Blue, and purple.
struct SurgeonfishMorph
{
    QColor top, low;
};
constexpr SurgeonfishMorph kSurgeonfish[] = {
    {{36, 100, 220}, {24, 70, 184}},
    {{130, 70, 186}, {96, 46, 150}},
};

void surgeonfish(QPainter& p, int variant)
{
    const SurgeonfishMorph& morph = kSurgeonfish[variant];
    const QColor tailC = QColor(252, 212, 40);
    const QColor mark(20, 20, 36);
    const QColor line = K::ink(morph.low);
    const QPainterPath dorsal =
        K::blob({{24, 16}, {34, 9.5}, {48, 10}, {57, 18}, {48, 16}, {34, 14}});
    const QPainterPath anal = K::blob({{28, 33}, {38, 37.5}, {50, 35}, {57, 29}, {48, 31}});
    K::flat(p, dorsal, morph.low, line, 0.7);
    K::flat(p, anal, morph.low, line, 0.7);
    const QPainterPath tail =
        K::quadShape({{56, 22}, {63, 17}, {70, 12.5}, {67, 24}, {70, 35.5}, {63, 31}, {56, 26}});
    K::flat(p, tail, tailC, K::ink(tailC), 0.8);
    const QPainterPath body = K::blob({{17, 24},
                                       {23, 16},
                                       {34, 12},
                                       {46, 13},
                                       {56, 19},
                                       {58, 24},
                                       {56, 29},
                                       {46, 34},
                                       {34, 35.5},
                                       {23, 32}});
    K::body(p, body, morph.top, morph.low);
    K::clipped(p, body.united(dorsal), [&] {
        const QPainterPath palette = K::blob({{23, 18},
                                              {32, 14},
                                              {44, 15.5},
                                              {55, 21.5},
                                              {58, 24},
                                              {50, 23},
                                              {43, 27.5},
                                              {36, 26},
                                              {31, 21.5},
                                              {26, 21}});
        K::flat(p, palette, mark, QColor(), 0);
        K::flat(p, K::blob({{35, 20}, {41, 19}, {45, 22}, {41, 24}}), morph.top, QColor(), 0);
    });
    K::sheen(p, body, {36, 15}, 10, 2.5);
    K::outline(p, body, line);
    K::flat(p, K::blob({{30, 26}, {36, 25}, {38, 30}}), K::shade(tailC, 0.95), line, 0.6);
    K::eye(p, {23.5, 21}, 2.2, QColor(40, 40, 60));
    K::mouth(p, {17.2, 24.8}, {19, 25.3}, line);
}

// Green with pink scale edges, and pink with yellow ones.
struct ParrotfishMorph
{
    QColor top, low, edge, fin;
};
constexpr ParrotfishMorph kParrotfish[] = {
    {{44, 186, 156}, {24, 146, 126}, {246, 128, 170}, {120, 210, 240}},
    {{236, 112, 146}, {206, 76, 118}, {252, 214, 90}, {250, 196, 90}},
};

void parrotfish(QPainter& p, int variant)
{
    const ParrotfishMorph& morph = kParrotfish[variant];
    const QColor line = K::ink(morph.low);
    K::flat(p, K::blob({{22, 16}, {34, 11}, {50, 12}, {58, 18}, {48, 16}, {34, 15}}), morph.fin,
            line, 0.6);
    K::flat(p, K::blob({{36, 33}, {46, 37}, {56, 31}, {46, 32}}), morph.fin, line, 0.6);
    const QPainterPath tail = K::quadShape({{58, 22},
                                            {66, 15},
                                            {75, 9},
                                            {71, 17},
                                            {70, 24},
                                            {71, 30},
                                            {74.5, 36},
                                            {66, 32},
                                            {58, 26}});
    K::fin(p, tail, morph.fin, {58, 24}, 6);
    const QPainterPath body = K::blob({{14, 24},
                                       {18, 18},
                                       {28, 14},
                                       {42, 13.5},
                                       {54, 16.5},
                                       {62, 22},
                                       {62, 26},
                                       {54, 31},
                                       {42, 34.5},
                                       {28, 35},
                                       {18, 31}});
    K::body(p, body, morph.top, morph.low);
    K::clipped(p, body, [&] {
        p.setPen(QPen(morph.edge, 0.7));
        p.setBrush(Qt::NoBrush);
        for (int col = 0; col < 9; ++col) {
            for (int row = 0; row < 6; ++row) {
                const double x = 27 + col * 3.8, y = 13 + row * 3.8 + (col % 2) * 1.9;
                p.drawArc(QRectF(x, y, 4.2, 4.2), 90 * 16, 180 * 16);
            }
        }
        // Face stripes in the morph.edge colour, typical of the group.
        p.setPen(QPen(morph.edge, 1.0));
        p.drawLine(QPointF(15, 22), QPointF(25, 18.5));
        p.drawLine(QPointF(17, 29), QPointF(26, 27));
    });
    K::sheen(p, body, {36, 17}, 11, 2.5);
    K::outline(p, body, line);
    // Fused teeth: the "beak".
    K::flat(p, K::blob({{12.2, 23.5}, {15, 21.4}, {17.5, 23.8}, {15, 25}}), QColor(250, 250, 244),
            line, 0.6);
    K::flat(p, K::blob({{12.6, 26}, {15, 25.2}, {17, 27}, {14.6, 28}}), QColor(250, 250, 244), line,
            0.6);
    K::fin(p, K::blob({{30, 25}, {37, 23}, {39, 28}, {34, 29}}), morph.fin, {30, 26}, 3);
    K::eye(p, {21.5, 20.5}, 2.1, QColor(240, 160, 40));
}

// Red with white stripes, and dark brown with yellow stripes.
struct LionfishMorph
{
    QColor top, low, stripe, web, iris;
};
constexpr LionfishMorph kLionfish[] = {
    {{196, 64, 44}, {160, 44, 36}, {252, 240, 222}, {250, 200, 180}, {200, 60, 40}},
    {{56, 42, 54}, {40, 30, 40}, {244, 196, 80}, {240, 200, 120}, {240, 190, 80}},
};

void lionfish(QPainter& p, int variant)
{
    const LionfishMorph& morph = kLionfish[variant];
    const QColor line = K::ink(morph.top);
    // Pectoral fans and the tall dorsal spines: the lionfish silhouette.
    const QPainterPath fan =
        K::blob({{32, 26}, {42, 31}, {52, 35.5}, {62, 38.5}, {48, 41}, {38, 40.5}, {30, 36}});
    K::flat(p, fan, morph.web, line, 0.6);
    K::clipped(p, fan, [&] {
        for (int i = 0; i < 7; ++i) {
            const QPointF tip(34 + i * 4.6, 44);
            p.setPen(QPen(morph.top, 1.1));
            p.drawLine(QPointF(30, 28), tip);
        }
    });
    QList<QPointF> tips;
    for (int i = 0; i < 8; ++i) {
        const double a = (-112 + i * 9) * M_PI / 180;
        const double len = 14.6 - std::abs(i - 2) * 1.1;
        tips.append(QPointF(30 + i * 3 + std::cos(a) * len, 18 + std::sin(a) * len));
    }
    QList<QPointF> webPts{{27, 18}};
    for (const QPointF& t : tips) {
        webPts.append(t + QPointF(0, 2.5));
    }
    webPts.append({54, 20});
    K::flat(p, K::blob(webPts), morph.web, QColor(), 0);
    for (int i = 0; i < tips.size(); ++i) {
        const QPointF base(30 + i * 3, 18);
        p.save();
        p.setPen(QPen(line, 1.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(base, tips[i]);
        p.setPen(QPen(morph.stripe, 0.6, Qt::DotLine, Qt::FlatCap));
        p.drawLine(base, tips[i]);
        p.restore();
    }
    const QPainterPath tail = K::blob({{55, 21}, {63, 16}, {68, 19}, {68, 28}, {63, 31}, {55, 26}});
    K::flat(p, tail, morph.web, line, 0.6);
    K::spots(p, tail, 2.6, 0.6, morph.top);
    const QPainterPath body = K::blob({{17, 24},
                                       {22, 19},
                                       {30, 16},
                                       {42, 16.5},
                                       {52, 19.5},
                                       {58, 23.5},
                                       {52, 27.5},
                                       {42, 31},
                                       {30, 31},
                                       {22, 29}});
    K::body(p, body, morph.top, morph.low);
    K::bands(p, body, {21, 26.5, 32, 37.5, 43, 48.5, 54}, 2.0, morph.stripe, 1.4);
    K::sheen(p, body, {34, 19}, 10, 2);
    K::outline(p, body, line);
    K::eye(p, {23.5, 21.5}, 2.1, morph.iris);
    K::mouth(p, {17.4, 25}, {19.5, 25.8}, line);
}

} // namespace fish
