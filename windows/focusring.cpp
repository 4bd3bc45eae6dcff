// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/focusring.h"

// Qt
#include <QFocusEvent>
#include <QPainter>

FocusRing::FocusRing(QWidget* window, const QList<QWidget*>& controls, const QColor& colour)
    : QWidget(window), colour_(colour)
{
    setObjectName(QStringLiteral("focusRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    for (QWidget* control : controls)
        control->installEventFilter(this);
}

void FocusRing::ring(QWidget* control)
{
    target_ = control;
    if (!control || !control->isVisible()) {
        hide();
        return;
    }
    const int reach = kGap + kWidth;
    const QRect around(control->mapTo(parentWidget(), QPoint(0, 0)), control->size());
    setGeometry(around.adjusted(-reach, -reach, reach, reach));
    raise();
    show();
    update();
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event)
{
    auto* control = static_cast<QWidget*>(watched);
    // A menu that opens and closes leaves the focus where it was, and so the ring.
    if ((event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) &&
        static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason)
        return false;
    switch (event->type()) {
    case QEvent::FocusIn:
        if (static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason) {
            target_ = control;
            hide();
        } else {
            ring(control);
        }
        break;
    case QEvent::FocusOut:
        if (control == target_)
            ring(nullptr);
        break;
    case QEvent::KeyPress:
        if (control->hasFocus() && !isVisible())
            ring(control);
        break;
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Hide:
        if (control == target_ && isVisible())
            ring(control);
        break;
    default:
        break;
    }
    return false;
}

void FocusRing::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect outer = rect();
    const QRect inner = outer.adjusted(kWidth, kWidth, -kWidth, -kWidth);
    painter.setClipRegion(QRegion(outer).subtracted(QRegion(inner)));
    painter.fillRect(outer, colour_);
}
