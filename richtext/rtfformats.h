// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Local
#include "richtext/rtfgroupstate.h"

// Qt
#include <QStringList>
#include <QTextBlockFormat>
#include <QTextCharFormat>

namespace richtext {

class RtfColorTable;
class RtfFontTable;

// How a group's formatting looks to Qt. Both functions are pure: the same state and tables give
// the same format.

// Text formats name only what the document set, so that unformatted text takes the document's
// default font. links holds the document's hyperlink targets (Char::link counts from 1).
QTextCharFormat charFormat(const RtfGroupState::Char& ch, const RtfFontTable& fonts,
                           const RtfColorTable& colors, const QStringList& links);

QTextBlockFormat blockFormat(const RtfGroupState::Para& para);

} // namespace richtext
