// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/facepath.h"

namespace board {

QString facePicturePath(const QString& cardSet, int face)
{
    return QStringLiteral("fish/") + cardSet + QLatin1Char('/') + QString::number(face) +
           QStringLiteral(".bmp");
}

} // namespace board
