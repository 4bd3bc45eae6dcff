#include "markglyphs.h"

// Qt
#include <QString>

QPainterPath MarkGlyphs::digit(int d, QPointF o, double w, double h)
{
    // Shapes are written in a unit box and scaled, so one table serves every size.
    QPainterPath u;
    switch (d) {
    case 0:
        u.addEllipse(QRectF(0, 0, 1, 1));
        break;
    case 1:
        u.moveTo(0.2, 0.25);
        u.lineTo(0.6, 0);
        u.lineTo(0.6, 1);
        break;
    case 2:
        u.moveTo(0.02, 0.28);
        u.cubicTo(0.1, -0.08, 0.95, -0.08, 0.95, 0.3);
        u.cubicTo(0.95, 0.55, 0.3, 0.7, 0.02, 1);
        u.lineTo(1, 1);
        break;
    case 3:
        u.moveTo(0.05, 0.1);
        u.cubicTo(0.3, -0.06, 0.95, -0.04, 0.92, 0.26);
        u.cubicTo(0.9, 0.45, 0.55, 0.48, 0.4, 0.48);
        u.cubicTo(0.8, 0.48, 1.0, 0.6, 0.98, 0.75);
        u.cubicTo(0.95, 1.05, 0.25, 1.08, 0.02, 0.88);
        break;
    case 4:
        u.moveTo(0.72, 1);
        u.lineTo(0.72, 0);
        u.lineTo(0, 0.7);
        u.lineTo(1, 0.7);
        break;
    case 5:
        u.moveTo(0.92, 0);
        u.lineTo(0.15, 0);
        u.lineTo(0.08, 0.45);
        u.cubicTo(0.5, 0.3, 1.02, 0.45, 0.98, 0.72);
        u.cubicTo(0.95, 1.05, 0.25, 1.08, 0.02, 0.88);
        break;
    case 6:
        u.moveTo(0.85, 0.05);
        u.cubicTo(0.3, -0.05, 0.0, 0.35, 0.02, 0.68);
        u.addEllipse(QRectF(0.02, 0.38, 0.96, 0.62));
        break;
    case 7:
        u.moveTo(0, 0);
        u.lineTo(1, 0);
        u.cubicTo(0.6, 0.35, 0.4, 0.6, 0.35, 1);
        break;
    case 8:
        u.addEllipse(QRectF(0.1, 0, 0.8, 0.46));
        u.addEllipse(QRectF(0, 0.46, 1, 0.54));
        break;
    case 9:
        u.addEllipse(QRectF(0.02, 0, 0.96, 0.62));
        u.moveTo(0.98, 0.32);
        u.cubicTo(1.0, 0.65, 0.7, 1.05, 0.15, 0.95);
        break;
    default:
        return {};
    }
    QTransform t;
    t.translate(o.x(), o.y());
    t.scale(w, h);
    return t.map(u);
}

QPainterPath MarkGlyphs::number(int n, QPointF o, double w, double h, double gap)
{
    QPainterPath path;
    if (n < 0) {
        return path;
    }
    const QString digits = QString::number(n);
    for (qsizetype i = 0; i < digits.size(); ++i) {
        path.addPath(digit(digits[i].digitValue(), o + QPointF(i * (w + gap), 0), w, h));
    }
    return path;
}

double MarkGlyphs::numberWidth(int n, double w, double gap)
{
    const qsizetype count = n < 0 ? 0 : QString::number(n).size();
    return count == 0 ? 0 : count * w + (count - 1) * gap;
}
