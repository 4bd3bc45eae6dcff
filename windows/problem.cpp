#include "problem.h"

// Qt
#include <QMessageBox>

namespace {

// A message box breaks lines at spaces only, so a long name without one (a tile-set name of a
// thousand letters, a deep path) would run off its edge. A zero-width space every so often gives
// it places to break and shows as nothing.
QString breakable(const QString& text)
{
    constexpr int kLongestRun = 40;
    QString out;
    out.reserve(text.size() + text.size() / kLongestRun);
    int run = 0;
    for (const QChar c : text) {
        out += c;
        run = c.isSpace() ? 0 : run + 1;
        if (run == kLongestRun) {
            out += QChar(0x200B);
            run = 0;
        }
    }
    return out;
}

} // namespace

void showProblem(QWidget* window, const QString& what, const QString& why)
{
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Fish Pairs"), breakable(what),
                                QMessageBox::Ok, window);
    box->setObjectName(QStringLiteral("problem"));
    box->setInformativeText(breakable(why));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
