// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

// rtfbench [--smoke] [CORPUS_DIR...]: how fast RtfReader reads a generated WordPad-like Russian
// document of about 1 MB, and the files of RTF corpora (by default the shared one), in
// milliseconds per megabyte. Prints figures only; it never judges them. --smoke reads a small
// document and the corpus once each (for CTest).

// Local
#include "richtext/rtfreader.h"

// Qt
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTextDocument>

// Standard library
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Windows-1251 bytes of some Russian words, written as \'hh the way WordPad writes them.
QByteArray hexWord(const QString& word)
{
    QByteArray out;
    for (const QChar c : word) {
        const char16_t u = c.unicode();
        int byte = u;
        if (u >= 0x0410 && u <= 0x044F)
            byte = 0xC0 + (u - 0x0410);
        else if (u == 0x0401)
            byte = 0xA8;
        else if (u == 0x0451)
            byte = 0xB8;
        if (byte < 0x80) {
            out.append(char(byte));
        } else {
            out.append("\\'");
            out.append(QByteArray::number(byte, 16).rightJustified(2, '0'));
        }
    }
    return out;
}

QByteArray wordPadDocument(qsizetype targetSize)
{
    const QStringList words =
        QString::fromUtf16(
            u"Правила игры Снимайте с поля две свободные фишки с парными рисунками пока не "
            u"уберёте все Свободна фишка на которой ничего не лежит и у столбца которой открыт "
            u"верхний или нижний конец Подсказка показывает пару которую можно снять сейчас")
            .split(u' ');
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1251\\deff0\\nouicompat\\deflang1049{\\fonttbl"
                     "{\\f0\\fnil\\fcharset204 Calibri;}{\\f1\\fnil\\fcharset2 Symbol;}}\r\n"
                     "{\\colortbl ;\\red192\\green0\\blue0;}\r\n"
                     "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n";
    rtf.reserve(targetSize + 4096);
    int paragraph = 0;
    while (rtf.size() < targetSize) {
        ++paragraph;
        if (paragraph % 7 == 0)
            rtf += "\\pard\\sa200\\sl276\\slmult1\\qc\\b\\fs28 " + hexWord(words.at(0)) + " " +
                   QByteArray::number(paragraph) + "\\b0\\fs22\\par\r\n";
        if (paragraph % 5 == 0)
            rtf += "{\\pntext\\f1\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'B7}}"
                   "\\fi-360\\li720\\sa200\\sl276\\slmult1 ";
        else
            rtf += "\\pard\\sa200\\sl276\\slmult1\\f0\\fs22\\lang1049 ";
        for (int w = 0; w < 60; ++w) {
            const QString& word = words.at((paragraph * 7 + w * 3) % words.size());
            if (w % 17 == 5)
                rtf += "\\b " + hexWord(word) + "\\b0 ";
            else if (w % 23 == 11)
                rtf += "\\i\\cf1 " + hexWord(word) + "\\cf0\\i0 ";
            else
                rtf += hexWord(word) + ' ';
            if (w % 12 == 11)
                rtf += "\r\n";
        }
        rtf += "\\par\r\n";
    }
    rtf += "}\r\n";
    return rtf;
}

// Median milliseconds of reading bytes `runs` times.
double timeRead(const QByteArray& bytes, int runs)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QTextDocument doc;
        richtext::RtfReader reader;
        QElapsedTimer timer;
        timer.start();
        if (!reader.read(bytes, &doc)) {
            std::fprintf(stderr, "rtfbench: %s\n", qPrintable(reader.errorString()));
            return -1;
        }
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    const bool smoke = args.removeAll(QStringLiteral("--smoke")) > 0;
    const QString sharedCorpus = QStringLiteral(FISHPAIRS_RTF_CORPUS_DIR);
    if (args.isEmpty() && !sharedCorpus.isEmpty() && QDir(sharedCorpus).exists())
        args.append(sharedCorpus);

    const QByteArray generated = wordPadDocument(smoke ? 8 * 1024 : 1024 * 1024);
    const double mb = generated.size() / (1024.0 * 1024.0);
    const double ms = timeRead(generated, smoke ? 1 : 9);
    if (ms < 0)
        return 1;
    std::printf("generated WordPad-like Russian document: %.2f MB in %.2f ms (%.1f ms/MB)\n", mb,
                ms, ms / mb);

    for (const QString& dirPath : args) {
        const QDir dir(dirPath);
        qint64 bytes = 0;
        double total = 0;
        const QStringList files = dir.entryList({QStringLiteral("*.rtf")}, QDir::Files);
        for (const QString& name : files) {
            QFile file(dir.filePath(name));
            if (!file.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "rtfbench: %s: %s\n", qPrintable(file.fileName()),
                             qPrintable(file.errorString()));
                return 1;
            }
            const QByteArray content = file.readAll();
            const double t = timeRead(content, smoke ? 1 : 5);
            if (t < 0)
                return 1;
            bytes += content.size();
            total += t;
        }
        const double corpusMb = bytes / (1024.0 * 1024.0);
        std::printf("corpus %s: %lld files, %.3f MB in %.2f ms (%.1f ms/MB)\n", qPrintable(dirPath),
                    static_cast<long long>(files.size()), corpusMb, total,
                    corpusMb > 0 ? total / corpusMb : 0.0);
    }
    return 0;
}
