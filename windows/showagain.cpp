#include "windows/showagain.h"

// Qt
#include <QWidget>

void showAgain(QWidget* window)
{
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}
