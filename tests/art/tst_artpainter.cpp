// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Checks the painters' own contracts, below the level of the files the build writes.

// Local
#include "assets/art/artwriter.h"
#include "assets/art/fishpainter.h"
#include "assets/art/iconpainter.h"
#include "assets/art/markglyphs.h"
#include "assets/art/shippainter.h"
#include "assets/art/tilepainter.h"
#include "board/layout.h"

// Qt
#include <QFile>
#include <QPainter>
#include <QRegion>
#include <QTemporaryDir>
#include <QTest>

// Standard library
#include <array>

namespace {

// Where a fish may draw, and where the numbers 1..22 go, right-aligned before the pips.
constexpr QRect kFishBox(11, 3, 66, 41);
constexpr QRect kNumberPlace(53, 2, 11, 9);
// The top surface inside its bevel: the marks must not touch the tile's edges.
constexpr QRect kInsideBevel(10, 2, 68, 40);

// The pixels of a tile that no other tile covers, at any position of the board, while the tile
// can be taken. At the design places every later position is drawn over an earlier one it
// overlaps, except the positions that stand on it, directly or on others that do: while any of
// them stands, the tile cannot be taken. The higher layers are drawn right of and above their
// supports, so they also cover neighbours they do not stand on.
QRegion inSightEverywhere()
{
    namespace layout = board::layout;
    constexpr int kTwipsPerPixel = 15;
    QRegion covered;
    for (int p = 0; p < layout::kPositions; ++p) {
        // Every layer is numbered above the one beneath, so one pass upwards finds the whole
        // stack on p.
        std::array<bool, layout::kPositions> standsOnP{};
        for (int q = p + 1; q < layout::kPositions; ++q) {
            for (int r : layout::kRests[q].positions()) {
                standsOnP[q] = standsOnP[q] || r == p || standsOnP[r];
            }
            if (!standsOnP[q]) {
                covered += QRect(layout::kPlaces[q].left - layout::kPlaces[p].left,
                                 layout::kPlaces[q].top - layout::kPlaces[p].top,
                                 layout::kTileWidth, layout::kTileHeight);
            }
        }
    }
    QRegion inSight;
    for (int y = 0; y < TilePainter::kHeight; ++y) {
        for (int x = 0; x < TilePainter::kWidth; ++x) {
            const QRect pixel(x * kTwipsPerPixel, y * kTwipsPerPixel, kTwipsPerPixel,
                              kTwipsPerPixel);
            if ((QRegion(pixel) & covered).isEmpty()) {
                inSight += QRect(x, y, 1, 1);
            }
        }
    }
    return inSight;
}

const QRegion& inSight()
{
    static const QRegion region = inSightEverywhere();
    return region;
}

QImage transparentTile()
{
    QImage img(TilePainter::kWidth, TilePainter::kHeight, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    return img;
}

QImage renderDigit(int d)
{
    QImage img(8, 10, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(MarkGlyphs::digit(d, QPointF(2.5, 2.5), TilePainter::kDigitWidth,
                                 TilePainter::kDigitHeight));
    return img;
}

} // namespace

class ArtPainterTest : public QObject
{
    Q_OBJECT

private slots:
    void theTopRightAloneStaysInSightEverywhere_data();
    void theTopRightAloneStaysInSightEverywhere();
    void fishAndMarksKeepTheirPlaces_data();
    void fishAndMarksKeepTheirPlaces();
    void digitsAreDistinct();
    void numbersFitTheirPlace();
    void writerKeepsBitmapsAt24BitsAndIconsTransparent();
    void writerReportsFailure();
    void drawsTheSameImageEveryTime_data();
    void drawsTheSameImageEveryTime();
    void builtTilesAreCurrent();
};

void ArtPainterTest::theTopRightAloneStaysInSightEverywhere_data()
{
    // The rows tile the whole face. Each layer up stands 8 px further right and up, so the next
    // run to the left and the next row below, with the stacks on them, cover 8 px more per layer.
    QTest::addColumn<QRect>("area");
    QTest::addColumn<bool>("expected");
    QTest::newRow("top right, always in sight") << QRect(32, 0, 48, 20) << true;
    QTest::newRow("left wall, under the next run") << QRect(0, 0, 8, 52) << false;
    QTest::newRow("under the next run, one layer up") << QRect(8, 0, 8, 52) << false;
    QTest::newRow("under the next run, two layers up") << QRect(16, 0, 8, 52) << false;
    QTest::newRow("under the next run, three layers up") << QRect(24, 0, 8, 52) << false;
    QTest::newRow("bottom wall, under the next row") << QRect(32, 44, 48, 8) << false;
    QTest::newRow("under the next row, one layer up") << QRect(32, 36, 48, 8) << false;
    QTest::newRow("under the next row, two layers up") << QRect(32, 28, 48, 8) << false;
    QTest::newRow("under the next row, three layers up") << QRect(32, 20, 48, 8) << false;
}

void ArtPainterTest::theTopRightAloneStaysInSightEverywhere()
{
    // Where the marks may go. Counting a tile that stands on the tile, directly or through
    // another, would leave nothing in sight; drawing the higher layers at their supports' grid
    // places would leave far too much.
    QFETCH(QRect, area);
    QFETCH(bool, expected);
    const QRegion seen = inSight() & area;
    QCOMPARE(seen, expected ? QRegion(area) : QRegion());
}

void ArtPainterTest::fishAndMarksKeepTheirPlaces_data()
{
    QTest::addColumn<int>("species");
    QTest::addColumn<int>("variant");
    for (int s = 0; s < FishPainter::kSpeciesCount; ++s) {
        for (int v = 0; v < 2; ++v) {
            QTest::addRow("%s %c", qPrintable(FishPainter::name(s)), 'A' + v) << s << v;
        }
    }
}

void ArtPainterTest::fishAndMarksKeepTheirPlaces()
{
    // On a full board the number and the pips are all that tells some tiles apart, so every
    // pixel they change must stay in sight at every position, off the bevel.
    QFETCH(int, species);
    QFETCH(int, variant);
    const int n = species * 2 + variant + 1;
    const QImage marked = TilePainter::face(n);
    const QImage unmarked = TilePainter::unmarkedFace(n);
    QImage marks(TilePainter::kWidth, TilePainter::kHeight, QImage::Format_Mono);
    marks.fill(0);
    int markPixels = 0;
    for (int y = 0; y < TilePainter::kHeight; ++y) {
        for (int x = 0; x < TilePainter::kWidth; ++x) {
            if (marked.pixel(x, y) == unmarked.pixel(x, y)) {
                continue;
            }
            ++markPixels;
            marks.setPixel(x, y, 1);
            QVERIFY2(inSight().contains(QPoint(x, y)) && kInsideBevel.contains(x, y),
                     qPrintable(QStringLiteral("face %1: a mark at (%2, %3) can be covered on the "
                                               "board or lies on the bevel")
                                    .arg(n)
                                    .arg(x)
                                    .arg(y)));
        }
    }
    // The fewest, "1" and one pip, change 55 pixels with their halo; marks that lost their number
    // or their pip change far fewer.
    QVERIFY2(
        markPixels > 40,
        qPrintable(QStringLiteral("face %1: marks change only %2 pixels").arg(n).arg(markPixels)));

    // The tile clips a fish to its surface, so straying would not show as an error, only as a
    // fin cut off at the bevel or a tail under the marks; the fish keeps a pixel clear of them.
    // Faint glows (alpha <= 64) may spill.
    QImage img = transparentTile();
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        FishPainter::paint(p, species, variant);
    }
    auto nearMarks = [&marks](int x, int y) {
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                if (marks.valid(x + dx, y + dy) && marks.pixelIndex(x + dx, y + dy) == 1) {
                    return true;
                }
            }
        }
        return false;
    };
    int inked = 0;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            if (qAlpha(img.pixel(x, y)) <= 64) {
                continue;
            }
            ++inked;
            QVERIFY2(
                kFishBox.contains(x, y),
                qPrintable(QStringLiteral("ink outside the fish box at (%1, %2)").arg(x).arg(y)));
            QVERIFY2(!nearMarks(x, y),
                     qPrintable(QStringLiteral("ink next to the marks at (%1, %2)").arg(x).arg(y)));
        }
    }
    // A species that lost its drawing would leave a blank tile; the smallest (the seahorse)
    // covers several hundred pixels.
    QVERIFY2(inked > 300, qPrintable(QStringLiteral("only %1 pixels drawn").arg(inked)));
}

void ArtPainterTest::digitsAreDistinct()
{
    // At 4 x 7 pixels a slip in a glyph table can make two digits look alike. The closest
    // legible pair, 0 and 8, differs in the 5 pixels of the 8's waist; a glyph copied or missing
    // a stroke comes within 3 of another. Require 4.
    std::array<QImage, 10> digits;
    for (int d = 0; d < 10; ++d) {
        digits[d] = renderDigit(d);
    }
    for (int a = 0; a < 10; ++a) {
        for (int b = a + 1; b < 10; ++b) {
            int differing = 0;
            for (int y = 0; y < 10; ++y) {
                for (int x = 0; x < 8; ++x) {
                    differing += std::abs(qAlpha(digits[a].pixel(x, y)) -
                                          qAlpha(digits[b].pixel(x, y))) > 100;
                }
            }
            QVERIFY2(differing >= 4, qPrintable(QStringLiteral("digits %1 and %2 differ in only "
                                                               "%3 pixels")
                                                    .arg(a)
                                                    .arg(b)
                                                    .arg(differing)));
        }
    }
}

void ArtPainterTest::numbersFitTheirPlace()
{
    // With the pen's half width, species numbers 1..22 must stay in their place before the pips,
    // and numberWidth, which right-aligns them, must cover what number() draws.
    const double gap = TilePainter::kDigitGap;
    const double digitW = TilePainter::kDigitWidth, digitH = TilePainter::kDigitHeight;
    for (int n = 1; n <= FishPainter::kSpeciesCount; ++n) {
        const QPointF origin = TilePainter::numberOrigin(n);
        const QRectF drawn = MarkGlyphs::number(n, origin, digitW, digitH, gap).boundingRect();
        QVERIFY2(!drawn.isEmpty(), qPrintable(QStringLiteral("number %1 is empty").arg(n)));
        const double width = MarkGlyphs::numberWidth(n, digitW, gap);
        QVERIFY2(drawn.right() <= origin.x() + width + 0.01,
                 qPrintable(QStringLiteral("number %1 is wider than numberWidth").arg(n)));
        QVERIFY2(QRectF(kNumberPlace).contains(drawn.adjusted(-0.5, -0.5, 0.5, 0.5)),
                 qPrintable(QStringLiteral("number %1 leaves its place").arg(n)));
    }
}

void ArtPainterTest::writerKeepsBitmapsAt24BitsAndIconsTransparent()
{
    // The game reads 24-bit BMPs only; an image that carries alpha must still come out 24-bit,
    // while icons keep their transparency.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QImage img(4, 3, QImage::Format_ARGB32);
    img.fill(qRgba(10, 20, 30, 100));
    ArtWriter writer;
    const QString bmp = dir.filePath("deep/down/a.bmp");
    QVERIFY(writer.writeBmp(img, bmp));
    QFile file(bmp);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(30);
    QCOMPARE(header.size(), 30);
    QCOMPARE(int(quint8(header[28])), 24);
    const QString png = dir.filePath("b.png");
    QVERIFY(writer.writePng(img, png));
    QCOMPARE(qAlpha(QImage(png).pixel(0, 0)), 100);
    QCOMPARE(writer.failures(), 0);
}

void ArtPainterTest::writerReportsFailure()
{
    // A folder cannot be made below a regular file: the write fails, is counted, and the writer
    // goes on with the next file.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile blocker(dir.filePath("file"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ArtWriter writer;
    QImage img(2, 2, QImage::Format_RGB32);
    img.fill(Qt::red);
    QVERIFY(!writer.writeBmp(img, dir.filePath("file/sub/x.bmp")));
    QVERIFY(!writer.copy(dir.filePath("missing.svg"), dir.filePath("y.svg")));
    QVERIFY(writer.writeBmp(img, dir.filePath("z.bmp")));
    QCOMPARE(writer.failures(), 2);
}

void ArtPainterTest::drawsTheSameImageEveryTime_data()
{
    QTest::addColumn<int>("which");
    QTest::newRow("face 1") << 1;
    QTest::newRow("face 44") << 44;
    QTest::newRow("start-up picture") << 100;
    QTest::newRow("icon 16") << 116;
    QTest::newRow("icon 256") << 356;
}

void ArtPainterTest::drawsTheSameImageEveryTime()
{
    // The build promises identical bytes every time: no clock, no unseeded randomness and no
    // uninitialised pixels may leak into a picture.
    QFETCH(int, which);
    auto render = [which] {
        if (which <= TilePainter::kFaceCount) {
            return TilePainter::face(which);
        }
        if (which == 100) {
            return ShipPainter::picture();
        }
        return IconPainter::icon(which - 100);
    };
    const QImage first = render();
    QVERIFY(!first.isNull());
    QVERIFY(first == render());
}

void ArtPainterTest::builtTilesAreCurrent()
{
    // The build re-runs the generator whenever its sources change; if that dependency broke,
    // the tile set in the run folder would be stale and differ from what the painters draw now.
    for (int n = 1; n <= TilePainter::kFaceCount; ++n) {
        const QString path = QStringLiteral(FISHPAIRS_TILE_DIR "/%1.bmp").arg(n);
        const QImage built(path, "BMP");
        QVERIFY2(!built.isNull(), qPrintable(path + ": missing or unreadable"));
        QVERIFY2(built.convertToFormat(QImage::Format_RGB32) == TilePainter::face(n),
                 qPrintable(path + ": differs from what the generator draws now"));
    }
}

QTEST_GUILESS_MAIN(ArtPainterTest)
#include "tst_artpainter.moc"
