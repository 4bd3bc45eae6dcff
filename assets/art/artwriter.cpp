// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assets/art/artwriter.h"

// Qt
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>

// Standard library
#include <cstdio>

bool ArtWriter::writeBmp(const QImage& image, const QString& path)
{
    // Qt's BMP writer picks 24 bits per pixel for an opaque 32-bit image; any alpha would make it
    // write 32 bits, which the game's loader must not have to deal with.
    return write(image.convertToFormat(QImage::Format_RGB32), path, "bmp");
}

bool ArtWriter::writePng(const QImage& image, const QString& path)
{
    return write(image.convertToFormat(QImage::Format_ARGB32), path, "png");
}

bool ArtWriter::copy(const QString& source, const QString& path)
{
    if (!prepare(path)) {
        return false;
    }
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        return fail(path, QStringLiteral("cannot read %1: %2").arg(source, in.errorString()));
    }
    const QByteArray bytes = in.readAll();
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size()) {
        return fail(path, out.errorString());
    }
    return true;
}

bool ArtWriter::prepare(const QString& path)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        return fail(path, QStringLiteral("cannot create folder %1").arg(folder));
    }
    return true;
}

bool ArtWriter::fail(const QString& path, const QString& reason)
{
    ++failed_;
    std::fprintf(stderr, "make_art: cannot write %s: %s\n", qPrintable(path), qPrintable(reason));
    return false;
}

bool ArtWriter::write(const QImage& image, const QString& path, const char* format)
{
    if (!prepare(path)) {
        return false;
    }
    QImageWriter writer(path, format);
    if (!writer.write(image)) {
        return fail(path, writer.errorString());
    }
    return true;
}
