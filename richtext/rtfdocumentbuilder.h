// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Qt
#include <QImage>
#include <QSizeF>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>

class QTextDocument;
class QTextTable;

namespace richtext {

// Writes content into a QTextDocument in reading order, the way RTF delivers it: runs of text
// that share a format are batched into one insertion, a paragraph's format is applied when the
// paragraph ends, and table cells are filled row by row.
//
// Paragraph breaks are held back until more content follows, so a document ending in \par does
// not end in an empty block, and a cell's last paragraph does not leave one behind.
//
// Tables: content whose paragraph is "in table" goes to the current cell of the current
// QTextTable, which is created on first use and grows rows and columns as cells arrive; the
// first content outside closes it. Columns stop growing at kMaxColumns (later cells of the row
// share the last one) and a run of more than kMaxRowsPerTable rows continues in a new table.
class RtfDocumentBuilder
{
public:
    static constexpr int kMaxColumns = 63;
    static constexpr int kMaxRowsPerTable = 4096;

    // doc must be empty and outlive the builder.
    explicit RtfDocumentBuilder(QTextDocument* doc);
    ~RtfDocumentBuilder();
    RtfDocumentBuilder(const RtfDocumentBuilder&) = delete;
    RtfDocumentBuilder& operator=(const RtfDocumentBuilder&) = delete;

    // Formats for what follows. The block format applies to the paragraph being written when it
    // ends; inTable says whether that paragraph belongs in a table cell.
    void setCharFormat(const QTextCharFormat& format);
    void setParagraph(const QTextBlockFormat& format, bool inTable);
    // Cell boundaries (\cellx, in twips) of the row definition that table rows use from now on.
    void setRowBoundaries(const QList<int>& boundaries);

    void appendText(QStringView text);
    // size in pixels; the image is stored as a resource of the document.
    void appendImage(const QImage& image, QSizeF size);

    // \par. With keepEmpty false an empty paragraph is not ended (nested cells and rows, which
    // must not add blank lines).
    void endParagraph(bool keepEmpty = true);
    void endCell(); // \cell: also opens a table when none is open
    void endRow();  // \row: ignored when the row has no cells

    // Flushes everything and ends the document's edit block; the builder must not be used
    // afterwards. The destructor finishes too.
    void finish();

private:
    void flushRun();
    void prepareContent(); // puts the cursor where the next content belongs
    void openTable();
    void closeTable();
    void moveToCell();
    void trimTable();
    void applyBlockFormat();

    QTextDocument* doc_;
    QTextCursor cursor_;
    QString run_;
    QTextCharFormat charFormat_;
    QTextBlockFormat blockFormat_;
    bool wantTable_ = false;
    bool pendingBreak_ = false;
    bool blockEmpty_ = true;

    QTextTable* table_ = nullptr;
    QList<int> rowBoundaries_;
    QList<int> widestRow_; // boundaries of the row with the most cells in the open table
    int row_ = 0;          // table row that the next cell content goes to
    int column_ = 0;       // ... and its column
    int cursorRow_ = -1;   // the cell the cursor is in
    int cursorColumn_ = -1;
    bool rowStarted_ = false;
    int usedRows_ = 0;
    int usedColumns_ = 0;
    int openedColumns_ = 0;
    int imageCount_ = 0; // names the images' resources
    bool finished_ = false;
};

} // namespace richtext
