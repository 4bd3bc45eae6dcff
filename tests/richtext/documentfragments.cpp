// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/richtext/documentfragments.h"

// Qt
#include <QTextBlock>
#include <QTextDocument>

namespace testing {

QList<QTextFragment> documentFragments(const QTextDocument& doc)
{
    QList<QTextFragment> fragments;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it)
            fragments.append(it.fragment());
    }
    return fragments;
}

QList<QTextImageFormat> documentImages(const QTextDocument& doc)
{
    QList<QTextImageFormat> images;
    for (const QTextFragment& fragment : documentFragments(doc)) {
        if (fragment.charFormat().isImageFormat())
            images.append(fragment.charFormat().toImageFormat());
    }
    return images;
}

} // namespace testing
