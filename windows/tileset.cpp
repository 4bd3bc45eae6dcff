#include "tileset.h"

// Local
#include "facepath.h"

// Qt
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

QImage TileSet::loadPicture(const QString& path, QString* error)
{
    auto fail = [&](const QString& reason) {
        *error = path + QStringLiteral(": ") + reason;
        return QImage();
    };
    const QFileInfo info(path);
    if (info.isDir())
        return fail(QStringLiteral("this is a folder, not a picture"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(info.exists() ? file.errorString()
                                  : QStringLiteral("there is no such file"));
    if (file.size() == 0)
        return fail(QStringLiteral("the file is empty"));

    QImageReader reader(&file);
    const QSize size = reader.size();
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
