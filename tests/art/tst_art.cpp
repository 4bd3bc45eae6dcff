// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Checks the generated pictures as the game and the desktop will read them.

// Qt
#include <QFile>
#include <QImage>
#include <QTest>
#include <QXmlStreamReader>

// Standard library
#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kTileWidth = 80;
constexpr int kTileHeight = 52;
constexpr int kFaces = 44;
// The top surface: right of the 8-px left wall, above the 8-px bottom wall. Everything that tells
// faces apart is drawn here. On a full board the tiles of the higher layers hide more of it than
// the walls; the painter test keeps the marks in the part that stays in sight everywhere, while
// the fish is judged over the whole surface, as a tile at the edge of a block shows it.
constexpr QRect kTopSurface(8, 0, kTileWidth - 8, kTileHeight - 8);

QString tilePath(int n)
{
    return QStringLiteral(FISHPAIRS_TILE_DIR "/%1.bmp").arg(n);
}

quint32 le32(const QByteArray& b, int at)
{
    return quint32(quint8(b[at])) | quint32(quint8(b[at + 1])) << 8 |
           quint32(quint8(b[at + 2])) << 16 | quint32(quint8(b[at + 3])) << 24;
}

quint16 le16(const QByteArray& b, int at)
{
    return quint16(quint8(b[at]) | quint8(b[at + 1]) << 8);
}

int colourDistance(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

// The most frequent colour on the top surface: the bare tile surface, since the fish is shaded
// and antialiased while the surface is one flat colour.
QRgb surfaceColour(const QImage& img)
{
    std::vector<QRgb> px;
    for (int y = kTopSurface.top(); y <= kTopSurface.bottom(); ++y) {
        for (int x = kTopSurface.left(); x <= kTopSurface.right(); ++x) {
            px.push_back(img.pixel(x, y));
        }
    }
    std::sort(px.begin(), px.end());
    QRgb best = px.front();
    size_t bestRun = 0;
    for (size_t i = 0; i < px.size();) {
        size_t j = i;
        while (j < px.size() && px[j] == px[i]) {
            ++j;
        }
        if (j - i > bestRun) {
            bestRun = j - i;
            best = px[i];
        }
        i = j;
    }
    return best;
}

} // namespace

class ArtTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void facesAreUncompressed24BitBitmaps_data();
    void facesAreUncompressed24BitBitmaps();
    void hiddenStripsAreBareTile();
    void facesAreDistinct();
    void partnersShareOutline();
    void pngIconsAreTransparentAroundTheTiles_data();
    void pngIconsAreTransparentAroundTheTiles();
    void svgIconIsWellFormed();

private:
    std::array<QImage, kFaces + 1> tile_; // 1-based
    std::array<std::vector<bool>, kFaces + 1> silhouette_;
};

void ArtTest::initTestCase()
{
    for (int n = 1; n <= kFaces; ++n) {
        tile_[n] = QImage(tilePath(n), "BMP");
        QVERIFY2(!tile_[n].isNull(), qPrintable(tilePath(n) + ": missing or not a BMP"));
        QVERIFY2(tile_[n].size() == QSize(kTileWidth, kTileHeight),
                 qPrintable(tilePath(n) + ": not 80 x 52 pixels"));
        tile_[n] = tile_[n].convertToFormat(QImage::Format_RGB32);
        const QRgb surface = surfaceColour(tile_[n]);
        auto& mask = silhouette_[n];
        for (int y = kTopSurface.top(); y <= kTopSurface.bottom(); ++y) {
            for (int x = kTopSurface.left(); x <= kTopSurface.right(); ++x) {
                mask.push_back(colourDistance(tile_[n].pixel(x, y), surface) > 40);
            }
        }
    }
}

void ArtTest::facesAreUncompressed24BitBitmaps_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    for (int n = 1; n <= kFaces; ++n) {
        QTest::addRow("tile %d", n) << tilePath(n) << kTileWidth << kTileHeight;
    }
    QTest::newRow("start-up") << QStringLiteral(FISHPAIRS_STARTUP_PICTURE) << 300 << 178;
}

void ArtTest::facesAreUncompressed24BitBitmaps()
{
    // The game's loader expects exactly this layout: BITMAPINFOHEADER, 24 bits, uncompressed.
    QFETCH(QString, path);
    QFETCH(int, width);
    QFETCH(int, height);
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path + ": " + file.errorString()));
    const QByteArray b = file.readAll();
    QVERIFY2(b.size() >= 54, qPrintable(path + ": shorter than a BMP header"));
    QCOMPARE(b.left(2), QByteArray("BM"));
    QCOMPARE(le32(b, 2), quint32(b.size()));
    QCOMPARE(le32(b, 14), 40u); // BITMAPINFOHEADER
    QCOMPARE(int(le32(b, 18)), width);
    QCOMPARE(std::abs(int(le32(b, 22))), height);
    QCOMPARE(le16(b, 26), quint16(1));
    QCOMPARE(le16(b, 28), quint16(24));
    QCOMPARE(le32(b, 30), 0u); // BI_RGB
    const int stride = (width * 3 + 3) / 4 * 4;
    QVERIFY2(le32(b, 10) + quint32(stride * height) <= quint32(b.size()),
             qPrintable(path + ": pixel data runs past the end of the file"));
    const QImage img = QImage::fromData(b, "BMP");
    QCOMPARE(img.size(), QSize(width, height));
}

void ArtTest::hiddenStripsAreBareTile()
{
    // On the board the left and bottom 8 px lie under the neighbours; a fish or mark that strays
    // there would be cut off. Those strips must be the same plain wall on every face.
    for (int n = 2; n <= kFaces; ++n) {
        for (int y = 0; y < kTileHeight; ++y) {
            for (int x = 0; x < kTileWidth; ++x) {
                if (kTopSurface.contains(x, y)) {
                    continue;
                }
                QVERIFY2(tile_[n].pixel(x, y) == tile_[1].pixel(x, y),
                         qPrintable(QStringLiteral("face %1 differs from face 1 at hidden (%2, %3)")
                                        .arg(n)
                                        .arg(x)
                                        .arg(y)));
            }
        }
    }
}

void ArtTest::facesAreDistinct()
{
    // Share of surface pixels whose colour clearly differs (summed channel difference > 48).
    // Two faces that differ only in their marks (number and pips, about 60 px of 3168, i.e.
    // under 2 %) mean a species was drawn twice or a morph lost its colours; the threshold of
    // 6 % sits three times above that and well below the closest real pair (partners, whose
    // whole fish changes colour; the closest, the two tunas, differ in 13 %).
    double closest = 1;
    QString closestPair;
    for (int a = 1; a <= kFaces; ++a) {
        for (int b = a + 1; b <= kFaces; ++b) {
            int differing = 0;
            for (int y = kTopSurface.top(); y <= kTopSurface.bottom(); ++y) {
                for (int x = kTopSurface.left(); x <= kTopSurface.right(); ++x) {
                    differing += colourDistance(tile_[a].pixel(x, y), tile_[b].pixel(x, y)) > 48;
                }
            }
            const double share = double(differing) / (kTopSurface.width() * kTopSurface.height());
            if (share < closest) {
                closest = share;
                closestPair = QStringLiteral("%1 and %2").arg(a).arg(b);
            }
        }
    }
    qInfo("closest faces: %s, %.1f %% of pixels differ", qPrintable(closestPair), closest * 100);
    QVERIFY2(closest > 0.06, qPrintable("faces " + closestPair + " are nearly identical"));
}

void ArtTest::partnersShareOutline()
{
    // Partners are one species in two colourings, so their silhouettes (pixels that are not bare
    // tile) overlap almost fully; every other face must overlap each of them less. This is what
    // lets a player pair faces by shape alone, and it fails if the generator mixes up species.
    auto overlap = [&](int a, int b) {
        int both = 0, either = 0;
        for (size_t i = 0; i < silhouette_[a].size(); ++i) {
            both += silhouette_[a][i] && silhouette_[b][i];
            either += silhouette_[a][i] || silhouette_[b][i];
        }
        return either == 0 ? 1.0 : double(both) / either;
    };
    for (int n = 1; n <= kFaces; ++n) {
        const int partner = n % 2 ? n + 1 : n - 1;
        const double own = overlap(n, partner);
        for (int other = 1; other <= kFaces; ++other) {
            if (other == n || other == partner) {
                continue;
            }
            const double foreign = overlap(n, other);
            QVERIFY2(own > foreign,
                     qPrintable(QStringLiteral("face %1 overlaps face %2 (%3) more than its "
                                               "partner %4 (%5)")
                                    .arg(n)
                                    .arg(other)
                                    .arg(foreign, 0, 'f', 2)
                                    .arg(partner)
                                    .arg(own, 0, 'f', 2)));
        }
    }
}

void ArtTest::pngIconsAreTransparentAroundTheTiles_data()
{
    QTest::addColumn<int>("size");
    for (int size : {16, 32, 48, 64, 128, 256}) {
        QTest::addRow("%dx%d", size, size) << size;
    }
}

void ArtTest::pngIconsAreTransparentAroundTheTiles()
{
    QFETCH(int, size);
    const QString path = QStringLiteral(FISHPAIRS_ICON_DIR "/%1x%1/apps/fishpairs.png").arg(size);
    QImage icon(path, "PNG");
    QVERIFY2(!icon.isNull(), qPrintable(path + ": missing or not a PNG"));
    QCOMPARE(icon.size(), QSize(size, size));
    QVERIFY2(icon.hasAlphaChannel(), qPrintable(path + ": no transparency"));
    // A drawing scaled wrongly comes out empty, a solid square or a corner of the design: the
    // tiles should cover a good part of the square and leave its corners clear.
    icon = icon.convertToFormat(QImage::Format_ARGB32);
    int opaque = 0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            opaque += qAlpha(icon.pixel(x, y)) > 128;
        }
    }
    const double cover = double(opaque) / (size * size);
    QVERIFY2(cover > 0.45 && cover < 0.95,
             qPrintable(QStringLiteral("%1: %2 % opaque").arg(path).arg(cover * 100)));
    QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(icon.pixel(size - 1, 0)), 0);
}

void ArtTest::svgIconIsWellFormed()
{
    // Hand-written, so the risk is a typo that makes it unreadable to the desktop.
    const QString path = QStringLiteral(FISHPAIRS_ICON_DIR "/scalable/apps/fishpairs.svg");
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path + ": " + file.errorString()));
    QXmlStreamReader xml(&file);
    QString root;
    int shapes = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement) {
            if (root.isEmpty()) {
                root = xml.name().toString();
                QCOMPARE(xml.attributes().value("viewBox").toString(),
                         QStringLiteral("0 0 256 256"));
            }
            shapes += xml.name() == QLatin1String("path") || xml.name() == QLatin1String("rect") ||
                      xml.name() == QLatin1String("ellipse") ||
                      xml.name() == QLatin1String("circle");
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(path + ": " + xml.errorString()));
    QCOMPARE(root, QStringLiteral("svg"));
    QVERIFY2(shapes >= 6, qPrintable(path + ": too few shapes for the icon"));
}

QTEST_GUILESS_MAIN(ArtTest)
#include "tst_art.moc"
