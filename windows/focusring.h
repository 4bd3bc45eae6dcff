// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Qt
#include <QColor>
#include <QPointer>
#include <QWidget>

// A ring around whichever of a window's controls has the keyboard focus, drawn just outside the
// control, over the window behind it. The platform's own mark of focus is a one-pixel line, lost
// on the game's yellow buttons and navy window; this one is kWidth pixels wide, in a colour chosen
// for the window that stands out against the window and against every control it rings (3:1 or
// more, as WCAG asks of a focus indicator).
//
// Like the board's own ring it is for the keyboard: a click that moves the focus draws no ring
// until a key is pressed; focus that comes by Tab, or with the window, shows it at once.
class FocusRing : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kWidth = 3;
    static constexpr int kGap = 1; // between the control and the ring

    FocusRing(QWidget* window, const QList<QWidget*>& controls, const QColor& colour);

    // The control ringed now, or null while the ring is not shown.
    QWidget* ringed() const { return isVisible() ? target_.data() : nullptr; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void ring(QWidget* control);

    QColor colour_;
    QPointer<QWidget> target_;
};
