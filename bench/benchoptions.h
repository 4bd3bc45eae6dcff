// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Qt
#include <QCoreApplication>
#include <QDir>
#include <QStringList>

// What the game benchmarks take on their command line: [--smoke] [--count N] [WORKDIR]. Call
// once the application exists; it makes WORKDIR (default: the build's run folder) the working
// directory, where fish/1/ and info.rtf are.
struct BenchOptions
{
    bool smoke = false;
    int count = 0; // --count N, for the benchmarks that take it; 0 when not given

    static BenchOptions fromArguments(const QString& defaultWorkDir)
    {
        BenchOptions options;
        const QStringList args = QCoreApplication::arguments().mid(1);
        options.smoke = args.contains(QStringLiteral("--smoke"));
        QString workDir = defaultWorkDir;
        for (qsizetype i = 0; i < args.size(); ++i) {
            if (args[i] == QLatin1String("--count") && i + 1 < args.size())
                options.count = args[++i].toInt(); // its number is no folder
            else if (!args[i].startsWith(QLatin1String("--")))
                workDir = args[i];
        }
        QDir::setCurrent(workDir);
        return options;
    }
};
