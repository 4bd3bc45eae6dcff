// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/elapsedtime.h"

// Standard library
#include <cmath>

namespace board {

QString elapsedTimeText(float now, float dealTime)
{
    constexpr double kDay = 24 * 60 * 60;
    double elapsed = std::floor(double(now - dealTime));
    if (elapsed < 0)
        elapsed += kDay;
    const auto seconds = qint64(elapsed);
    return QStringLiteral("     %1:%2").arg(seconds / 60).arg(seconds % 60);
}

} // namespace board
