#include "rtfdocumentbuilder.h"

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
    const int pageWidth = 9360;
    const int total = qMax(pageWidth, *std::max_element(boundaries.begin(), boundaries.end()));
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

RtfDocumentBuilder::RtfDocumentBuilder(QTextDocument* doc) : m_doc(doc), m_cursor(doc)
{
    m_run.reserve(4096);
    // One edit block for the whole document: the layout hears of the change once, at the end,
    // instead of laying out every block as it grows.
    m_cursor.beginEditBlock();
}

RtfDocumentBuilder::~RtfDocumentBuilder()
{
    if (!m_finished)
        finish();
}

void RtfDocumentBuilder::setCharFormat(const QTextCharFormat& format)
{
    if (format == m_charFormat)
        return;
    flushRun();
    m_charFormat = format;
}

void RtfDocumentBuilder::setParagraph(const QTextBlockFormat& format, bool inTable)
{
    m_blockFormat = format;
    m_wantTable = inTable;
}

void RtfDocumentBuilder::setRowBoundaries(const QList<int>& boundaries)
{
    m_rowBoundaries = boundaries;
}

void RtfDocumentBuilder::appendText(QStringView text)
{
    if (text.isEmpty())
        return;
    prepareContent();
    m_run.append(text);
    m_blockEmpty = false;
}

void RtfDocumentBuilder::appendImage(const QImage& image, QSizeF size)
{
    prepareContent();
    flushRun();
    ++m_imageCount;
    const QString name = QStringLiteral("rtf-image:%1").arg(m_imageCount);
    m_doc->addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat format;
    format.merge(m_charFormat);
    format.setName(name);
    format.setWidth(size.width());
    format.setHeight(size.height());
    m_cursor.insertImage(format);
    m_blockEmpty = false;
}

void RtfDocumentBuilder::endParagraph(bool keepEmpty)
{
    if (!keepEmpty && (m_pendingBreak || m_blockEmpty))
        return;
    prepareContent();
    flushRun();
    applyBlockFormat();
    m_pendingBreak = true;
}

void RtfDocumentBuilder::endCell()
{
    QTextDocumentFragment strayCell;
    if (!m_table && !m_wantTable) {
        // \cell ends a paragraph that was not marked as in a table: it was the first cell.
        flushRun();
        if (!m_pendingBreak && !m_blockEmpty) {
            QTextCursor paragraph = m_cursor;
            paragraph.movePosition(QTextCursor::StartOfBlock, QTextCursor::KeepAnchor);
            strayCell = paragraph.selection();
            paragraph.removeSelectedText();
            // Drop the emptied block too, unless a table or other frame comes before it.
            const QTextBlock previous = m_cursor.block().previous();
            if (previous.isValid() &&
                previous.position() + previous.length() == m_cursor.block().position() &&
                QTextCursor(previous).currentFrame() == m_cursor.currentFrame())
                m_cursor.deletePreviousChar();
            m_blockEmpty = true;
        }
    }
    m_wantTable = true;
    prepareContent();
    if (!strayCell.isEmpty())
        m_cursor.insertFragment(strayCell);
    flushRun();
    applyBlockFormat();
    m_pendingBreak = false;
    ++m_column;
    m_rowStarted = true;
}

void RtfDocumentBuilder::endRow()
{
    if (!m_table || !m_rowStarted)
        return;
    flushRun();
    ++m_row;
    m_column = 0;
    m_rowStarted = false;
}

void RtfDocumentBuilder::finish()
{
    if (m_finished)
        return;
    flushRun();
    applyBlockFormat();
    m_pendingBreak = false;
    if (m_table)
        trimTable();
    m_cursor.endEditBlock();
    m_finished = true;
}

void RtfDocumentBuilder::flushRun()
{
    if (m_run.isEmpty())
        return;
    m_cursor.insertText(m_run, m_charFormat);
    m_run.clear();
}

void RtfDocumentBuilder::prepareContent()
{
    if (m_wantTable) {
        if (!m_table)
            openTable();
        else if (m_row != m_cursorRow || m_column != m_cursorColumn)
            moveToCell();
        m_rowStarted = true;
    } else if (m_table) {
        closeTable();
    }
    if (m_pendingBreak) {
        flushRun();
        m_cursor.insertBlock(m_blockFormat, m_charFormat);
        m_pendingBreak = false;
        m_blockEmpty = true;
    }
}

void RtfDocumentBuilder::openTable()
{
    flushRun();
    // A paragraph that ended just before the table needs no empty block of its own.
    m_pendingBreak = false;
    if (!m_blockEmpty)
        applyBlockFormat();

    const int columns = qBound(1, int(m_rowBoundaries.size()), kMaxColumns);
    QTextTableFormat format;
    format.setBorder(1);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderCollapse(true);
    format.setCellPadding(3);
    format.setCellSpacing(0);
    if (m_rowBoundaries.size() == columns)
        format.setColumnWidthConstraints(columnWidths(m_rowBoundaries));
    m_table = m_cursor.insertTable(1, columns, format);
    m_usedRows = 1;
    m_usedColumns = columns;
    m_openedColumns = columns;
    m_widestRow = m_rowBoundaries;
    m_row = 0;
    m_column = qMin(m_column, columns - 1);
    m_cursorRow = -1;
    m_cursorColumn = -1;
    moveToCell();
}

void RtfDocumentBuilder::closeTable()
{
    flushRun();
    trimTable();
    m_cursor.setPosition(m_table->lastPosition() + 1);
    m_table = nullptr;
    m_pendingBreak = false;
    m_blockEmpty = m_cursor.block().length() <= 1;
    m_row = 0;
    m_column = 0;
    m_rowStarted = false;
}

void RtfDocumentBuilder::trimTable()
{
    // Rows and columns grow by doubling (see moveToCell()); give back what was not used.
    const QTextCursor keep = m_cursor;
    if (m_table->rows() > m_usedRows)
        m_table->removeRows(m_usedRows, m_table->rows() - m_usedRows);
    if (m_table->columns() > m_usedColumns)
        m_table->removeColumns(m_usedColumns, m_table->columns() - m_usedColumns);
    QTextTableFormat format = m_table->format();
    if (m_table->columns() != m_openedColumns) {
        // Rows came with more cells than the first row defined: size the columns by the widest
        // row's boundaries, or leave them to Qt.
        format.setColumnWidthConstraints(m_widestRow.size() == m_table->columns()
                                             ? columnWidths(m_widestRow)
                                             : QList<QTextLength>());
        m_table->setFormat(format);
    }
    m_cursor = keep;
}

void RtfDocumentBuilder::moveToCell()
{
    flushRun();
    m_pendingBreak = false;
    if (m_row >= kMaxRowsPerTable) {
        const int column = m_column;
        closeTable();
        m_column = column;
        openTable();
        return;
    }
    // QTextTable recomputes its whole cell grid after every change of shape, so growing it one
    // row at a time would cost time quadratic in its rows: grow by doubling instead, and trim
    // when the table is done.
    const int columns = m_table->columns();
    if (m_column >= columns) {
        if (columns < kMaxColumns)
            m_table->appendColumns(qMin(kMaxColumns, qMax(m_column + 1, columns * 2)) - columns);
        m_column = qMin(m_column, m_table->columns() - 1);
    }
    const int rows = m_table->rows();
    if (m_row >= rows)
        m_table->appendRows(qMax(m_row + 1 - rows, rows));
    m_usedRows = qMax(m_usedRows, m_row + 1);
    m_usedColumns = qMax(m_usedColumns, m_column + 1);
    if (m_rowBoundaries.size() > m_widestRow.size())
        m_widestRow = m_rowBoundaries;
    m_cursor = m_table->cellAt(m_row, m_column).lastCursorPosition();
    m_cursorRow = m_row;
    m_cursorColumn = m_column;
    m_blockEmpty = m_cursor.block().length() <= 1;
    if (!m_blockEmpty) {
        // A cell that already has text (columns past the limit share the last one).
        m_cursor.insertText(QStringLiteral(" "), m_charFormat);
    }
}

void RtfDocumentBuilder::applyBlockFormat()
{
    m_cursor.setBlockFormat(m_blockFormat);
    if (m_blockEmpty)
        m_cursor.setBlockCharFormat(m_charFormat);
}

} // namespace richtext
