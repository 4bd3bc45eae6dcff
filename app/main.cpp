// Fish Pairs: opens the start-up window, nothing else. The program ends when its last window
// closes.

// Local
#include "module1.h"
#include "startup.h"

// Qt
#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("fishpairs"));
    Module1 module;
    auto* window = new startup(module);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return QApplication::exec();
}
