// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "richtext/rtfdocumentbuilder.h"

// Qt
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextLength>
#include <QTextTable>
#include <QUrl>

// Standard library
#include <algorithm>

namespace richtext {

namespace {

// Column widths from \cellx boundaries, as shares of a page's text width (6.5 inches): a table
// keeps its proportions, and one as wide as the page fits whatever width it is shown at.
QList<QTextLength> columnWidths(const QList<int>& boundaries)
{
    constexpr int kPageWidth = 9360;
    const int total = qMax(kPageWidth, *std::max_element(boundaries.begin(), boundaries.end()));
    QList<QTextLength> widths;
    int left = 0;
    for (int right : boundaries) {
        // Boundaries out of order get no width of their own.
        widths.append(right > left ? QTextLength(QTextLength::PercentageLength,
                                                 100.0 * (right - left) / total)
                                   : QTextLength());
        left = qMax(left, right);
    }
    return widths;
}

} // namespace

RtfDocumentBuilder::RtfDocumentBuilder(QTextDocument* doc) : doc_(doc), cursor_(doc)
{
    run_.reserve(4096);
    // One edit block for the whole document: the layout hears of the change once, at the end,
    // instead of laying out every block as it grows.
    cursor_.beginEditBlock();
}

RtfDocumentBuilder::~RtfDocumentBuilder()
{
    if (!finished_)
        finish();
}

void RtfDocumentBuilder::setCharFormat(const QTextCharFormat& format)
{
    if (format == charFormat_)
        return;
    flushRun();
    charFormat_ = format;
}

void RtfDocumentBuilder::setParagraph(const QTextBlockFormat& format, bool inTable)
{
    blockFormat_ = format;
    wantTable_ = inTable;
}

void RtfDocumentBuilder::setRowBoundaries(const QList<int>& boundaries)
{
    rowBoundaries_ = boundaries;
}

void RtfDocumentBuilder::appendText(QStringView text)
{
    if (text.isEmpty())
        return;
    prepareContent();
    run_.append(text);
    blockEmpty_ = false;
}

void RtfDocumentBuilder::appendImage(const QImage& image, QSizeF size)
{
    prepareContent();
    flushRun();
    ++imageCount_;
    const QString name = QStringLiteral("rtf-image:%1").arg(imageCount_);
    doc_->addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat format;
    format.merge(charFormat_);
    format.setName(name);
    format.setWidth(size.width());
    format.setHeight(size.height());
    cursor_.insertImage(format);
    blockEmpty_ = false;
}

void RtfDocumentBuilder::endParagraph(bool keepEmpty)
{
    if (!keepEmpty && (pendingBreak_ || blockEmpty_))
        return;
    prepareContent();
    flushRun();
    applyBlockFormat();
    pendingBreak_ = true;
}

void RtfDocumentBuilder::endCell()
{
    QTextDocumentFragment strayCell;
    if (!table_ && !wantTable_) {
        // \cell ends a paragraph that was not marked as in a table: it was the first cell.
        flushRun();
        if (!pendingBreak_ && !blockEmpty_) {
            QTextCursor paragraph = cursor_;
            paragraph.movePosition(QTextCursor::StartOfBlock, QTextCursor::KeepAnchor);
            strayCell = paragraph.selection();
            paragraph.removeSelectedText();
            // Drop the emptied block too, unless a table or other frame comes before it.
            const QTextBlock previous = cursor_.block().previous();
            if (previous.isValid() &&
                previous.position() + previous.length() == cursor_.block().position() &&
                QTextCursor(previous).currentFrame() == cursor_.currentFrame())
                cursor_.deletePreviousChar();
            blockEmpty_ = true;
        }
    }
    wantTable_ = true;
    prepareContent();
    if (!strayCell.isEmpty())
        cursor_.insertFragment(strayCell);
    flushRun();
    applyBlockFormat();
    pendingBreak_ = false;
    ++column_;
    rowStarted_ = true;
}

void RtfDocumentBuilder::endRow()
{
    if (!table_ || !rowStarted_)
        return;
    flushRun();
    ++row_;
    column_ = 0;
    rowStarted_ = false;
}

void RtfDocumentBuilder::finish()
{
    if (finished_)
        return;
    flushRun();
    applyBlockFormat();
    pendingBreak_ = false;
    if (table_)
        trimTable();
    cursor_.endEditBlock();
    finished_ = true;
}

void RtfDocumentBuilder::flushRun()
{
    if (run_.isEmpty())
        return;
    cursor_.insertText(run_, charFormat_);
    run_.clear();
}

void RtfDocumentBuilder::prepareContent()
{
    if (wantTable_) {
        if (!table_)
            openTable();
        else if (row_ != cursorRow_ || column_ != cursorColumn_)
            moveToCell();
        rowStarted_ = true;
    } else if (table_) {
        closeTable();
    }
    if (pendingBreak_) {
        flushRun();
        cursor_.insertBlock(blockFormat_, charFormat_);
        pendingBreak_ = false;
        blockEmpty_ = true;
    }
}

void RtfDocumentBuilder::openTable()
{
    flushRun();
    // A paragraph that ended just before the table needs no empty block of its own.
    pendingBreak_ = false;
    if (!blockEmpty_)
        applyBlockFormat();

    const int columns = qBound(1, int(rowBoundaries_.size()), kMaxColumns);
    QTextTableFormat format;
    format.setBorder(1);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderCollapse(true);
    format.setCellPadding(3);
    format.setCellSpacing(0);
    if (rowBoundaries_.size() == columns)
        format.setColumnWidthConstraints(columnWidths(rowBoundaries_));
    table_ = cursor_.insertTable(1, columns, format);
    usedRows_ = 1;
    usedColumns_ = columns;
    openedColumns_ = columns;
    widestRow_ = rowBoundaries_;
    row_ = 0;
    column_ = qMin(column_, columns - 1);
    cursorRow_ = -1;
    cursorColumn_ = -1;
    moveToCell();
}

void RtfDocumentBuilder::closeTable()
{
    flushRun();
    trimTable();
    cursor_.setPosition(table_->lastPosition() + 1);
    table_ = nullptr;
    pendingBreak_ = false;
    blockEmpty_ = cursor_.block().length() <= 1;
    row_ = 0;
    column_ = 0;
    rowStarted_ = false;
}

void RtfDocumentBuilder::trimTable()
{
    // Rows and columns grow by doubling (see moveToCell()); give back what was not used.
    const QTextCursor keep = cursor_;
    if (table_->rows() > usedRows_)
        table_->removeRows(usedRows_, table_->rows() - usedRows_);
    if (table_->columns() > usedColumns_)
        table_->removeColumns(usedColumns_, table_->columns() - usedColumns_);
    QTextTableFormat format = table_->format();
    if (table_->columns() != openedColumns_) {
        // Rows came with more cells than the first row defined: size the columns by the widest
        // row's boundaries, or leave them to Qt.
        format.setColumnWidthConstraints(widestRow_.size() == table_->columns()
                                             ? columnWidths(widestRow_)
                                             : QList<QTextLength>());
        table_->setFormat(format);
    }
    cursor_ = keep;
}

void RtfDocumentBuilder::moveToCell()
{
    flushRun();
    pendingBreak_ = false;
    if (row_ >= kMaxRowsPerTable) {
        const int column = column_;
        closeTable();
        column_ = column;
        openTable();
        return;
    }
    // QTextTable recomputes its whole cell grid after every change of shape, so growing it one
    // row at a time would cost time quadratic in its rows: grow by doubling instead, and trim
    // when the table is done.
    const int columns = table_->columns();
    if (column_ >= columns) {
        if (columns < kMaxColumns)
            table_->appendColumns(qMin(kMaxColumns, qMax(column_ + 1, columns * 2)) - columns);
        column_ = qMin(column_, table_->columns() - 1);
    }
    const int rows = table_->rows();
    if (row_ >= rows)
        table_->appendRows(qMax(row_ + 1 - rows, rows));
    usedRows_ = qMax(usedRows_, row_ + 1);
    usedColumns_ = qMax(usedColumns_, column_ + 1);
    if (rowBoundaries_.size() > widestRow_.size())
        widestRow_ = rowBoundaries_;
    cursor_ = table_->cellAt(row_, column_).lastCursorPosition();
    cursorRow_ = row_;
    cursorColumn_ = column_;
    blockEmpty_ = cursor_.block().length() <= 1;
    if (!blockEmpty_) {
        // A cell that already has text (columns past the limit share the last one).
        cursor_.insertText(QStringLiteral(" "), charFormat_);
    }
}

void RtfDocumentBuilder::applyBlockFormat()
{
    cursor_.setBlockFormat(blockFormat_);
    if (blockEmpty_)
        cursor_.setBlockCharFormat(charFormat_);
}

} // namespace richtext
