// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "richtext/rtffield.h"

// Qt
#include <QRegularExpression>

namespace richtext {

QString hyperlinkTarget(const QString& instruction)
{
    static const QRegularExpression kHyperlink(
        QStringLiteral(R"re(^\s*HYPERLINK\s+(?:(\\l)\s+)?(?:"([^"]*)"|(\S+)))re"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = kHyperlink.match(instruction);
    if (!match.hasMatch())
        return {};
    QString target = match.captured(2).isEmpty() ? match.captured(3) : match.captured(2);
    if (!match.captured(1).isEmpty())
        target.prepend(u'#');
    return target;
}

} // namespace richtext
