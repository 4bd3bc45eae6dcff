#include "tileset.h"

// Local
#include "facepath.h"

// Qt
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {

// The size a Windows bitmap's header claims, read by hand: Qt's reader refuses to tell the size
// of a picture it finds too large, and that is just when the player needs to hear it.
QSize claimedBitmapSize(QIODevice& device)
{
    const qint64 at = device.pos();
    device.seek(0);
    const QByteArray head = device.read(26);
    device.seek(at);
    if (head.size() < 26 || !head.startsWith("BM"))
        return {};
    auto number = [&](int at, int bytes) {
        qint64 value = 0;
        for (int i = bytes - 1; i >= 0; --i)
            value = (value << 8) | quint8(head[at + i]);
        return value;
    };
    if (number(14, 4) == 12) // the old OS/2 header: 16-bit sides
        return QSize(int(number(18, 2)), int(number(20, 2)));
    const auto width = qint32(number(18, 4));
    const auto height = qint32(number(22, 4)); // negative for a top-down bitmap
    return QSize(width, height == INT32_MIN ? INT32_MAX : qAbs(height));
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
    if (file.size() == 0)
        return fail(QStringLiteral("the file is empty"));

    // A bitmap goes straight to the built-in BMP reader, which spares loading every image plugin
    // to sniff the format; any other picture is read by its content.
    QImageReader reader(&file, file.peek(2) == "BM" ? QByteArray("bmp") : QByteArray());
    QSize size = reader.size();
    if (!size.isValid())
        size = claimedBitmapSize(file);
    if (size.width() > kMaxSide || size.height() > kMaxSide)
        return fail(QStringLiteral("the picture is too large (%1 x %2 pixels; a face may have at "
                                   "most %3 on a side)")
                        .arg(size.width())
                        .arg(size.height())
                        .arg(kMaxSide));
    QImage image = reader.read();
    if (image.isNull())
        return fail(QStringLiteral("this is not a picture that can be read (%1)")
                        .arg(reader.errorString()));
    return image;
}

std::optional<TileView::Faces> TileSet::load(const QString& cardSet, QString* error)
{
    TileView::Faces faces;
    for (int face = 1; face <= TileView::kFaces; ++face) {
        const QImage image = loadPicture(board::facePicturePath(cardSet, face), error);
        if (image.isNull())
            return std::nullopt;
        faces[face - 1] = QPixmap::fromImage(image);
    }
    return faces;
}
