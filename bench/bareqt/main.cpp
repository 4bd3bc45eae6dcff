// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick: the least a Qt 6 Widgets program does to put a window on the screen.

// Qt
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Qt"));
    window.resize(315, 289);
    window.show();
    return QApplication::exec();
}
