#include "rtfpicture.h"

// Own
#include "rtfhex.h"
#include "rtfunits.h"

// Qt
#include <QBuffer>
#include <QImageReader>

namespace richtext {

void RtfPicture::setFormat(Format format)
{
    m_format = format;
    if (format == Format::Unsupported) {
        m_data.clear();
        m_nibble = -1;
    }
}

void RtfPicture::setGoalWidth(int twips)
{
    m_goalWidth = qBound(0, twips, kMaxTwips * 4);
}

void RtfPicture::setGoalHeight(int twips)
{
    m_goalHeight = qBound(0, twips, kMaxTwips * 4);
}

void RtfPicture::setScaleX(int percent)
{
    m_scaleX = qBound(1, percent, 10000);
}

void RtfPicture::setScaleY(int percent)
{
    m_scaleY = qBound(1, percent, 10000);
}

void RtfPicture::appendHex(QByteArrayView text)
{
    if (m_format == Format::Unsupported)
        return;
    for (const char c : text) {
        const int value = hexDigitValue(c);
        if (value < 0)
            continue;
        if (m_nibble < 0) {
            m_nibble = value;
        } else {
            m_data.append(char(m_nibble * 16 + value));
            m_nibble = -1;
        }
    }
}

void RtfPicture::appendBinary(QByteArrayView data)
{
    if (m_format != Format::Unsupported)
        m_data.append(data);
}

RtfPicture::Decoded RtfPicture::decode(qint64* pixelBudget) const
{
    Decoded result;
    if (m_format == Format::Unsupported || m_data.isEmpty())
        return result;
    QByteArray data = m_data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    const QByteArray format = m_format == Format::Png    ? QByteArrayLiteral("png")
                              : m_format == Format::Jpeg ? QByteArrayLiteral("jpeg")
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
    const double width = m_goalWidth > 0 ? twipsToPixels(m_goalWidth) : image.width();
    const double height = m_goalHeight > 0 ? twipsToPixels(m_goalHeight) : image.height();
    result.size = QSizeF(qBound(1.0, width * m_scaleX / 100.0, 20000.0),
                         qBound(1.0, height * m_scaleY / 100.0, 20000.0));
    result.image = std::move(image);
    return result;
}

} // namespace richtext
