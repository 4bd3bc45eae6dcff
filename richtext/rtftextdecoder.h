// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Local
#include "richtext/codepage.h"

// Qt
#include <QByteArray>
#include <QString>

// Standard library
#include <memory>
#include <unordered_map>

namespace richtext {

// Turns the text of an RTF document into UTF-16: runs of bytes (plain and \'hh alike) in the
// code page of their font, and \uN values, whose surrogate halves come as two words.
//
// Each call returns the text that is ready, valid until the next call, and never calls anyone
// back. What a later call may still complete is held: the bytes of a double-byte code page (a
// character's trail byte may come in the next run) and a high surrogate waiting for its low half.
// hasHeld() says when there is some, and flush() gives it up: the bytes decoded, a lone high
// surrogate as U+FFFD. Control characters other than the tab never come out.
class RtfTextDecoder
{
public:
    RtfTextDecoder();

    // The decoder of code page number, made on first use and kept for the document.
    const CodePage& codePage(int number);

    QStringView decode(QByteArrayView bytes, const CodePage& codePage);
    // value as \u gives it: a signed 16-bit number, or a code point above U+FFFF.
    QStringView decodeUnicode(int value);

    bool hasHeld() const { return highSurrogate_ != 0 || !held_.isEmpty(); }
    QStringView flush();

private:
    void appendHeld(); // to text_, and forget it

    std::unordered_map<int, std::unique_ptr<CodePage>> codePages_;
    QByteArray held_;
    const CodePage* heldCodePage_ = nullptr;
    char16_t highSurrogate_ = 0;
    QString text_; // what the last call returned
};

} // namespace richtext
