// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Standard library
#include <cstdint>

namespace richtext {

// What one RTF group carries: a copy is pushed at '{' and dropped at '}', so every property set
// inside a group ends with it.
struct RtfGroupState
{
    // Where the group's text goes.
    enum class Destination : std::uint8_t {
        Text,             // the document
        FontTable,        // font names
        FontRealName,     // {\*\fname ...} inside a font entry: the font's real family name
        FontAltName,      // {\*\falt ...} inside a font entry: the family to use without it
        ColorTable,       // only the ';' separators matter
        Picture,          // hex digits of a \pict
        FieldInstruction, // \fldinst, read for HYPERLINK targets
        BookmarkName,     // {\*\bkmkstart name}: where a link "#name" (HYPERLINK \l) leads
    };

    // Character formatting. Equality decides whether two runs of text may share one format.
    struct Char
    {
        int font = -1; // \f number; -1 is the \deff font
        int halfPoints = 24;
        int foreground = 0; // \cf index into the color table; 0 is automatic
        int background = 0; // \cb or \highlight index; 0 is none
        int link = 0;       // 1-based index of the hyperlink this text belongs to; 0 is none
        bool bold = false;
        bool italic = false;
        bool underline = false;
        bool strike = false;
        bool hidden = false;           // \v: read but never shown
        std::int8_t verticalAlign = 0; // 1 superscript, -1 subscript

        bool operator==(const Char&) const = default;
    };

    // Paragraph formatting; lengths in twips.
    struct Para
    {
        enum class Align : std::uint8_t { Unset, Left, Center, Right, Justify };
        Align align = Align::Unset;
        int leftIndent = 0;
        int rightIndent = 0;
        int firstIndent = 0;
        int spaceBefore = 0;
        int spaceAfter = 0;
        int lineSpacing = 0;       // \sl: >0 at least, <0 exactly, 0 single
        bool lineMultiple = false; // \slmult1: \sl is in 240ths of a line
        bool rightToLeft = false;
        bool inTable = false;
        int nestingLevel = 1; // \itap

        bool operator==(const Para&) const = default;
    };

    Char character;
    Para paragraph;
    Destination destination = Destination::Text;
    int unicodeSkip = 1;                // \uc: fallback characters after each \u
    bool inShapePicture = false;        // inside {\*\shppict ...}
    bool inNestedRowProperties = false; // inside {\*\nesttableprops ...}
};

} // namespace richtext
