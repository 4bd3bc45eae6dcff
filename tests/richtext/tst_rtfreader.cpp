// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Behaviour of richtext::RtfReader on small inline documents: text and code pages, Unicode and
// fallbacks, destinations, formats read back from the QTextDocument, tables, pictures, limits
// and damaged input.

// Local
#include "richtext/documenttext.h"
#include "richtext/rtfreader.h"
#include "tests/richtext/documentfragments.h"

// Qt
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace {

QString textOf(const QTextDocument& doc)
{
    return richtext::documentTextLines(doc).join(u'\n');
}

// The first fragment whose text contains needle, or an invalid one.
QTextFragment fragmentWith(const QTextDocument& doc, const QString& needle)
{
    for (const QTextFragment& fragment : testing::documentFragments(doc)) {
        if (fragment.text().contains(needle))
            return fragment;
    }
    return {};
}

QList<const QTextTable*> tables(const QTextDocument& doc)
{
    QList<const QTextTable*> found;
    for (QTextFrame* frame : doc.rootFrame()->childFrames()) {
        if (const auto* table = qobject_cast<const QTextTable*>(frame))
            found.append(table);
    }
    return found;
}

QByteArray encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QImage testImage()
{
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::red);
    for (int y = 0; y < 3; ++y) {
        image.setPixel(0, y, qRgb(0, 0, 255));
        image.setPixel(1, y, qRgb(0, 0, 255));
    }
    return image;
}

} // namespace

class RtfReaderTest : public QObject
{
    Q_OBJECT

private slots:
    void readsTheTextOfEveryConstruct_data();
    void readsTheTextOfEveryConstruct();
    void refusesBytesThatAreNotRtf_data();
    void refusesBytesThatAreNotRtf();
    void namesTheFileAndTheReasonWhenItCannotRead();
    void unformattedTextIsTwelvePointSerif();
    void charactersKeepTheirFormatting_data();
    void charactersKeepTheirFormatting();
    void paragraphsKeepTheirFormatting_data();
    void paragraphsKeepTheirFormatting();
    void rowsInARunMakeOneTable();
    void picturesShowAtTheirGoalSize_data();
    void picturesShowAtTheirGoalSize();
    void linksAndBookmarksBecomeAnchors();
    void replacesWhatTheDocumentHeld();
    void refusesInputPastTheLimit();
};

void RtfReaderTest::readsTheTextOfEveryConstruct_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("recovered");

    // Token grammar
    QTest::newRow("delimiting space") << QByteArray(R"({\rtf1 a\b b\b0  c})") << "ab c" << false;
    QTest::newRow("unknown words")
        << QByteArray(R"({\rtf1 a\foo123 b\bar-7 c\baz d})") << "abcd" << false;
    QTest::newRow("control symbols") << QByteArray(R"({\rtf1 \~\-\_\\\{\}})")
                                     << QString::fromUtf16(u"\u00A0\u00AD\u2011\\{}") << false;
    QTest::newRow("backslash line end is par")
        << QByteArray("{\\rtf1 A\\\nB\\\r\nC}") << "A\nB\nC" << false;
    QTest::newRow("line ends are not text") << QByteArray("{\\rtf1 A\r\nB\nC}") << "ABC" << false;
    QTest::newRow("special words")
        << QByteArray(R"({\rtf1 \emdash\endash\lquote\rquote\ldblquote\rdblquote\bullet\tab.})")
        << QString::fromUtf16(u"\u2014\u2013\u2018\u2019\u201C\u201D\u2022\t.") << false;
    QTest::newRow("line") << QByteArray(R"({\rtf1 a\line b})") << "a\nb" << false;
    QTest::newRow("par") << QByteArray(R"({\rtf1 a\par b\par})") << "a\nb" << false;
    QTest::newRow("empty paragraph kept")
        << QByteArray(R"({\rtf1 a\par\par b})") << "a\n\nb" << false;

    // Code pages
    QTest::newRow("default 1252") << QByteArray(R"({\rtf1\ansi caf\'e9 \'80})")
                                  << QString::fromUtf16(u"café €") << false;
    QTest::newRow("ansicpg1251") << QByteArray(
                                        R"({\rtf1\ansi\ansicpg1251 \'cf\'f0\'e8\'e2\'e5\'f2})")
                                 << QString::fromUtf16(u"Привет") << false;
    QTest::newRow("fcharset204 beats ansicpg1252")
        << QByteArray(
               R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0\fcharset204 Arial;}{\f1\fcharset0 Arial;}}\f0\'cf\'f0\'e8\f1\'e9})")
        << QString::fromUtf16(u"Приé") << false;
    QTest::newRow("fcharset0 follows ansicpg")
        << QByteArray(R"({\rtf1\ansi\ansicpg1251{\fonttbl{\f0\fcharset0 Arial;}}\f0\'e4\'e0})")
        << QString::fromUtf16(u"да") << false;
    QTest::newRow("deff picks the charset")
        << QByteArray(
               R"({\rtf1\ansi\deff1{\fonttbl{\f0\fcharset0 A;}{\f1\fcharset238 B;}}\'9c\plain\'e6})")
        << QString::fromUtf16(u"ść") << false;
    QTest::newRow("greek 161") << QByteArray(R"({\rtf1{\fonttbl{\f0\fcharset161 G;}}\f0\'e1\'e2})")
                               << QString::fromUtf16(u"αβ") << false;
    QTest::newRow("hebrew 177") << QByteArray(R"({\rtf1{\fonttbl{\f0\fcharset177 H;}}\f0\'e0})")
                                << QString::fromUtf16(u"א") << false;
    QTest::newRow("turkish 162") << QByteArray(R"({\rtf1{\fonttbl{\f0\fcharset162 T;}}\f0\'fd})")
                                 << QString::fromUtf16(u"ı") << false;
    QTest::newRow("baltic 186") << QByteArray(R"({\rtf1{\fonttbl{\f0\fcharset186 B;}}\f0\'e0})")
                                << QString::fromUtf16(u"ą") << false;
    QTest::newRow("thai 222") << QByteArray(R"({\rtf1{\fonttbl{\f0\fcharset222 T;}}\f0\'a1})")
                              << QString::fromUtf16(u"ก") << false;
    QTest::newRow("arabic 178") << QByteArray(R"({\rtf1{\fonttbl{\f0\fcharset178 A;}}\f0\'c7})")
                                << QString::fromUtf16(u"ا") << false;
    QTest::newRow("vietnamese 163") << QByteArray(R"({\rtf1{\fonttbl{\f0\fcharset163 V;}}\f0\'f0})")
                                    << QString::fromUtf16(u"đ") << false;
    QTest::newRow("mac charset 77") << QByteArray(R"({\rtf1{\fonttbl{\f0\fcharset77 M;}}\f0\'8e})")
                                    << QString::fromUtf16(u"é") << false;
    QTest::newRow("oem 255") << QByteArray(R"({\rtf1{\fonttbl{\f0\fcharset255 O;}}\f0\'82})")
                             << QString::fromUtf16(u"é") << false;
    QTest::newRow("symbol 2") << QByteArray(R"({\rtf1{\fonttbl{\f0\fcharset2 Symbol;}}\f0 a\'b7})")
                              << QString::fromUtf16(u"α•") << false;
    QTest::newRow("symbol entry with panose")
        << QByteArray(
               R"({\rtf1{\fonttbl{\f0\fcharset204 Arial;}{\f3\froman\fcharset2\fprq2{\*\panose 05050102010706020507}Symbol;}}\f3 a\'b7})")
        << QString::fromUtf16(u"α•") << false;
    QTest::newRow("symbol entry, charset after falt and panose")
        << QByteArray(
               R"({\rtf1{\fonttbl{\f3{\*\panose 05050102010706020507}\froman{\*\falt Symbol}\fcharset2 Symbol;}}\f3 a\'b7})")
        << QString::fromUtf16(u"α•") << false;
    QTest::newRow("dingbat font") << QByteArray(
                                         R"({\rtf1{\fonttbl{\f0\fcharset2 Wingdings;}}\f0 a})")
                                  << "a" << false;
    QTest::newRow("mac") << QByteArray(R"({\rtf1\mac \'8e\'a5})") << QString::fromUtf16(u"é•")
                         << false;
    QTest::newRow("pc") << QByteArray(R"({\rtf1\pc \'82\'b0})") << QString::fromUtf16(u"é░")
                        << false;
    QTest::newRow("pca") << QByteArray(R"({\rtf1\pca \'d0})") << QString::fromUtf16(u"ð") << false;
    QTest::newRow("cpg beats fcharset")
        << QByteArray(R"({\rtf1{\fonttbl{\f0\fcharset0\cpg866 D;}}\f0\'a0})")
        << QString::fromUtf16(u"а") << false;
    QTest::newRow("unknown ansicpg")
        << QByteArray(R"({\rtf1\ansi\ansicpg0 T\'e9st})") << QString::fromUtf16(u"Tést") << false;
    QTest::newRow("font name in its charset")
        << QByteArray(R"({\rtf1{\fonttbl{\f0\fcharset204 \'c0\'f0\'e8\'e0\'eb;}}\f0\'e0})")
        << QString::fromUtf16(u"а") << false;

    // Double-byte code pages
    QTest::newRow("932 hex pairs") << QByteArray(R"({\rtf1\ansi\ansicpg932 \'82\'b1\'82\'ea})")
                                   << QString::fromUtf16(u"これ") << false;
    QTest::newRow("932 literal trail")
        << QByteArray(R"({\rtf1\ansi\ansicpg932 \'83A!})") << QString::fromUtf16(u"ア!") << false;
    QTest::newRow("128 font") << QByteArray(R"({\rtf1{\fonttbl{\f0\fcharset128 M;}}\f0\'93\'fa})")
                              << QString::fromUtf16(u"日") << false;
    QTest::newRow("936") << QByteArray(R"({\rtf1\ansi\ansicpg936 \'c4\'e3\'ba\'c3})")
                         << QString::fromUtf16(u"你好") << false;
    QTest::newRow("949") << QByteArray(R"({\rtf1\ansi\ansicpg949 \'be\'c8})")
                         << QString::fromUtf16(u"안") << false;
    QTest::newRow("950") << QByteArray(R"({\rtf1\ansi\ansicpg950 \'a4\'a4})")
                         << QString::fromUtf16(u"中") << false;
    QTest::newRow("932 with uc2 fallback")
        << QByteArray(R"({\rtf1\ansi\ansicpg932\uc2 \u26085\'93\'fa!})")
        << QString::fromUtf16(u"日!") << false;

    // Unicode
    QTest::newRow("u negative") << QByteArray(R"({\rtf1 \u-3913?})")
                                << QString::fromUtf16(u"\uF0B7") << false;
    QTest::newRow("surrogate pair") << QByteArray(R"({\rtf1 \u-10179?\u-8694?})")
                                    << QString::fromUtf8("\xF0\x9F\x98\x8A") << false;
    QTest::newRow("lone surrogates")
        << QByteArray(R"({\rtf1\uc0 a\u-10240 b\u-9216 c\u-9216\u-10240 d})")
        << QString::fromUtf16(u"a\uFFFDb\uFFFDc\uFFFD\uFFFDd") << false;
    QTest::newRow("uc scoped to group") << QByteArray(R"({\rtf1{\uc2\u1078\'e6\'e6}\u1078?x})")
                                        << QString::fromUtf16(u"жжx") << false;
    QTest::newRow("uc0") << QByteArray(R"({\rtf1\uc0\u1078 ?})") << QString::fromUtf16(u"ж?")
                         << false;
    QTest::newRow("hex counts as one")
        << QByteArray(R"({\rtf1\uc1\u1078\'3fx})") << QString::fromUtf16(u"жx") << false;
    QTest::newRow("fallback ends at group end")
        << QByteArray(R"({\rtf1{\uc3\u1078 a}bc})") << QString::fromUtf16(u"жbc") << false;
    QTest::newRow("fallback across text")
        << QByteArray(R"({\rtf1\uc2\u1078 abc})") << QString::fromUtf16(u"жc") << false;
    QTest::newRow("damaged hex is one fallback")
        << QByteArray(R"({\rtf1 x\u345\'3?x})") << QString::fromUtf16(u"xřx") << true;

    // Destinations
    QTest::newRow("ignorable destination")
        << QByteArray(R"({\rtf1 a{\*\foo hidden {nested \}}}b})") << "ab" << false;
    QTest::newRow("bin in skipped group")
        << QByteArray("{\\rtf1 a{\\*\\foo \\bin3 }}}}b}") << "ab" << false;
    QTest::newRow("bin in text") << QByteArray("{\\rtf1 a\\bin2 }{b}") << "ab" << false;
    QTest::newRow("skipped destinations")
        << QByteArray(
               R"({\rtf1 a{\stylesheet{\s0 Normal;}}{\info{\title T}}{\header H}{\footerl F}{\footnote N}{\*\themedata 00}b})")
        << "ab" << false;
    QTest::newRow("pntext shown")
        << QByteArray(
               R"({\rtf1{\fonttbl{\f1\fcharset2 Symbol;}}{\pntext\f1\'B7\tab}{\*\pn\pnlvlblt\pnf1{\pntxtb\'B7}}Item})")
        << QString::fromUtf16(u"•\tItem") << false;
    QTest::newRow("field result shown")
        << QByteArray(R"({\rtf1 see {\field{\*\fldinst PAGE \\* MERGEFORMAT}{\fldrslt 7}}.})")
        << "see 7." << false;
    QTest::newRow("hidden text") << QByteArray(R"({\rtf1 a{\v hidden}b\v c\v0 d})") << "abd"
                                 << false;
    QTest::newRow("upr keeps ansi text")
        << QByteArray(R"({\rtf1 {\upr{ansi}{\*\ud{\u1078?}}}})") << "ansi" << false;
    QTest::newRow("star before a known word")
        << QByteArray(R"({\rtf1 {\i0\*\b Hello} World})") << "Hello World" << false;
    QTest::newRow("star before a character style")
        << QByteArray(R"({\rtf1 {\i0\*\cs7 Hello} World})") << "Hello World" << false;
    QTest::newRow("star before a style in a field result")
        << QByteArray(
               R"({\rtf1 see {\field{\*\fldinst HYPERLINK "x"}{\fldrslt{\*\cs15\ul\cf2 rules}}}.})")
        << "see rules." << false;
    QTest::newRow("star before an unknown word mid-group")
        << QByteArray(R"({\rtf1 {\i0\*\csx7 Hello} World})") << " World" << false;

    // Tables
    QTest::newRow("table row") << QByteArray(R"({\rtf1\trowd\cellx1000\cellx2000\cellx3000
\intbl cell 1\cell\intbl cell 2\cell\intbl cell 3\cell\row})")
                               << "cell 1\tcell 2\tcell 3" << false;
    QTest::newRow("rows and text after")
        << QByteArray(R"({\rtf1 before\par\trowd\cellx1\cellx2\pard\intbl a\cell b\cell\row
\trowd\cellx1\cellx2\pard\intbl c\par d\cell e\cell\row\pard after\par})")
        << "before\na\tb\nc d\te\nafter" << false;
    QTest::newRow("cell without trowd")
        << QByteArray(R"({\rtf1 x\par a\cell b\cell\row})") << "x\na\tb" << false;
    QTest::newRow("cell without intbl after a table")
        << QByteArray(R"({\rtf1\intbl a\cell\row\pard x\par y\cell z\cell\row})") << "a\nx\ny\tz"
        << false;
    QTest::newRow("cell without intbl right after a table")
        << QByteArray(R"({\rtf1\intbl a\cell\row\pard y\cell z\cell\row})") << "a\ny\tz" << false;
    QTest::newRow("row without cells")
        << QByteArray(R"({\rtf1 x\row\trowd\row y})") << "xy" << false;
    QTest::newRow("nested table keeps text")
        << QByteArray(
               R"({\rtf1\trowd\cellx5000\pard\intbl\itap2 in1\nestcell in2\nestcell{\*\nesttableprops\trowd\cellx100\nestrow}{\nonesttables\par}\pard\intbl\itap1 outer\cell\row})")
        << "in1 in2 outer" << false;

    // Damage
    QTest::newRow("truncated") << QByteArray(R"({\rtf1 abc{\b def)") << "abcdef" << true;
    QTest::newRow("truncated in skipped group")
        << QByteArray(R"({\rtf1 abc{\*\foo {)") << "abc" << true;
    QTest::newRow("text after last brace") << QByteArray(R"({\rtf1 a}b{\rtf1 c})") << "a" << true;
    QTest::newRow("white space after last brace")
        << QByteArray("{\\rtf1 a}\r\n\0 ", 13) << "a" << false;
    QTest::newRow("stray byte before") << QByteArray(R"(/{\rtf1 a})") << "a" << true;
    QTest::newRow("bom and white space")
        << QByteArray("\xEF\xBB\xBF \r\n{\\rtf1 a}") << "a" << false;
    QTest::newRow("bin beyond end") << QByteArray(R"({\rtf1 a{\pict\bin100 xy)") << "a" << true;
    QTest::newRow("huge parameters")
        << QByteArray(
               R"({\rtf1\fs99999999999999999999 a\f-99999999999 b\u99999999999 c\li2147483648 d})")
        << QString::fromUtf16(u"ab\uFFFDd") << false;
    QTest::newRow("bad hex") << QByteArray(R"({\rtf1 a\'zzb\'4})") << "ab" << true;
    QTest::newRow("deep nesting") << (QByteArray("{\\rtf1 a") + QByteArray(100000, '{') + "b" +
                                      QByteArray(100000, '}') + "c}")
                                  << "abc" << true;
    QTest::newRow("control chars dropped")
        << QByteArray("{\\rtf1 a\x01\x1f\tb\\'07c}") << "a\tbc" << false;
}

void RtfReaderTest::readsTheTextOfEveryConstruct()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);
    QFETCH(bool, recovered);
    QTextDocument doc;
    richtext::RtfReader reader;
    QVERIFY2(reader.read(rtf, &doc), qPrintable(reader.errorString()));
    QCOMPARE(textOf(doc), expected);
    QCOMPARE(reader.recovered(), recovered);
    QCOMPARE(reader.recoveryNote().isEmpty(), !recovered);
    QVERIFY(reader.errorString().isEmpty());
}

void RtfReaderTest::refusesBytesThatAreNotRtf_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    QTest::newRow("empty") << QByteArray() << "not an RTF document (it is empty)";
    QTest::newRow("white space") << QByteArray(" \r\n") << "not an RTF document (it is empty)";
    QTest::newRow("plain text") << QByteArray("hello") << "it does not start with {\\rtf";
    QTest::newRow("two stray bytes") << QByteArray("xx{\\rtf1 a}") << "does not start with";
    QTest::newRow("other word") << QByteArray("{\\rtx1 a}") << "does not start with";
    QTest::newRow("html") << QByteArray("<html>{\\rtf1}</html>") << "does not start with";
}

void RtfReaderTest::refusesBytesThatAreNotRtf()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("old"));
    richtext::RtfReader reader;
    QVERIFY(!reader.read(bytes, &doc));
    QVERIFY2(reader.errorString().contains(reason), qPrintable(reader.errorString()));
    QVERIFY(doc.isEmpty());
}

void RtfReaderTest::namesTheFileAndTheReasonWhenItCannotRead()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    write(QStringLiteral("info.rtf"), R"({\rtf1\ansi\ansicpg1251 \'c8\'e3\'f0\'e0})");
    write(QStringLiteral("text.rtf"), "just text");
    QFile big(dir.filePath(QStringLiteral("big.rtf")));
    QVERIFY(big.open(QIODevice::WriteOnly));
    QVERIFY(big.resize(richtext::RtfReader::kMaxInputSize + 1));
    big.close();

    QTextDocument doc;
    richtext::RtfReader reader;
    QVERIFY(reader.readFile(dir.filePath(QStringLiteral("info.rtf")), &doc));
    QCOMPARE(doc.toPlainText(), QString::fromUtf16(u"Игра"));

    const QString missing = dir.filePath(QStringLiteral("missing.rtf"));
    QVERIFY(!reader.readFile(missing, &doc));
    QCOMPARE(reader.errorString(), missing + QStringLiteral(": No such file or directory"));
    QVERIFY(!reader.readFile(dir.path(), &doc));
    QCOMPARE(reader.errorString(), dir.path() + QStringLiteral(": is a directory"));
    const QString text = dir.filePath(QStringLiteral("text.rtf"));
    QVERIFY(!reader.readFile(text, &doc));
    QVERIFY(reader.errorString().startsWith(text + QStringLiteral(": not an RTF document (")));
    const QString large = dir.filePath(QStringLiteral("big.rtf"));
    QVERIFY(!reader.readFile(large, &doc));
    QVERIFY2(reader.errorString().startsWith(large + QStringLiteral(": too large (")),
             qPrintable(reader.errorString()));
}

void RtfReaderTest::unformattedTextIsTwelvePointSerif()
{
    QTextDocument doc;
    richtext::RtfReader reader;
    QVERIFY(reader.read(R"({\rtf1 plain})", &doc));
    const QFont font = doc.defaultFont();
    QCOMPARE(font.families().value(0), QStringLiteral("Times New Roman"));
    QCOMPARE(font.styleHint(), QFont::Serif);
    QCOMPARE(font.pointSizeF(), 12.0);
    const QTextCharFormat format = fragmentWith(doc, QStringLiteral("plain")).charFormat();
    QVERIFY(!format.hasProperty(QTextFormat::FontFamilies));
    QCOMPARE(format.fontPointSize(), 12.0);
}

void RtfReaderTest::charactersKeepTheirFormatting_data()
{
    QTest::addColumn<QString>("needle");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("expected");
    QTest::newRow("bold") << "bold"
                          << "weight" << QVariant(int(QFont::Bold));
    QTest::newRow("b0 toggles off") << "unbold"
                                    << "weight" << QVariant(int(QFont::Normal));
    QTest::newRow("italic") << "ital"
                            << "italic" << QVariant(true);
    QTest::newRow("underline") << "under"
                               << "underline" << QVariant(true);
    QTest::newRow("ulnone") << "notunder"
                            << "underline" << QVariant(false);
    QTest::newRow("strike") << "struck"
                            << "strike" << QVariant(true);
    QTest::newRow("super") << "sup"
                           << "valign" << QVariant(int(QTextCharFormat::AlignSuperScript));
    QTest::newRow("sub") << "lower"
                         << "valign" << QVariant(int(QTextCharFormat::AlignSubScript));
    QTest::newRow("nosupersub") << "level"
                                << "valign" << QVariant(int(QTextCharFormat::AlignNormal));
    QTest::newRow("fs") << "big"
                        << "size" << QVariant(20.0);
    QTest::newRow("fs clamped") << "huge"
                                << "size" << QVariant(300.0);
    QTest::newRow("fs default") << "normal"
                                << "size" << QVariant(12.0);
    QTest::newRow("cf") << "red"
                        << "foreground" << QVariant(QColor(255, 0, 0));
    QTest::newRow("cb") << "onblue"
                        << "background" << QVariant(QColor(0, 0, 255));
    QTest::newRow("highlight") << "marked"
                               << "background" << QVariant(QColor(255, 0, 0));
    QTest::newRow("font family") << "arial"
                                 << "family" << QVariant(QStringList{"Arial", "Arial CYR"});
    QTest::newRow("font hint") << "arial"
                               << "hint" << QVariant(int(QFont::SansSerif));
    QTest::newRow("star obeys a known word") << "kept"
                                             << "weight" << QVariant(int(QFont::Bold));
    QTest::newRow("entry with panose and falt")
        << "panosed"
        << "family" << QVariant(QStringList{"Arial", "Helvetica"});
    QTest::newRow("deff family") << "normal"
                                 << "family" << QVariant(QStringList{"Times New Roman"});
    QTest::newRow("plain resets") << "reset"
                                  << "weight" << QVariant(int(QFont::Normal));
    QTest::newRow("group restores") << "after"
                                    << "italic" << QVariant(false);
}

void RtfReaderTest::charactersKeepTheirFormatting()
{
    QFETCH(QString, needle);
    QFETCH(QString, property);
    QFETCH(QVariant, expected);
    const QByteArray rtf = R"({\rtf1\deff0{\fonttbl{\f0\froman Times New Roman;}
{\f1\fswiss\fcharset204{\*\fname Arial;}Arial CYR;}
{\f2\fswiss\fcharset204\fprq2{\*\panose 020b0604020202020204}Arial{\*\falt Helvetica};}}
{\colortbl;\red255\green0\blue0;\red0\green0\blue255;}
normal {\b bold \b0 unbold} {\i ital} {\ul under\ulnone  notunder} {\strike struck}
{\super sup} {\sub lower\nosupersub  level} {\fs40 big} {\cf1 red} {\cb2 onblue}
{\highlight1 marked} {\f1 arial} {\b\plain reset} {\i x}after {\fs2938 huge}
{\f2 panosed} {\i0\*\b kept}})";
    QTextDocument doc;
    richtext::RtfReader reader;
    QVERIFY(reader.read(rtf, &doc));
    const QTextFragment fragment = fragmentWith(doc, needle);
    QVERIFY2(fragment.isValid(), qPrintable(needle));
    const QTextCharFormat f = fragment.charFormat();
    QVariant actual;
    if (property == u"weight")
        actual = f.fontWeight();
    else if (property == u"italic")
        actual = f.fontItalic();
    else if (property == u"underline")
        actual = f.fontUnderline();
    else if (property == u"strike")
        actual = f.fontStrikeOut();
    else if (property == u"valign")
        actual = int(f.verticalAlignment());
    else if (property == u"size")
        actual = f.fontPointSize();
    else if (property == u"foreground")
        actual = f.foreground().color();
    else if (property == u"background")
        actual = f.background().color();
    else if (property == u"family")
        actual = f.fontFamilies().toStringList();
    else if (property == u"hint")
        actual = int(f.fontStyleHint());
    QCOMPARE(actual.toString() + actual.toStringList().join(u'|'),
             expected.toString() + expected.toStringList().join(u'|'));
}

void RtfReaderTest::paragraphsKeepTheirFormatting_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("expected");
    QTest::newRow("qc") << QByteArray(R"(\qc)") << "align" << QVariant(int(Qt::AlignHCenter));
    QTest::newRow("qr") << QByteArray(R"(\qr)") << "align" << QVariant(int(Qt::AlignRight));
    QTest::newRow("qj") << QByteArray(R"(\qj)") << "align" << QVariant(int(Qt::AlignJustify));
    QTest::newRow("ql") << QByteArray(R"(\qc\ql)") << "align" << QVariant(int(Qt::AlignLeft));
    QTest::newRow("pard resets") << QByteArray(R"(\qc\li720\pard)") << "left" << QVariant(0.0);
    QTest::newRow("li") << QByteArray(R"(\li720)") << "left" << QVariant(48.0);
    QTest::newRow("ri") << QByteArray(R"(\ri1440)") << "right" << QVariant(96.0);
    QTest::newRow("fi") << QByteArray(R"(\fi-360)") << "indent" << QVariant(-24.0);
    QTest::newRow("sb") << QByteArray(R"(\sb240)") << "top" << QVariant(16.0);
    QTest::newRow("sa") << QByteArray(R"(\sa200)") << "bottom" << QVariant(200 / 15.0);
    QTest::newRow("slmult") << QByteArray(R"(\sl360\slmult1)") << "line" << QVariant(150.0);
    QTest::newRow("hanging indent tab")
        << QByteArray(R"(\fi-360\li720)") << "tab" << QVariant(24.0);
    QTest::newRow("rtlpar") << QByteArray(R"(\rtlpar)") << "direction"
                            << QVariant(int(Qt::RightToLeft));
}

void RtfReaderTest::paragraphsKeepTheirFormatting()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, property);
    QFETCH(QVariant, expected);
    // The properties in force at \par format the paragraph it ends; the next one starts plain.
    QTextDocument doc;
    richtext::RtfReader reader;
    QVERIFY(reader.read("{\\rtf1 " + rtf + " first\\par\\pard second\\par}", &doc));
    QCOMPARE(doc.blockCount(), 2);
    const QTextBlockFormat f = doc.begin().blockFormat();
    QVariant actual;
    if (property == u"align")
        actual = int(f.alignment() & Qt::AlignHorizontal_Mask);
    else if (property == u"left")
        actual = f.leftMargin();
    else if (property == u"right")
        actual = f.rightMargin();
    else if (property == u"indent")
        actual = f.textIndent();
    else if (property == u"top")
        actual = f.topMargin();
    else if (property == u"bottom")
        actual = f.bottomMargin();
    else if (property == u"line")
        actual = f.lineHeightType() == QTextBlockFormat::ProportionalHeight ? f.lineHeight() : -1.0;
    else if (property == u"tab")
        actual = f.tabPositions().value(0).position;
    else if (property == u"direction")
        actual = int(f.layoutDirection());
    QCOMPARE(actual, expected);
    QCOMPARE(doc.lastBlock().blockFormat(), QTextBlockFormat());
}

void RtfReaderTest::rowsInARunMakeOneTable()
{
    // Two rows in a run make one table; text between runs separates two tables.
    QTextDocument doc;
    richtext::RtfReader reader;
    QVERIFY(reader.read(R"({\rtf1\trowd\cellx1440\cellx2880\cellx4320
\pard\intbl a\cell b\cell c\cell\row
\trowd\cellx1440\cellx2880\cellx4320\pard\intbl d\cell e\cell f\cell\row
\pard between\par
\trowd\cellx1000\pard\intbl g\cell\row})",
                        &doc));
    const QList<const QTextTable*> found = tables(doc);
    QCOMPARE(found.size(), 2);
    QCOMPARE(found[0]->rows(), 2);
    QCOMPARE(found[0]->columns(), 3);
    QCOMPARE(found[0]->cellAt(1, 2).firstCursorPosition().block().text(), QStringLiteral("f"));
    // 1440 twips of a 9360-twip page.
    const QTextLength second = found[0]->format().columnWidthConstraints().value(1);
    QCOMPARE(second.type(), QTextLength::PercentageLength);
    QCOMPARE(second.rawValue(), 100.0 * 1440 / 9360);
    QCOMPARE(found[1]->rows(), 1);
    QCOMPARE(found[1]->columns(), 1);
    QCOMPARE(textOf(doc), QStringLiteral("a\tb\tc\nd\te\tf\nbetween\ng"));

    // A later row with more cells widens the table; its boundaries size the columns.
    QVERIFY(reader.read(R"({\rtf1\trowd\cellx9360\intbl wide\cell\row
\trowd\cellx2340\cellx9360\intbl a\cell b\cell\row})",
                        &doc));
    const QList<QTextLength> widths = tables(doc).value(0)->format().columnWidthConstraints();
    QCOMPARE(widths.size(), 2);
    QCOMPARE(widths[0].rawValue(), 25.0);
    QCOMPARE(widths[1].rawValue(), 75.0);
    QCOMPARE(textOf(doc), QStringLiteral("wide\t\na\tb"));

    // Long runs of rows continue in further tables, so filling them stays linear.
    QByteArray many = "{\\rtf1\\trowd\\cellx100\\cellx200 ";
    for (int i = 0; i < 5000; ++i)
        many += "\\intbl r" + QByteArray::number(i) + "\\cell x\\cell\\row ";
    QVERIFY(reader.read(many + "}", &doc));
    QCOMPARE(tables(doc).size(), 2);
    QCOMPARE(tables(doc).value(1)->rows(), 5000 - 4096);
    QCOMPARE(tables(doc).value(1)->columns(), 2);
    const QStringList lines = richtext::documentTextLines(doc);
    QCOMPARE(lines.size(), 5000);
    QCOMPARE(lines.last(), QStringLiteral("r4999\tx"));

    // Cells past the column limit share the last column.
    QByteArray wide = "{\\rtf1 ";
    for (int i = 0; i < 70; ++i)
        wide += "\\intbl c" + QByteArray::number(i) + "\\cell ";
    QVERIFY(reader.read(wide + "\\row}", &doc));
    QCOMPARE(tables(doc).value(0)->columns(), 63);
    QVERIFY(textOf(doc).endsWith(QStringLiteral("c62 c63 c64 c65 c66 c67 c68 c69")));
}

void RtfReaderTest::picturesShowAtTheirGoalSize_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<int>("count");
    QTest::addColumn<QSizeF>("size");
    QTest::addColumn<bool>("recovered");
    const QByteArray png = encoded(testImage(), "PNG").toHex();
    const QByteArray jpeg = encoded(testImage(), "JPEG").toHex();
    const QByteArray raw = encoded(testImage(), "PNG");
    QTest::newRow("png own size") << "{\\pict\\pngblip\\picw4\\pich3 " + png + "}" << 1
                                  << QSizeF(4, 3) << false;
    QTest::newRow("png goal size") << "{\\pict\\pngblip\\picwgoal1500\\pichgoal600 " + png + "}"
                                   << 1 << QSizeF(100, 40) << false;
    QTest::newRow("png scaled")
        << "{\\pict\\pngblip\\picwgoal1500\\pichgoal600\\picscalex50\\picscaley200 " + png + "}"
        << 1 << QSizeF(50, 80) << false;
    QTest::newRow("hex split across lines")
        << "{\\pict\\pngblip\n" + png.left(10) + "\r\n" + png.mid(10) + "}" << 1 << QSizeF(4, 3)
        << false;
    QTest::newRow("jpeg") << "{\\pict\\jpegblip " + jpeg + "}" << 1 << QSizeF(4, 3) << false;
    QTest::newRow("bin data") << "{\\pict\\pngblip\\bin" + QByteArray::number(raw.size()) + " " +
                                     raw + "}"
                              << 1 << QSizeF(4, 3) << false;
    QTest::newRow("metafile skipped")
        << QByteArray("{\\pict\\wmetafile8 0100090000}") << 0 << QSizeF() << false;
    QTest::newRow("shppict wins over nonshppict")
        << "{\\*\\shppict{\\pict\\pngblip " + png + "}}{\\nonshppict{\\pict\\pngblip " + png + "}}"
        << 1 << QSizeF(4, 3) << false;
    QTest::newRow("nonshppict alone")
        << "{\\*\\shppict{\\pict\\emfblip 0100}}{\\nonshppict{\\pict\\pngblip " + png + "}}" << 1
        << QSizeF(4, 3) << false;
    QTest::newRow("object result")
        << "{\\object\\objemb{\\*\\objdata 0102}{\\result{\\pict\\pngblip " + png + "}}}" << 1
        << QSizeF(4, 3) << false;
    QTest::newRow("damaged png") << "{\\pict\\pngblip " + png.left(60) + "}" << 0 << QSizeF()
                                 << true;
    QTest::newRow("pict in skipped group")
        << "{\\*\\foo{\\pict\\pngblip " + png + "}}" << 0 << QSizeF() << false;
}

void RtfReaderTest::picturesShowAtTheirGoalSize()
{
    QFETCH(QByteArray, rtf);
    QFETCH(int, count);
    QFETCH(QSizeF, size);
    QFETCH(bool, recovered);
    QTextDocument doc;
    richtext::RtfReader reader;
    QVERIFY(reader.read("{\\rtf1 before " + rtf + " after}", &doc));
    QCOMPARE(reader.recovered(), recovered);
    QCOMPARE(textOf(doc), QStringLiteral("before  after"));
    const QList<QTextImageFormat> found = testing::documentImages(doc);
    QCOMPARE(found.size(), count);
    if (count == 0)
        return;
    QCOMPARE(QSizeF(found[0].width(), found[0].height()), size);
    const QImage image =
        doc.resource(QTextDocument::ImageResource, QUrl(found[0].name())).value<QImage>();
    QCOMPARE(image.size(), QSize(4, 3));
    QCOMPARE(QColor(image.pixel(0, 0)).blue() > 200, true);
}

void RtfReaderTest::linksAndBookmarksBecomeAnchors()
{
    QTextDocument doc;
    richtext::RtfReader reader;
    QVERIFY(reader.read(
        R"({\rtf1 See {\field{\*\fldinst{HYPERLINK "https://example.org/a"}}{\fldrslt{\ul rules}}} or {\field{\*\fldinst HYPERLINK \\l "top"}{\fldrslt top}}, {\field{\*\fldinst PAGE}{\fldrslt 3}}.})",
        &doc));
    QCOMPARE(textOf(doc), QStringLiteral("See rules or top, 3."));
    QCOMPARE(fragmentWith(doc, QStringLiteral("rules")).charFormat().anchorHref(),
             QStringLiteral("https://example.org/a"));
    QVERIFY(fragmentWith(doc, QStringLiteral("rules")).charFormat().fontUnderline());
    QCOMPARE(fragmentWith(doc, QStringLiteral("top")).charFormat().anchorHref(),
             QStringLiteral("#top"));
    QVERIFY(!fragmentWith(doc, QStringLiteral("3")).charFormat().isAnchor());

    // A bookmark names the character after it, in that character's own format: the place a link
    // to "#english" leads to.
    QVERIFY(reader.read(
        R"({\rtf1 Rules{\*\bkmkstart english}{\*\bkmkend english}\par{\b English} text.})", &doc));
    QCOMPARE(textOf(doc), QStringLiteral("Rules\nEnglish text."));
    const QTextFragment anchor = fragmentWith(doc, QStringLiteral("E"));
    QCOMPARE(anchor.text(), QStringLiteral("E"));
    QCOMPARE(anchor.charFormat().anchorNames(), QStringList{QStringLiteral("english")});
    QCOMPARE(anchor.charFormat().fontWeight(), QFont::Bold);
    QVERIFY(fragmentWith(doc, QStringLiteral("nglish")).charFormat().anchorNames().isEmpty());
}

void RtfReaderTest::replacesWhatTheDocumentHeld()
{
    QTextDocument doc;
    doc.setHtml(QStringLiteral("<table><tr><td>old</td></tr></table><p>old</p>"));
    doc.setUndoRedoEnabled(true);
    richtext::RtfReader reader;
    QVERIFY(reader.read(R"({\rtf1 new})", &doc));
    QCOMPARE(textOf(doc), QStringLiteral("new"));
    QVERIFY(tables(doc).isEmpty());
    QVERIFY(!doc.isUndoAvailable());
    QVERIFY(doc.isUndoRedoEnabled());
}

void RtfReaderTest::refusesInputPastTheLimit()
{
    QByteArray huge = "{\\rtf1 ";
    huge.append(QByteArray(richtext::RtfReader::kMaxInputSize, 'a'));
    QTextDocument doc;
    richtext::RtfReader reader;
    QVERIFY(!reader.read(huge, &doc));
    QVERIFY2(reader.errorString().startsWith(QStringLiteral("too large (")),
             qPrintable(reader.errorString()));
    QVERIFY(doc.isEmpty());
}

QTEST_MAIN(RtfReaderTest)
#include "tst_rtfreader.moc"
