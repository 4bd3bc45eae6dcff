// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assets/art/fishkit.h"

// Qt
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

// Standard library
#include <algorithm>
#include <cmath>

namespace {

// A repeatable jitter in -0.5 .. 0.5 for grid cell (i, j), so patterns look hand-placed and
// still come out the same on every run.
double jitter(int i, int j, int salt)
{
    unsigned h = unsigned(i) * 73856093u ^ unsigned(j) * 19349663u ^ unsigned(salt) * 83492791u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return double(h % 1000) / 1000.0 - 0.5;
}

} // namespace

QColor FishKit::shade(const QColor& c, double f)
{
    if (f <= 1.0) {
        return QColor::fromRgbF(c.redF() * f, c.greenF() * f, c.blueF() * f);
    }
    const double t = std::min(f - 1.0, 1.0);
    return QColor::fromRgbF(c.redF() + (1 - c.redF()) * t, c.greenF() + (1 - c.greenF()) * t,
                            c.blueF() + (1 - c.blueF()) * t);
}

QColor FishKit::ink(const QColor& c)
{
    // Pure darkening turns pale fills into grey mud; pulling towards a deep blue-brown keeps the
    // outline warm and clearly darker than any fill.
    const QColor d = shade(c, 0.32);
    return QColor::fromRgbF(d.redF() * 0.8 + 0.04, d.greenF() * 0.8 + 0.03, d.blueF() * 0.8 + 0.07);
}

void FishKit::body(QPainter& p, const QPainterPath& path, const QColor& top, const QColor& bottom,
                   double outlineWidth)
{
    const QRectF r = path.boundingRect();
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.save();
    p.setPen(QPen(ink(top.lightnessF() < bottom.lightnessF() ? top : bottom), outlineWidth,
                  Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(path);
    p.restore();
}

void FishKit::flat(QPainter& p, const QPainterPath& path, const QColor& fill,
                   const QColor& outlineColour, double width)
{
    p.save();
    if (width > 0) {
        p.setPen(QPen(outlineColour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    } else {
        p.setPen(Qt::NoPen);
    }
    p.setBrush(fill);
    p.drawPath(path);
    p.restore();
}

void FishKit::clipped(QPainter& p, const QPainterPath& clip, const std::function<void()>& draw)
{
    p.save();
    p.setClipPath(clip, Qt::IntersectClip);
    draw();
    p.restore();
}

void FishKit::outline(QPainter& p, const QPainterPath& path, const QColor& c, double width)
{
    p.save();
    p.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.restore();
}

void FishKit::eye(QPainter& p, QPointF c, double r, const QColor& iris)
{
    p.save();
    p.setPen(QPen(QColor(20, 16, 24), 0.6));
    p.setBrush(QColor(255, 255, 250));
    p.drawEllipse(c, r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(iris);
    p.drawEllipse(c, r * 0.72, r * 0.72);
    p.setBrush(QColor(12, 10, 16));
    p.drawEllipse(c, r * 0.48, r * 0.48);
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(c + QPointF(-r * 0.32, -r * 0.34), r * 0.26, r * 0.26);
    p.restore();
}

void FishKit::dot(QPainter& p, QPointF c, double r, const QColor& colour)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(c, r, r);
    p.restore();
}

QPainterPath FishKit::smooth(const QList<QPointF>& pts, bool closed)
{
    QPainterPath path;
    const qsizetype n = pts.size();
    if (n < 2) {
        return path;
    }
    auto at = [&](qsizetype i) {
        if (closed) {
            return pts[((i % n) + n) % n];
        }
        return pts[std::clamp<qsizetype>(i, 0, n - 1)];
    };
    path.moveTo(pts[0]);
    const qsizetype segments = closed ? n : n - 1;
    for (qsizetype i = 0; i < segments; ++i) {
        const QPointF p0 = at(i - 1), p1 = at(i), p2 = at(i + 1), p3 = at(i + 2);
        path.cubicTo(p1 + (p2 - p0) / 6.0, p2 - (p3 - p1) / 6.0, p2);
    }
    if (closed) {
        path.closeSubpath();
    }
    return path;
}

QPainterPath FishKit::tube(const QList<QPointF>& spine, const QList<double>& half)
{
    const qsizetype n = std::min(spine.size(), half.size());
    QList<QPointF> left, right;
    for (qsizetype i = 0; i < n; ++i) {
        const QPointF a = spine[std::max<qsizetype>(i - 1, 0)];
        const QPointF b = spine[std::min<qsizetype>(i + 1, n - 1)];
        QPointF d = b - a;
        const double len = std::hypot(d.x(), d.y());
        d = len > 0 ? d / len : QPointF(1, 0);
        const QPointF normal(-d.y(), d.x());
        left.append(spine[i] + normal * half[i]);
        right.prepend(spine[i] - normal * half[i]);
    }
    QList<QPointF> ring = left;
    ring.append(right);
    return smooth(ring, true);
}

QPainterPath FishKit::blob(const QList<QPointF>& points)
{
    return smooth(points, true);
}

QPainterPath FishKit::quadShape(const QList<QPointF>& points)
{
    QPainterPath path;
    if (points.isEmpty()) {
        return path;
    }
    path.moveTo(points[0]);
    for (qsizetype i = 1; i + 1 < points.size(); i += 2) {
        path.quadTo(points[i], points[i + 1]);
    }
    path.closeSubpath();
    return path;
}

QPainterPath FishKit::ellipse(QPointF c, double rx, double ry)
{
    QPainterPath path;
    path.addEllipse(c, rx, ry);
    return path;
}

void FishKit::fin(QPainter& p, const QPainterPath& path, const QColor& c, QPointF base,
                  int rayCount)
{
    flat(p, path, c, shade(c, 0.55), 0.7);
    if (rayCount <= 0) {
        return;
    }
    const QRectF r = path.boundingRect();
    const QColor line = shade(c, 0.72);
    clipped(p, path, [&] {
        QPen pen(line, 0.5);
        p.setPen(pen);
        for (int i = 0; i <= rayCount; ++i) {
            // Rays fan over the far half of the fin's box, away from its base.
            const double t = double(i) / rayCount;
            const QPointF far =
                base.x() < r.center().x()   ? QPointF(r.right() + 2, r.top() + t * r.height())
                : base.x() > r.center().x() ? QPointF(r.left() - 2, r.top() + t * r.height())
                : base.y() > r.center().y() ? QPointF(r.left() + t * r.width(), r.top() - 2)
                                            : QPointF(r.left() + t * r.width(), r.bottom() + 2);
            p.drawLine(base, far);
        }
    });
}

void FishKit::bands(QPainter& p, const QPainterPath& clip, const QList<double>& xs, double width,
                    const QColor& c, double tilt, const QColor& edge)
{
    const QRectF r = clip.boundingRect();
    clipped(p, clip, [&] {
        for (double x : xs) {
            QPainterPath band;
            band.moveTo(x + tilt, r.top() - 1);
            band.quadTo(x - 1.2, r.center().y(), x + tilt, r.bottom() + 1);
            if (edge.isValid()) {
                p.setPen(QPen(edge, width + 1.6, Qt::SolidLine, Qt::FlatCap));
                p.setBrush(Qt::NoBrush);
                p.drawPath(band);
            }
            p.setPen(QPen(c, width, Qt::SolidLine, Qt::FlatCap));
            p.setBrush(Qt::NoBrush);
            p.drawPath(band);
        }
    });
}

void FishKit::spots(QPainter& p, const QPainterPath& clip, double step, double radius,
                    const QColor& c, const QColor& ring, const QRectF& skip)
{
    const QRectF r = clip.boundingRect();
    clipped(p, clip, [&] {
        int row = 0;
        for (double y = r.top() + step * 0.5; y < r.bottom(); y += step * 0.82, ++row) {
            const double shift = (row % 2) * step * 0.5;
            int col = 0;
            for (double x = r.left() + step * 0.4 + shift; x < r.right(); x += step, ++col) {
                const QPointF at(x + jitter(row, col, 1) * step * 0.4,
                                 y + jitter(row, col, 2) * step * 0.35);
                const double size = radius * (0.8 + 0.45 * (jitter(row, col, 3) + 0.5));
                if (skip.contains(at) || !clip.contains(at)) {
                    continue;
                }
                if (ring.isValid()) {
                    dot(p, at, size + 0.7, ring);
                }
                dot(p, at, size, c);
            }
        }
    });
}

void FishKit::countershade(QPainter& p, const QPainterPath& clip, const QRectF& area, double y0,
                           double y1, const QGradientStops& stops)
{
    clipped(p, clip, [&] {
        QLinearGradient g(0, y0, 0, y1);
        for (const auto& [at, colour] : stops) {
            g.setColorAt(at, colour);
        }
        p.fillRect(area, g);
    });
}

void FishKit::belly(QPainter& p, const QPainterPath& clip, const QColor& c, double from)
{
    const QRectF r = clip.boundingRect();
    clipped(p, clip, [&] {
        QLinearGradient g(QPointF(0, r.top() + r.height() * from), QPointF(0, r.bottom()));
        QColor clear = c;
        clear.setAlphaF(0);
        g.setColorAt(0, clear);
        g.setColorAt(0.35, c);
        g.setColorAt(1, c);
        p.fillRect(r, g);
    });
}

void FishKit::mouth(QPainter& p, QPointF from, QPointF to, const QColor& c)
{
    p.save();
    p.setPen(QPen(c, 0.7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    p.restore();
}

void FishKit::sheen(QPainter& p, const QPainterPath& clip, QPointF at, double rx, double ry)
{
    clipped(p, clip, [&] {
        QRadialGradient g(at, std::max(rx, ry));
        g.setColorAt(0, QColor(255, 255, 255, 110));
        g.setColorAt(1, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.save();
        p.translate(at);
        p.scale(1, ry / rx);
        p.translate(-at);
        p.drawEllipse(at, rx, rx);
        p.restore();
    });
}
