// Our info.rtf, read by the game's own RTF reader as the info window reads it.

// Local
#include "documenttext.h"
#include "rtfreader.h"

// Qt
#include <QFile>
#include <QGuiApplication>
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
    void keepsTheFormattingAndTheTable();

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

void InfoReadingTest::keepsTheFormattingAndTheTable()
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
    QCOMPARE(tables, 2); // the buttons, in Russian and in English
}

QTEST_MAIN(InfoReadingTest)
#include "tst_inforeading.moc"
