#pragma once

// Qt
#include <QColor>
#include <QPalette>

class QWidget;

// The platform's own colours for a control, whatever the colours of the window it sits on.
QPalette systemColours();
// Gives widget a plain background of colour, which its children inherit.
void setBackground(QWidget* widget, const QColor& colour);
