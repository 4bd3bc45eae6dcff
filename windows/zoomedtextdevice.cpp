#include "zoomedtextdevice.h"

// Qt
#include <QWidget>

// Library
#include <cmath>

int ZoomedTextDevice::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return std::max(1, int(std::lround(96 * zoom_)));
    case PdmWidth:
        return shownOn_->width();
    case PdmHeight:
        return shownOn_->height();
    case PdmWidthMM:
        return shownOn_->widthMM();
    case PdmHeightMM:
        return shownOn_->heightMM();
    case PdmNumColors:
        return shownOn_->colorCount();
    case PdmDepth:
        return shownOn_->depth();
    case PdmDevicePixelRatio:
        return int(shownOn_->devicePixelRatio());
    case PdmDevicePixelRatioScaled:
        return int(std::lround(shownOn_->devicePixelRatioF() * devicePixelRatioFScale()));
    }
    return 0;
}
