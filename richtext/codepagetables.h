// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The single-byte code pages the reader decodes from its own tables, so that the Windows and DOS
// code pages that RTF files use most work even where the Qt codecs lack them. Plain C++ without
// Qt: info.rtf's generator encodes with the same tables.

namespace richtext {

struct SingleByteTable
{
    int codePage;
    char16_t high[128]; // code points of bytes 0x80-0xFF; 0xFFFD where undefined
};

extern const SingleByteTable kSingleByteTables[];
extern const int kSingleByteTableCount;

// The table of codePage, or nullptr when there is none.
inline const SingleByteTable* findSingleByteTable(int codePage)
{
    for (int i = 0; i < kSingleByteTableCount; ++i) {
        if (kSingleByteTables[i].codePage == codePage)
            return &kSingleByteTables[i];
    }
    return nullptr;
}

} // namespace richtext
