// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Qt
#include <QPointer>
#include <QString>

class Game;
class Form2help;
class Form1;

// What the whole program shares: the tile-set name and the windows that are loaded. A window is
// loaded while its pointer is set; closing a window deletes it, which clears the pointer.
struct Module1
{
    // The tile-set name exactly as typed when OK was last pressed; empty until then.
    QString CardSet;

    QPointer<Game> game;
    QPointer<Form2help> help;
    QPointer<Form1> info;
};
