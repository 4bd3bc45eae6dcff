// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

// make_art: draws every picture the game ships. Run by the build; see --help.

// Local
#include "assets/art/artwriter.h"
#include "assets/art/iconpainter.h"
#include "assets/art/reviewsheet.h"
#include "assets/art/shippainter.h"
#include "assets/art/tilepainter.h"

// Qt
#include <QString>
#include <QStringList>

// Standard library
#include <algorithm>
#include <cstdio>

namespace {

const char* const kUsage =
    "usage: make_art [--tiles DIR] [--startup FILE] [--icons DIR [--svg FILE]]\n"
    "                [--sheet FILE] [--mock FILE]\n"
    "  --tiles DIR     write the default tile set, DIR/1.bmp .. DIR/44.bmp\n"
    "  --startup FILE  write the start-up picture (300 x 178, 24-bit BMP)\n"
    "  --icons DIR     write DIR/<N>x<N>/apps/fishpairs.png for N = 16 .. 256\n"
    "  --svg FILE      copy the hand-written scalable icon to DIR/scalable/apps/\n"
    "  --sheet FILE    write a contact sheet of all faces, 3x, for review\n"
    "  --mock FILE     write overlapping tiles on navy and on green, for review\n";

} // namespace

int main(int argc, char** argv)
{
    QString tiles, startup, icons, svg, sheet, mock;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        QString* target = arg == "--tiles"     ? &tiles
                          : arg == "--startup" ? &startup
                          : arg == "--icons"   ? &icons
                          : arg == "--svg"     ? &svg
                          : arg == "--sheet"   ? &sheet
                          : arg == "--mock"    ? &mock
                                               : nullptr;
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (target == nullptr) {
            std::fprintf(stderr, "make_art: unknown argument '%s'\n%s", argv[i], kUsage);
            return 2;
        }
        if (i + 1 >= argc) {
            std::fprintf(stderr, "make_art: %s needs a value\n%s", argv[i], kUsage);
            return 2;
        }
        *target = QString::fromLocal8Bit(argv[++i]);
    }
    if (tiles.isEmpty() && startup.isEmpty() && icons.isEmpty() && sheet.isEmpty() &&
        mock.isEmpty()) {
        std::fprintf(stderr, "make_art: nothing to write\n%s", kUsage);
        return 2;
    }
    if (!svg.isEmpty() && icons.isEmpty()) {
        std::fprintf(stderr, "make_art: --svg needs --icons\n%s", kUsage);
        return 2;
    }

    ArtWriter out;
    if (!tiles.isEmpty()) {
        for (int n = 1; n <= TilePainter::kFaceCount; ++n) {
            out.writeBmp(TilePainter::face(n), QStringLiteral("%1/%2.bmp").arg(tiles).arg(n));
        }
    }
    if (!startup.isEmpty()) {
        out.writeBmp(ShipPainter::picture(), startup);
    }
    if (!icons.isEmpty()) {
        for (int size : IconPainter::kSizes) {
            out.writePng(IconPainter::icon(size),
                         QStringLiteral("%1/%2x%2/apps/fishpairs.png").arg(icons).arg(size));
        }
        if (!svg.isEmpty()) {
            out.copy(svg, icons + QStringLiteral("/scalable/apps/fishpairs.svg"));
        }
    }
    if (!sheet.isEmpty()) {
        out.writePng(ReviewSheet::contactSheet(3), sheet);
    }
    if (!mock.isEmpty()) {
        const QImage navy = ReviewSheet::boardMock(qRgb(0, 0, 128), 3);
        const QImage green = ReviewSheet::boardMock(qRgb(0, 128, 0), 3);
        QImage both(navy.width(), navy.height() + green.height(), QImage::Format_RGB32);
        both.fill(Qt::black);
        for (int y = 0; y < navy.height(); ++y) {
            std::copy_n(reinterpret_cast<const QRgb*>(navy.constScanLine(y)), navy.width(),
                        reinterpret_cast<QRgb*>(both.scanLine(y)));
            std::copy_n(reinterpret_cast<const QRgb*>(green.constScanLine(y)), green.width(),
                        reinterpret_cast<QRgb*>(both.scanLine(navy.height() + y)));
        }
        out.writePng(both, mock);
    }
    return out.failures() == 0 ? 0 : 1;
}
