// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "richtext/rtfcolortable.h"

namespace richtext {

void RtfColorTable::clear()
{
    colors_.clear();
    red_ = green_ = blue_ = 0;
    set_ = false;
}

void RtfColorTable::setRed(int value)
{
    red_ = qBound(0, value, 255);
    set_ = true;
}

void RtfColorTable::setGreen(int value)
{
    green_ = qBound(0, value, 255);
    set_ = true;
}

void RtfColorTable::setBlue(int value)
{
    blue_ = qBound(0, value, 255);
    set_ = true;
}

void RtfColorTable::endEntry()
{
    if (colors_.size() < kMaxEntries)
        colors_.append(set_ ? QColor(red_, green_, blue_) : QColor());
    red_ = green_ = blue_ = 0;
    set_ = false;
}

QColor RtfColorTable::color(int index) const
{
    return index > 0 && index < colors_.size() ? colors_[index] : QColor();
}

} // namespace richtext
