// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Qt
#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QSizeF>

// Standard library
#include <cstdint>

namespace richtext {

// One picture (\pict) as its group delivers it: the format, the size to show it at, and the
// data, written as hex digits or as \bin bytes, both of which may come in several pieces.
// decode() makes the image, or says why it cannot.
class RtfPicture
{
public:
    enum class Format : std::uint8_t {
        Unnamed,     // no blip word: the data says what it is
        Png,         // \pngblip
        Jpeg,        // \jpegblip
        Unsupported, // metafiles, device bitmaps: never shown, their data is not kept
    };

    // One picture may have at most this many pixels, and all of a document's pictures together
    // kMaxDocumentPixels (256 MB as RGBA): a few kilobytes of compressed data can claim gigabytes.
    static constexpr qint64 kMaxPixels = qint64(1) << 24; // 4096 x 4096
    static constexpr qint64 kMaxDocumentPixels = qint64(1) << 26;

    struct Decoded
    {
        QImage image; // null when there is nothing to show
        QSizeF size;  // in pixels, as the document asks it shown
        // Why data that should have been an image is not one, in English; nullptr when the image
        // is there, or when there was nothing to decode (no data, an unsupported format).
        const char* failure = nullptr;
    };

    void setFormat(Format format);
    // \picwgoal, \pichgoal: the size to show, in twips (0: the image's own size).
    void setGoalWidth(int twips);
    void setGoalHeight(int twips);
    // \picscalex, \picscaley: percentages of that size.
    void setScaleX(int percent);
    void setScaleY(int percent);

    // Hex digits of the data; anything else in text is ignored (line breaks, spaces).
    void appendHex(QByteArrayView text);
    void appendBinary(QByteArrayView data);

    // Reads the image within *pixelBudget, the pixels the document has left, and takes its
    // pixels from it.
    Decoded decode(qint64* pixelBudget) const;

private:
    Format format_ = Format::Unnamed;
    QByteArray data_;
    int nibble_ = -1; // a hex digit waiting for the second one of its byte
    int goalWidth_ = 0;
    int goalHeight_ = 0;
    int scaleX_ = 100;
    int scaleY_ = 100;
};

} // namespace richtext
