// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fish Pairs: opens the start-up window, nothing else. The program ends when its last window
// closes.

// Local
#include "windows/gamenote.h"
#include "windows/keepfreedmemory.h"
#include "windows/module1.h"
#include "windows/startup.h"
#include "windows/tileviewaccessible.h"

// Qt
#include <QAccessible>
#include <QApplication>

int main(int argc, char* argv[])
{
    keepFreedMemory();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("fishpairs"));
    // The board's 132 tiles as buttons for screen readers.
    QAccessible::installFactory(TileViewAccessible::factory);
    // The game's note as an alert, which screen readers announce when it shows.
    QAccessible::installFactory(GameNote::accessibleFactory);
    Module1 module;
    auto* window = new startup(module);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return QApplication::exec();
}
