// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Qt
#include <QColor>
#include <QGradient>
#include <QPainterPath>
#include <QPointF>

// Standard library
#include <functional>

class QPainter;

// Small drawing primitives shared by every fish: gradient bodies with an ink outline, fins with
// rays, patterns clipped to a body (bands, spots, belly, sheen), eyes and colour helpers. All
// coordinates are tile pixels; the painter is expected to have antialiasing on. Every function
// leaves the painter's pen, brush and clip as it found them.
class FishKit
{
public:
    // `c` scaled towards black (f < 1) or towards white (f > 1, where 2 means white).
    static QColor shade(const QColor& c, double f);
    // The outline colour for a part filled with `c`: a dark, slightly saturated version of it.
    static QColor ink(const QColor& c);

    // Fills `path` with a vertical gradient from `top` to `bottom` across its bounding box and
    // strokes it in the ink of the darker of the two, `outline` wide.
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
    // A filled circle without outline.
    static void dot(QPainter& p, QPointF centre, double radius, const QColor& c);
    // A polyline through `points`, smoothed with Catmull-Rom segments.
    static QPainterPath smooth(const QList<QPointF>& points, bool closed);
    // A closed shape that follows `spine` with the half width given per spine point: eels,
    // seahorse tails, barbels.
    static QPainterPath tube(const QList<QPointF>& spine, const QList<double>& halfWidths);
    // The closed smooth shape through `points`: most bodies and fins.
    static QPainterPath blob(const QList<QPointF>& points);
    // A closed shape of quadratic curves: from points[0], one curve to each following pair of
    // control point and end point, then straight back to the start. Forked tails, jaws.
    static QPainterPath quadShape(const QList<QPointF>& points);
    // An ellipse as a path, to fill, clip to or unite like any other part.
    static QPainterPath ellipse(QPointF centre, double rx, double ry);

    // A fin filled with `c` and outlined in a darker shade of it. With rayCount > 0, rayCount + 1
    // rays run from `base` across the half of the fin's box away from it, clipped to the fin.
    static void fin(QPainter& p, const QPainterPath& path, const QColor& c, QPointF base = {},
                    int rayCount = 0);
    // Vertical bands across `clip`, centred on each of `xs`, bowed at mid-height and leaning by
    // `tilt`; a valid `edge` draws a border of that colour along both sides of each band.
    static void bands(QPainter& p, const QPainterPath& clip, const QList<double>& xs, double width,
                      const QColor& c, double tilt = 0, const QColor& edge = {});
    // Dots of about `radius` on a jittered grid of `step` inside `clip`, each on a ring of `ring`
    // if that is valid; no dot centre falls in `skip` (e.g. the face). The jitter is a fixed
    // hash, so the pattern comes out the same on every run.
    static void spots(QPainter& p, const QPainterPath& clip, double step, double radius,
                      const QColor& c, const QColor& ring = {}, const QRectF& skip = {});
    // Countershading, the open-water swimmer's dark back over a pale belly: `area`, clipped to
    // `clip`, filled with a vertical gradient through `stops` (0..1) from y0 down to y1.
    static void countershade(QPainter& p, const QPainterPath& clip, const QRectF& area, double y0,
                             double y1, const QGradientStops& stops);
    // A soft lighter belly: `clip` washed towards `c` from `from` (0..1 of its height) down.
    static void belly(QPainter& p, const QPainterPath& clip, const QColor& c, double from);
    // A closed mouth: a thin line with round caps.
    static void mouth(QPainter& p, QPointF from, QPointF to, const QColor& c);
    // A soft white highlight of radii rx, ry at `at`, clipped to `clip`: the wet look that keeps
    // flat fills from looking dead.
    static void sheen(QPainter& p, const QPainterPath& clip, QPointF at, double rx, double ry);
};
