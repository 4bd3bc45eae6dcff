// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Local
#include "richtext/rtffont.h"

// Qt
#include <QHash>
#include <QString>

namespace richtext {

// The font table of one document (\fonttbl) and the default font (\deff).
//
// An entry opens at \f inside the table and ends with the group that holds it, or at the next
// \f when entries are not grouped. Writers put groups inside entries, before or after the name
// ({\*\panose ...}, {\*\fname ...}, {\*\falt ...}), and the ';' after the name ends the name,
// not the entry: the number, name, charset and alternative survive in any order. The table stops
// taking new numbers at kMaxEntries; names are cut at kMaxNameLength characters.
class RtfFontTable
{
public:
    static constexpr int kMaxEntries = 4096;
    static constexpr int kMaxNameLength = 256;

    enum class Name {
        Own,         // the entry's text up to its ';'
        Real,        // {\*\fname ...}: the family the entry's name stands for
        Alternative, // {\*\falt ...}: the family to show when the named one is missing
    };

    // Ends the open entry, if any, and opens entry number, held by the group at depth (the
    // parser's group nesting, the document's group being 1). Returns whether an entry was stored.
    bool beginEntry(int number, int depth);
    // Stores the open entry. Returns whether there was one.
    bool endEntry();
    // The group at depth closed: ends the open entry if that group held it. Returns whether an
    // entry was stored.
    bool endGroup(int depth);

    // Properties of the open entry.
    void setStyleHint(QFont::StyleHint hint) { entry_.hint = hint; }
    void setCharset(int charset) { entry_.charset = charset; }
    void setCodePage(int number) { entry_.codePage = number; }
    // Text that belongs to the open entry's names; ignored when no entry is open, or for the own
    // name, once its ';' has come (endName()).
    void appendName(Name name, QStringView text);
    void endName() { nameEnded_ = true; }
    // The code page the open entry's names are written in.
    int nameCodePage(int documentCodePage) const;

    void setDefaultFont(int number) { defaultFont_ = number; }
    int defaultFont() const { return defaultFont_; }
    // The entry of font number (-1: the default font), or nullptr.
    const RtfFont* find(int number) const;

private:
    QHash<int, RtfFont> fonts_;
    int defaultFont_ = 0;

    bool open_ = false;
    int depth_ = 0;
    bool nameEnded_ = false;
    int number_ = 0;
    RtfFont entry_;
    QString name_;
    QString realName_;
    QString altName_;
};

} // namespace richtext
