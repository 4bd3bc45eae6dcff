#pragma once

// Qt
#include <QImage>

// The start-up picture: a sailing ship under a cloudy sky, 300 x 178, opaque.
class ShipPainter
{
public:
    static constexpr int width = 300;
    static constexpr int height = 178;

    static QImage picture();
};
