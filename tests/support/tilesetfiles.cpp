// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/tilesetfiles.h"

// Qt
#include <QDir>
#include <QImage>

namespace testing {

QColor plainFaceColour(int face, int shift)
{
    return QColor::fromHsv((face * 8 + shift * 97) % 360, 200, 230);
}

bool writePlainTileSet(const QString& name, int shift, QSize size)
{
    const QString folder = QStringLiteral("fish/") + name;
    if (!QDir().mkpath(folder))
        return false;
    for (int face = 1; face <= 44; ++face) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(plainFaceColour(face, shift));
        if (!image.save(QStringLiteral("%1/%2.bmp").arg(folder).arg(face), "BMP"))
            return false;
    }
    return true;
}

} // namespace testing
