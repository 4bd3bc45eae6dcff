// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Qt
#include <QByteArray>
#include <QByteArrayView>

// Standard library
#include <string_view>

namespace richtext {

// Splits RTF bytes into tokens. Never recurses and never reads past the input: a control word
// cut off by the end of input is returned as far as it got, a \binN that runs past the end
// takes what is left and sets binaryTruncated().
//
// Line ends outside control symbols and NUL bytes are dropped; everything else is a token.
class RtfTokenizer
{
public:
    enum class Type {
        End,
        GroupStart,
        GroupEnd,
        ControlWord,   // word, hasParam, param
        ControlSymbol, // symbol; a backslash before a line end comes back as '\n'
        BadHex,        // a \' not followed by two hex digits; the digits it had are consumed
        Text,          // data: plain bytes and \'hh escapes, one byte each (never empty)
        Binary,        // data: the raw bytes of \binN
    };

    struct Token
    {
        Type type = Type::End;
        std::string_view word;
        bool hasParam = false;
        int param = 0;
        char symbol = 0;
        QByteArrayView data;
    };

    // Parameters are clamped to this magnitude; the digits past it are still consumed.
    static constexpr int kMaxParam = 0x7FFFFFFF;

    explicit RtfTokenizer(QByteArrayView input, qsizetype start = 0);

    // The data of a Text token stays valid until the next call.
    Token next();

    // Consumes the rest of the group whose opening brace was already read, up to and including
    // its closing brace; \bin data inside is skipped as data. Returns false when the input ends
    // first.
    bool skipGroup();

    qsizetype position() const { return pos_; }
    bool binaryTruncated() const { return binaryTruncated_; }

private:
    Token controlSequence();
    Token textRun();
    // The byte of a well-formed \'hh escape at pos, or -1.
    int hexEscapeAt(qsizetype pos) const;

    QByteArrayView input_;
    qsizetype pos_ = 0;
    bool binaryTruncated_ = false;
    QByteArray text_; // the bytes of the last Text token
};

} // namespace richtext
