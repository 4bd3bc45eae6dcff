// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Checks the info.rtf that the build generated, as a reader of it would: 7-bit bytes and short
// lines, balanced groups, the Cyrillic code page declared for every text font, every font and
// colour it uses defined, and the text of info.txt coming back when each \'hh is decoded with the
// system's Windows-1251 table (iconv, not the generator's own). Also runs make_info on broken
// sources to see that it names the file and the fault and writes nothing.

// Qt
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

// System
#include <iconv.h>

// Standard library
#include <array>
#include <vector>

class InfoRtfTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void isSevenBitInShortCrlfLines();
    void groupsBalanceAndNothingFollowsTheDocument();
    void textFontsAreCyrillicAndEveryFontAndColourDefined();
    void everyWordOfTheSourceComesBack_data();
    void everyWordOfTheSourceComesBack();
    void aBrokenSourceIsNamedAndNothingIsWritten_data();
    void aBrokenSourceIsNamedAndNothingIsWritten();

private:
    QString plainText(const QByteArray& rtf);

    QByteArray rtf_;
    std::array<QChar, 256> cp1251_{};
    QString text_;
    QStringList problems_;
};

void InfoRtfTest::initTestCase()
{
    QFile file(QStringLiteral(INFO_DOCUMENT));
    QVERIFY2(file.open(QIODevice::ReadOnly),
             qPrintable(file.fileName() + ": " + file.errorString()));
    rtf_ = file.readAll();

    iconv_t cd = iconv_open("UTF-16LE", "CP1251");
    QVERIFY2(cd != reinterpret_cast<iconv_t>(-1), "iconv has no CP1251 converter");
    for (int byte = 0; byte < 256; ++byte) {
        char in = static_cast<char>(byte);
        char out[4] = {};
        char* inPtr = &in;
        char* outPtr = out;
        size_t inLeft = 1, outLeft = sizeof out;
        if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1)) {
            cp1251_[byte] =
                QChar(static_cast<unsigned char>(out[0]) | static_cast<unsigned char>(out[1]) << 8);
        }
    }
    iconv_close(cd);
    text_ = plainText(rtf_);
}

// A minimal RTF text extractor: enough for the constructs info.rtf uses, and strict about them.
QString InfoRtfTest::plainText(const QByteArray& bytes)
{
    struct Group
    {
        bool skip = false;
        int uc = 1;
    };
    std::vector<Group> groups(1);
    int fallback = 0; // characters still to skip after \uN
    QString text;
    auto put = [&](QChar c) {
        if (fallback > 0) {
            --fallback;
        } else if (!groups.back().skip) {
            text += c;
        }
    };
    static const QRegularExpression word(QStringLiteral("\\G\\\\([a-z]+)(-?\\d+)? ?"));
    const QString rtf = QString::fromLatin1(bytes);
    for (qsizetype i = 0; i < rtf.size();) {
        const QChar c = rtf[i];
        const QChar next = i + 1 < rtf.size() ? rtf[i + 1] : QChar();
        if (c == u'{') {
            groups.push_back(groups.back());
            fallback = 0;
            ++i;
        } else if (c == u'}') {
            groups.pop_back();
            if (groups.empty()) {
                groups.resize(1);
            }
            fallback = 0;
            ++i;
        } else if (c == u'\r' || c == u'\n') {
            ++i;
        } else if (c != u'\\') {
            put(c);
            ++i;
        } else if (next == u'\'') {
            bool ok = false;
            const int byte = rtf.mid(i + 2, 2).toInt(&ok, 16);
            if (!ok || rtf.mid(i + 2, 2).size() != 2 || cp1251_[byte].isNull()) {
                problems_ << QStringLiteral("\\'%1 at byte %2 is no Windows-1251 character")
                                 .arg(rtf.mid(i + 2, 2))
                                 .arg(i);
            }
            put(ok ? cp1251_[byte] : QChar(u'?'));
            i += 4;
        } else if (const auto m = word.match(rtf, i); m.hasMatch()) {
            const QString name = m.captured(1);
            const int param = m.captured(2).toInt();
            if (name == u"par" || name == u"row") {
                put(u'\n');
            } else if (name == u"cell" || name == u"tab") {
                put(u'\t');
            } else if (name == u"u") {
                put(QChar(static_cast<char16_t>(param)));
                fallback = groups.back().uc;
            } else if (name == u"uc") {
                groups.back().uc = param;
            } else if (name == u"fonttbl" || name == u"colortbl" || name == u"pntext") {
                groups.back().skip = true;
            }
            i += m.capturedLength();
        } else {
            if (next == u'*') {
                groups.back().skip = true;
            } else if (next == u'~') {
                put(QChar(0x00A0));
            } else if (next == u'\\' || next == u'{' || next == u'}') {
                put(next);
            } else if (next != u'-' && next != u'_') {
                problems_ << QStringLiteral("unknown control symbol at byte %1").arg(i);
            }
            i += 2;
        }
    }
    return text;
}

void InfoRtfTest::isSevenBitInShortCrlfLines()
{
    QVERIFY(rtf_.startsWith("{\\rtf1\\ansi\\ansicpg1251\\deff0"));
    QVERIFY(rtf_.endsWith("}\r\n"));
    const QList<QByteArray> lines = rtf_.split('\n');
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const bool last = n + 1 == lines.size();
        const QByteArray where = "line " + QByteArray::number(n + 1);
        QVERIFY2(last || lines[n].endsWith('\r'), (where + ": LF without CR").constData());
        const QByteArray line = last ? lines[n] : lines[n].chopped(1);
        QVERIFY2(line.size() <= 255, (where + ": longer than 255 bytes").constData());
        for (const char c : line) {
            const auto byte = static_cast<unsigned char>(c);
            QVERIFY2(byte >= 0x20 && byte < 0x7F,
                     (where + ": byte 0x" + QByteArray::number(byte, 16)).constData());
        }
    }
}

void InfoRtfTest::groupsBalanceAndNothingFollowsTheDocument()
{
    int depth = 0;
    qsizetype end = -1;
    for (qsizetype i = 0; i < rtf_.size(); ++i) {
        if (rtf_[i] == '\\') {
            i += rtf_.mid(i + 1, 1) == "'" ? 3 : 1; // past \'hh, or a symbol such as \{ \} \\ .
        } else if (rtf_[i] == '{') {
            QVERIFY2(end < 0, qPrintable(QStringLiteral("a group after the end, byte %1").arg(i)));
            ++depth;
        } else if (rtf_[i] == '}') {
            QVERIFY2(depth > 0, qPrintable(QStringLiteral("unbalanced } at byte %1").arg(i)));
            if (--depth == 0) {
                end = i;
            }
        }
    }
    QCOMPARE(depth, 0);
    QCOMPARE(rtf_.mid(end + 1), QByteArray("\r\n"));
}

void InfoRtfTest::textFontsAreCyrillicAndEveryFontAndColourDefined()
{
    const QString rtf = QString::fromLatin1(rtf_);
    const qsizetype colourTable = rtf.indexOf(u"{\\colortbl");
    const qsizetype body = rtf.indexOf(u"\\viewkind");
    QVERIFY(colourTable > 0 && body > colourTable);

    static const QRegularExpression font(
        QStringLiteral("\\{\\\\f(\\d+)\\\\f[a-z]+\\\\fcharset(\\d+) ([^;{}]+);\\}"));
    QSet<int> fonts;
    for (const auto& m : font.globalMatch(QStringView(rtf).left(colourTable))) {
        fonts.insert(m.captured(1).toInt());
        // Symbol carries only the bullet, in its own charset 2; every text font must be Cyrillic.
        if (m.captured(3) != u"Symbol") {
            QVERIFY2(m.captured(2) == u"204", qPrintable(m.captured(0)));
        }
    }
    QVERIFY2(fonts.contains(0), "no \\f0, the \\deff0 font");
    const auto colours =
        rtf.mid(colourTable, rtf.indexOf(u'}', colourTable) - colourTable).count(u';');

    static const QRegularExpression use(QStringLiteral("\\\\(pnf|f|cf|clcbpat)(\\d+)"));
    for (const auto& m : use.globalMatch(QStringView(rtf).mid(body))) {
        const bool isFont = m.captured(1) == u"f" || m.captured(1) == u"pnf";
        const int n = m.captured(2).toInt();
        QVERIFY2(isFont ? fonts.contains(n) : n < colours,
                 qPrintable(m.captured(0) + QStringLiteral(" is not in the table")));
    }
}

void InfoRtfTest::everyWordOfTheSourceComesBack_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("heading");
    QFile file(QStringLiteral(INFO_SOURCE));
    QVERIFY2(file.open(QIODevice::ReadOnly),
             qPrintable(file.fileName() + ": " + file.errorString()));
    static const QRegularExpression markup(
        QStringLiteral("^(#+ |- |\\|=?)|\\*\\*|__|\\^\\^|\\[|\\]\\(#\\w+\\)"));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    for (qsizetype n = 0; n < lines.size(); ++n) {
        QString line = lines[n].trimmed();
        if (line.isEmpty() || line.startsWith(u'%') || line.startsWith(u'@') ||
            line.startsWith(u"|%")) {
            continue;
        }
        const bool heading = line.startsWith(u'#');
        line.replace(u"\\~"_qs, u" "_qs).remove(markup);
        QTest::addRow("info.txt:%d", int(n + 1)) << line.trimmed() << heading;
    }
}

// Every word of the source comes back from the RTF, and a heading comes back as a paragraph of
// its own. A wrong code page, a wrong byte in the table, a lost span or a broken escape all show.
void InfoRtfTest::everyWordOfTheSourceComesBack()
{
    QFETCH(QString, text);
    QFETCH(bool, heading);
    QVERIFY2(problems_.isEmpty(), qPrintable(problems_.join(u"; ")));
    QString decoded = text_;
    decoded.replace(QChar(0x00A0), u' ');
    if (heading) {
        QVERIFY2(decoded.split(u'\n').contains(text),
                 qPrintable(text + QStringLiteral(" is not a paragraph")));
        return;
    }
    static const QRegularExpression separators(QStringLiteral("[\\s|]+"));
    const QStringList words = decoded.split(separators, Qt::SkipEmptyParts);
    const QSet<QString> known(words.begin(), words.end());
    for (const QString& word : text.split(separators, Qt::SkipEmptyParts)) {
        QVERIFY2(known.contains(word), qPrintable(word + QStringLiteral(" is missing")));
    }
}

void InfoRtfTest::aBrokenSourceIsNamedAndNothingIsWritten_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing file") << QByteArray() << u"No such file or directory"_qs;
    QTest::newRow("empty") << QByteArray("% only a comment\n")
                           << u":1: the document has no text"_qs;
    QTest::newRow("unclosed bold")
        << QByteArray("# T\n\nsome **bold\ntext\n") << u":3: ** (bold) is opened but not closed"_qs;
    QTest::newRow("not UTF-8") << QByteArray("# T\n\xcf\xf0\xe8\n") << u":2: not valid UTF-8"_qs;
    QTest::newRow("unknown escape") << QByteArray("a \\q b\n") << u":1: unknown escape \\q"_qs;
    QTest::newRow("unknown directive")
        << QByteArray("@font big\n") << u":1: unknown directive @font"_qs;
    QTest::newRow("ragged table")
        << QByteArray("|= a | b\n| c\n")
        << u":2: this row has 1 cells where the table's first row has 2"_qs;
    QTest::newRow("widths") << QByteArray("|% 30 | 60\n| a | b\n")
                            << u":1: the column widths add up to 90 percent, not 100"_qs;
    QTest::newRow("third level") << QByteArray("### deep\n") << u":1: a heading is"_qs;
    QTest::newRow("link to nowhere") << QByteArray("@bookmark here\nx\n\nsee [there](#there)\n")
                                     << u":4: a link leads to #there, but no @bookmark there"_qs;
    QTest::newRow("unclosed link") << QByteArray("a [link\ntext\n") << u":1: [ opens a link"_qs;
    QTest::newRow("bookmark twice") << QByteArray("@bookmark a\nx\n\n@bookmark a\ny\n")
                                    << u":4: bookmark a is set already, on line 1"_qs;
    QTest::newRow("bookmark at the end")
        << QByteArray("x\n@bookmark end\n") << u":2: @bookmark end has no text after it"_qs;
    QTest::newRow("bookmark name")
        << QByteArray("@bookmark 2nd\nx\n") << u":1: a bookmark's name is a letter"_qs;
}

// make_info names the file and the reason, fails, and leaves no output behind.
void InfoRtfTest::aBrokenSourceIsNamedAndNothingIsWritten()
{
    QFETCH(QByteArray, source);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString input = dir.filePath(u"info.txt"_qs);
    const QString output = dir.filePath(u"info.rtf"_qs);
    if (!source.isNull()) {
        QFile file(input);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(source) == source.size());
    }
    QProcess make;
    make.start(QStringLiteral(MAKE_INFO), {input, output});
    QVERIFY(make.waitForFinished());
    const QString message = QString::fromUtf8(make.readAllStandardError());
    QCOMPARE(make.exitCode(), 1);
    QVERIFY2(message.contains(input + (source.isNull() ? u": "_qs : QString())) &&
                 message.contains(reason),
             qPrintable(message));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
             QStringList(source.isNull() ? QStringList() : QStringList{u"info.txt"_qs}));
}

QTEST_GUILESS_MAIN(InfoRtfTest)
#include "tst_infortf.moc"
