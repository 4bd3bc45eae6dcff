// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "richtext/rtfreader.h"

// Local
#include "richtext/rtfparser.h"

// Qt
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QLocale>
#include <QTextDocument>

namespace richtext {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\0' || c == '\f';
}

// Where the document's opening brace is, or -1.
qsizetype findDocumentStart(QByteArrayView bytes, bool* stray)
{
    qsizetype pos = 0;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        pos = 3;
    while (pos < bytes.size() && isBlank(bytes[pos]))
        ++pos;
    *stray = false;
    if (bytes.sliced(pos).startsWith("{\\rtf"))
        return pos;
    if (pos + 1 < bytes.size() && bytes.sliced(pos + 1).startsWith("{\\rtf")) {
        *stray = true;
        return pos + 1;
    }
    return -1;
}

QString sizeText(qint64 bytes)
{
    return QLocale::c().formattedDataSize(bytes, 1, QLocale::DataSizeTraditionalFormat);
}

QString tooLarge(qint64 size)
{
    return QStringLiteral("too large (%1; the limit is %2)")
        .arg(sizeText(size), sizeText(RtfReader::kMaxInputSize));
}

QFont defaultFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                      QStringLiteral("Tinos"), QStringLiteral("Nimbus Roman"),
                      QStringLiteral("DejaVu Serif")});
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(12);
    return font;
}

} // namespace

bool RtfReader::read(QByteArrayView bytes, QTextDocument* doc)
{
    error_.clear();
    recovered_ = false;
    recoveryNote_.clear();
    if (!doc) {
        error_ = QStringLiteral("no document to read into");
        return false;
    }
    const bool undo = doc->isUndoRedoEnabled();
    doc->setUndoRedoEnabled(false);
    doc->clear();
    doc->setDefaultFont(defaultFont());
    if (bytes.size() > kMaxInputSize) {
        error_ = tooLarge(bytes.size());
        doc->setUndoRedoEnabled(undo);
        return false;
    }
    bool stray = false;
    const qsizetype start = findDocumentStart(bytes, &stray);
    if (start < 0) {
        error_ = bytes.trimmed().isEmpty()
                     ? QStringLiteral("not an RTF document (it is empty)")
                     : QStringLiteral("not an RTF document (it does not start with {\\rtf)");
        doc->setUndoRedoEnabled(undo);
        return false;
    }

    RtfParser parser(bytes, start, doc);
    parser.run();
    recovered_ = stray || parser.recovered();
    recoveryNote_ =
        stray ? QStringLiteral("a stray byte before the document") : parser.recoveryNote();
    doc->setUndoRedoEnabled(undo);
    return true;
}

bool RtfReader::readFile(const QString& path, QTextDocument* doc)
{
    error_.clear();
    recovered_ = false;
    recoveryNote_.clear();
    const QString name = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    if (!info.exists()) {
        error_ = name + QStringLiteral(": No such file or directory");
        return false;
    }
    if (info.isDir()) {
        error_ = name + QStringLiteral(": is a directory");
        return false;
    }
    if (info.size() > kMaxInputSize) {
        error_ = name + QStringLiteral(": ") + tooLarge(info.size());
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error_ = name + QStringLiteral(": ") + file.errorString();
        return false;
    }
    // Read in chunks and at most one byte past the limit: the file may have grown since the
    // size check, or be a device that never ends.
    QByteArray bytes;
    bytes.reserve(qMin(info.size(), kMaxInputSize) + 1);
    while (bytes.size() <= kMaxInputSize) {
        const QByteArray chunk = file.read(qMin<qint64>(1 << 20, kMaxInputSize + 1 - bytes.size()));
        if (chunk.isEmpty())
            break;
        bytes += chunk;
    }
    if (file.error() != QFileDevice::NoError) {
        error_ = name + QStringLiteral(": ") + file.errorString();
        return false;
    }
    if (!read(bytes, doc)) {
        error_ = name + QStringLiteral(": ") + error_;
        return false;
    }
    return true;
}

} // namespace richtext
