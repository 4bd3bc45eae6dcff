// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Qt
#include <QStringList>

class QTextDocument;

namespace richtext {

// The text of a document as lines, the way the RTF tools and tests compare it: one line per
// paragraph, each line break inside a paragraph starting a new line, and one line per table row
// with its cells separated by a tab (the paragraphs of one cell, and any table nested in it,
// joined by spaces). Images and other objects leave no text.
QStringList documentTextLines(const QTextDocument& doc);

} // namespace richtext
