// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Play without a mouse: the board in the tab order, the focus ring and the arrow keys, and the
// tiles as assistive technology sees them.

// Local
#include "tests/support/tilesetfiles.h"
#include "windows/game.h"
#include "windows/module1.h"
#include "windows/startup.h"
#include "windows/tileview.h"
#include "windows/tileviewaccessible.h"

// Qt
#include <QAccessible>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

class BoardAccessTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void tabReachesTheBoardAfterTheControls();
    void arrowsReachEveryTileSeenAndNoOther();
    void spaceAndEnterClickTheTileInTheRing();
    void noRingBeforeTheDeal();
    void tilesAreButtonsNamedByFaceAndState();
    void controlsCarryTheirCaptionsAndContents();

private:
    TileView* view() const { return game_->tileView(); }
    QString text1() const { return game_->findChild<QLineEdit*>(QStringLiteral("Text1"))->text(); }
    void focusBoard()
    {
        game_->findChild<QPushButton*>(QStringLiteral("Command3"))->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }

    QTemporaryDir workingDir_;
    Module1 module_;
    QPointer<Game> game_;
};

void BoardAccessTest::initTestCase()
{
    QAccessible::installFactory(TileViewAccessible::factory);
    QVERIFY(QDir::setCurrent(workingDir_.path()));
    QVERIFY(testing::writePlainTileSet(QStringLiteral("1")));
    module_.CardSet = QStringLiteral("1");
}

void BoardAccessTest::init()
{
    game_ = new Game(module_);
    game_->setRandomSeed(7);
    game_->showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(game_));
    QApplication::setActiveWindow(game_);
    game_->Command1_Click();
}

void BoardAccessTest::cleanup()
{
    delete game_;
}

void BoardAccessTest::tabReachesTheBoardAfterTheControls()
{
    const char* order[] = {"Command1", "Text1", "Text2", "Command2", "Command3", "Image1"};
    game_->findChild<QPushButton*>(QStringLiteral("Command1"))->setFocus();
    for (const char* name : order) {
        QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(name));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    focusBoard();
    QVERIFY(view()->hasFocus());
    // The ring starts on the tile nearest the board's top-left corner, and shows.
    QCOMPARE(view()->focusTile(), 62);
    QVERIFY(view()->ringShown());
    const QRect ring = view()->tileRect(62);
    const QImage shot = view()->grab().toImage();
    QCOMPARE(shot.pixelColor(ring.center().x(), ring.top() + 2), QColor(255, 220, 0));
    // A mouse click moves the focus to the board without the ring, and a menu closing gives it
    // back without one too.
    QTest::mouseClick(view(), Qt::LeftButton, {}, view()->tileRect(0).center());
    QVERIFY(!view()->ringShown());
    QFocusEvent menuClosed(QEvent::FocusIn, Qt::PopupFocusReason);
    QApplication::sendEvent(view(), &menuClosed);
    QVERIFY(!view()->ringShown());
}

void BoardAccessTest::arrowsReachEveryTileSeenAndNoOther()
{
    focusBoard();
    auto walkEverywhere = [this] {
        QSet<int> reached{view()->focusTile()};
        QList<int> todo{view()->focusTile()};
        while (!todo.isEmpty()) {
            const int p = todo.takeLast();
            for (Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down}) {
                view()->setFocusTile(p);
                QTest::keyClick(view(), key);
                const int next = view()->focusTile();
                QVERIFY(view()->isTopmost(next));
                if (!reached.contains(next))
                    reached.insert(next), todo.append(next);
            }
        }
        for (int p = 0; p < board::Board::kPositions; ++p)
            QVERIFY2(reached.contains(p) == view()->isTopmost(p), qPrintable(QString::number(p)));
    };
    walkEverywhere();
    // At the board's edge the ring stays where it is.
    view()->setFocusTile(0);
    QTest::keyClick(view(), Qt::Key_Right);
    QCOMPARE(view()->focusTile(), 0);
    // Again with some pairs gone.
    for (int n = 0; n < 6; ++n) {
        board::Board preview = game_->board();
        const board::Outcome hint = preview.Hint();
        if (hint.moves.size() != 2)
            break;
        game_->Image1_Click(hint.moves[0].position);
        game_->Image1_Click(hint.moves[1].position);
    }
    QVERIFY(game_->board().PairsRemoved() > 0);
    view()->setFocusTile(-1);
    QTest::keyClick(view(), Qt::Key_Down); // the ring comes back on a tile in sight
    QVERIFY(view()->isTopmost(view()->focusTile()));
    walkEverywhere();
}

void BoardAccessTest::spaceAndEnterClickTheTileInTheRing()
{
    focusBoard();
    view()->setFocusTile(62);
    QTest::keyClick(view(), Qt::Key_Space);
    QCOMPARE(text1(), QStringLiteral("OK!"));
    QCOMPARE(game_->board().SelectedPosition(), 62);
    QTest::keyClick(view(), Qt::Key_Return);
    QCOMPARE(game_->board().SelectedFace(), -1);
    view()->setFocusTile(63);
    QTest::keyClick(view(), Qt::Key_Enter);
    QCOMPARE(text1(), QStringLiteral("NOT FREE!!!"));
    // A pair taken from the keyboard: the ring goes at once to the tile nearest to where the
    // second one stood, 95 under 122, and the next Space clicks that one.
    for (int tile : {131, 122}) {
        view()->setFocusTile(tile);
        QTest::keyClick(view(), Qt::Key_Space);
    }
    QCOMPARE(game_->board().PairsRemoved(), 1);
    QCOMPARE(view()->focusTile(), 95);
    QVERIFY(view()->ringShown());
    const QRect ring = view()->tileRect(95);
    QCOMPARE(view()->grab().toImage().pixelColor(ring.center().x(), ring.top() + 2),
             QColor(255, 220, 0));
    QTest::keyClick(view(), Qt::Key_Space);
    QCOMPARE(text1(), QStringLiteral("NOT FREE!!!"));
    QCOMPARE(game_->board().SelectedFace(), -1);
    // Taken back, 122 covers 95 again: the ring goes to the tile in sight there, 122 itself.
    QTest::keyClick(view(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(game_->board().PairsRemoved(), 0);
    QCOMPARE(view()->focusTile(), 122);
}

void BoardAccessTest::noRingBeforeTheDeal()
{
    Game undealt(module_);
    undealt.showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(&undealt));
    QApplication::setActiveWindow(&undealt);
    undealt.findChild<QPushButton*>(QStringLiteral("Command3"))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    TileView* board = undealt.tileView();
    QVERIFY(board->hasFocus());
    QCOMPARE(board->focusTile(), -1);
    QTest::keyClick(board, Qt::Key_Down);
    QTest::keyClick(board, Qt::Key_Space);
    QCOMPARE(board->focusTile(), -1);
    QCOMPARE(undealt.board().SelectedFace(), -1);
}

void BoardAccessTest::tilesAreButtonsNamedByFaceAndState()
{
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(view());
    QVERIFY(board);
    QCOMPARE(board->childCount(), 132);
    const int face0 = game_->board().FaceAt(0);
    QAccessibleInterface* tile0 = board->child(0);
    QCOMPARE(tile0->role(), QAccessible::Button);
    QCOMPARE(tile0->parent()->object(), view());
    QCOMPARE(board->indexOfChild(tile0), 0);
    QCOMPARE(tile0->text(QAccessible::Name),
             QStringLiteral("Tile 0: face %1 (pair %2), free").arg(face0).arg((face0 + 1) / 2));
    QVERIFY(board->child(1)->text(QAccessible::Name).endsWith(QLatin1String(", blocked")));
    QCOMPARE(board->childAt(view()->mapToGlobal(view()->tileRect(0).center()).x(),
                            view()->mapToGlobal(view()->tileRect(0).center()).y()),
             tile0);

    // Pressing the button clicks the tile.
    tile0->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(tile0->text(QAccessible::Name).endsWith(QLatin1String(", selected")));
    QCOMPARE(text1(), QStringLiteral("OK!"));

    // A removed tile stays in the list, invisible.
    board::Board preview = game_->board();
    game_->Image1_Click(0); // put it down
    const board::Outcome hint = preview.Hint();
    game_->Image1_Click(hint.moves[0].position);
    game_->Image1_Click(hint.moves[1].position);
    QAccessibleInterface* gone = board->child(hint.moves[0].position);
    QVERIFY(gone->state().invisible);
    QVERIFY(gone->text(QAccessible::Name).endsWith(QLatin1String(", removed")));

    focusBoard();
    view()->setFocusTile(62);
    QCOMPARE(board->focusChild(), board->child(62));
    QVERIFY(board->child(62)->state().focused);
}

void BoardAccessTest::controlsCarryTheirCaptionsAndContents()
{
    auto name = [](QWidget* w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
    };
    auto value = [](QWidget* w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Value);
    };
    QCOMPARE(name(game_->findChild<QPushButton*>(QStringLiteral("Command1"))),
             QStringLiteral("NEW"));
    QCOMPARE(name(game_->findChild<QPushButton*>(QStringLiteral("Command3"))),
             QStringLiteral("HINT"));
    auto* status = game_->findChild<QLineEdit*>(QStringLiteral("Text1"));
    QCOMPARE(name(status), QStringLiteral("Status"));
    QCOMPARE(value(status), QStringLiteral("1"));
    QCOMPARE(name(game_->findChild<QLineEdit*>(QStringLiteral("Text2"))), QStringLiteral("Clock"));

    startup window(module_);
    QCOMPARE(name(window.findChild<QLineEdit*>(QStringLiteral("Text1"))),
             QStringLiteral("SELECT CARDSET"));
    QCOMPARE(value(window.findChild<QLineEdit*>(QStringLiteral("Text1"))), QStringLiteral("1"));
    QVERIFY(!name(window.findChild<QWidget*>(QStringLiteral("Picture1"))).isEmpty());
}

QTEST_MAIN(BoardAccessTest)
#include "tst_boardaccess.moc"
