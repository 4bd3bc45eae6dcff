#include "clocktext.h"

// Library
#include <cmath>

namespace board {

QString clockText(float now, float dealTime)
{
    constexpr double kDay = 24 * 60 * 60;
    double elapsed = std::floor(double(now - dealTime));
    if (elapsed < 0)
        elapsed += kDay;
    const auto seconds = qint64(elapsed);
    return QStringLiteral("     %1:%2").arg(seconds / 60).arg(seconds % 60);
}

} // namespace board
