// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/tilenavigation.h"

// Qt
#include <QLineF>

// Standard library
#include <cmath>
#include <utility>

namespace {

QPointF unitVector(Arrow arrow)
{
    switch (arrow) {
    case Arrow::Left:
        return {-1, 0};
    case Arrow::Right:
        return {1, 0};
    case Arrow::Up:
        return {0, -1};
    case Arrow::Down:
        break;
    }
    return {0, 1};
}

} // namespace

int tileToward(const SeenTiles& tiles, int from, board::TilePlace origin, Arrow arrow)
{
    using board::layout::kTileHeight;
    using board::layout::kTileWidth;
    const QPointF direction = unitVector(arrow);
    const bool across = direction.y() == 0;
    const double minAhead = (across ? kTileWidth : kTileHeight) / 2.0;
    const double overlap = (across ? kTileHeight : kTileWidth) / 2.0;
    // In line, the nearest ahead wins; out of line, a step aside counts twice a step ahead.
    auto rank = [](double ahead, double aside, bool inLine) {
        return inLine ? std::pair(ahead, aside) : std::pair(ahead + 2 * aside, aside);
    };
    int best = -1;
    bool bestInLine = false;
    std::pair<double, double> bestRank;
    for (const SeenTile& tile : tiles) {
        if (tile.position == from)
            continue;
        const QPointF offset(tile.place.left - origin.left, tile.place.top - origin.top);
        const double ahead = QPointF::dotProduct(offset, direction);
        const double aside =
            std::abs(QPointF::dotProduct(offset, QPointF(direction.y(), direction.x())));
        if (ahead < minAhead)
            continue;
        const bool inLine = aside < overlap;
        const std::pair<double, double> tileRank = rank(ahead, aside, inLine);
        if (best < 0 || (inLine && !bestInLine) || (inLine == bestInLine && tileRank < bestRank))
            best = tile.position, bestInLine = inLine, bestRank = tileRank;
    }
    return best;
}

int nearestTile(const SeenTiles& tiles, QPointF point)
{
    int best = -1;
    double bestDistance = 0;
    for (const SeenTile& tile : tiles) {
        const QPointF centre(tile.place.left + board::layout::kTileWidth / 2.0,
                             tile.place.top + board::layout::kTileHeight / 2.0);
        const double distance = QLineF(centre, point).length();
        if (best < 0 || distance < bestDistance)
            best = tile.position, bestDistance = distance;
    }
    return best;
}
