// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The info window: info.rtf read once per load, and every way it can fail.

// Local
#include "tests/support/windowsystem.h"
#include "windows/form1.h"
#include "windows/module1.h"

// Qt
#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>

namespace {

// WordPad's way of writing Russian: Windows-1251 bytes as \'hh, in a Cyrillic font.
const QByteArray kRules = "{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset204 "
                          "Arial;}}\\viewkind4\\uc1\\pard\\b \\'cf\\'f0\\'e0\\'e2\\'e8\\'eb\\'e0"
                          "\\b0\\par\\li720 Take two free partners.\\par}";

void write(const QByteArray& bytes)
{
    QFile file(QStringLiteral("info.rtf"));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

} // namespace

class InfoWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void showsTheDocumentInItsDesignedBox();
    void zoomsWithItsWindow_data();
    void zoomsWithItsWindow();
    void aLinkScrollsToItsBookmark();
    void readsTheFileOncePerLoad();
    void aDocumentThatCannotBeReadOpensNoWindow_data();
    void aDocumentThatCannotBeReadOpensNoWindow();
    void aDamagedDocumentShowsWhatCouldBeRead_data();
    void aDamagedDocumentShowsWhatCouldBeRead();

private:
    QString shownText() const { return module_.info->richTextBox()->toPlainText(); }

    QTemporaryDir workingDir_;
    Module1 module_;
    QWidget startup_;
};

void InfoWindowTest::init()
{
    QVERIFY(QDir::setCurrent(workingDir_.path()));
    QDir(QStringLiteral("info.rtf")).removeRecursively();
    write(kRules);
}

void InfoWindowTest::cleanup()
{
    delete module_.info;
    for (QMessageBox* box : startup_.findChildren<QMessageBox*>())
        delete box;
}

void InfoWindowTest::showsTheDocumentInItsDesignedBox()
{
    Form1::showFor(module_, &startup_);
    QVERIFY(module_.info);
    QVERIFY(QTest::qWaitForWindowExposed(module_.info));
    QCOMPARE(module_.info->windowTitle(), QStringLiteral("Form1"));
    QVERIFY(module_.info->windowState() & Qt::WindowMaximized);
    QCOMPARE(shownText(), QStringLiteral("Правила\nTake two free partners."));
    // Text the document does not format is a 12 pt serif, Times New Roman where it exists.
    const QFont font = module_.info->richTextBox()->document()->defaultFont();
    QCOMPARE(font.pointSizeF(), 12.0);
    QCOMPARE(font.styleHint(), QFont::Serif);
    QVERIFY(module_.info->richTextBox()->isReadOnly());
}

void InfoWindowTest::zoomsWithItsWindow_data()
{
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QRect>("box");
    QTest::addColumn<double>("zoom");
    // The design area, 9555 x 6795 twips, is 637 x 453 pixels at zoom 1.
    QTest::newRow("zoom 1") << QSize(637, 453) << QRect(8, 8, 621, 437) << 1.0;
    QTest::newRow("zoom 2") << QSize(1274, 906) << QRect(16, 16, 1242, 874) << 2.0;
    QTest::newRow("800 x 600, centred")
        << QSize(800, 600) << QRect(10, 26, 780, 548) << 800 / 637.0;
    // No smaller than 478 x 340, zoom 0.75, where its 10-point text is still 10 pixels high.
    QTest::newRow("300 x 200, held at its smallest")
        << QSize(300, 200) << QRect(6, 6, 466, 328) << 478 / 637.0;
}

void InfoWindowTest::zoomsWithItsWindow()
{
    QFETCH(QSize, window);
    QFETCH(QRect, box);
    QFETCH(double, zoom);
    Form1::showFor(module_, &startup_);
    Form1* info = module_.info;
    QVERIFY(QTest::qWaitForWindowExposed(info));
    QVERIFY(testing::leaveMaximized(info)); // on Wayland the compositor's to grant, later
    const QTextDocument* document = info->richTextBox()->document();
    // The first line's height, and where the second paragraph's text starts (720 twips in).
    auto measures = [&] {
        return QPointF(document->documentLayout()->blockBoundingRect(document->begin()).height(),
                       document->begin().next().layout()->lineAt(0).x());
    };
    info->resize(637, 453);
    const QPointF atZoom1 = measures();
    QCOMPARE(atZoom1.y(), 48.0);
    info->resize(window);
    QCOMPARE(info->richTextBox()->geometry(), box);
    // The same page magnified: lines and margins grow with the zoom.
    const QPointF now = measures();
    QVERIFY2(qAbs(now.x() - atZoom1.x() * zoom) <= 2 && qAbs(now.y() - atZoom1.y() * zoom) <= 2,
             qPrintable(QStringLiteral("line %1 and margin %2 at zoom 1; %3 and %4 now")
                            .arg(atZoom1.x())
                            .arg(atZoom1.y())
                            .arg(now.x())
                            .arg(now.y())));
}

void InfoWindowTest::aLinkScrollsToItsBookmark()
{
    // A link on the first line, and its bookmark pages further down.
    const QByteArray page = QByteArray("\\'cf\\'f0\\'e0\\'e2\\'e8\\'eb\\'e0\\par ").repeated(60);
    write("{\\rtf1\\ansi\\ansicpg1251 {\\field{\\*\\fldinst{HYPERLINK \\\\l \"english\"}}"
          "{\\fldrslt{\\ul English}}}\\par " +
          page + "{\\*\\bkmkstart english}{\\*\\bkmkend english}Rules\\par " + page + "}");
    Form1::showFor(module_, &startup_);
    QVERIFY(QTest::qWaitForWindowExposed(module_.info));
    QTextBrowser* box = module_.info->richTextBox();
    const QTextDocument* document = box->document();
    const QTextBlock rules = document->findBlockByNumber(61);
    QCOMPARE(rules.text(), QStringLiteral("Rules"));
    QVERIFY(box->cursorRect(QTextCursor(rules)).top() > box->viewport()->height());

    QTest::mouseClick(box->viewport(), Qt::LeftButton, {},
                      box->cursorRect(QTextCursor(document->begin())).center() + QPoint(8, 0));
    const QRect shown = box->cursorRect(QTextCursor(rules));
    QVERIFY2(shown.top() >= 0 && shown.bottom() < box->viewport()->height() / 4,
             qPrintable(QStringLiteral("Rules at %1, the text box %2 high")
                            .arg(shown.top())
                            .arg(box->viewport()->height())));
}

void InfoWindowTest::readsTheFileOncePerLoad()
{
    Form1::showFor(module_, &startup_);
    QPointer<Form1> first = module_.info.data();
    write("{\\rtf1 Edited.}");
    Form1::showFor(module_, &startup_);
    QCOMPARE(module_.info.data(), first.data());
    QVERIFY(shownText().startsWith(QStringLiteral("Правила")));
    first->close();
    QTRY_VERIFY(!first);
    Form1::showFor(module_, &startup_);
    QVERIFY(module_.info);
    QCOMPARE(shownText(), QStringLiteral("Edited."));
}

void InfoWindowTest::aDocumentThatCannotBeReadOpensNoWindow_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << "remove"
                             << "No such file";
    QTest::newRow("a folder") << "folder"
                              << "directory";
    QTest::newRow("empty") << "empty"
                           << "not an RTF document (it is empty)";
    QTest::newRow("plain text") << "text"
                                << "does not start with {\\rtf";
    QTest::newRow("binary garbage") << "garbage"
                                    << "does not start with {\\rtf";
    QTest::newRow("50 MB") << "huge"
                           << "too large (50.0 MB";
}

void InfoWindowTest::aDocumentThatCannotBeReadOpensNoWindow()
{
    QFETCH(QString, damage);
    QFETCH(QString, reason);
    QFile::remove(QStringLiteral("info.rtf"));
    if (damage == QLatin1String("folder")) {
        QVERIFY(QDir().mkdir(QStringLiteral("info.rtf")));
    } else if (damage == QLatin1String("empty")) {
        write({});
    } else if (damage == QLatin1String("text")) {
        write("How to play: take two free partner tiles.\n");
    } else if (damage == QLatin1String("garbage")) {
        QByteArray bytes(4096, '\0');
        for (int i = 0; i < bytes.size(); ++i)
            bytes[i] = char((i * 7919 + 13) % 251);
        write(bytes);
    } else if (damage == QLatin1String("huge")) {
        QFile file(QStringLiteral("info.rtf"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("{\\rtf1 ");
        QVERIFY(file.resize(50LL * 1024 * 1024)); // sparse: no 50 MB written
    }
    Form1::showFor(module_, &startup_);
    QVERIFY(!module_.info);
    auto* box = startup_.findChild<QMessageBox*>(QStringLiteral("problem"));
    QVERIFY(box);
    const QString why = box->informativeText();
    QVERIFY2(why.startsWith(QStringLiteral("info.rtf: ")), qPrintable(why));
    QVERIFY2(why.contains(reason), qPrintable(why));
}

void InfoWindowTest::aDamagedDocumentShowsWhatCouldBeRead_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("truncated") << QByteArray("{\\rtf1 First.\\par Second") << "First.\nSecond";
    QTest::newRow("deeply nested") << QByteArray("{\\rtf1 Top.") + QByteArray(100000, '{') + "deep"
                                   << "Top.deep";
    QTest::newRow("text after the end") << QByteArray("{\\rtf1 Rules.}trailing bytes") << "Rules.";
}

void InfoWindowTest::aDamagedDocumentShowsWhatCouldBeRead()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    write(bytes);
    Form1::showFor(module_, &startup_);
    QVERIFY(module_.info);
    QCOMPARE(shownText(), text);
    QVERIFY(!startup_.findChild<QMessageBox*>());
}

QTEST_MAIN(InfoWindowTest)
#include "tst_infowindow.moc"
