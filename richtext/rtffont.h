// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Qt
#include <QFont>
#include <QStringList>

namespace richtext {

// One entry of an RTF font table.
struct RtfFont
{
    // Most specific first: the \fname, the entry's name, its base name, the \falt.
    QStringList families;
    QFont::StyleHint hint = QFont::AnyStyle; // from \froman, \fswiss, ...
    int charset = -1;                        // \fcharset; -1 when absent
    int codePage = 0;                        // from \cpg or \fcharset; 0: the document's code page
};

} // namespace richtext
