// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assets/art/reviewsheet.h"

// Local
#include "assets/art/tilepainter.h"

// Qt
#include <QPainter>

QImage ReviewSheet::contactSheet(int scale)
{
    const int w = TilePainter::kWidth, h = TilePainter::kHeight, pad = 6;
    const int rows = TilePainter::kFaceCount / 2;
    QImage sheet(2 * w + 3 * pad, rows * (h + pad) + pad, QImage::Format_RGB32);
    sheet.fill(QColor(0, 0, 128));
    QPainter p(&sheet);
    for (int n = 1; n <= TilePainter::kFaceCount; ++n) {
        const int row = (n - 1) / 2, col = (n - 1) % 2;
        p.drawImage(pad + col * (w + pad), pad + row * (h + pad), TilePainter::face(n));
    }
    p.end();
    return sheet.scaled(sheet.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QImage ReviewSheet::boardMock(QRgb background, int scale)
{
    const int w = TilePainter::kWidth, h = TilePainter::kHeight, e = TilePainter::kWall;
    const int stepX = w - e, stepY = h - e;
    const int mockW = 4 * stepX + e + 2 * 16, mockH = 3 * stepY + e + 2 * 16;
    QImage mock(mockW, mockH, QImage::Format_RGB32);
    mock.fill(background);
    QPainter p(&mock);
    const QPoint origin(16, 16);
    // Within a layer the left tile covers its right neighbour and the lower tile covers the one
    // above, so draw right to left and top to bottom; a higher layer sits 8 px right and up.
    int n = 1;
    for (int row = 0; row < 3; ++row) {
        for (int col = 3; col >= 0; --col) {
            p.drawImage(origin + QPoint(col * stepX, row * stepY), TilePainter::face(n));
            n = (n + 6) % TilePainter::kFaceCount + 1;
        }
    }
    for (int col = 2; col >= 1; --col) {
        p.drawImage(origin + QPoint(col * stepX + e, stepY - e), TilePainter::face(n));
        n = (n + 4) % TilePainter::kFaceCount + 1;
    }
    p.end();
    QImage out(mockW * (1 + scale) + 8, mockH * scale, QImage::Format_RGB32);
    out.fill(QColor(40, 40, 40));
    QPainter q(&out);
    q.drawImage(0, 0, mock);
    q.drawImage(mockW + 8, 0,
                mock.scaled(mock.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    return out;
}
