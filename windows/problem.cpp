// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/problem.h"

// Qt
#include <QMessageBox>

namespace {

// A message box breaks lines at spaces only, so a long name without one (a tile-set name of a
// thousand letters, a deep path) would run off its edge, or wrapped, off the screen. Such a run
// keeps its two ends (a path's first folder and its file) around an ellipsis, and a zero-width
// space every so often gives the rest places to break, showing as nothing.
QString breakable(const QString& text)
{
    constexpr qsizetype kLongestShown = 100;
    constexpr qsizetype kEnd = 48;
    constexpr int kLongestLine = 40;
    QString out;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && !text[end].isSpace())
            ++end;
        QString run = text.mid(start, end - start);
        if (run.size() > kLongestShown)
            run = run.left(kEnd) + QChar(0x2026) + run.right(kEnd);
        for (qsizetype at = 0; at < run.size(); at += kLongestLine)
            out += (at > 0 ? QString(QChar(0x200B)) : QString()) + run.mid(at, kLongestLine);
        while (end < text.size() && text[end].isSpace())
            out += text[end++];
        start = end;
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
