// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The RTF files of the shared corpus (written by other programs; see its SOURCES.md), read from
// where they lie and compared with the text their sources expect. Where our reading differs from
// a source's convention on purpose, the row says so and compares what can be compared.

// Local
#include "richtext/documenttext.h"
#include "richtext/rtfreader.h"
#include "tests/richtext/documentfragments.h"

// Qt
#include <QDir>
#include <QFile>
#include <QTest>
#include <QTextDocument>

namespace {

const QString kCorpus = QStringLiteral(FISHPAIRS_RTF_CORPUS_DIR);

QStringList withoutTrailingEmptyLines(QStringList lines)
{
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    return lines;
}

QString companion(const QString& name, const QString& suffix)
{
    QFile file(QDir(kCorpus).filePath(name + suffix));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QList<QSizeF> imageSizes(const QTextDocument& doc)
{
    QList<QSizeF> sizes;
    for (const QTextImageFormat& image : testing::documentImages(doc))
        sizes.append(QSizeF(image.width(), image.height()));
    return sizes;
}

} // namespace

class RtfCorpusTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void readsAsTheOtherReadersExpected_data();
    void readsAsTheOtherReadersExpected();
    void everyFileReads();
};

void RtfCorpusTest::initTestCase()
{
    if (kCorpus.isEmpty() || !QDir(kCorpus).exists())
        QSKIP("The shared RTF corpus is not there (CMake variable FISHPAIRS_RTF_CORPUS_DIR)");
}

void RtfCorpusTest::readsAsTheOtherReadersExpected_data()
{
    // mode: "exact" compares all lines (trailing empty ones aside), "lines N" the first N lines,
    // "contains" looks for each expected line ("!line": must not occur).
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("recovered");
    QTest::addColumn<QList<QSizeF>>("images");
    const QList<QSizeF> none;

    for (const char* name : {"striprtf-hello", "striprtf-specialchars", "striprtf-issue_20",
                             "striprtf-line_break_textedit_mac", "rtfde-translated_by"}) {
        QTest::newRow(name) << name << "exact" << companion(name, ".expected.txt") << false << none;
    }
    // A closing brace too many in the middle ends the document early (as in Word); everything
    // the source expects comes before it.
    QTest::newRow("striprtf-ansicpg1250")
        << "striprtf-ansicpg1250"
        << "exact" << companion("striprtf-ansicpg1250", ".expected.txt") << true << none;
    QTest::newRow("libreoffice-invalid-hex")
        << "libreoffice-invalid-hex"
        << "exact" << companion("libreoffice-invalid-hex", ".expected.txt") << true << none;
    // The file holds a second document after the first one's closing brace, which striprtf
    // reads on into; we stop at the brace, so only the first document's 43 lines compare.
    QTest::newRow("striprtf-encoding")
        << "striprtf-encoding"
        << "lines 43" << companion("striprtf-encoding", ".expected.txt") << true << none;
    // striprtf ends each cell with '|'; our convention separates cells with a tab.
    QTest::newRow("striprtf-issue_38") << "striprtf-issue_38"
                                       << "exact"
                                       << "cell 1\tcell 2\tcell 3" << false << none;
    // RTFDE pairs the surrogates of line 4 across a literal '?'; we read that as two unpaired
    // surrogates (U+FFFD each), the strict reading SOURCES.md allows.
    QTest::newRow("rtfde-surrogate_pairs")
        << "rtfde-surrogate_pairs"
        << "exact" << QString::fromUtf16(u"Ǣ?\nǢ\n😊\n\uFFFD?\uFFFD?\n😊") << false << none;
    for (const char* name : {"tika-testRTFWindowsCodepage1250",
                             "tika-testRTFWordPadCzechCharacters", "tika-testRTFInvalidUnicode"}) {
        QTest::newRow(name) << name << "contains" << companion(name, ".expected-contains.txt")
                            << false << none;
    }
    // From the pandoc AST, rtf.js HTML and RtfPipe HTML renderings.
    QTest::newRow("pandoc-unicode")
        << "pandoc-unicode"
        << "exact" << QString::fromUtf16(u"“hi”‘hi’\uF0B7αä") << false << none;
    QTest::newRow("pandoc-image") << "pandoc-image"
                                  << "exact" << QString() << false
                                  << QList<QSizeF>{QSizeF(192, 192)};
    QTest::newRow("pandoc-table_nested_malformed_itap")
        << "pandoc-table_nested_malformed_itap"
        << "exact"
        << "Parent before Child at skipped level Parent after Outer cell" << false << none;
    QTest::newRow("rtfjs-pile-of-poo")
        << "rtfjs-pile-of-poo"
        << "exact" << QString::fromUtf16(u"Iñtërnâtiônàlizætiøn☃💩") << false << none;
    QTest::newRow("rtfjs-simplepng")
        << "rtfjs-simplepng"
        << "exact" << QString() << false << QList<QSizeF>{QSizeF(32, 23)};
    QTest::newRow("rtfpipe-Issue34")
        << "rtfpipe-Issue34"
        << "contains"
        << QString::fromUtf16(u"У Х В А Л А\nБ.І. Гулько\nМ.Є.Червинська\nВ.А.Черненко") << false
        << none;
    QTest::newRow("rtfpipe-RtfParserTest_7")
        << "rtfpipe-RtfParserTest_7"
        << "contains"
        << QString::fromUtf16(
               u"これはテストです。\nThe sentence above says that This is just a test in "
               u"Japanese.")
        << false << none;
    QTest::newRow("rtfpipe-RtfParserTest_fail_0")
        << "rtfpipe-RtfParserTest_fail_0"
        << "exact" << QString::fromUtf16(u"Hello world in {RTF}…") << true << none;
    QTest::newRow("rtfpipe-RtfParserTest_fail_2")
        << "rtfpipe-RtfParserTest_fail_2"
        << "exact" << QString::fromUtf16(u"Hello world in {RTF}…") << true << none;
    // The \bin data holds 0xFF and '}' bytes, which must not leak into the text; with them read
    // as data the file lacks one closing brace.
    QTest::newRow("tika-testBinControlWord")
        << "tika-testBinControlWord"
        << "contains" << QString::fromUtf16(u"!ÿ\n!}") << true << none;
}

void RtfCorpusTest::readsAsTheOtherReadersExpected()
{
    QFETCH(QString, name);
    QFETCH(QString, mode);
    QFETCH(QString, expected);
    QFETCH(bool, recovered);
    QFETCH(QList<QSizeF>, images);

    QTextDocument doc;
    richtext::RtfReader reader;
    QVERIFY2(reader.readFile(QDir(kCorpus).filePath(name + ".rtf"), &doc),
             qPrintable(reader.errorString()));
    QCOMPARE(reader.recovered(), recovered);
    QCOMPARE(imageSizes(doc), images);

    const QStringList lines = withoutTrailingEmptyLines(richtext::documentTextLines(doc));
    const QStringList want = withoutTrailingEmptyLines(expected.split(u'\n'));
    if (mode == u"exact") {
        QCOMPARE(lines, want);
    } else if (mode.startsWith(u"lines ")) {
        const int count = mode.mid(6).toInt();
        QVERIFY(want.size() >= count);
        QCOMPARE(lines.mid(0, count), want.mid(0, count));
    } else {
        QVERIFY(!want.isEmpty());
        const QString text = lines.join(u'\n');
        for (const QString& line : want) {
            if (line.startsWith(u'!'))
                QVERIFY2(!text.contains(line.mid(1)), qPrintable(line));
            else
                QVERIFY2(text.contains(line), qPrintable(line));
        }
    }
}

void RtfCorpusTest::everyFileReads()
{
    // Including the files no row above names, and any added later.
    const QStringList files = QDir(kCorpus).entryList({QStringLiteral("*.rtf")}, QDir::Files);
    QVERIFY(!files.isEmpty());
    for (const QString& file : files) {
        QTextDocument doc;
        richtext::RtfReader reader;
        QVERIFY2(reader.readFile(QDir(kCorpus).filePath(file), &doc),
                 qPrintable(reader.errorString()));
        QVERIFY2(reader.errorString().isEmpty(), qPrintable(file));
    }
}

QTEST_MAIN(RtfCorpusTest)
#include "tst_rtfcorpus.moc"
