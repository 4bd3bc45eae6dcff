// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Qt
#include <QImage>
#include <QString>

// Writes generated pictures to disk, creating folders as needed. Failures are reported on
// standard error as "make_art: cannot write <file>: <reason>" and counted, so the generator can
// finish the other files and still exit non-zero.
class ArtWriter
{
public:
    // Writes `image` as a 24-bit BMP (alpha is dropped) to `path`.
    bool writeBmp(const QImage& image, const QString& path);
    // Writes `image` as a PNG with alpha to `path`.
    bool writePng(const QImage& image, const QString& path);
    // Copies the file at `source` to `path`, replacing what is there.
    bool copy(const QString& source, const QString& path);
    // Number of files that could not be written so far.
    int failures() const { return failed_; }

private:
    bool prepare(const QString& path);
    bool fail(const QString& path, const QString& reason);
    bool write(const QImage& image, const QString& path, const char* format);

    int failed_ = 0;
};
