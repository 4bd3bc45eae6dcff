// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Qt
#include <QString>

namespace richtext {

// The target of a field instruction (\fldinst) that makes a hyperlink,
// HYPERLINK "target" [\l "bookmark"] [\o "tip"]: the target, or "#bookmark" for \l. Empty for
// any other field.
QString hyperlinkTarget(const QString& instruction);

} // namespace richtext
