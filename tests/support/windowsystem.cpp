// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/windowsystem.h"

// Qt
#include <QApplication>
#include <QTest>
#include <QWidget>

namespace testing {

bool onWayland()
{
    return QGuiApplication::platformName() == QLatin1String("wayland");
}

bool activate(QWidget* window)
{
    if (!onWayland()) {
        window->activateWindow();
        return QTest::qWaitForWindowActive(window);
    }
    QApplication::setActiveWindow(window);
    return window->isActiveWindow();
}

bool leaveMaximized(QWidget* window)
{
    const QSize maximized = window->size();
    window->showNormal();
    // Once the compositor lets go, Qt gives the window its normal size, which is never the
    // maximized one here: the windows open maximized and have had no other size.
    return !onWayland() || QTest::qWaitFor([&] { return window->size() != maximized; });
}

} // namespace testing
