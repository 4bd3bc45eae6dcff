// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assets/info/cp1251.h"

// Local
#include "richtext/codepagetables.h"

namespace info {

std::optional<unsigned char> Cp1251::fromUnicode(char32_t c)
{
    if (c < 0x80) {
        return static_cast<unsigned char>(c);
    }
    // The table marks unassigned bytes with U+FFFD, which must not come back as a byte.
    if (c == 0xFFFD || c > 0xFFFF) {
        return std::nullopt;
    }
    static const richtext::SingleByteTable* const table = richtext::findSingleByteTable(1251);
    for (int i = 0; i < 128; ++i) {
        if (table->high[i] == c) {
            return static_cast<unsigned char>(0x80 + i);
        }
    }
    return std::nullopt;
}

} // namespace info
