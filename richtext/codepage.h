// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Qt
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

// Standard library
#include <array>
#include <optional>

namespace richtext {

// Turns the bytes of one Windows code page into UTF-16.
//
// Single-byte code pages decode byte by byte from a 256-entry table (our own tables for the
// Windows, DOS and Mac pages; a table filled from a Qt codec for any other single-byte page Qt
// knows; Windows-1252 when neither knows the number). Double-byte pages (932, 936, 949, 950,
// 1361) decode whole byte runs through a Qt (ICU) codec; where Qt has no codec for one, ASCII
// still decodes and every lead+trail pair becomes U+FFFD.
class CodePage
{
public:
    // Code page 42 is the Symbol font's encoding (Greek letters in the ASCII range).
    static constexpr int kSymbol = 42;

    explicit CodePage(int number);
    CodePage(const CodePage&) = delete;
    CodePage& operator=(const CodePage&) = delete;

    // The code page this object decodes; differs from the requested number when that was
    // unknown and Windows-1252 stands in.
    int number() const { return number_; }
    bool isMultiByte() const { return multiByte_; }

    // Single-byte pages only.
    char16_t decodeByte(unsigned char byte) const { return table_[byte]; }

    // Any page; for multi-byte pages a dangling lead byte at the end becomes U+FFFD.
    QString decode(QByteArrayView bytes) const;

    // The code page that an RTF \fcharset value selects, or std::nullopt for the charsets that
    // mean "the document's code page" (0 ANSI and 1 DEFAULT) and for unknown values.
    static std::optional<int> forCharset(int charset);

private:
    int number_ = 1252;
    bool multiByte_ = false;
    std::array<char16_t, 256> table_{};
    mutable QStringDecoder decoder_;
};

} // namespace richtext
