// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assets/art/tilepainter.h"

// Local
#include "assets/art/fishpainter.h"
#include "assets/art/markglyphs.h"

// Qt
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr QColor kIvory(250, 245, 228);
constexpr QColor kIvoryLight(255, 253, 245);
constexpr QColor kIvoryShade(222, 210, 182);
constexpr QColor kWallLeft(178, 160, 124);
constexpr QColor kWallBottom(196, 178, 140);
constexpr QColor kRim(92, 76, 54);
constexpr QColor kMarkInk(52, 56, 92);
constexpr QColor kCornerShade(120, 106, 80);

} // namespace

QPointF TilePainter::numberOrigin(int number)
{
    return {kNumberEnd - MarkGlyphs::numberWidth(number, kDigitWidth, kDigitGap), kNumberTop};
}

QImage TilePainter::face(int n)
{
    QImage image = unmarkedFace(n);
    if (!image.isNull()) {
        paintMarks(image, (n - 1) / 2, (n - 1) % 2);
    }
    return image;
}

QImage TilePainter::unmarkedFace(int n)
{
    if (n < 1 || n > kFaceCount) {
        return {};
    }
    QImage image = blank();
    paintFish(image, (n - 1) / 2, (n - 1) % 2);
    return image;
}

QImage TilePainter::blank()
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    // The two corners outside the mitred solid cannot be transparent in a 24-bit bitmap. On the
    // board they lie over the neighbours' side walls or read as a shadow, so they take a dark wall
    // tone rather than the window colour, which would punch a hole at every tile junction.
    image.fill(kCornerShade);
    paintTile(image);
    return image;
}

void TilePainter::paintTile(QImage& image)
{
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = kWidth, h = kHeight, e = kWall;
    // The side wall: the tile's thickness seen from the lower left, mitred at the corner.
    QPainterPath left;
    left.moveTo(e, 0.5);
    left.lineTo(0.5, e);
    left.lineTo(0.5, h - 0.5);
    left.lineTo(e, h - e);
    left.closeSubpath();
    QPainterPath bottom;
    bottom.moveTo(e, h - e);
    bottom.lineTo(0.5, h - 0.5);
    bottom.lineTo(w - e, h - 0.5);
    bottom.lineTo(w - 0.5, h - e);
    bottom.closeSubpath();
    QLinearGradient lg(0, 0, e, 0);
    lg.setColorAt(0, kWallLeft.darker(115));
    lg.setColorAt(1, kWallLeft);
    p.setPen(Qt::NoPen);
    p.setBrush(lg);
    p.drawPath(left);
    QLinearGradient bg(0, h - e, 0, h);
    bg.setColorAt(0, kWallBottom);
    bg.setColorAt(1, kWallBottom.darker(112));
    p.setBrush(bg);
    p.drawPath(bottom);

    // The top surface with a bevel lit from the upper right.
    const QRectF top(e, 0, w - e, h - e);
    p.setBrush(kIvory);
    p.drawRect(top);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(kIvoryLight);
    p.drawPolygon(QPolygon({QPoint(kWall, 0), QPoint(kWidth, 0), QPoint(kWidth, kHeight - kWall),
                            QPoint(kWidth - 2, kHeight - kWall - 2), QPoint(kWidth - 2, 2),
                            QPoint(kWall + 2, 2)}));
    p.setBrush(kIvoryShade);
    p.drawPolygon(
        QPolygon({QPoint(kWall, 0), QPoint(kWall + 2, 2), QPoint(kWall + 2, kHeight - kWall - 2),
                  QPoint(kWidth - 2, kHeight - kWall - 2), QPoint(kWidth, kHeight - kWall),
                  QPoint(kWall, kHeight - kWall)}));
    p.setRenderHint(QPainter::Antialiasing, true);
    // A thin rim around the whole solid keeps neighbouring tiles apart on the board.
    QPainterPath outline;
    outline.moveTo(e, 0.5);
    outline.lineTo(w - 0.5, 0.5);
    outline.lineTo(w - 0.5, h - e);
    outline.lineTo(w - e, h - 0.5);
    outline.lineTo(0.5, h - 0.5);
    outline.lineTo(0.5, e);
    outline.closeSubpath();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kRim, 1.0));
    p.drawPath(outline);
    p.setPen(QPen(QColor(kRim.red(), kRim.green(), kRim.blue(), 120), 0.8));
    p.drawLine(QPointF(e, h - e), QPointF(0.5, h - 0.5));
    p.drawLine(QPointF(e, 0.5), QPointF(e, h - e));
    p.drawLine(QPointF(e, h - e), QPointF(w - 0.5, h - e));
}

void TilePainter::paintFish(QImage& image, int species, int variant)
{
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Nothing may spill onto the bevel or the wall, however a fish is drawn.
    p.setClipRect(QRect(kWall + 2, 2, kWidth - kWall - 4, kHeight - kWall - 4));
    FishPainter::paint(p, species, variant);
}

void TilePainter::paintMarks(QImage& image, int species, int variant)
{
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath number = MarkGlyphs::number(species + 1, numberOrigin(species + 1),
                                                   kDigitWidth, kDigitHeight, kDigitGap);
    // A pale halo under the digits keeps them legible where a fin runs behind them.
    p.setPen(QPen(QColor(255, 253, 245, 220), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(number);
    p.setPen(QPen(kMarkInk, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(number);
    p.setPen(QPen(QColor(255, 253, 245), 0.8));
    p.setBrush(kMarkInk);
    // After the number, on the digits' middle line: "7 •" and "7 ••" read as one mark each.
    const double y = kNumberTop + kDigitHeight / 2;
    p.drawEllipse(QPointF(68.5, y), 2.1, 2.1);
    if (variant == 1) {
        p.drawEllipse(QPointF(73.5, y), 2.1, 2.1);
    }
}
