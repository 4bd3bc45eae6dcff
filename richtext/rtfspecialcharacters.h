// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Standard library
#include <string_view>

namespace richtext {

// The control words and symbols that stand for one character each: the one table of them. The
// keyword table takes the words from here; the parser looks the symbols up with
// specialSymbolCharacter().
struct RtfSpecialCharacter
{
    std::string_view word;
    char16_t character;
};

inline constexpr RtfSpecialCharacter kRtfSpecialCharacters[] = {
    // Words
    {"emdash", 0x2014},
    {"endash", 0x2013},
    {"emspace", 0x2003},
    {"enspace", 0x2002},
    {"qmspace", 0x2005},
    {"bullet", 0x2022},
    {"lquote", 0x2018},
    {"rquote", 0x2019},
    {"ldblquote", 0x201C},
    {"rdblquote", 0x201D},
    {"zwj", 0x200D},
    {"zwnj", 0x200C},
    {"ltrmark", 0x200E},
    {"rtlmark", 0x200F},
    {"tab", u'\t'},
    {"line", 0x2028}, // a line break inside the paragraph, as QTextDocument writes it
    // Symbols
    {"~", 0x00A0}, // no-break space
    {"-", 0x00AD}, // soft hyphen
    {"_", 0x2011}, // no-break hyphen
};

// The character that the control symbol \symbol stands for, or 0 when it stands for none.
constexpr char16_t specialSymbolCharacter(char symbol)
{
    for (const RtfSpecialCharacter& special : kRtfSpecialCharacters) {
        if (special.word.size() == 1 && special.word[0] == symbol)
            return special.character;
    }
    return 0;
}

} // namespace richtext
