// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assets/art/iconpainter.h"

// Qt
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

// Standard library
#include <algorithm>

namespace {

// The icon is designed on a 256 x 256 grid; fishpairs.svg draws the same shapes.
constexpr double kGrid = 256;

// A tile: a face with a darker wall extruded to the lower left.
void tile(QPainter& p, const QRectF& face, double depth, const QColor& top, const QColor& wall,
          const QColor& rim, double line)
{
    QPainterPath side;
    side.moveTo(face.topLeft());
    side.lineTo(face.topLeft() + QPointF(-depth, depth));
    side.lineTo(face.bottomLeft() + QPointF(-depth, depth));
    side.lineTo(face.bottomRight() + QPointF(-depth, depth));
    side.lineTo(face.bottomRight());
    side.lineTo(face.bottomLeft());
    side.closeSubpath();
    p.setPen(QPen(rim, line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(wall);
    p.drawPath(side);
    QLinearGradient g(face.topRight(), face.bottomLeft());
    g.setColorAt(0, top.lighter(106));
    g.setColorAt(1, top.darker(106));
    p.setBrush(g);
    p.drawRoundedRect(face, face.width() * 0.08, face.width() * 0.08);
}

} // namespace

QImage IconPainter::icon(int size)
{
    if (size < 8) {
        return {};
    }
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Below 24 px the back tile is only noise: show the front tile alone, filling the square.
    const bool tiny = size < 24;
    const QRectF shown = tiny ? QRectF(12, 52, 210, 210) : QRectF(0, 0, kGrid, kGrid);
    const double s = size / shown.width();
    p.scale(s, s);
    p.translate(-shown.topLeft());
    // Lines thinner than about a pixel vanish at 16 px, so widths have a floor in device pixels.
    auto line = [s](double w, double minPixels) { return std::max(w, minPixels / s); };
    const QColor rim(60, 44, 30);

    if (!tiny) {
        tile(p, QRectF(104, 18, 134, 140), 16, QColor(196, 226, 240), QColor(92, 140, 170), rim,
             line(6, 1.0));
    }
    tile(p, QRectF(46, 66, 160, 160), 18, QColor(252, 246, 228), QColor(196, 174, 132), rim,
         line(6, 1.0));

    // The fish: a round orange body, a fan tail and one white band, facing left.
    QPainterPath tail;
    tail.moveTo(161, 145);
    tail.cubicTo(179, 121, 197, 113, 203, 117);
    tail.cubicTo(197, 135, 197, 155, 203, 173);
    tail.cubicTo(197, 177, 179, 169, 161, 147);
    tail.closeSubpath();
    QPainterPath body;
    body.addEllipse(QPointF(115, 146), 60, 38);
    QPainterPath fin;
    fin.moveTo(93, 111);
    fin.cubicTo(105, 87, 137, 85, 151, 113);
    fin.closeSubpath();
    const QColor ink(40, 20, 14);
    p.setPen(QPen(ink, line(7, 1.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(255, 132, 28));
    p.drawPath(tail);
    p.drawPath(fin);
    QLinearGradient g(0, 108, 0, 184);
    g.setColorAt(0, QColor(255, 168, 60));
    g.setColorAt(1, QColor(236, 92, 14));
    p.setBrush(g);
    p.drawPath(body);
    if (size >= 24) {
        p.save();
        p.setClipPath(body);
        p.setPen(QPen(ink, 26));
        p.drawLine(QPointF(121, 95), QPointF(117, 195));
        p.setPen(QPen(QColor(255, 255, 248), 16));
        p.drawLine(QPointF(121, 95), QPointF(117, 195));
        p.restore();
        p.setPen(QPen(ink, line(7, 1.0)));
        p.setBrush(Qt::NoBrush);
        p.drawPath(body);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    // The eye is what makes the blob a fish at 16 px, so it keeps a minimum size too.
    const double eye = line(13, 2.0), pupil = line(8, 1.2);
    p.drawEllipse(QPointF(84, 137), eye, eye);
    p.setBrush(ink);
    p.drawEllipse(QPointF(82, 137), pupil, pupil);
    if (size >= 32) {
        p.setBrush(QColor(255, 255, 255));
        p.drawEllipse(QPointF(79, 133), 3, 3);
    }
    p.end();
    return image;
}
