// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "richtext/documenttext.h"

// Qt
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace richtext {

namespace {

void appendBlock(const QTextBlock& block, QStringList& lines)
{
    QString text = block.text();
    text.remove(QChar::ObjectReplacementCharacter);
    lines.append(text.split(QChar::LineSeparator));
}

void appendFrame(const QTextFrame* frame, QStringList& lines);

QString cellText(const QTextTableCell& cell)
{
    QStringList parts;
    for (auto it = cell.begin(); !it.atEnd(); ++it) {
        if (const QTextFrame* child = it.currentFrame())
            appendFrame(child, parts);
        else
            appendBlock(it.currentBlock(), parts);
    }
    return parts.join(u' ');
}

void appendTable(const QTextTable* table, QStringList& lines)
{
    for (int row = 0; row < table->rows(); ++row) {
        QStringList cells;
        for (int column = 0; column < table->columns(); ++column) {
            const QTextTableCell cell = table->cellAt(row, column);
            if (cell.row() == row && cell.column() == column)
                cells.append(cellText(cell));
        }
        lines.append(cells.join(u'\t'));
    }
}

// QTextDocument keeps a block before, between and after tables even where the document has no
// paragraph; an empty one with no text on either side is structure, not text.
bool isStructuralBlock(const QTextFrame* frame, QTextFrame::iterator it)
{
    if (it.currentBlock().length() > 1)
        return false;
    QTextFrame::iterator next = it;
    ++next;
    const bool first = it == frame->begin();
    if (first && next.atEnd())
        return false; // the only block: an empty document
    bool afterFrame = first;
    if (!first) {
        QTextFrame::iterator previous = it;
        --previous;
        afterFrame = previous.currentFrame() != nullptr;
    }
    return afterFrame && (next.atEnd() || next.currentFrame());
}

void appendFrame(const QTextFrame* frame, QStringList& lines)
{
    for (auto it = frame->begin(); !it.atEnd(); ++it) {
        if (const QTextFrame* child = it.currentFrame()) {
            if (const auto* table = qobject_cast<const QTextTable*>(child))
                appendTable(table, lines);
            else
                appendFrame(child, lines);
        } else if (!isStructuralBlock(frame, it)) {
            appendBlock(it.currentBlock(), lines);
        }
    }
}

} // namespace

QStringList documentTextLines(const QTextDocument& doc)
{
    QStringList lines;
    appendFrame(doc.rootFrame(), lines);
    return lines;
}

} // namespace richtext
