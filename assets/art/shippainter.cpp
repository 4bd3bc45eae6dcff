#include "shippainter.h"

QImage ShipPainter::picture()
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(120, 160, 200));
    return image;
}
