// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Qt
#include <QPaintDevice>
#include <QTextBlock>

// Standard library
#include <memory>
#include <vector>

class QWidget;
class QTextDocument;

// A document shown magnified: the same page at another size, fonts, pictures, tabs, margins and
// line breaks alike.
//
// Qt lays a document out for a paint device and turns points, pictures and tab stops into pixels
// by the device's resolution, so most of the zoom is a device that claims the design's 96 dots an
// inch times the zoom. Paragraphs' left and right margins and first-line indents, though, Qt takes
// as pixels whatever the device (their space above and below it scales); those are kept as the
// document had them and set scaled at every zoom.
//
// The document must not change while it is zoomed (the info window shows it read-only) and must
// outlive this object.
class DocumentZoom
{
public:
    DocumentZoom(QTextDocument* document, const QWidget* shownOn);
    ~DocumentZoom();
    DocumentZoom(const DocumentZoom&) = delete;
    DocumentZoom& operator=(const DocumentZoom&) = delete;

    double zoom() const { return zoom_; }
    void setZoom(double zoom);

private:
    struct Spacing
    {
        QTextBlock block;
        qreal left, right, indent;
    };

    QTextDocument* document_;
    const QWidget* shownOn_;
    QPaintDevice* unzoomed_; // what the document was laid out for before
    std::unique_ptr<QPaintDevice> device_;
    std::vector<Spacing> spacing_; // of the blocks that have any
    double zoom_ = 0;
};
