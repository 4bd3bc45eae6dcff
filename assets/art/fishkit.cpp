#include "fishkit.h"

// Qt
#include <QLinearGradient>
#include <QPainter>

// Standard library
#include <algorithm>
#include <cmath>

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

void FishKit::rays(QPainter& p, QPointF base, const QList<QPointF>& tips, const QColor& c,
                   double width)
{
    p.save();
    p.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap));
    for (const QPointF& t : tips) {
        p.drawLine(base, t);
    }
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
