// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

// rtf_replay FILE|DIR...: feeds every given file, and every file under every given directory,
// to the fuzz target once, so that the fuzz corpus runs as a plain test under any compiler and
// sanitizer. Exits 1 when a path does not exist; a crash in the target is a crash here too.

// Qt
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

// Standard library
#include <algorithm>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv)
{
    LLVMFuzzerInitialize(&argc, &argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: rtf_replay FILE|DIR...\n");
        return 1;
    }
    QStringList files;
    for (int i = 1; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        const QFileInfo info(path);
        if (info.isDir()) {
            QStringList found;
            QDirIterator it(path, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext())
                found.append(it.next());
            std::sort(found.begin(), found.end());
            files += found;
        } else if (info.isFile()) {
            files.append(path);
        } else {
            std::fprintf(stderr, "rtf_replay: %s: No such file or directory\n", argv[i]);
            return 1;
        }
    }
    for (const QString& file : files) {
        QFile f(file);
        if (!f.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "rtf_replay: %s: %s\n", qPrintable(file),
                         qPrintable(f.errorString()));
            return 1;
        }
        const QByteArray bytes = f.readAll();
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                               std::size_t(bytes.size()));
    }
    std::printf("rtf_replay: %lld files replayed\n", static_cast<long long>(files.size()));
    return 0;
}
