// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Qt
#include <QByteArrayView>
#include <QString>

class QTextDocument;

namespace richtext {

// Reads RTF documents (as WordPad and Word write them, in any Windows code page) into a
// QTextDocument.
//
// Needs a QGuiApplication (fonts and images). Text the document leaves unformatted is Times New
// Roman 12 pt (the nearest serif face where that is missing). Reading is linear in the input
// size; inputs above kMaxInputSize are refused.
//
//     richtext::RtfReader reader;
//     if (!reader.readFile(QStringLiteral("info.rtf"), &document))
//         showError(reader.errorString());
class RtfReader
{
public:
    static constexpr qsizetype kMaxInputSize = 64 * 1024 * 1024;

    // Replaces doc's content (and its undo history) with the document read from bytes.
    // Returns false, with errorString() set and doc left empty, only when the bytes are not RTF
    // at all or exceed kMaxInputSize. Damaged RTF (truncated, unbalanced braces, bad escapes,
    // trailing bytes) returns true with whatever could be read, and recovered() is true.
    //
    // The bytes must start with "{\rtf", after any white space, NUL bytes and a UTF-8 byte order
    // mark; one stray byte before the brace is tolerated (and counts as damage).
    bool read(QByteArrayView bytes, QTextDocument* doc);

    // Reads the file at path. On failure errorString() names the file and the reason, e.g.
    // "info.rtf: No such file or directory", "info.rtf: not an RTF document (...)".
    bool readFile(const QString& path, QTextDocument* doc);

    // Why the last read failed, in English; empty after a successful read.
    QString errorString() const { return error_; }
    // Whether the last successful read had to recover from damaged input.
    bool recovered() const { return recovered_; }
    // After a recovered read: what was wrong first, in English ("the document ends before its
    // closing brace").
    QString recoveryNote() const { return recoveryNote_; }

private:
    QString error_;
    bool recovered_ = false;
    QString recoveryNote_;
};

} // namespace richtext
