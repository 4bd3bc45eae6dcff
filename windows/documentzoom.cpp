// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/documentzoom.h"

// Qt
#include <QAbstractTextDocumentLayout>
#include <QTextCursor>
#include <QTextDocument>
#include <QWidget>

// Standard library
#include <cmath>

namespace {

// Measures like the widget the document is shown on, at the design's 96 dots an inch times the
// zoom. Nothing is ever painted on it.
class ZoomedDevice : public QPaintDevice
{
public:
    ZoomedDevice(const QWidget* shownOn, double zoom) : shownOn_(shownOn), zoom_(zoom) {}
    QPaintEngine* paintEngine() const override { return nullptr; }

protected:
    int metric(PaintDeviceMetric metric) const override
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

private:
    const QWidget* shownOn_;
    double zoom_;
};

} // namespace

DocumentZoom::DocumentZoom(QTextDocument* document, const QWidget* shownOn)
    : document_(document), shownOn_(shownOn), unzoomed_(document->documentLayout()->paintDevice())
{
    document->setUndoRedoEnabled(false);
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat format = block.blockFormat();
        const Spacing spacing{block, format.leftMargin(), format.rightMargin(),
                              format.textIndent()};
        if (spacing.left || spacing.right || spacing.indent)
            spacing_.push_back(spacing);
    }
}

DocumentZoom::~DocumentZoom()
{
    document_->documentLayout()->setPaintDevice(unzoomed_);
}

void DocumentZoom::setZoom(double zoom)
{
    if (zoom == zoom_)
        return;
    zoom_ = zoom;
    auto device = std::make_unique<ZoomedDevice>(shownOn_, zoom);
    document_->documentLayout()->setPaintDevice(device.get());
    device_ = std::move(device);

    QTextCursor cursor(document_);
    cursor.beginEditBlock();
    for (const Spacing& spacing : spacing_) {
        QTextBlockFormat format = spacing.block.blockFormat();
        format.setLeftMargin(spacing.left * zoom);
        format.setRightMargin(spacing.right * zoom);
        format.setTextIndent(spacing.indent * zoom);
        cursor.setPosition(spacing.block.position());
        cursor.setBlockFormat(format);
    }
    cursor.endEditBlock();
    // Every line is measured anew for the device.
    document_->markContentsDirty(0, document_->characterCount());
}
