// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/colours.h"

// Qt
#include <QApplication>
#include <QWidget>

QPalette systemColours()
{
    // Setting each role marks it as the widget's own, so nothing is inherited from the window.
    QPalette palette = QApplication::palette();
    for (QPalette::ColorRole role :
         {QPalette::Window, QPalette::WindowText, QPalette::Base, QPalette::Text, QPalette::Button,
          QPalette::ButtonText, QPalette::Light, QPalette::Midlight, QPalette::Mid, QPalette::Dark,
          QPalette::Shadow})
        palette.setColor(role, palette.color(role));
    return palette;
}

void setBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}
