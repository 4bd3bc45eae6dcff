// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assets/art/shippainter.h"

// Qt
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

// Standard library
#include <cmath>
#include <random>
#include <tuple>

namespace {

// std::minstd_rand's sequence is fixed by the standard; the library's distributions are not, so
// scaling is done here.
double unit(std::minstd_rand& rng)
{
    return double(rng() - std::minstd_rand::min()) /
           double(std::minstd_rand::max() - std::minstd_rand::min());
}

double between(std::minstd_rand& rng, double lo, double hi)
{
    return lo + (hi - lo) * unit(rng);
}

constexpr QPointF kSun(236, 46);
constexpr double kWaterline = 141;
constexpr QColor kCanvasEdge(120, 104, 84);

// Fills `path` with a linear gradient from `start` to `end` through `stops`, outlined with `pen`.
void paintShaded(QPainter& p, const QPainterPath& path, QPointF start, QPointF end,
                 const QGradientStops& stops, const QPen& pen)
{
    QLinearGradient g(start, end);
    for (const auto& [at, colour] : stops) {
        g.setColorAt(at, colour);
    }
    p.save();
    p.setPen(pen);
    p.setBrush(g);
    p.drawPath(path);
    p.restore();
}

// One billowed square sail hanging from a yard at `yardY`, centred on `x`.
void squareSail(QPainter& p, double x, double yardY, double width, double depth, double foot)
{
    const double half = width / 2;
    const double footHalf = half * foot;
    QPainterPath sail;
    sail.moveTo(x - half, yardY);
    sail.lineTo(x + half, yardY);
    sail.quadTo(x + half + depth * 0.24, yardY + depth * 0.55, x + footHalf, yardY + depth);
    sail.quadTo(x, yardY + depth * 0.8, x - footHalf, yardY + depth);
    sail.quadTo(x - half - depth * 0.14, yardY + depth * 0.55, x - half, yardY);
    sail.closeSubpath();
    // Lit from the sun on the right; the belly of the canvas darkens towards the left edge.
    paintShaded(p, sail, {x - half, 0}, {x + half, 0},
                {{0, QColor(196, 184, 160)},
                 {0.45, QColor(236, 228, 206)},
                 {0.8, QColor(252, 248, 234)},
                 {1, QColor(232, 222, 198)}},
                QPen(kCanvasEdge, 0.7));
    p.save();
    p.setClipPath(sail);
    // The canvas bellies out: shadow under the yard and along the foot, light across the middle.
    QLinearGradient belly(0, yardY, 0, yardY + depth);
    belly.setColorAt(0, QColor(90, 70, 50, 70));
    belly.setColorAt(0.25, QColor(255, 255, 255, 0));
    belly.setColorAt(0.55, QColor(255, 255, 250, 60));
    belly.setColorAt(0.8, QColor(255, 255, 255, 0));
    belly.setColorAt(1, QColor(90, 70, 50, 60));
    p.fillRect(sail.boundingRect(), belly);
    p.setPen(QPen(QColor(170, 156, 132, 110), 0.6));
    for (double s = x - half + width / 6; s < x + half; s += width / 6) {
        p.drawLine(QPointF(s, yardY), QPointF(x + (s - x) * foot, yardY + depth));
    }
    // A reef band just below the yard.
    p.drawLine(QPointF(x - half, yardY + depth * 0.18), QPointF(x + half, yardY + depth * 0.18));
    p.restore();
    p.setPen(QPen(QColor(70, 48, 30), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x - half - 2, yardY), QPointF(x + half + 2, yardY));
}

void triangleSail(QPainter& p, QPointF head, QPointF tack, QPointF clew)
{
    QPainterPath sail;
    sail.moveTo(head);
    sail.lineTo(tack);
    sail.quadTo((tack + clew) / 2 + QPointF(0, 2), clew);
    sail.quadTo((clew + head) / 2 + QPointF(-3, 0), head);
    sail.closeSubpath();
    paintShaded(p, sail, clew, tack, {{0, QColor(210, 198, 174)}, {1, QColor(250, 244, 228)}},
                QPen(kCanvasEdge, 0.7));
}

void pennant(QPainter& p, QPointF at, double length, double wave)
{
    QPainterPath flag;
    flag.moveTo(at);
    flag.cubicTo(at + QPointF(length * 0.35, -wave), at + QPointF(length * 0.65, wave),
                 at + QPointF(length, -1));
    flag.cubicTo(at + QPointF(length * 0.65, wave + 2), at + QPointF(length * 0.35, 3 - wave),
                 at + QPointF(0, 4));
    flag.closeSubpath();
    p.setPen(QPen(QColor(120, 20, 24), 0.5));
    p.setBrush(QColor(214, 40, 40));
    p.drawPath(flag);
}

} // namespace

QImage ShipPainter::picture()
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    sky(p);
    clouds(p);
    sea(p);
    reflection(p);
    rigging(p);
    sails(p);
    hull(p);
    wash(p);
    gulls(p);
    p.end();
    return image;
}

void ShipPainter::sky(QPainter& p)
{
    QLinearGradient g(0, 0, 0, kHorizon);
    g.setColorAt(0, QColor(40, 84, 150));
    g.setColorAt(0.45, QColor(92, 146, 202));
    g.setColorAt(0.8, QColor(178, 200, 214));
    g.setColorAt(1, QColor(240, 218, 184));
    p.fillRect(QRectF(0, 0, kWidth, kHorizon + 1), g);
    QRadialGradient glow(kSun, 70);
    glow.setColorAt(0, QColor(255, 246, 214, 230));
    glow.setColorAt(0.12, QColor(255, 236, 190, 170));
    glow.setColorAt(1, QColor(255, 220, 170, 0));
    p.fillRect(QRectF(0, 0, kWidth, kHorizon + 1), glow);
    // A hazy headland on the far left gives the horizon depth.
    QPainterPath land;
    land.moveTo(0, kHorizon + 1);
    land.lineTo(0, 100);
    land.cubicTo(14, 95, 26, 97, 36, 102);
    land.cubicTo(46, 99, 56, 104, 72, 108);
    land.cubicTo(80, 110, 86, 111, 92, kHorizon + 1);
    land.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(128, 146, 168));
    p.drawPath(land);
}

void ShipPainter::clouds(QPainter& p)
{
    std::minstd_rand rng(20260101);
    // Banks as centre x, centre y, width, height and number of puffs: large soft cumulus up
    // high, smaller banks lower down, thin streaks near the horizon.
    const std::tuple<double, double, double, double, int> banks[] = {
        {58, 30, 96, 26, 26}, {196, 22, 80, 20, 22}, {268, 64, 60, 16, 14}, {112, 66, 54, 13, 12},
        {26, 80, 58, 7, 12},  {170, 92, 90, 6, 14},  {40, 100, 70, 4, 10}};
    p.setPen(Qt::NoPen);
    for (const auto& [bx, by, bw, bh, puffs] : banks) {
        // Shadowed underside first, lit tops over it.
        for (int pass = 0; pass < 2; ++pass) {
            std::minstd_rand local(rng());
            for (int i = 0; i < puffs; ++i) {
                const double dx = between(local, -0.5, 0.5) * bw;
                const double lift = 1 - std::pow(2 * std::abs(dx) / bw, 2);
                const double dy = between(local, -0.55, 0.2) * bh * lift;
                const double r = between(local, 0.35, 0.6) * bh * (0.5 + lift);
                const QPointF c(bx + dx, by + dy + (pass == 0 ? r * 0.35 : 0));
                // Built around the origin: the puff is drawn in its own scaled frame.
                QRadialGradient g(QPointF(0, 0), r);
                const QColor core =
                    pass == 0 ? QColor(150, 160, 186, 150) : QColor(255, 252, 244, 190);
                QColor edge = core;
                edge.setAlpha(0);
                g.setColorAt(0, core);
                g.setColorAt(0.55, core);
                g.setColorAt(1, edge);
                p.setBrush(g);
                // Low banks are seen edge-on: stretch their puffs into streaks.
                const double stretch = bh < 8 ? 3.0 : 1.0;
                p.save();
                p.translate(c);
                p.scale(stretch, pass == 0 ? 0.8 : 0.9);
                p.drawEllipse(QPointF(0, 0), r, r);
                p.restore();
            }
        }
        // Warm light from the sun on the rims facing it.
        const QPointF rim(bx + bw * 0.2, by - bh * 0.3);
        QRadialGradient warm(rim, bw * 0.4);
        warm.setColorAt(0, QColor(255, 226, 180, 70));
        warm.setColorAt(1, QColor(255, 226, 180, 0));
        p.setBrush(warm);
        p.drawEllipse(rim, bw * 0.4, bh * 0.8);
    }
}

void ShipPainter::sea(QPainter& p)
{
    QLinearGradient g(0, kHorizon, 0, kHeight);
    g.setColorAt(0, QColor(96, 150, 178));
    g.setColorAt(0.25, QColor(46, 108, 150));
    g.setColorAt(1, QColor(12, 40, 100));
    p.fillRect(QRectF(0, kHorizon, kWidth, kHeight - kHorizon), g);
    p.setPen(QPen(QColor(238, 232, 214), 0.8));
    p.drawLine(QPointF(0, kHorizon + 0.5), QPointF(kWidth, kHorizon + 0.5));

    // Sun glitter on the water below the sun.
    std::minstd_rand rng(7771);
    for (int i = 0; i < 70; ++i) {
        const double y = between(rng, kHorizon + 1, 150);
        const double spread = 6 + (y - kHorizon) * 0.7;
        const double x = kSun.x() + between(rng, -1, 1) * spread;
        const double len = 1 + (y - kHorizon) * 0.1;
        p.setPen(QPen(QColor(255, 244, 208, int(between(rng, 90, 200))), 0.8));
        p.drawLine(QPointF(x - len, y), QPointF(x + len, y));
    }

    // Long swells: soft lighter and darker bands under the wave crests.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 14; ++i) {
        const double t = between(rng, 0.05, 1);
        const double y = kHorizon + std::pow(t, 1.5) * (kHeight - kHorizon);
        const double h = 1 + 5 * t;
        const double x = between(rng, -60, kWidth);
        const double w = between(rng, 60, 160);
        p.setBrush(i % 2 ? QColor(130, 190, 220, 34) : QColor(8, 30, 70, 40));
        p.drawEllipse(QPointF(x + w / 2, y), w / 2, h / 2);
    }
    // Wave crests: rows grow taller and further apart towards the viewer, each crest a little
    // off its row so the water does not read as a pattern.
    p.setBrush(Qt::NoBrush);
    for (double t = 0; t < 1; t += 0.04) {
        const double row = kHorizon + 2 + std::pow(t, 1.6) * (kHeight - kHorizon);
        const double scale = 0.4 + 3.0 * t;
        for (double x = between(rng, -20, 0); x < kWidth; x += between(rng, 10, 30) * scale) {
            const double y = row + between(rng, -0.5, 0.5) * (1 + 4 * t);
            const double len = between(rng, 4, 13) * scale;
            const double h = between(rng, 0.5, 1.1) * scale;
            QPainterPath crest;
            crest.moveTo(x, y);
            crest.quadTo(x + len * between(rng, 0.35, 0.6), y - h, x + len, y);
            p.setPen(QPen(QColor(8, 30, 72, int(between(rng, 60, 140))), 0.6 + 0.6 * t));
            p.drawPath(crest.translated(0, 0.8 + 0.4 * scale));
            p.setPen(QPen(QColor(196, 224, 240, int(between(rng, 0.4, 1.0) * (60 + 120 * t))),
                          0.5 + 0.4 * t));
            p.drawPath(crest);
        }
    }
}

void ShipPainter::reflection(QPainter& p)
{
    // A broken, dark mirror of the hull and sails, wobbling with the water.
    for (double y = kWaterline + 1; y < kWaterline + 30; y += 2) {
        const double fade = 1 - (y - kWaterline) / 30;
        const double wobble = std::sin(y * 1.3) * 2.5;
        p.setPen(QPen(QColor(28, 30, 44, int(150 * fade)), 1.3));
        p.drawLine(QPointF(96 + wobble + (y - kWaterline) * 0.3, y),
                   QPointF(188 + wobble - (y - kWaterline) * 0.3, y));
        if (y > kWaterline + 6) {
            p.setPen(QPen(QColor(210, 206, 190, int(60 * fade)), 1.0));
            p.drawLine(QPointF(122 + wobble, y), QPointF(168 + wobble, y));
        }
    }
}

void ShipPainter::hull(QPainter& p)
{
    // The sheer, the line of the deck from stern to bow, bounds the hull and carries its bands.
    QPainterPath sheer;
    sheer.moveTo(84, 116);
    sheer.lineTo(100, 118);
    sheer.quadTo(142, 129, 192, 120);
    sheer.lineTo(202, 117);
    QPainterPath hull = sheer;
    hull.quadTo(198, 133, 186, 143);
    hull.quadTo(140, 150, 96, 144);
    hull.quadTo(88, 134, 84, 116);
    hull.closeSubpath();
    p.save();
    // The hull sinks into a gently rippled waterline, not a ruled one.
    QPainterPath above;
    above.moveTo(0, 0);
    above.lineTo(kWidth, 0);
    above.lineTo(kWidth, kWaterline);
    for (double x = kWidth; x >= 0; x -= 3) {
        above.lineTo(x, kWaterline + 0.7 * std::sin(x * 0.45));
    }
    above.closeSubpath();
    p.setClipPath(above);
    paintShaded(p, hull, {0, 116}, {0, 146}, {{0, QColor(120, 74, 42)}, {1, QColor(58, 34, 22)}},
                QPen(QColor(40, 24, 16), 0.9));
    p.setClipPath(hull, Qt::IntersectClip);
    // Painted bands along the sheer, with gun ports in the lower one.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(210, 168, 80), 1.6));
    p.drawPath(sheer.translated(0, 4));
    p.setPen(QPen(QColor(36, 50, 70), 3.2));
    p.drawPath(sheer.translated(0, 8.5));
    p.setPen(QPen(QColor(210, 168, 80), 0.8));
    p.drawPath(sheer.translated(0, 11));
    for (double x = 108; x < 188; x += 9) {
        const double t = (x - 100) / 92;
        const double y = 118 + 2 * t * (1 - t) * 11 - t * t + 7;
        p.fillRect(QRectF(x, y, 3, 3), QColor(20, 14, 10));
        p.setPen(QPen(QColor(200, 160, 80), 0.5));
        p.drawRect(QRectF(x, y, 3, 3));
    }
    // Lit stern windows.
    for (int i = 0; i < 3; ++i) {
        p.fillRect(QRectF(87 + i * 3.6, 121 + i * 0.5, 2.2, 2.6), QColor(255, 214, 120));
    }
    p.restore();
    // Stern lantern and the bow's figurehead scroll.
    p.setPen(QPen(QColor(40, 24, 16), 0.8));
    p.setBrush(QColor(255, 220, 120));
    p.drawEllipse(QPointF(85, 112.5), 1.6, 2);
    p.setPen(QPen(QColor(210, 168, 80), 1.0));
    p.drawArc(QRectF(197, 117, 5, 5), 90 * 16, 200 * 16);
}

void ShipPainter::wash(QPainter& p)
{
    // Water lapping along the hull, the bow wave and the wake astern.
    p.setBrush(Qt::NoBrush);
    QPainterPath lap;
    lap.moveTo(92, kWaterline + 0.5);
    for (double x = 92; x <= 196; x += 4) {
        lap.quadTo(x + 2, kWaterline + 0.5 + 1.2 * std::sin(x * 0.7), x + 4, kWaterline + 0.5);
    }
    p.setPen(QPen(QColor(240, 248, 255, 170), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(lap);
    p.setPen(QPen(QColor(220, 236, 248, 80), 1.0));
    p.drawPath(lap.translated(-3, 2.2));
    for (int i = 0; i < 4; ++i) {
        QPainterPath bowWave;
        const double spread = i * 4.5;
        bowWave.moveTo(192 - spread * 0.6, kWaterline - 2 + i * 0.6);
        bowWave.quadTo(200 + spread * 0.4, kWaterline - 3.5 + i, 210 + spread * 1.2,
                       kWaterline + 1.5 + i * 1.6);
        p.setPen(
            QPen(QColor(248, 252, 255, 200 - i * 40), 1.5 - i * 0.25, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(bowWave);
    }
    for (int i = 0; i < 3; ++i) {
        QPainterPath wake;
        wake.moveTo(96, kWaterline + 0.5 + i * 1.8);
        wake.quadTo(78, kWaterline + 1 + i * 2.6, 54 - i * 8, kWaterline + 1.5 + i * 3.6);
        p.setPen(QPen(QColor(230, 242, 252, 120 - i * 30), 1.0, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(wake);
    }
}

void ShipPainter::sails(QPainter& p)
{
    // Masts and bowsprit first; sails hang in front of them.
    p.setPen(QPen(QColor(70, 44, 26), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(108, 121), QPointF(108, 46));
    p.drawLine(QPointF(142, 126), QPointF(142, 16));
    p.drawLine(QPointF(175, 123), QPointF(175, 28));
    p.drawLine(QPointF(198, 119), QPointF(236, 105));

    // Mizzen: a gaff spanker and one square topsail.
    QPainterPath spanker;
    spanker.moveTo(107, 66);
    spanker.lineTo(84, 73);
    spanker.quadTo(80, 94, 78, 112);
    spanker.lineTo(107, 112);
    spanker.quadTo(104, 90, 107, 66);
    spanker.closeSubpath();
    paintShaded(p, spanker, {78, 0}, {108, 0},
                {{0, QColor(212, 200, 176)}, {1, QColor(248, 242, 224)}}, QPen(kCanvasEdge, 0.7));
    p.setPen(QPen(QColor(70, 44, 26), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(108, 66), QPointF(83, 73));
    p.drawLine(QPointF(108, 112), QPointF(76, 112));
    squareSail(p, 108, 50, 26, 13, 1.08);

    // Main mast: course, topsail, topgallant.
    squareSail(p, 142, 26, 30, 13, 1.1);
    squareSail(p, 142, 42, 44, 19, 1.08);
    squareSail(p, 142, 64, 58, 30, 1.06);
    // Fore mast.
    squareSail(p, 175, 37, 24, 11, 1.1);
    squareSail(p, 175, 51, 36, 17, 1.08);
    squareSail(p, 175, 71, 48, 28, 1.05);
    // Head sails out to the bowsprit.
    triangleSail(p, {177, 40}, {234, 106}, {204, 110});
    triangleSail(p, {177, 60}, {214, 113}, {190, 113});

    pennant(p, {142, 15}, 22, 2.5);
    pennant(p, {175, 27}, 14, 1.5);
    pennant(p, {108, 45}, 12, 1.5);
}

void ShipPainter::rigging(QPainter& p)
{
    const QColor rope(48, 36, 30, 170);
    p.setPen(QPen(rope, 0.55));
    // Stays between the mast heads and out to the bowsprit, backstays to the stern.
    p.drawLine(QPointF(142, 18), QPointF(175, 60));
    p.drawLine(QPointF(175, 30), QPointF(236, 105));
    p.drawLine(QPointF(108, 48), QPointF(142, 80));
    p.drawLine(QPointF(142, 18), QPointF(108, 64));
    p.drawLine(QPointF(108, 48), QPointF(86, 114));
    p.drawLine(QPointF(142, 30), QPointF(96, 117));
    // Shrouds: fans from each mast down to the rail.
    for (const auto& [x, top, rail] :
         {std::tuple{108.0, 52.0, 120.0}, {142.0, 32.0, 126.0}, {175.0, 42.0, 123.0}}) {
        for (int i = 0; i < 4; ++i) {
            const double foot = x - 9 + i * 2.2;
            p.drawLine(QPointF(x, top), QPointF(foot, rail));
            p.drawLine(QPointF(x, top), QPointF(2 * x - foot, rail));
        }
    }
}

void ShipPainter::gulls(QPainter& p)
{
    p.setPen(QPen(QColor(50, 56, 72), 0.9, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (const auto& [c, s] :
         {std::pair{QPointF(40, 58), 1.0}, {QPointF(54, 50), 0.8}, {QPointF(258, 92), 0.7}}) {
        QPainterPath gull;
        gull.moveTo(c + QPointF(-5, -1) * s);
        gull.quadTo(c + QPointF(-2.5, -3) * s, c);
        gull.quadTo(c + QPointF(2.5, -3) * s, c + QPointF(5, -1) * s);
        p.drawPath(gull);
    }
}
