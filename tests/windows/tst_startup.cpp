// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The start-up window: its design, OK and the game window's lifecycle.

// Local
#include "tests/support/tilesetfiles.h"
#include "tests/support/windowsystem.h"
#include "windows/form2help.h"
#include "windows/game.h"
#include "windows/module1.h"
#include "windows/startup.h"

// Qt
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// Standard library
#include <algorithm>
#include <cmath>

namespace {

// Contrast as WCAG measures it: relative luminances, (lighter + 0.05) / (darker + 0.05).
double luminance(const QColor& colour)
{
    auto linear = [](int channel) {
        const double v = channel / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red()) + 0.7152 * linear(colour.green()) +
           0.0722 * linear(colour.blue());
}

double contrast(const QColor& a, const QColor& b)
{
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

} // namespace

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void controlsStandWhereDesigned_data();
    void controlsStandWhereDesigned();
    void windowIsFixedNavyAndCaptioned();
    void focusStartsOnOkAndFollowsTheDesignedOrder();
    void enterPressesOk_data();
    void enterPressesOk();
    void okStoresTheTextUnchanged_data();
    void okStoresTheTextUnchanged();
    void okAgainShowsTheLoadedGameWithoutReloading();
    void closingTheGameThenOkLoadsAFreshOne();
    void programEndsWithItsLastWindow();
    void typingOffersTheTileSetsThereAre();
    void everyControlShowsItsFocusPlainly_data();
    void everyControlShowsItsFocusPlainly();

private:
    template <class T> T* child(const char* name) const
    {
        T* widget = window_->findChild<T*>(QLatin1String(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }

    Module1* module_ = nullptr;
    startup* window_ = nullptr;
};

void StartupTest::init()
{
    module_ = new Module1;
    window_ = new startup(*module_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
}

void StartupTest::cleanup()
{
    delete module_->game;
    delete window_;
    delete module_;
}

void StartupTest::controlsStandWhereDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("bold");

    QTest::newRow("Picture1") << "Picture1" << QRect(60, 60, 4575, 2715) << "" << false;
    QTest::newRow("Label2") << "Label2" << QRect(60, 2940, 4575, 675) << "" << true;
    QTest::newRow("Label1") << "Label1" << QRect(60, 3720, 2295, 315) << "SELECT CARDSET" << true;
    QTest::newRow("Text1") << "Text1" << QRect(2340, 3720, 495, 315) << "1" << false;
    QTest::newRow("Command2") << "Command2" << QRect(3120, 3720, 615, 315) << "INFO" << true;
    QTest::newRow("Command1") << "Command1" << QRect(4020, 3720, 615, 315) << "OK" << true;
}

void StartupTest::controlsStandWhereDesigned()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    QFETCH(QString, caption);
    QFETCH(bool, bold);

    auto* widget = window_->findChild<QWidget*>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(),
             QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
    QCOMPARE(widget->font().bold(), bold);
    if (auto* label = qobject_cast<QLabel*>(widget); label && !caption.isEmpty())
        QCOMPARE(label->text(), caption);
    if (auto* button = qobject_cast<QPushButton*>(widget))
        QCOMPARE(button->text(), caption);
    if (auto* box = qobject_cast<QLineEdit*>(widget))
        QCOMPARE(box->text(), caption);
}

void StartupTest::windowIsFixedNavyAndCaptioned()
{
    QCOMPARE(window_->windowTitle(), QStringLiteral("Option"));
    QCOMPARE(window_->size(), QSize(315, 289));
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
    const Qt::WindowFlags flags = window_->windowFlags();
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!window_->isMaximized());
    QCOMPARE(window_->palette().color(QPalette::Window), QColor(0, 0, 128));
    auto* credits = child<QLabel>("Label2");
    QCOMPARE(credits->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(credits->text().count(QLatin1Char('\n')), 1);
    const QPixmap picture = child<QLabel>("Picture1")->pixmap();
    QCOMPARE(picture.size(), QSize(300, 178));
}

void StartupTest::focusStartsOnOkAndFollowsTheDesignedOrder()
{
    // The window system activates a new window; a Wayland compositor may not (see activate()).
    QVERIFY(testing::activate(window_));
    QCOMPARE(QApplication::focusWidget(), child<QPushButton>("Command1"));
    const char* order[] = {"Text1", "Picture1", "Command2", "Command1"};
    for (const char* name : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(name));
    }
}

void StartupTest::enterPressesOk_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::newRow("Return on OK") << "Command1" << int(Qt::Key_Return);
    QTest::newRow("Return in the text box") << "Text1" << int(Qt::Key_Return);
    QTest::newRow("keypad Enter in the text box") << "Text1" << int(Qt::Key_Enter);
    QTest::newRow("Return on the picture") << "Picture1" << int(Qt::Key_Return);
}

void StartupTest::enterPressesOk()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    auto* target = window_->findChild<QWidget*>(focus);
    target->setFocus();
    child<QLineEdit>("Text1")->setText(QStringLiteral("typed"));
    QTest::keyClick(target, Qt::Key(key));
    QVERIFY(module_->game);
    QCOMPARE(module_->CardSet, QStringLiteral("typed"));
    // Once, not twice: the text box hands Enter on after its own returnPressed.
    QCOMPARE(window_->findChildren<Game*>().size() + (module_->game ? 1 : 0), 1);
}

void StartupTest::okStoresTheTextUnchanged_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("default") << "1";
    QTest::newRow("empty") << "";
    QTest::newRow("blanks") << "   ";
    QTest::newRow("dot dot") << "..";
    QTest::newRow("slash") << "a/b";
    QTest::newRow("back-slash") << "a\\b";
    QTest::newRow("padded") << " 1 ";
    QTest::newRow("long") << QString(1000, QLatin1Char('x'));
    QTest::newRow("Cyrillic") << QStringLiteral("Рыбы");
}

void StartupTest::okStoresTheTextUnchanged()
{
    QFETCH(QString, typed);
    auto* box = child<QLineEdit>("Text1");
    box->setMaxLength(32767);
    box->setText(typed);
    QTest::mouseClick(child<QPushButton>("Command1"), Qt::LeftButton);
    QCOMPARE(module_->CardSet, typed);
    QVERIFY(module_->game);
    QCOMPARE(module_->game->windowTitle(), QStringLiteral("Form1"));
    QVERIFY(module_->game->isVisible());
    QVERIFY(module_->game->windowState() & Qt::WindowMaximized);
    QVERIFY(window_->isVisible());
}

void StartupTest::okAgainShowsTheLoadedGameWithoutReloading()
{
    auto* ok = child<QPushButton>("Command1");
    QTest::mouseClick(ok, Qt::LeftButton);
    Game* first = module_->game;
    QVERIFY(first);
    // Change the game: lift the free tile 0 (it lifts even before the deal).
    first->Image1_Click(0);
    const board::TilePlace lifted = first->board().PlaceOf(0);
    first->hide();

    child<QLineEdit>("Text1")->setText(QStringLiteral("2"));
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(module_->game.data(), first);
    QVERIFY(first->isVisible());
    QVERIFY(first->board().PlaceOf(0) == lifted);
    QCOMPARE(first->board().SelectedPosition(), 0);
    QCOMPARE(module_->CardSet, QStringLiteral("2"));
}

void StartupTest::closingTheGameThenOkLoadsAFreshOne()
{
    auto* ok = child<QPushButton>("Command1");
    QTest::mouseClick(ok, Qt::LeftButton);
    QPointer<Game> first = module_->game.data();
    first->Image1_Click(0);
    QVERIFY(first->close());
    QTRY_VERIFY(!first); // deleted on close
    QVERIFY(!module_->game);

    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(module_->game);
    const board::Board fresh;
    QVERIFY(module_->game->board().PlaceOf(0) == fresh.PlaceOf(0));
    QCOMPARE(module_->game->board().SelectedFace(), -1);
}

void StartupTest::programEndsWithItsLastWindow()
{
    QTest::mouseClick(child<QPushButton>("Command1"), Qt::LeftButton);
    QPointer<Game> game = module_->game.data();
    QVERIFY(QTest::qWaitForWindowExposed(game));

    // Inside the real event loop, since only a running program can end. The start-up window
    // goes first and the game goes on; the game's close then ends the program.
    bool gameOutlivedStartup = false;
    bool timedOut = false;
    QTimer::singleShot(0, window_, [&] { window_->close(); });
    QTimer::singleShot(200, game, [&] {
        gameOutlivedStartup = game && game->isVisible();
        game->close();
    });
    QTimer::singleShot(5000, qApp, [&] {
        timedOut = true;
        QCoreApplication::quit();
    });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(gameOutlivedStartup);
    QVERIFY(!timedOut);
}

void StartupTest::typingOffersTheTileSetsThereAre()
{
    QTemporaryDir workingDir;
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(workingDir.path()));
    const QString northern = QStringLiteral("Рыбы Северного моря");
    for (const QString& set : {QStringLiteral("1"), QStringLiteral("sea"), QStringLiteral("Shells"),
                               QStringLiteral("river"), northern})
        QVERIFY(QDir().mkpath(QStringLiteral("fish/") + set));
    QFile(QStringLiteral("fish/stray.bmp")).open(QIODevice::WriteOnly); // a file, not a set

    auto* box = child<QLineEdit>("Text1");
    auto* offers = child<QListWidget>("suggestions");
    auto offered = [&] {
        QStringList names;
        for (int row = 0; row < offers->count(); ++row)
            names << offers->item(row)->text();
        return names;
    };
    QVERIFY(testing::activate(window_));
    box->setFocus();
    box->clear();
    QTest::keyClicks(box, QStringLiteral("s"));
    QCOMPARE(offered(), (QStringList{QStringLiteral("sea"), QStringLiteral("Shells")}));
    QVERIFY(offers->isVisible());
    QVERIFY(!offers->isActiveWindow());
    QCOMPARE(QApplication::focusWidget(), box);

    // One click on OK is OK, with the offers showing: the typed text goes through unchanged.
    QTest::mouseClick(child<QPushButton>("Command1"), Qt::LeftButton);
    QCOMPARE(module_->CardSet, QStringLiteral("s"));
    QVERIFY(module_->game);
    QVERIFY(!offers->isVisible());
    delete module_->game;

    // The arrows put each offer into the box and come back to what was typed; one Enter is OK.
    QVERIFY(testing::activate(window_));
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("h"));
    QCOMPARE(offered(), (QStringList{QStringLiteral("Shells")}));
    QTest::keyClick(box, Qt::Key_Down);
    QCOMPARE(box->text(), QStringLiteral("Shells"));
    QTest::keyClick(box, Qt::Key_Down);
    QCOMPARE(box->text(), QStringLiteral("sh"));
    QTest::keyClick(box, Qt::Key_Up);
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(module_->CardSet, QStringLiteral("Shells"));
    QVERIFY(module_->game);
    delete module_->game;

    // Escape puts the offers away and takes nothing else; a name is offered readable in full.
    QVERIFY(testing::activate(window_));
    box->setFocus();
    box->clear();
    QTest::sendKeyEvent(QTest::Click, box, Qt::Key(0x0420), QStringLiteral("р"), {});
    QCOMPARE(offered(), QStringList{northern});
    QVERIFY(offers->viewport()->width() >= offers->fontMetrics().horizontalAdvance(northern));
    QTest::keyClick(box, Qt::Key_Escape);
    QVERIFY(!offers->isVisible());
    QCOMPARE(box->text(), QStringLiteral("р"));
    QVERIFY(!module_->game);
    QDir::setCurrent(before);
}

void StartupTest::everyControlShowsItsFocusPlainly_data()
{
    QTest::addColumn<QString>("window"); // Option, Form1 (the game) or Form2 (the help)
    QTest::addColumn<QString>("control");
    for (const char* name : {"Command1", "Text1", "Picture1", "Command2"})
        QTest::addRow("Option %s", name) << "Option" << name;
    for (const char* name : {"Command1", "Text1", "Text2", "Command2", "Command3"})
        QTest::addRow("Form1 %s", name) << "Form1" << name;
    QTest::newRow("Form2 Command1") << "Form2"
                                    << "Command1";
}

void StartupTest::everyControlShowsItsFocusPlainly()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QTemporaryDir workingDir;
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(workingDir.path()));
    QVERIFY(testing::writePlainTileSet(QStringLiteral("1")));
    QWidget* shown = window_;
    if (window != QLatin1String("Option")) {
        QTest::mouseClick(child<QPushButton>("Command1"), Qt::LeftButton);
        shown = module_->game;
    }
    if (window == QLatin1String("Form2")) {
        QTest::mouseClick(shown->findChild<QPushButton*>(QStringLiteral("Command2")),
                          Qt::LeftButton);
        shown = module_->help;
    }
    QDir::setCurrent(before);
    QVERIFY(shown);
    QCOMPARE(shown->windowTitle(), window);
    QVERIFY(testing::activate(shown));
    auto* target = shown->findChild<QWidget*>(control);
    QVERIFY(target);

    // The pixels 2 to 4 outside the control, all round: one colour that stands out 3:1 against
    // the window and the control, shown for the keyboard and not after a click.
    const QRect around = target->geometry();
    auto ringColours = [&] {
        const QImage shot = shown->grab().toImage();
        QSet<QRgb> colours;
        for (int out = 2; out <= 4; ++out) {
            const QRect ring = around.adjusted(-out, -out, out, out);
            for (int x = ring.left(); x <= ring.right(); ++x)
                colours << shot.pixel(x, ring.top()) << shot.pixel(x, ring.bottom());
            for (int y = ring.top(); y <= ring.bottom(); ++y)
                colours << shot.pixel(ring.left(), y) << shot.pixel(ring.right(), y);
        }
        return colours;
    };
    const QColor behind = shown->palette().color(QPalette::Window);
    target->clearFocus();
    target->setFocus(Qt::MouseFocusReason);
    QVERIFY(ringColours().contains(behind.rgb()));
    // A menu closing gives the focus back as it came: still no ring.
    QFocusEvent menuClosed(QEvent::FocusIn, Qt::PopupFocusReason);
    QApplication::sendEvent(target, &menuClosed);
    QVERIFY(ringColours().contains(behind.rgb()));
    QTest::keyClick(target, Qt::Key_Shift);
    const QSet<QRgb> ring = ringColours();
    QCOMPARE(ring.size(), 1);
    const QColor colour = QColor::fromRgb(*ring.begin());
    const QColor face = target->palette().color(target->backgroundRole());
    QVERIFY2(contrast(colour, behind) >= 3.0,
             qPrintable(colour.name() + QLatin1String(" on ") + behind.name()));
    QVERIFY2(contrast(colour, face) >= 3.0,
             qPrintable(colour.name() + QLatin1String(" on ") + face.name()));

    target->clearFocus();
    target->setFocus(Qt::TabFocusReason);
    QCOMPARE(ringColours(), ring);
}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
