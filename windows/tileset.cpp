// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/tileset.h"

// Local
#include "board/facepath.h"
#include "windows/clearuppervectorstate.h"
#include "windows/problem.h"

// Qt
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLocale>

// Standard library
#include <algorithm>
#include <cmath>

namespace {

// What a Windows bitmap's own header says of it, read by hand. Qt's reader refuses to tell the
// size of a picture it finds too large, just when the player needs to hear it; and it reads a
// file cut short without a word, leaving the missing rows to whatever memory held, which shows as
// stripes or as another face's picture.
struct BitmapHeader
{
    qint64 headerBytes = 0; // what the file and info headers take (54 while that is unknown)
    bool complete = false;  // the file holds all of them
    QSize size;             // width x height in pixels, as the header gives them (height made
                            // positive: a top-down bitmap gives it negative)
    qint64 pixelOffset = 0;
    int bitsPerPixel = 0;
    quint32 compression = 0;
    qint64 imageBytes = 0; // the pixel bytes the header states, 0 where it leaves them out

    // The bytes a whole file of this header holds: up to the pixels, and every row of them (rows
    // padded to whole 32-bit words). Some writers state more pixel bytes than the rows take; the
    // rows are what the picture needs, so only a compressed bitmap, whose rows have no size of
    // their own, is held to the stated figure. Only for sides of 1 to a few thousand pixels.
    qint64 bytesNeeded() const
    {
        constexpr quint32 kRgb = 0, kBitFields = 3, kAlphaBitFields = 6;
        if (compression == kRgb || compression == kBitFields || compression == kAlphaBitFields) {
            const qint64 stride = (qint64(size.width()) * bitsPerPixel + 31) / 32 * 4;
            return pixelOffset + stride * size.height();
        }
        return pixelOffset + imageBytes;
    }
};

// Reads the header from device, which stands at the file's first byte, and leaves it there: a seek
// would drop the bytes the device has read ahead, and it would read them all again.
BitmapHeader readBitmapHeader(QIODevice& device)
{
    const QByteArray head = device.peek(54);
    auto number = [&](int at, int bytes) {
        qint64 value = 0;
        for (int i = bytes - 1; i >= 0; --i)
            value = (value << 8) | quint8(head[at + i]);
        return value;
    };
    BitmapHeader header;
    header.headerBytes = 14 + 40;
    if (head.size() < 18)
        return header;
    const qint64 infoBytes = number(14, 4);
    const bool os2 = infoBytes == 12; // the old OS/2 header: 16-bit sides, no compression
    header.headerBytes = 14 + (os2 ? 12 : 40);
    if (head.size() < header.headerBytes)
        return header;
    header.complete = true;
    if (os2) {
        header.size = QSize(int(number(18, 2)), int(number(20, 2)));
        header.pixelOffset = number(10, 4);
        header.bitsPerPixel = int(number(24, 2));
        return header;
    }
    const auto width = qint32(number(18, 4));
    const auto height = qint32(number(22, 4)); // negative for a top-down bitmap
    header.size = QSize(width, height == INT32_MIN ? INT32_MAX : qAbs(height));
    if (infoBytes < 40)
        return header; // no header we know: the reader will say what is wrong with it
    header.pixelOffset = number(10, 4);
    header.bitsPerPixel = int(number(28, 2));
    header.compression = quint32(number(30, 4));
    header.imageBytes = number(34, 4);
    return header;
}

QString byteCount(qint64 bytes)
{
    return QLocale(QLocale::English).toString(bytes);
}

// Linux refuses any part of a path longer than this many bytes.
constexpr int kLongestName = 255;

} // namespace

QImage TileSet::loadPicture(const QString& path, QString* error)
{
    auto fail = [&](const QString& reason) {
        *error = path + QStringLiteral(": ") + reason;
        return QImage();
    };
    const QFileInfo info(path);
    if (info.isDir())
        return fail(QStringLiteral("this is a folder, not a picture"));
    for (const QString& part : path.split(QLatin1Char('/')))
        if (part.toUtf8().size() > kLongestName)
            return fail(QStringLiteral("the name is too long for a file (at most %1 bytes "
                                       "between two slashes)")
                            .arg(kLongestName));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(info.exists() ? file.errorString() : QStringLiteral("there is no such file"));
    const qint64 fileBytes = file.size(); // asked once: every asking is a system call
    if (fileBytes == 0)
        return fail(QStringLiteral("the file is empty"));
    auto cutShort = [&](const QString& part, qint64 needed) {
        return fail(QStringLiteral("the file is cut short (it holds %1 bytes; %2 %3)")
                        .arg(byteCount(fileBytes), part, byteCount(needed)));
    };

    // A bitmap goes straight to the built-in BMP reader, which spares loading every image plugin
    // to sniff the format; any other picture is read by its content.
    const bool bitmap = file.peek(2) == "BM";
    BitmapHeader header;
    if (bitmap) {
        header = readBitmapHeader(file);
        if (!header.complete)
            return cutShort(QStringLiteral("its header alone takes"), header.headerBytes);
        const bool noWidth = header.size.width() <= 0;
        if (noWidth || header.size.height() <= 0)
            return fail(QStringLiteral("the picture has no pixels (the header gives a %1 of %2 "
                                       "pixels; a face needs at least 1 on a side)")
                            .arg(noWidth ? QStringLiteral("width") : QStringLiteral("height"))
                            .arg(noWidth ? header.size.width() : header.size.height()));
    }
    QImageReader reader(&file, bitmap ? QByteArray("bmp") : QByteArray());
    reader.setAutoDetectImageFormat(!bitmap);
    QSize size = reader.size();
    if (!size.isValid())
        size = header.size;
    if (size.width() > kMaxSide || size.height() > kMaxSide)
        return fail(QStringLiteral("the picture is too large (%1 x %2 pixels; a face may have at "
                                   "most %3 on a side)")
                        .arg(size.width())
                        .arg(size.height())
                        .arg(kMaxSide));
    if (bitmap && header.size.width() <= kMaxSide && header.size.height() <= kMaxSide &&
        fileBytes < header.bytesNeeded())
        return cutShort(QStringLiteral("its header says it needs"), header.bytesNeeded());
    QImage image = reader.read();
    if (image.isNull())
        return fail(QStringLiteral("this is not a picture that can be read (%1)")
                        .arg(reader.errorString()));
    return image;
}
std::optional<Faces> TileSet::load(const QString& cardSet, QString* error)
{
    Faces faces;
    for (int face = 1; face <= kFaces; ++face) {
        const QImage image = loadPicture(board::facePicturePath(cardSet, face), error);
        if (image.isNull())
            return std::nullopt;
        faces[face - 1] = QPixmap::fromImage(image);
    }
    return faces;
}

std::optional<Faces> TileSet::loadOrTell(const QString& cardSet, QWidget* window,
                                         const QString& what)
{
    QString error;
    std::optional<Faces> faces = load(cardSet, &error);
    if (!faces)
        showProblem(window,
                    QStringLiteral("%1: a picture of the tile set \"%2\" cannot be read.")
                        .arg(what, cardSet),
                    error);
    return faces;
}

// A face enlarged for the screen. Faces are small drawings with crisp, antialiased lines. Scaled
// smoothly in one step they blur; pixel by pixel they turn blocky at large factors. Doubling the
// pixels first and scaling smoothly from there keeps the lines crisp without visible blocks (we
// compared the three at 1.6x, 2.3x and 4.6x).
QPixmap scaledFace(const QPixmap& face, double factor, qreal devicePixelRatio)
{
    const QSize target = (QSizeF(face.size()) * factor).toSize() * devicePixelRatio;
    if (target == face.size() || target.isEmpty())
        return face;
    clearUpperVectorState(); // the smooth scaling below is SSE code
    QImage image = face.toImage();
    const int whole = std::min(2, int(std::ceil(factor * devicePixelRatio)));
    if (whole > 1)
        image = image.scaled(face.size() * whole, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (image.size() != target)
        image = image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPixmap shown = QPixmap::fromImage(image);
    shown.setDevicePixelRatio(devicePixelRatio);
    return shown;
}

Faces scaledFaces(const Faces& faces, double zoom, qreal devicePixelRatio)
{
    Faces shown;
    for (int k = 0; k < kFaces; ++k)
        if (!faces[k].isNull())
            shown[k] = scaledFace(faces[k], zoom, devicePixelRatio);
    return shown;
}
