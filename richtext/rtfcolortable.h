// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Qt
#include <QColor>
#include <QList>

namespace richtext {

// The color table of one document (\colortbl): \red, \green and \blue set the entry being read,
// and each ';' ends it, so that groups inside the table add no entry of their own. An entry
// without any of the three is "automatic". The table stops growing at kMaxEntries.
class RtfColorTable
{
public:
    static constexpr int kMaxEntries = 4096;

    // A new table: forgets the entries and the one being read.
    void clear();

    // Components are clamped to 0..255.
    void setRed(int value);
    void setGreen(int value);
    void setBlue(int value);
    void endEntry();

    // The color of \cf or \cb index, or an invalid color for 0, an automatic entry or an index
    // past the table.
    QColor color(int index) const;

private:
    QList<QColor> colors_;
    int red_ = 0;
    int green_ = 0;
    int blue_ = 0;
    bool set_ = false;
};

} // namespace richtext
