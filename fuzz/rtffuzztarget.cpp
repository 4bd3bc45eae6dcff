// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The libFuzzer entry points for the RTF reader, shared by rtf_fuzzer (clang, libFuzzer's own
// main) and rtf_replay (any compiler, our main).

// Local
#include "richtext/documenttext.h"
#include "richtext/rtfreader.h"

// Qt
#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QTextDocument>

// Standard library
#include <cstdint>
#include <cstdlib>

namespace {

constexpr int kMaxLaidOutCharacters = 4096;

void dropMessage(QtMsgType, const QMessageLogContext&, const QString&) {}

} // namespace

// Qt's font database never gives back what fontconfig allocates for it; that is not ours, and
// LeakSanitizer would report it after every run that laid out text.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // Fonts and images need a QGuiApplication; there is no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(dropMessage);
    static QGuiApplication app(*argc, *argv);
    // Load the font database and its caches once, so that they do not count against the first
    // inputs that happen to lay out text.
    QTextDocument warmUp;
    warmUp.setHtml(
        QStringLiteral("<p>x <b>y</b> <i>z</i> <span style='font-family:Courier'>w</span></p>"));
    warmUp.setTextWidth(480);
    warmUp.documentLayout()->documentSize();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QTextDocument doc;
    richtext::RtfReader reader;
    const bool ok = reader.read(bytes, &doc);
    // The contract: failure always says why, success never does.
    if (ok == reader.errorString().isEmpty()) {
        const QStringList lines = richtext::documentTextLines(doc);
        // What the info window does with the result: lay it out at some width. Only for small
        // documents: Qt's own layout is super-linear on long unbreakable words in narrow space
        // (the fuzzer found seconds for 50 KB), which is not the reader's to fix.
        if (doc.characterCount() <= kMaxLaidOutCharacters) {
            doc.setTextWidth(480);
            if (doc.documentLayout()->documentSize().width() < 0)
                std::abort();
        }
        // Every line comes from a block or a line separator, each one character at least.
        if (lines.size() > doc.characterCount())
            std::abort();
        return 0;
    }
    std::abort();
}
