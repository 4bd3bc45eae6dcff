// The game window: its design, and what its handlers show of the board.

// Local
#include "game.h"
#include "layout.h"
#include "module1.h"
#include "tileview.h"

// Qt
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class GameWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void controlsStandWhereDesigned_data();
    void controlsStandWhereDesigned();
    void opensMaximizedNavyWithItsClockRunning();
    void tilesStandAtTheirDesignPlacesBeforeTheDeal();
    void clicksGoToTheTopmostTileUnderThePointer_data();
    void clicksGoToTheTopmostTileUnderThePointer();
    void helpBeforeItsWindowExistsDoesNothingHarmful();

private:
    template <class T> T* child(const char* name) const
    {
        T* widget = game_->findChild<T*>(QLatin1String(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }

    Module1 module_;
    QPointer<Game> game_;
};

void GameWindowTest::init()
{
    module_.CardSet = QStringLiteral("1");
    game_ = new Game(module_);
    game_->setTimeOfDay([] { return 14 * 3600.0f + 5 * 60 + 7; });
    game_->showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(game_));
}

void GameWindowTest::cleanup()
{
    delete game_;
}

void GameWindowTest::controlsStandWhereDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QString>("caption");

    QTest::newRow("START") << "Command1" << QRect(2220, 120, 675, 375) << "START";
    QTest::newRow("HELP") << "Command2" << QRect(6180, 120, 555, 375) << "HELP";
    QTest::newRow("HINT") << "Command3" << QRect(6960, 120, 555, 375) << "HINT";
    QTest::newRow("status") << "Text1" << QRect(1680, 6300, 1755, 315) << "Text1";
    QTest::newRow("clock") << "Text2" << QRect(6480, 6360, 795, 255) << "Text2";
}

void GameWindowTest::controlsStandWhereDesigned()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    QFETCH(QString, caption);

    auto* widget = game_->findChild<QWidget*>(name);
    QVERIFY(widget);
    const QRect expected(qRound(twips.x() / 15.0), qRound(twips.y() / 15.0),
                         qRound((twips.x() + twips.width()) / 15.0) - qRound(twips.x() / 15.0),
                         qRound((twips.y() + twips.height()) / 15.0) - qRound(twips.y() / 15.0));
    QCOMPARE(widget->geometry(), expected);
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->palette().color(QPalette::Button), QColor(255, 255, 0));
    }
    if (auto* box = qobject_cast<QLineEdit*>(widget))
        QCOMPARE(box->text(), caption);
}

void GameWindowTest::opensMaximizedNavyWithItsClockRunning()
{
    QCOMPARE(game_->windowTitle(), QStringLiteral("Form1"));
    QVERIFY(game_->windowState() & Qt::WindowMaximized);
    QCOMPARE(game_->palette().color(QPalette::Window), QColor(0, 0, 128));
    auto* timer = game_->findChild<QTimer*>(QStringLiteral("Timer1"));
    QVERIFY(timer);
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 1000);
    // The design's text stays until the first tick; before the deal the clock tells the time of
    // day as minutes and seconds since midnight.
    QCOMPARE(child<QLineEdit>("Text2")->text(), QStringLiteral("Text2"));
    QTRY_COMPARE_WITH_TIMEOUT(child<QLineEdit>("Text2")->text(), QStringLiteral("     845:7"), 3000);
    // Tab order: START, the status box, the clock, HELP, HINT.
    QCOMPARE(child<QPushButton>("Command1")->nextInFocusChain(), child<QLineEdit>("Text1"));
    QCOMPARE(child<QLineEdit>("Text1")->nextInFocusChain(), child<QLineEdit>("Text2"));
    QCOMPARE(child<QLineEdit>("Text2")->nextInFocusChain(), child<QPushButton>("Command2"));
    QCOMPARE(child<QPushButton>("Command2")->nextInFocusChain(), child<QPushButton>("Command3"));
}

void GameWindowTest::tilesStandAtTheirDesignPlacesBeforeTheDeal()
{
    const TileView* view = game_->tileView();
    for (int p = 0; p < board::layout::kPositions; ++p) {
        const auto place = board::layout::kPlaces[p];
        QCOMPARE(view->tileRect(p), QRectF(place.left / 15.0, place.top / 15.0, 80, 52));
    }
}

void GameWindowTest::clicksGoToTheTopmostTileUnderThePointer_data()
{
    QTest::addColumn<QPoint>("twips");
    QTest::addColumn<int>("tile");
    // 0 and 1 overlap by 120 twips of height: the lower (higher-numbered) tile is on top.
    QTest::newRow("tile 0 alone") << QPoint(7860 + 600, 60 + 300) << 0;
    QTest::newRow("where 1 lies over 0") << QPoint(7860 + 600, 720 + 60) << 1;
    // Layer 1 over layer 0: 72 stands on 11.
    QTest::newRow("72 over 11") << QPoint(6900 + 600, 1260 + 400) << 72;
    QTest::newRow("the top tile") << QPoint(4500 + 600, 2640 + 400) << 131;
    QTest::newRow("between the runs") << QPoint(100, 100) << -1;
}

void GameWindowTest::clicksGoToTheTopmostTileUnderThePointer()
{
    QFETCH(QPoint, twips);
    QFETCH(int, tile);
    const TileView* view = game_->tileView();
    QCOMPARE(view->tileAt(QPointF(twips) / 15.0), tile);
}

void GameWindowTest::helpBeforeItsWindowExistsDoesNothingHarmful()
{
    QTest::mouseClick(child<QPushButton>("Command2"), Qt::LeftButton);
    QVERIFY(game_);
    QVERIFY(game_->isVisible());
}

QTEST_MAIN(GameWindowTest)
#include "tst_gamewindow.moc"
