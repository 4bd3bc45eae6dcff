#include "problem.h"

// Qt
#include <QMessageBox>

void showProblem(QWidget* window, const QString& what, const QString& why)
{
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Fish Pairs"), what,
                                QMessageBox::Ok, window);
    box->setObjectName(QStringLiteral("problem"));
    box->setInformativeText(why);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
