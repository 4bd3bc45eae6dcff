// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/bareqt/barecanvas.h"

// Qt
#include <QPainter>

BareCanvas::BareCanvas(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    setPalette(QColor(0, 0, 128));
}

void BareCanvas::paintEvent(QPaintEvent*)
{
    // As many rectangles in each layer as the game's board holds tiles, each layer shifted a
    // little up and to the right of the one below.
    constexpr int kLayerTiles[] = {72, 39, 16, 4, 1};
    constexpr int kColumns = 12;
    QPainter painter(this);
    const QSizeF tile(width() / (kColumns + 2.0), height() / 9.0);
    int drawn = 0;
    for (int layer = 0; layer < 5; ++layer)
        for (int i = 0; i < kLayerTiles[layer]; ++i, ++drawn) {
            const QPointF topLeft((i % kColumns + 0.5 * layer) * tile.width(),
                                  (i / kColumns + 1 - 0.1 * layer) * tile.height());
            const QRectF place = QRectF(topLeft, tile).adjusted(2, 2, -2, -2);
            painter.fillRect(place, QColor::fromHsv(drawn * 2, 90, 230));
            painter.drawRect(place);
        }
}
