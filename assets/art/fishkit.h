#pragma once

// Qt
#include <QColor>
#include <QPainterPath>
#include <QPointF>

// Standard library
#include <functional>

class QPainter;

// Small drawing primitives shared by every fish: gradient bodies with an ink outline, patterns
// clipped to a body, eyes, fin rays and colour helpers. All coordinates are tile pixels; the
// painter is expected to have antialiasing on. Every function leaves the painter's pen, brush
// and clip as it found them.
class FishKit
{
public:
    // `c` scaled towards black (f < 1) or towards white (f > 1, where 2 means white).
    static QColor shade(const QColor& c, double f);
    // The outline colour for a part filled with `c`: a dark, slightly saturated version of it.
    static QColor ink(const QColor& c);

    // Fills `path` with a vertical gradient from `top` to `bottom` across its bounding box and
    // strokes it in ink(`bottom`) with the given width.
    static void body(QPainter& p, const QPainterPath& path, const QColor& top, const QColor& bottom,
                     double outline = 0.9);
    // Same with a flat fill and an explicit outline colour.
    static void flat(QPainter& p, const QPainterPath& path, const QColor& fill,
                     const QColor& outline, double width = 0.9);
    // Runs `draw` with the painter clipped to `clip`; for stripes, spots and scales that must not
    // spill past a body's edge. The raster clip is aliased, so draw the outline afterwards.
    static void clipped(QPainter& p, const QPainterPath& clip, const std::function<void()>& draw);
    // Only the outline of `path`.
    static void outline(QPainter& p, const QPainterPath& path, const QColor& c, double width = 0.9);

    // An eye: white, iris ring of `iris`, black pupil and a white catch-light up-left.
    static void eye(QPainter& p, QPointF centre, double radius, const QColor& iris);
    // Thin lines from `base` fanning out to each point of `tips`, for fin rays and spines.
    static void rays(QPainter& p, QPointF base, const QList<QPointF>& tips, const QColor& c,
                     double width = 0.6);
    // A filled circle without outline.
    static void dot(QPainter& p, QPointF centre, double radius, const QColor& c);
    // A polyline through `points`, smoothed with Catmull-Rom segments.
    static QPainterPath smooth(const QList<QPointF>& points, bool closed);
    // A closed shape that follows `spine` with the half width given per spine point: eels,
    // seahorse tails, barbels.
    static QPainterPath tube(const QList<QPointF>& spine, const QList<double>& halfWidths);
};
