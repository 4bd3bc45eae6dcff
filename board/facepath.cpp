#include "board/facepath.h"

namespace board {

QString facePicturePath(const QString& cardSet, int face)
{
    return QStringLiteral("fish/") + cardSet + QLatin1Char('/') + QString::number(face) +
           QStringLiteral(".bmp");
}

} // namespace board
