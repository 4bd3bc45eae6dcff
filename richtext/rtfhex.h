// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Standard library
#include <array>
#include <cstdint>

namespace richtext {

namespace detail {
inline constexpr std::array<std::int8_t, 256> kHexDigitValues = [] {
    std::array<std::int8_t, 256> values{};
    values.fill(-1);
    for (int c = '0'; c <= '9'; ++c)
        values[c] = std::int8_t(c - '0');
    for (int c = 'a'; c <= 'f'; ++c) {
        values[c] = std::int8_t(c - 'a' + 10);
        values[c - 'a' + 'A'] = std::int8_t(c - 'a' + 10);
    }
    return values;
}();
} // namespace detail

// 0..15 for a hex digit of either case, -1 for any other byte. The one hex decoding of the
// reader: \'hh escapes and the hex data of pictures both use it.
constexpr int hexDigitValue(char c)
{
    return detail::kHexDigitValues[static_cast<unsigned char>(c)];
}

} // namespace richtext
