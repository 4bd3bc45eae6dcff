#pragma once

// Qt
#include <QPaintDevice>

class QWidget;

// What a text document's layout measures by in a zoomed window: the design's 96 dots an inch
// times the zoom, and otherwise the screen of the widget it is shown on. The layout turns points
// into pixels by the resolution, and scales its margins, indents and pictures by it as well, so a
// document laid out for this device is the same page magnified, line breaks and all. Nothing is
// ever painted on it.
class ZoomedTextDevice : public QPaintDevice
{
public:
    ZoomedTextDevice(const QWidget* shownOn, double zoom) : shownOn_(shownOn), zoom_(zoom) {}

    double zoom() const { return zoom_; }
    QPaintEngine* paintEngine() const override { return nullptr; }

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    const QWidget* shownOn_;
    double zoom_;
};
