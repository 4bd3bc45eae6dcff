// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/designscale.h"

// Standard library
#include <algorithm>
#include <cmath>

DesignScale DesignScale::fitting(const QRectF& area, const QSize& window)
{
    const double zoom =
        std::min(window.width() / area.width(), window.height() / area.height()) * kTwipsPerPixel;
    const double pixelsPerTwip = zoom / kTwipsPerPixel;
    const QSizeF used = area.size() * pixelsPerTwip;
    const QPointF margin((window.width() - used.width()) / 2,
                         (window.height() - used.height()) / 2);
    return DesignScale(zoom, margin - area.topLeft() * pixelsPerTwip);
}

QSize DesignScale::wholePixels(QSizeF twips)
{
    return {int(std::ceil(twips.width() / kTwipsPerPixel)),
            int(std::ceil(twips.height() / kTwipsPerPixel))};
}

QRectF DesignScale::toPixels(const QRectF& twips) const
{
    const double k = pixelsPerTwip();
    return {origin_.x() + twips.left() * k, origin_.y() + twips.top() * k, twips.width() * k,
            twips.height() * k};
}

QRect DesignScale::toPixelRect(const QRectF& twips) const
{
    const QRectF exact = toPixels(twips);
    const int left = int(std::lround(exact.left()));
    const int top = int(std::lround(exact.top()));
    const int right = int(std::lround(exact.right()));
    const int bottom = int(std::lround(exact.bottom()));
    return {left, top, right - left, bottom - top};
}

QRect DesignScale::pictureRect(QPointF twips, QSize picture) const
{
    const QPointF topLeft = toPixels(twips);
    return {QPoint(int(std::lround(topLeft.x())), int(std::lround(topLeft.y()))),
            (QSizeF(picture) * zoom_).toSize()};
}

void DesignLayout::place(QWidget* widget, const QRect& twips, double pointSize, bool bold)
{
    items_.push_back({widget, twips, pointSize, bold});
}

void DesignLayout::apply(const DesignScale& scale) const
{
    for (const Item& item : items_) {
        item.widget->setGeometry(scale.toPixelRect(item.twips));
        if (item.pointSize > 0)
            item.widget->setFont(sansFont(item.pointSize, item.bold, scale));
    }
}

QFont DesignLayout::sansFont(double pointSize, bool bold, const DesignScale& scale)
{
    QFont font;
    // The face itself where it exists, else the nearest in width and look, else any sans.
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    // Points at the design's 96 dpi, in logical pixels so the zoom alone decides the size.
    font.setPixelSize(std::max(1, int(std::lround(pointSize * 96.0 / 72.0 * scale.zoom()))));
    font.setBold(bold);
    return font;
}
