// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The help window: where the faces stand, and when they are read.

// Local
#include "tests/support/tilesetfiles.h"
#include "tests/support/windowsystem.h"
#include "windows/form2help.h"
#include "windows/module1.h"

// Qt
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

QColor faceColour(int face, int set)
{
    return testing::plainFaceColour(face, set);
}

} // namespace

class HelpWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void placesTheFacesInThreeBlocks_data();
    void placesTheFacesInThreeBlocks();
    void showsEveryPartnerPairOnOneRow();
    void readsThePicturesOncePerLoad();
    void aSetThatCannotBeReadOpensNoWindow_data();
    void aSetThatCannotBeReadOpensNoWindow();

private:
    QColor shownColour(int k) const
    {
        return module_.help->grab().toImage().pixelColor(module_.help->imageRect(k).center() +
                                                         QPoint(10, 0));
    }

    QTemporaryDir workingDir_;
    Module1 module_;
    QWidget parent_;
};

void HelpWindowTest::initTestCase()
{
    QVERIFY(QDir::setCurrent(workingDir_.path()));
    QVERIFY(testing::writePlainTileSet(QStringLiteral("1"), 1));
    QVERIFY(testing::writePlainTileSet(QStringLiteral("2"), 2));
}

void HelpWindowTest::cleanup()
{
    delete module_.help;
}

void HelpWindowTest::placesTheFacesInThreeBlocks_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<QPoint>("twips");
    QTest::newRow("Image2(0)") << 0 << QPoint(1800, 1800);
    QTest::newRow("Image2(1)") << 1 << QPoint(720, 1800);
    QTest::newRow("Image2(11)") << 11 << QPoint(720, 5700);
    QTest::newRow("Image2(12)") << 12 << QPoint(4740, 240);
    QTest::newRow("Image2(27)") << 27 << QPoint(3660, 5700);
    QTest::newRow("Image2(28)") << 28 << QPoint(7800, 240);
    QTest::newRow("Image2(43)") << 43 << QPoint(6720, 5700);
}

void HelpWindowTest::placesTheFacesInThreeBlocks()
{
    QFETCH(int, k);
    QFETCH(QPoint, twips);
    QCOMPARE(Form2help::imagePlace(k), twips);
}

void HelpWindowTest::showsEveryPartnerPairOnOneRow()
{
    module_.CardSet = QStringLiteral("1");
    Form2help::showFor(module_, &parent_);
    QVERIFY(module_.help);
    QVERIFY(QTest::qWaitForWindowExposed(module_.help));
    QCOMPARE(module_.help->windowTitle(), QStringLiteral("Form2"));
    QVERIFY(module_.help->windowState() & Qt::WindowMaximized);
    QCOMPARE(module_.help->palette().color(QPalette::Window), QColor(0, 128, 0));
    auto* ok = module_.help->findChild<QPushButton*>(QStringLiteral("Command1"));
    QCOMPARE(ok->geometry(), module_.help->scale().toPixelRect(QRect(1500, 720, 675, 375)));

    // Counting rows from 1 over the blocks: row r shows face 2r - 1 on the right and 2r on the
    // left, the left one lying over the right where they overlap.
    const QImage shot = module_.help->grab().toImage();
    for (int row = 1; row <= 22; ++row) {
        const QRect right = module_.help->imageRect(2 * row - 2);
        const QRect left = module_.help->imageRect(2 * row - 1);
        QCOMPARE(right.top(), left.top());
        QVERIFY(left.left() < right.left());
        QCOMPARE(shot.pixelColor(right.center()).rgb(), faceColour(2 * row - 1, 1).rgb());
        QCOMPARE(shot.pixelColor(left.center()).rgb(), faceColour(2 * row, 1).rgb());
        const QPoint overlap((left.right() + right.left()) / 2, left.center().y());
        QCOMPARE(shot.pixelColor(overlap).rgb(), faceColour(2 * row, 1).rgb());
    }
    // The faces' numbers blur below their own size, so the legend goes no smaller than that.
    QVERIFY(testing::leaveMaximized(module_.help));
    module_.help->resize(300, 200);
    QCOMPARE(module_.help->size(), QSize(648, 448));
    // Enter on OK closes it, as Space does.
    QPointer<Form2help> help = module_.help.data();
    ok->setFocus();
    QTest::keyClick(ok, Qt::Key_Return);
    QTRY_VERIFY(!help);
}

void HelpWindowTest::readsThePicturesOncePerLoad()
{
    module_.CardSet = QStringLiteral("1");
    Form2help::showFor(module_, &parent_);
    QPointer<Form2help> first = module_.help.data();
    QVERIFY(QTest::qWaitForWindowExposed(first));
    QCOMPARE(shownColour(0).rgb(), faceColour(1, 1).rgb());

    // A new name, or new files, change nothing while the window stays loaded.
    module_.CardSet = QStringLiteral("2");
    Form2help::showFor(module_, &parent_);
    QCOMPARE(module_.help.data(), first.data());
    QCOMPARE(shownColour(0).rgb(), faceColour(1, 1).rgb());

    // OK unloads it; the next HELP reads the set named now.
    QTest::mouseClick(first->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    QTRY_VERIFY(!first);
    Form2help::showFor(module_, &parent_);
    QVERIFY(module_.help);
    QVERIFY(QTest::qWaitForWindowExposed(module_.help));
    QCOMPARE(shownColour(0).rgb(), faceColour(1, 2).rgb());
}

void HelpWindowTest::aSetThatCannotBeReadOpensNoWindow_data()
{
    QTest::addColumn<int>("keep"); // the bytes of 30.bmp kept; -1 leaves the file out
    QTest::addColumn<QString>("reason");
    QTest::newRow("30.bmp missing") << -1 << "there is no such file";
    QTest::newRow("30.bmp cut short") << 6000 << "the file is cut short (it holds 6,000 bytes";
}

void HelpWindowTest::aSetThatCannotBeReadOpensNoWindow()
{
    QFETCH(int, keep);
    QFETCH(QString, reason);
    QDir(QStringLiteral("fish/broken")).removeRecursively();
    QDir().mkpath(QStringLiteral("fish/broken"));
    for (int face = 1; face <= 44; ++face)
        if (face != 30)
            QFile::copy(QStringLiteral("fish/1/%1.bmp").arg(face),
                        QStringLiteral("fish/broken/%1.bmp").arg(face));
    if (keep >= 0) {
        QFile whole(QStringLiteral("fish/1/30.bmp"));
        QFile cut(QStringLiteral("fish/broken/30.bmp"));
        QVERIFY(whole.open(QIODevice::ReadOnly) && cut.open(QIODevice::WriteOnly));
        cut.write(whole.read(keep));
    }
    module_.CardSet = QStringLiteral("broken");
    Form2help::showFor(module_, &parent_);
    QVERIFY(!module_.help);
    auto* box = parent_.findChild<QMessageBox*>(QStringLiteral("problem"));
    QVERIFY(box);
    QVERIFY2(box->informativeText().contains(QStringLiteral("fish/broken/30.bmp: ") + reason),
             qPrintable(box->informativeText()));
    delete box;
}

QTEST_MAIN(HelpWindowTest)
#include "tst_helpwindow.moc"
