#include "fishpainter.h"

// Project
#include "fishkit.h"

// Qt
#include <QPainter>
#include <QRadialGradient>

// Standard library
#include <array>
#include <cmath>
#include <tuple>
#include <utility>

namespace {

using Pts = QList<QPointF>;
using K = FishKit;

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

// Sand with brown spots, and blue with navy spots.
struct PufferMorph
{
    QColor top, low, spot, pale, iris;
};
constexpr PufferMorph kPuffer[] = {
    {{226, 190, 96}, {200, 150, 64}, {104, 62, 30}, {252, 244, 214}, {60, 150, 90}},
    {{104, 146, 186}, {70, 110, 156}, {26, 36, 76}, {236, 242, 248}, {90, 190, 120}},
};

void puffer(QPainter& p, int variant)
{
    const PufferMorph& morph = kPuffer[variant];
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
    const QPainterPath tail;
    QPainterPath crescent;
    crescent.moveTo(61, 23);
    crescent.quadTo(66, 18, 74, 7);
    crescent.quadTo(71, 17, 69, 23.5);
    crescent.quadTo(71, 29, 75, 35.5);
    crescent.quadTo(66, 29, 61, 25);
    crescent.closeSubpath();
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
    K::clipped(p, body, [&] {
        QLinearGradient g(0, 17, 0, 30);
        g.setColorAt(0, morph.top);
        g.setColorAt(0.45, morph.top);
        g.setColorAt(0.62, morph.low);
        g.setColorAt(1, morph.low);
        p.fillRect(QRectF(10, 10, 60, 25), g);
    });
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
    QPainterPath tail;
    tail.moveTo(62, 21);
    tail.quadTo(68, 16, 75, 9);
    tail.quadTo(73, 17, 71, 24);
    tail.quadTo(73, 28, 75, 33);
    tail.quadTo(69, 30, 63, 27);
    tail.closeSubpath();
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

// Green, and golden.
struct MorayMorph
{
    QColor top, low, speck, iris;
};
constexpr MorayMorph kMoray[] = {
    {{110, 170, 76}, {70, 128, 52}, {26, 60, 24}, {210, 200, 60}},
    {{236, 186, 64}, {200, 146, 40}, {110, 62, 20}, {180, 120, 20}},
};

void moray(QPainter& p, int variant)
{
    const MorayMorph& morph = kMoray[variant];
    const Pts spine{{16, 21}, {24, 18}, {32, 21},   {40, 28},   {48, 31},
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
    QPainterPath jaw;
    jaw.moveTo(12.2, 21.5);
    jaw.quadTo(17, 22.8, 21, 23.5);
    jaw.quadTo(16, 26, 13, 25.4);
    jaw.closeSubpath();
    K::flat(p, jaw, QColor(120, 30, 40), K::ink(morph.low), 0.7);
    p.save();
    p.setPen(QPen(QColor(255, 255, 250), 0.6));
    for (double x : {14.0, 16.5, 19.0}) {
        p.drawLine(QPointF(x, 22.2), QPointF(x + 0.4, 23.5));
    }
    p.restore();
    K::eye(p, {19, 18.5}, 1.9, morph.iris);
}

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
    QPainterPath tail;
    tail.moveTo(62, 23);
    tail.quadTo(67, 17, 74, 8);
    tail.quadTo(72, 17, 70, 23.5);
    tail.quadTo(72, 29, 74, 36);
    tail.quadTo(67, 29, 62, 24.5);
    tail.closeSubpath();
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
    K::clipped(p, body, [&] {
        QLinearGradient g(0, 15, 0, 33);
        g.setColorAt(0, K::shade(morph.top, 0.8));
        g.setColorAt(0.4, morph.top);
        g.setColorAt(0.56, low);
        g.setColorAt(1, K::shade(low, 0.92));
        p.fillRect(QRectF(12, 14, 54, 20), g);
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
struct SunfishMorph
{
    QColor top, low, mottle;
};
constexpr SunfishMorph kSunfish[] = {
    {{168, 182, 196}, {128, 142, 160}, {220, 228, 236}},
    {{196, 132, 156}, {158, 94, 122}, {232, 190, 206}},
};

void sunfish(QPainter& p, int variant)
{
    const SunfishMorph& morph = kSunfish[variant];
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
    QPainterPath gape;
    gape.moveTo(14.5, 25);
    gape.quadTo(22, 26, 31, 29);
    gape.quadTo(22, 34, 16, 34);
    gape.closeSubpath();
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

// Blue, and purple.
struct TangMorph
{
    QColor top, low;
};
constexpr TangMorph kTang[] = {
    {{36, 100, 220}, {24, 70, 184}},
    {{130, 70, 186}, {96, 46, 150}},
};

void tang(QPainter& p, int variant)
{
    const TangMorph& morph = kTang[variant];
    const QColor tailC = QColor(252, 212, 40);
    const QColor mark(20, 20, 36);
    const QColor line = K::ink(morph.low);
    const QPainterPath dorsal =
        K::blob({{24, 16}, {34, 9.5}, {48, 10}, {57, 18}, {48, 16}, {34, 14}});
    const QPainterPath anal = K::blob({{28, 33}, {38, 37.5}, {50, 35}, {57, 29}, {48, 31}});
    K::flat(p, dorsal, morph.low, line, 0.7);
    K::flat(p, anal, morph.low, line, 0.7);
    QPainterPath tail;
    tail.moveTo(56, 22);
    tail.quadTo(63, 17, 70, 12.5);
    tail.quadTo(67, 24, 70, 35.5);
    tail.quadTo(63, 31, 56, 26);
    tail.closeSubpath();
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

// Blue with pale blue wings, and teal with amber wings.
struct FlyingfishMorph
{
    QColor top, wing;
};
constexpr FlyingfishMorph kFlyingfish[] = {
    {{42, 100, 200}, {170, 210, 246}},
    {{24, 128, 110}, {250, 206, 110}},
};

void flyingfish(QPainter& p, int variant)
{
    const FlyingfishMorph& morph = kFlyingfish[variant];
    const QColor low = QColor(222, 230, 238);
    const QColor line = K::ink(morph.top);
    const QPainterPath wingPath =
        K::blob({{28, 22}, {35, 10}, {44, 4}, {54, 4}, {49, 10}, {43, 16}, {36, 23}});
    K::fin(p, wingPath, morph.wing, {28, 22}, 8);
    QPainterPath tail;
    tail.moveTo(56, 23.5);
    tail.quadTo(62, 19, 69, 14);
    tail.quadTo(66, 21, 65, 25);
    tail.quadTo(70, 30, 75, 35.5);
    tail.quadTo(64, 31, 56, 26);
    tail.closeSubpath();
    K::flat(p, tail, morph.top, line, 0.7);
    const QPainterPath body = K::blob(
        {{14, 25.5}, {20, 21.5}, {34, 19.5}, {48, 20.5}, {58, 24}, {48, 28}, {34, 29.5}, {20, 29}});
    K::body(p, body, morph.top, morph.top);
    K::clipped(p, body, [&] {
        QLinearGradient g(0, 19, 0, 30);
        g.setColorAt(0, morph.top);
        g.setColorAt(0.45, morph.top);
        g.setColorAt(0.6, low);
        g.setColorAt(1, low);
        p.fillRect(QRectF(12, 18, 48, 13), g);
    });
    K::sheen(p, body, {34, 21}, 10, 1.4);
    K::outline(p, body, line);
    K::fin(p, K::blob({{40, 27}, {48, 35}, {56, 36}, {48, 28}}), morph.wing, {40, 27}, 4);
    K::flat(p, K::blob({{46, 20}, {50, 17}, {52, 21}}), morph.top, line, 0.5);
    K::eye(p, {20, 24.5}, 2.3, QColor(50, 70, 110));
    K::mouth(p, {14.4, 26}, {16.4, 26.4}, line);
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
    QPainterPath tail;
    tail.moveTo(58, 22);
    tail.quadTo(66, 15, 75, 9);
    tail.quadTo(71, 17, 70, 24);
    tail.quadTo(71, 30, 74.5, 36);
    tail.quadTo(66, 32, 58, 26);
    tail.closeSubpath();
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

// Name and drawing function of each species, in tile order, and where the drawing is placed:
// shrunk by a scale towards the fish box's bottom-left corner (11, 43), then shifted by whole
// pixels, dx to the right and dy down. Fins and tails that reached into the marks' strip at the top
// right were redrawn lower or moved down or left with their fish; a fish is shrunk only where no
// shift inside the box clears the strip.
using Species = std::tuple<const char*, void (*)(QPainter&, int), double, int, int>;
constexpr std::array<Species, FishPainter::speciesCount> species{{
    // name, drawing, scale, dx, dy
    {"clownfish", clownfish, 1, 0, 0},
    {"angelfish", angelfish, 1, -5, 0},
    {"pufferfish", puffer, 1, 0, 0},
    {"seahorse", seahorse, 1, -2, 0},
    {"swordfish", swordfish, 0.95, 0, 3},
    {"shark", shark, 0.93, 0, 1},
    {"moray eel", moray, 1, 0, 0},
    {"ray", ray, 1, 0, 0},
    {"tuna", tuna, 1, 0, 4},
    {"catfish", catfish, 1, 0, 0},
    {"pike", pike, 1, 0, 0},
    {"goldfish", goldfish, 0.93, 0, 0},
    {"lionfish", lionfish, 1, -5, 0},
    {"butterflyfish", butterflyfish, 1, -1, 0},
    {"boxfish", boxfish, 1, -1, 0},
    {"ocean sunfish", sunfish, 1, -4, 0},
    {"anglerfish", anglerfish, 1, 0, 0},
    {"surgeonfish", tang, 1, 0, 0},
    {"flying fish", flyingfish, 1, -2, 0},
    {"flounder", flounder, 1, -1, 1},
    {"parrotfish", parrotfish, 1, 0, 3},
    {"betta", betta, 0.88, 0, 0},
}};

} // namespace

void FishPainter::paint(QPainter& p, int s, int variant)
{
    if (s < 0 || s >= speciesCount || variant < 0 || variant > 1) {
        return;
    }
    const auto& [name, draw, scale, dx, dy] = species[s];
    p.save();
    p.translate(dx + 11 * (1 - scale), dy + 43 * (1 - scale));
    p.scale(scale, scale);
    draw(p, variant);
    p.restore();
}

QString FishPainter::name(int s)
{
    if (s < 0 || s >= speciesCount) {
        return {};
    }
    return QString::fromLatin1(std::get<0>(species[s]));
}
