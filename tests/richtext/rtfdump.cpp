// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

// rtfdump FILE: prints the text the RTF reader extracts from FILE, one line per paragraph and
// table cells separated by tabs. Exits 0 when the document was read (even with recovery), 1 with
// a message on standard error when it is not RTF or cannot be read.

// Local
#include "richtext/documenttext.h"
#include "richtext/rtfreader.h"

// Qt
#include <QGuiApplication>
#include <QTextDocument>

// Standard library
#include <cstdio>

int main(int argc, char** argv)
{
    // A developer tool for terminals: no display needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: rtfdump FILE\n");
        return 1;
    }
    QTextDocument doc;
    richtext::RtfReader reader;
    if (!reader.readFile(args.at(1), &doc)) {
        std::fprintf(stderr, "rtfdump: %s\n", qPrintable(reader.errorString()));
        return 1;
    }
    const QByteArray text = richtext::documentTextLines(doc).join(u'\n').toUtf8() + '\n';
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    if (reader.recovered())
        std::fprintf(stderr, "rtfdump: %s: damaged (%s); shown as far as it could be read\n",
                     qPrintable(args.at(1)), qPrintable(reader.recoveryNote()));
    return 0;
}
