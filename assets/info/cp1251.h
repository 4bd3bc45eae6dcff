// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Standard library
#include <optional>

namespace info {

// The Windows-1251 code page, the one Russian RTF documents declare with \ansicpg1251 and
// \fcharset204. Taken from the game's RTF reader's own table (richtext/codepagetables.h) rather
// than from iconv or the C library's locales: the generator gives the same bytes on every
// machine, and the very bytes the reader turns back into the same characters.
class Cp1251
{
public:
    // The byte for c, or nothing when Windows-1251 has no such character (the writer then falls
    // back to \uN). ASCII maps to itself; 0x98 is unassigned and is never returned.
    static std::optional<unsigned char> fromUnicode(char32_t c);
};

} // namespace info
