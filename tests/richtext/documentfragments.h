// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the RTF reader's tests look for in the QTextDocument it writes.

// Qt
#include <QList>
#include <QTextFragment>
#include <QTextImageFormat>

class QTextDocument;

namespace testing {

// Every fragment of doc in reading order, those in table cells included.
QList<QTextFragment> documentFragments(const QTextDocument& doc);

// The formats of doc's images, in reading order.
QList<QTextImageFormat> documentImages(const QTextDocument& doc);

} // namespace testing
