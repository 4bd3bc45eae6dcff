// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The single-byte code pages the reader decodes from its own tables, so that the Windows and DOS
// code pages that RTF files use most work even where the Qt codecs lack them.

namespace richtext {

struct SingleByteTable
{
    int codePage;
    char16_t high[128]; // code points of bytes 0x80-0xFF; 0xFFFD where undefined
};

extern const SingleByteTable kSingleByteTables[];
extern const int kSingleByteTableCount;

} // namespace richtext
