#include "iconpainter.h"

QImage IconPainter::icon(int size)
{
    if (size < 8) {
        return {};
    }
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}
