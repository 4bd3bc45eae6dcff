// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Qt
#include <QFont>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QWidget>

// Standard library
#include <vector>

// Maps the windows' design units, twips, onto logical pixels: 15 twips to a pixel at zoom 1,
// times the zoom, from an origin (in pixels) where the design's (0, 0) lands.
class DesignScale
{
public:
    explicit DesignScale(double zoom = 1.0, QPointF origin = {}) : zoom_(zoom), origin_(origin) {}

    // The largest scale at which area (twips; it may reach left of or above the design's origin)
    // fits into window (pixels), centred in it.
    static DesignScale fitting(const QRectF& area, const QSize& window);

    double zoom() const { return zoom_; }
    double pixelsPerTwip() const { return zoom_ / kTwipsPerPixel; }

    QPointF toPixels(QPointF twips) const { return origin_ + twips * pixelsPerTwip(); }
    QRectF toPixels(const QRectF& twips) const;
    // Edges are rounded one by one, so controls that touch in twips touch on the screen.
    QRect toPixelRect(const QRectF& twips) const;
    // Where a picture of picture pixels (one for every 15 twips of the design) placed at twips is
    // drawn: its top-left corner on a whole pixel, its size the picture's at the zoom.
    QRect pictureRect(QPointF twips, QSize picture) const;
    QPointF toTwips(QPointF pixels) const { return (pixels - origin_) / pixelsPerTwip(); }
    // The whole pixels that hold twips at zoom 1.
    static QSize wholePixels(QSizeF twips);

    static constexpr double kTwipsPerPixel = 15.0;

    friend bool operator==(const DesignScale&, const DesignScale&) = default;

private:
    double zoom_;
    QPointF origin_;
};

// The controls of a window as the design places them, in twips, with their fonts in points;
// apply() lays them out at a scale.
class DesignLayout
{
public:
    // pointSize 0 keeps the widget's font size as it is.
    void place(QWidget* widget, const QRect& twips, double pointSize = 0, bool bold = false);
    void apply(const DesignScale& scale) const;

    // The design's fonts: MS Sans Serif maps to the platform's sans face.
    static QFont sansFont(double pointSize, bool bold, const DesignScale& scale);

private:
    struct Item
    {
        QWidget* widget;
        QRect twips;
        double pointSize;
        bool bold;
    };
    std::vector<Item> items_;
};
