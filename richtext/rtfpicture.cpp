// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "richtext/rtfpicture.h"

// Local
#include "richtext/rtfhex.h"
#include "richtext/rtfunits.h"

// Qt
#include <QBuffer>
#include <QImageReader>

namespace richtext {

void RtfPicture::setFormat(Format format)
{
    format_ = format;
    if (format == Format::Unsupported) {
        data_.clear();
        nibble_ = -1;
    }
}

void RtfPicture::setGoalWidth(int twips)
{
    goalWidth_ = qBound(0, twips, kMaxTwips * 4);
}

void RtfPicture::setGoalHeight(int twips)
{
    goalHeight_ = qBound(0, twips, kMaxTwips * 4);
}

void RtfPicture::setScaleX(int percent)
{
    scaleX_ = qBound(1, percent, 10000);
}

void RtfPicture::setScaleY(int percent)
{
    scaleY_ = qBound(1, percent, 10000);
}

void RtfPicture::appendHex(QByteArrayView text)
{
    if (format_ == Format::Unsupported)
        return;
    for (const char c : text) {
        const int value = hexDigitValue(c);
        if (value < 0)
            continue;
        if (nibble_ < 0) {
            nibble_ = value;
        } else {
            data_.append(char(nibble_ * 16 + value));
            nibble_ = -1;
        }
    }
}

void RtfPicture::appendBinary(QByteArrayView data)
{
    if (format_ != Format::Unsupported)
        data_.append(data);
}

RtfPicture::Decoded RtfPicture::decode(qint64* pixelBudget) const
{
    Decoded result;
    if (format_ == Format::Unsupported || data_.isEmpty())
        return result;
    QByteArray data = data_;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    const QByteArray format = format_ == Format::Png    ? QByteArrayLiteral("png")
                              : format_ == Format::Jpeg ? QByteArrayLiteral("jpeg")
                                                        : QByteArray();
    QImageReader reader(&buffer, format);
    // The header's size, checked against the budgets before anything is decoded.
    const QSize pixels = reader.size();
    if (!pixels.isValid()) {
        result.failure = "a picture that does not decode";
        return result;
    }
    const qint64 area = qint64(pixels.width()) * pixels.height();
    if (area > kMaxPixels || area > *pixelBudget) {
        result.failure = "a picture too large to show";
        return result;
    }
    *pixelBudget -= area;
    QImage image = reader.read();
    if (image.isNull()) {
        result.failure = "a picture that does not decode";
        return result;
    }
    const double width = goalWidth_ > 0 ? twipsToPixels(goalWidth_) : image.width();
    const double height = goalHeight_ > 0 ? twipsToPixels(goalHeight_) : image.height();
    result.size = QSizeF(qBound(1.0, width * scaleX_ / 100.0, 20000.0),
                         qBound(1.0, height * scaleY_ / 100.0, 20000.0));
    result.image = std::move(image);
    return result;
}

} // namespace richtext
