// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/problem.h"

// Qt
#include <QList>
#include <QMessageBox>
#include <QTextBoundaryFinder>

namespace {

// Where the characters a reader sees (grapheme clusters: an emoji of two UTF-16 units, a flag of
// two such emoji, a letter with its accents) begin in run, and where the last one ends.
QList<qsizetype> characterBounds(const QString& run)
{
    QList<qsizetype> bounds{0};
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, run);
    for (qsizetype at = finder.toNextBoundary(); at > 0; at = finder.toNextBoundary())
        bounds.append(at);
    return bounds;
}

// A message box breaks lines at spaces only, so a long name without one (a tile-set name of a
// thousand letters, a deep path) would run off its edge, or wrapped, off the screen. Such a run
// keeps its two ends (a path's first folder and its file) around an ellipsis, and a zero-width
// space every so often gives the rest places to break, showing as nothing. Both count and cut
// whole characters: a cut inside one would show it broken.
QString breakable(const QString& text)
{
    constexpr qsizetype kLongestShown = 100;
    constexpr qsizetype kEnd = 48;
    constexpr qsizetype kLongestLine = 40;
    QString out;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && !text[end].isSpace())
            ++end;
        QString run = text.mid(start, end - start);
        QList<qsizetype> bounds = characterBounds(run);
        const qsizetype characters = bounds.size() - 1;
        if (characters > kLongestShown) {
            run = run.left(bounds[kEnd]) + QChar(0x2026) + run.mid(bounds[characters - kEnd]);
            bounds = characterBounds(run);
        }
        const qsizetype shown = bounds.size() - 1;
        for (qsizetype k = 0; k < shown; k += kLongestLine) {
            if (k > 0)
                out += QChar(0x200B);
            out += QStringView(run).sliced(bounds[k],
                                           bounds[qMin(k + kLongestLine, shown)] - bounds[k]);
        }
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
