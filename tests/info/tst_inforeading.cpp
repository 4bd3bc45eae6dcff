// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Our info.rtf, read by the game's own RTF reader as the info window reads it; and small documents
// make_info's parser and writer produce, read the same way.

// Local
#include "assets/info/infoparser.h"
#include "assets/info/rtfwriter.h"
#include "richtext/documenttext.h"
#include "richtext/rtfreader.h"

// Qt
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextTable>

class InfoReadingTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void readsWithoutDamage();
    void headingsOfTheSourceAppearAsLines();
    void keepsTheFormattingTablesAndLinks();
    void bulletsLookLikeTheirText_data();
    void bulletsLookLikeTheirText();

private:
    QTextDocument document_;
    QStringList lines_;
};

void InfoReadingTest::initTestCase()
{
    richtext::RtfReader reader;
    QVERIFY2(reader.readFile(QStringLiteral(INFO_DOCUMENT), &document_),
             qPrintable(reader.errorString()));
    QVERIFY2(!reader.recovered(), qPrintable(reader.recoveryNote()));
    lines_ = richtext::documentTextLines(document_);
    // The generator ties a dash to the word before it with a no-break space.
    for (QString& line : lines_)
        line.replace(QChar(0x00A0), QLatin1Char(' '));
}

void InfoReadingTest::readsWithoutDamage()
{
    QVERIFY(lines_.size() > 40);
    // The game's own messages, exactly as the game writes them.
    const QString all = lines_.join(QLatin1Char('\n'));
    for (const char* message : {"Поздравляем!!!", "Нет свободных пар", "NOT FREE!!!", "OK!"})
        QVERIFY2(all.contains(QString::fromUtf8(message)), message);
}

void InfoReadingTest::headingsOfTheSourceAppearAsLines()
{
    QFile source(QStringLiteral(INFO_SOURCE));
    QVERIFY(source.open(QIODevice::ReadOnly));
    int headings = 0;
    for (const QString& line : QString::fromUtf8(source.readAll()).split(QLatin1Char('\n'))) {
        if (!line.startsWith(QLatin1Char('#')))
            continue;
        const QString heading = line.section(QLatin1Char(' '), 1).trimmed();
        QVERIFY2(lines_.contains(heading), qPrintable(heading));
        ++headings;
    }
    QVERIFY(headings >= 10);
}

void InfoReadingTest::keepsTheFormattingTablesAndLinks()
{
    bool bold = false, italic = false, coloured = false, bullet = false;
    for (QTextBlock block = document_.begin(); block.isValid(); block = block.next()) {
        if (block.text().startsWith(QChar(0x2022))) {
            // The bullet comes from the Symbol font as Unicode; naming Symbol would pick a
            // symbol-encoded face that draws no U+2022.
            bullet = true;
            const QStringList families =
                block.begin().fragment().charFormat().fontFamilies().toStringList();
            QVERIFY2(!families.contains(QStringLiteral("Symbol")), qPrintable(families.join(',')));
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            bold = bold || format.fontWeight() >= QFont::Bold;
            italic = italic || format.fontItalic();
            coloured = coloured || (format.foreground().style() != Qt::NoBrush &&
                                    format.foreground().color() != Qt::black);
        }
    }
    QVERIFY(bold);
    QVERIFY(italic);
    QVERIFY(coloured);
    QVERIFY(bullet);
    int tables = 0;
    for (QTextFrame* frame : document_.rootFrame()->childFrames())
        tables += qobject_cast<QTextTable*>(frame) ? 1 : 0;
    QCOMPARE(tables, 6); // the buttons, the messages and the commands' keys, in both languages

    // The document opens with a line in Russian and one in English, each with a link to the
    // English part, whose title carries the bookmark they lead to.
    QTextBlock block = document_.begin();
    for (const char* language : {"Russian", "English"}) {
        QStringList links;
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isAnchor())
                links << it.fragment().charFormat().anchorHref();
        QVERIFY2(links.contains(QStringLiteral("#english")), language);
        block = block.next();
    }
    for (; block.isValid(); block = block.next())
        if (block.begin().fragment().charFormat().anchorNames().contains(QStringLiteral("english")))
            break;
    QVERIFY(block.isValid());
    QCOMPARE(block.text().replace(QChar(0x00A0), QLatin1Char(' ')),
             QStringLiteral("Fish Pairs — a solitaire of pairs"));
}

namespace {

// What a reader sees of a character: size, weight, slant and colour.
QString look(const QTextCharFormat& format)
{
    const QBrush ink = format.foreground();
    return QStringLiteral("%1 pt, weight %2, %3, %4")
        .arg(format.fontPointSize())
        .arg(format.fontWeight())
        .arg(format.fontItalic() ? u"italic"_qs : u"upright"_qs)
        .arg(ink.style() == Qt::NoBrush ? u"default colour"_qs : ink.color().name());
}

QTextCharFormat formatAt(const QTextBlock& block, int offset)
{
    const int position = block.position() + offset;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        if (position < it.fragment().position() + it.fragment().length())
            return it.fragment().charFormat();
    }
    return {};
}

} // namespace

void InfoReadingTest::bulletsLookLikeTheirText_data()
{
    // Markup that make_info's parser and writer turn into RTF; none for the shipped info.rtf,
    // where every "- " line of the source is an item.
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<int>("bullets");
    QFile file(QStringLiteral(INFO_SOURCE));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    QTest::newRow("info.rtf") << QByteArray()
                              << int(lines.filter(QRegularExpression(u"^- "_qs)).size());
    QTest::newRow("after the title") << QByteArray("# Title\n- one\n- two\n") << 2;
    QTest::newRow("after a heading") << QByteArray("## Heading\n\n- one\n") << 1;
    QTest::newRow("after styled text") << QByteArray("Plain **__^^styled^^__**\n\n- one\n") << 1;
    QTest::newRow("after items ending styled")
        << QByteArray("- one **^^two^^**\n- three __four__\n- five\n") << 3;
    QTest::newRow("after a table") << QByteArray("|= a | **^^b^^**\n\n- one\n") << 1;
    QTest::newRow("two lists") << QByteArray("## A\n\n- one\n\n## B\n\n- two\n- three\n") << 3;
}

// A bullet is drawn in the character format in force where its {\pntext} group opens, and \pard
// does not reset that format: unless the writer sets the item's own format first, a bullet takes
// the look of whatever came before it (after a heading, the heading's size, weight and colour).
// Every item here starts with plain text, the look the bullet should have.
void InfoReadingTest::bulletsLookLikeTheirText()
{
    QFETCH(QByteArray, source);
    QFETCH(int, bullets);
    QTextDocument written;
    const QTextDocument* document = &document_;
    if (!source.isNull()) {
        info::InfoParser parser;
        QVERIFY2(parser.parse(source.toStdString(), "row"), parser.error().c_str());
        const std::string rtf = info::RtfWriter::write(parser.document(), "test");
        richtext::RtfReader reader;
        QVERIFY(reader.read(QByteArrayView(rtf.data(), qsizetype(rtf.size())), &written));
        QVERIFY2(!reader.recovered(), qPrintable(reader.recoveryNote()));
        document = &written;
    }
    int found = 0;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (!block.text().startsWith(QChar(0x2022)))
            continue;
        ++found;
        const int text = int(block.text().indexOf(QLatin1Char('\t'))) + 1;
        QVERIFY2(text > 0, qPrintable(block.text()));
        const QString bullet = look(formatAt(block, 0));
        const QString item = look(formatAt(block, text));
        QVERIFY2(bullet == item, qPrintable(block.text() + QStringLiteral(":\n  bullet ") + bullet +
                                            QStringLiteral("\n  text   ") + item));
    }
    QCOMPARE(found, bullets);
}

QTEST_MAIN(InfoReadingTest)
#include "tst_inforeading.moc"
