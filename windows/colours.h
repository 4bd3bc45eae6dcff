// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Qt
#include <QColor>
#include <QPalette>

class QWidget;

// The platform's own colours for a control, whatever the colours of the window it sits on.
QPalette systemColours();
// Gives widget a plain background of colour, which its children inherit.
void setBackground(QWidget* widget, const QColor& colour);

// The focus rings' colours. On navy a red ring stands out 3.3:1 against the window and 4.2:1 or
// more against the yellow and grey buttons and the white text boxes; no colour stands out 3:1
// against both the help window's green and a grey button but a dark one (green 4.1:1, grey 18:1).
inline const QColor kFocusOnNavy(230, 0, 0);
inline const QColor kFocusOnGreen(0, 0, 0);

// The rings on the board, each a light line in a black edge so that it reads on the ivory tiles
// and on the navy alike, and each in a colour of its own: the keyboard's tile yellow, the
// selected tile cyan, a pair that keeps the game winnable green.
inline const QColor kKeyboardRing(255, 220, 0);
inline const QColor kSelectionRing(0, 230, 255);
inline const QColor kSuggestionRing(40, 230, 40);
