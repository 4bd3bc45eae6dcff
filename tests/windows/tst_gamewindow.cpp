// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game window: its design, and what its handlers show of the board.

// Local
#include "board/layout.h"
#include "windows/designscale.h"
#include "windows/form2help.h"
#include "windows/game.h"
#include "windows/module1.h"
#include "windows/tileview.h"

// Local
#include "tests/support/playing.h"
#include "tests/support/tilesetfiles.h"
#include "tests/support/windowsystem.h"

// Qt
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBoundaryFinder>
#include <QTimer>

namespace {

// A deal of this seed can be cleared.
constexpr std::uint32_t kClearableSeed = 2;
const QColor kNavy(0, 0, 128);

// A BMP header that claims a picture of width x height and holds no pixels.
QByteArray bmpHeader(qint32 width, qint32 height)
{
    QByteArray bytes(54, '\0');
    auto put = [&](int at, quint32 value, int size) {
        for (int i = 0; i < size; ++i)
            bytes[at + i] = char((value >> (8 * i)) & 0xff);
    };
    bytes[0] = 'B', bytes[1] = 'M';
    put(2, 54 + 3 * 4, 4), put(10, 54, 4), put(14, 40, 4);
    put(18, quint32(width), 4), put(22, quint32(height), 4), put(26, 1, 2), put(28, 24, 2);
    return bytes;
}

} // namespace

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
    void theDesignFillsTheWindowAtOneZoom_data();
    void theDesignFillsTheWindowAtOneZoom();
    void startDealsTheSetAndBecomesNew();
    void aDoubleClickOnStartKeepsTheDeal();
    void aSetThatCannotBeReadDealsNothing_data();
    void aSetThatCannotBeReadDealsNothing();
    void picturesOfOddSizesAreShownAtTheirOwnSize();
    void aClickLiftsTheTileUnderThePointer();
    void hintShiftsThePairOnScreen();
    void hintMovesNothingButItsPairAndKeepsItInReach();
    void clockCountsFromTheDeal();
    void theLastPairStartsTheShowAndEverythingStillWorks();
    void newClosesTheWindowAndEndsTheShow();

private:
    void deal(std::uint32_t seed);
    void winTheGame();
    QColor colourAt(QPoint pixel) const { return game_->grab().toImage().pixelColor(pixel); }

    template <class T> T* child(const char* name) const
    {
        T* widget = game_->findChild<T*>(QLatin1String(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }

    Module1 module_;
    QPointer<Game> game_;
    QTemporaryDir workingDir_;
    float now_ = 50000;
};

void GameWindowTest::init()
{
    QVERIFY(QDir::setCurrent(workingDir_.path()));
    if (!QDir(QStringLiteral("fish/1")).exists())
        QVERIFY(testing::writePlainTileSet(QStringLiteral("1")));
    module_.CardSet = QStringLiteral("1");
    now_ = 14 * 3600.0f + 5 * 60 + 7;
    game_ = new Game(module_);
    game_->setTimeOfDay([this] { return now_; });
    game_->showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(game_));
}

void GameWindowTest::cleanup()
{
    delete game_;
    // HELP opens a window of its own, which would outlive the test's QApplication otherwise.
    delete module_.help;
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
    const DesignScale& scale = game_->tileView()->scale();
    QCOMPARE(widget->geometry(), scale.toPixelRect(twips));
    // The default font, 8.25 pt at 96 dpi, grows with the zoom.
    QCOMPARE(widget->font().pixelSize(), qRound(11 * scale.zoom()));
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
    // Maximized is a request; on Wayland the compositor grants it by the size it gives the window.
    QTRY_COMPARE(game_->frameGeometry().size(), game_->screen()->availableSize());
    QCOMPARE(game_->palette().color(QPalette::Window), QColor(0, 0, 128));
    auto* timer = game_->findChild<QTimer*>(QStringLiteral("Timer1"));
    QVERIFY(timer);
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 1000);
    // The design's text stays until the first tick; before the deal the clock tells the time of
    // day as minutes and seconds since midnight.
    QCOMPARE(child<QLineEdit>("Text2")->text(), QStringLiteral("Text2"));
    QTRY_COMPARE_WITH_TIMEOUT(child<QLineEdit>("Text2")->text(), QStringLiteral("     845:7"),
                              3000);
    // START holds the focus first; then the status box, the clock, HELP, HINT.
    QApplication::setActiveWindow(game_);
    QCOMPARE(QApplication::focusWidget(), child<QPushButton>("Command1"));
    QCOMPARE(child<QPushButton>("Command1")->nextInFocusChain(), child<QLineEdit>("Text1"));
    QCOMPARE(child<QLineEdit>("Text1")->nextInFocusChain(), child<QLineEdit>("Text2"));
    QCOMPARE(child<QLineEdit>("Text2")->nextInFocusChain(), child<QPushButton>("Command2"));
    QCOMPARE(child<QPushButton>("Command2")->nextInFocusChain(), child<QPushButton>("Command3"));
}

void GameWindowTest::tilesStandAtTheirDesignPlacesBeforeTheDeal()
{
    const TileView* view = game_->tileView();
    const DesignScale& scale = view->scale();
    for (int p = 0; p < board::layout::kPositions; ++p) {
        const auto place = board::layout::kPlaces[p];
        const QRectF exact = scale.toPixels(QRectF(place.left, place.top, 1200, 780));
        QVERIFY(qAbs(view->tileRect(p).left() - exact.left()) <= 0.5);
        QVERIFY(qAbs(view->tileRect(p).top() - exact.top()) <= 0.5);
        QVERIFY(qAbs(view->tileRect(p).width() - exact.width()) <= 0.5);
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
    QCOMPARE(view->tileAt(view->scale().toPixels(QPointF(twips))), tile);
}

void GameWindowTest::helpBeforeItsWindowExistsDoesNothingHarmful()
{
    QTest::mouseClick(child<QPushButton>("Command2"), Qt::LeftButton);
    QVERIFY(game_);
    QVERIFY(game_->isVisible());
}

void GameWindowTest::deal(std::uint32_t seed)
{
    game_->setRandomSeed(seed);
    QTest::mouseClick(child<QPushButton>("Command1"), Qt::LeftButton);
    QCOMPARE(game_->board().Started(), 1);
}

void GameWindowTest::winTheGame()
{
    deal(kClearableSeed);
    const std::vector<testing::Pair> order = testing::clearingOrder(game_->board());
    QCOMPARE(int(order.size()), 66);
    for (const auto& [first, second] : order) {
        game_->Image1_Click(first);
        game_->Image1_Click(second);
    }
}

void GameWindowTest::theDesignFillsTheWindowAtOneZoom_data()
{
    QTest::addColumn<QSize>("asked");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<int>("noteBand"); // twips below the board kept for the note
    // Below the design at its own size the faces' numbers blur: the window goes no smaller, and
    // leaves no margin for the note but a band it makes room for.
    QTest::newRow("300 x 200") << QSize(300, 200) << QSize(624, 498) << 480;
    QTest::newRow("1366 x 768") << QSize(1366, 730) << QSize(1366, 730) << 0;
    QTest::newRow("1920 x 1080") << QSize(1920, 1050) << QSize(1920, 1050) << 0;
    QTest::newRow("3840 x 2160") << QSize(3840, 2130) << QSize(3840, 2130) << 0;
    QTest::newRow("tall") << QSize(700, 1200) << QSize(700, 1200) << 0;
}

void GameWindowTest::theDesignFillsTheWindowAtOneZoom()
{
    QFETCH(QSize, asked);
    QFETCH(QSize, window);
    QFETCH(int, noteBand);
    QVERIFY(testing::leaveMaximized(game_)); // on Wayland the compositor's to grant, later
    game_->resize(asked);
    QCOMPARE(game_->size(), window);
    deal(7);
    TileView* view = game_->tileView();
    const DesignScale& scale = view->scale();
    // The board and its margins, with room above for a lifted tile, span the window's width or
    // height, centred in the other.
    const QRectF design = scale.toPixels(QRectF(0, -140, 9360, 6980 + noteBand));
    QVERIFY(qAbs(design.width() - window.width()) < 1 ||
            qAbs(design.height() - window.height()) < 1);
    QVERIFY(design.width() <= window.width() + 0.5 && design.height() <= window.height() + 0.5);
    QVERIFY(qAbs(design.center().x() - window.width() / 2.0) < 1);
    QVERIFY(qAbs(design.center().y() - window.height() / 2.0) < 1);
    QCOMPARE(child<QPushButton>("Command3")->geometry(),
             scale.toPixelRect(QRect(6960, 120, 555, 375)));

    // Every pixel shows the face of the tile a click there would hit (the faces are plain colours).
    const QImage shot = view->grab().toImage();
    for (int y = 0; y < shot.height(); y += 5)
        for (int x = 0; x < shot.width(); x += 5) {
            const int tile = view->tileAt(QPointF(x + 0.5, y + 0.5));
            const QRgb expected = tile < 0
                                      ? kNavy.rgb()
                                      : testing::plainFaceColour(game_->board().FaceAt(tile)).rgb();
            if (shot.pixel(x, y) != expected)
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2 shows %3, a click hits tile %4")
                                     .arg(x)
                                     .arg(y)
                                     .arg(shot.pixel(x, y), 0, 16)
                                     .arg(tile)));
        }
}

void GameWindowTest::startDealsTheSetAndBecomesNew()
{
    const QPoint tile0 = game_->tileView()->tileRect(0).center();
    QCOMPARE(colourAt(tile0), kNavy);
    // Enter on the focused START deals, as a click does.
    game_->setRandomSeed(7);
    child<QPushButton>("Command1")->setFocus();
    QTest::keyClick(child<QPushButton>("Command1"), Qt::Key_Return);
    QCOMPARE(game_->board().Started(), 1);
    QCOMPARE(child<QPushButton>("Command1")->text(), QStringLiteral("NEW"));
    QCOMPARE(child<QLineEdit>("Text1")->text(), QStringLiteral("1"));
    // Tile 0 shows the colour of its face.
    const int face = game_->board().FaceAt(0);
    QCOMPARE(colourAt(tile0).rgb(), testing::plainFaceColour(face).rgb());
    QCOMPARE(game_->board().DealTime(), now_);
}

void GameWindowTest::aDoubleClickOnStartKeepsTheDeal()
{
    // As X delivers a double-click to a widget: a click, then a double-click event and a release
    // for the second press.
    auto* start = child<QPushButton>("Command1");
    QTest::mouseClick(start, Qt::LeftButton);
    QTest::mouseDClick(start, Qt::LeftButton);
    QTest::mouseRelease(start, Qt::LeftButton);
    QVERIFY(game_->isVisible());
    QCOMPARE(game_->board().Started(), 1);
    QCOMPARE(start->text(), QStringLiteral("NEW"));
    // A separate click later is NEW.
    QTest::mouseClick(start, Qt::LeftButton);
    QVERIFY(!game_->isVisible());
}

void GameWindowTest::aSetThatCannotBeReadDealsNothing_data()
{
    QTest::addColumn<QString>("cardSet");
    QTest::addColumn<QString>("damage"); // what is done to fish/<cardSet> first
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("reason");

    QTest::newRow("missing 7.bmp") << "m"
                                   << "remove 7"
                                   << "fish/m/7.bmp"
                                   << "no such file";
    QTest::newRow("empty 12.bmp") << "e"
                                  << "empty 12"
                                  << "fish/e/12.bmp"
                                  << "empty";
    QTest::newRow("folder 3.bmp") << "d"
                                  << "folder 3"
                                  << "fish/d/3.bmp"
                                  << "folder";
    QTest::newRow("text as 5.bmp") << "t"
                                   << "text 5"
                                   << "fish/t/5.bmp"
                                   << "not a picture";
    // A bitmap cut short would be read without a word, its missing rows garbage.
    QTest::newRow("9.bmp cut in its header") << "c"
                                             << "truncate 9"
                                             << "fish/c/9.bmp"
                                             << "holds 30 bytes; its header alone takes 54";
    QTest::newRow("9.bmp cut after 100 bytes")
        << "c"
        << "cut 9 100"
        << "fish/c/9.bmp"
        << "holds 100 bytes; its header says it needs 12,534";
    QTest::newRow("9.bmp cut after 3,000 bytes")
        << "c"
        << "cut 9 3000"
        << "fish/c/9.bmp"
        << "holds 3,000 bytes; its header says it needs 12,534";
    QTest::newRow("9.bmp cut in its last row")
        << "c"
        << "cut 9 12500"
        << "fish/c/9.bmp"
        << "holds 12,500 bytes; its header says it needs 12,534";
    // A header may state more pixel bytes than the rows take: 5.bmp is read, and 7.bmp named.
    QTest::newRow("5.bmp claims more pixel bytes than its rows take") << "o"
                                                                      << "claim 5 20000, remove 7"
                                                                      << "fish/o/7.bmp"
                                                                      << "no such file";
    QTest::newRow("9.bmp with a negative width")
        << "c"
        << "claim 9 -80 18"
        << "fish/c/9.bmp"
        << "the picture has no pixels (the header gives a width of -80 pixels";
    QTest::newRow("9.bmp with a width of 0") << "c"
                                             << "claim 9 0 18"
                                             << "fish/c/9.bmp"
                                             << "the header gives a width of 0 pixels";
    QTest::newRow("9.bmp with a height of 0") << "c"
                                              << "claim 9 0 22"
                                              << "fish/c/9.bmp"
                                              << "the header gives a height of 0 pixels";
    QTest::newRow("huge 2.bmp") << "h"
                                << "huge 2"
                                << "fish/h/2.bmp"
                                << "too large";
    // All three at once: the first in the order of reading is named.
    QTest::newRow("7 missing, 12 empty, 3 a folder") << "all"
                                                     << "remove 7, empty 12, folder 3"
                                                     << "fish/all/3.bmp"
                                                     << "folder";
    QTest::newRow("no such set") << "nothing"
                                 << ""
                                 << "fish/nothing/1.bmp"
                                 << "no such file";
    QTest::newRow("empty name") << ""
                                << ""
                                << "fish//1.bmp"
                                << "no such file";
    QTest::newRow("blanks") << "  "
                            << ""
                            << "fish/  /1.bmp"
                            << "no such file";
    QTest::newRow("dot dot") << ".."
                             << ""
                             << "fish/../1.bmp"
                             << "no such file";
    QTest::newRow("separator") << "a/b"
                               << ""
                               << "fish/a/b/1.bmp"
                               << "no such file";
    QTest::newRow("back-slash") << "a\\b"
                                << ""
                                << "fish/a\\b/1.bmp"
                                << "no such file";
    QTest::newRow("non-ASCII") << "Рыбы"
                               << ""
                               << "fish/Рыбы/1.bmp"
                               << "no such file";
    // Emoji of two and of four UTF-16 units (a thumb with a skin tone), 30 of them.
    const QString emoji = QString::fromUtf16(u"🐟👍🏽").repeated(15);
    QTest::newRow("30 emoji") << emoji << "" << QStringLiteral("fish/%1/1.bmp").arg(emoji)
                              << "no such file";
    const QString longName(1000, QLatin1Char('x'));
    // Shown by its ends, so that the message fits on the screen.
    QTest::newRow("1000 characters")
        << longName << ""
        << QStringLiteral("fish/%1…%2/1.bmp").arg(QString(43, u'x'), QString(41, u'x'))
        << "too long";
}

void GameWindowTest::aSetThatCannotBeReadDealsNothing()
{
    QFETCH(QString, cardSet);
    QFETCH(QString, damage);
    QFETCH(QString, file);
    QFETCH(QString, reason);

    if (!damage.isEmpty())
        QVERIFY(testing::writePlainTileSet(cardSet));
    for (const QString& defect : damage.split(QStringLiteral(", "), Qt::SkipEmptyParts)) {
        const QStringList words = defect.split(QLatin1Char(' '));
        const QString path = QStringLiteral("fish/%1/%2.bmp").arg(cardSet, words[1]);
        QFile::remove(path);
        QFile bytes(path);
        if (words[0] == QLatin1String("empty")) {
            QVERIFY(bytes.open(QIODevice::WriteOnly));
        } else if (words[0] == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(path));
        } else if (words[0] == QLatin1String("text")) {
            QVERIFY(bytes.open(QIODevice::WriteOnly));
            bytes.write("these are not the pixels you are looking for\n");
        } else if (words[0] == QLatin1String("truncate")) {
            QVERIFY(bytes.open(QIODevice::WriteOnly));
            bytes.write(bmpHeader(80, 52).left(30));
        } else if (words[0] == QLatin1String("cut") || words[0] == QLatin1String("claim")) {
            // A face of the plain set: 80 x 52 pixels, 24 bits, 12,534 bytes.
            QVERIFY(testing::writePlainTileSet(QStringLiteral("whole")));
            QFile whole(QStringLiteral("fish/whole/%1.bmp").arg(words[1]));
            QVERIFY(whole.open(QIODevice::ReadOnly));
            QByteArray picture = whole.readAll();
            QCOMPARE(picture.size(), 12534);
            const int number = words[2].toInt();
            if (words[0] == QLatin1String("cut"))
                picture.truncate(number);
            else // a 32-bit number of the header: where given, else at 34, the pixels' size
                for (int i = 0, at = words.value(3, QStringLiteral("34")).toInt(); i < 4; ++i)
                    picture[at + i] = char(number >> (8 * i));
            QVERIFY(bytes.open(QIODevice::WriteOnly));
            bytes.write(picture);
        } else if (words[0] == QLatin1String("huge")) {
            QVERIFY(bytes.open(QIODevice::WriteOnly));
            bytes.write(bmpHeader(20000, 20000));
        }
    }
    module_.CardSet = cardSet;
    QTest::mouseClick(child<QPushButton>("Command1"), Qt::LeftButton);

    auto* box = game_->findChild<QMessageBox*>(QStringLiteral("problem"));
    QVERIFY(box);
    QVERIFY(box->isVisible());
    // Long names may carry invisible breaks, so that the message wraps within the box; each
    // stands between two whole characters, or the characters around it show broken. A break is a
    // character of its own, so the breaks add just their number to the characters of the text.
    QString message = box->text() + QLatin1Char('\n') + box->informativeText();
    auto characters = [](const QString& text) {
        QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
        int count = 0;
        while (finder.toNextBoundary() > 0)
            ++count;
        return count;
    };
    const int withBreaks = characters(message);
    const int breaks = int(message.count(QChar(0x200B)));
    message.remove(QChar(0x200B));
    QCOMPARE(withBreaks, characters(message) + breaks);
    QVERIFY2(message.contains(file), qPrintable(message));
    QVERIFY2(message.contains(reason, Qt::CaseInsensitive), qPrintable(message));
    for (const QLabel* label : box->findChildren<QLabel*>())
        QVERIFY2(label->minimumSizeHint().width() <= box->width(), qPrintable(label->text()));
    // Nothing was dealt, and the game goes on.
    QCOMPARE(game_->board().Started(), 0);
    QCOMPARE(game_->board().PlacedCount(), -1);
    for (int p = 0; p < 132; ++p)
        QCOMPARE(game_->board().Placed(p), 0);
    QCOMPARE(child<QPushButton>("Command1")->text(), QStringLiteral("START"));
    QCOMPARE(child<QLineEdit>("Text1")->text(), QStringLiteral("Text1"));
    QVERIFY(game_->isVisible());
    box->close();

    // A readable set deals in the same window afterwards.
    module_.CardSet = QStringLiteral("1");
    QTest::mouseClick(child<QPushButton>("Command1"), Qt::LeftButton);
    QCOMPARE(game_->board().Started(), 1);
}

void GameWindowTest::picturesOfOddSizesAreShownAtTheirOwnSize()
{
    // A bigger face spills over its neighbours and a smaller one leaves a gap, as pictures are
    // shown unscaled; a click hits the picture's own area.
    QVERIFY(testing::writePlainTileSet(QStringLiteral("big"), 0, QSize(100, 60)));
    QVERIFY(testing::writePlainTileSet(QStringLiteral("odd"), 0, QSize(40, 30)));
    for (int face = 1; face <= 44; face += 2) // odd faces big, even ones small
        QVERIFY(QFile::remove(QStringLiteral("fish/odd/%1.bmp").arg(face)) &&
                QFile::copy(QStringLiteral("fish/big/%1.bmp").arg(face),
                            QStringLiteral("fish/odd/%1.bmp").arg(face)));
    // Bytes after the last row are no harm: some programs write a file a little longer.
    QFile padded(QStringLiteral("fish/odd/2.bmp"));
    QVERIFY(padded.open(QIODevice::Append));
    padded.write(QByteArray(100, '\x7f'));
    padded.close();
    module_.CardSet = QStringLiteral("odd");
    deal(7);
    const TileView* view = game_->tileView();
    const double zoom = view->scale().zoom();
    for (int p = 0; p < 132; ++p) {
        const QSize picture = game_->board().FaceAt(p) % 2 ? QSize(100, 60) : QSize(40, 30);
        QCOMPARE(view->tileRect(p).size(), (QSizeF(picture) * zoom).toSize());
    }
    const QRect tile131 = view->tileRect(131);
    QCOMPARE(view->tileAt(tile131.bottomRight()), 131);
    QVERIFY(view->tileAt(tile131.bottomRight() + QPoint(1, 1)) != 131);
}

void GameWindowTest::aClickLiftsTheTileUnderThePointer()
{
    deal(7);
    TileView* view = game_->tileView();
    QTest::mouseClick(view, Qt::LeftButton, {}, view->tileRect(0).center());
    QCOMPARE(child<QLineEdit>("Text1")->text(), QStringLiteral("OK!"));
    QCOMPARE(game_->board().Left(0), 7860 + 200.0f);
    QCOMPARE(game_->board().Top(0), 60 - 200.0f);
    // A selected tile is ringed in cyan all round, even where the tiles above it cover it: 17,
    // lifted, slides under 77 of the next layer.
    QTest::mouseClick(view, Qt::LeftButton, {}, view->tileRect(0).center()); // put down
    QTest::mouseClick(view, Qt::LeftButton, {}, view->tileRect(17).center());
    const QRect lifted = view->tileRect(17);
    QCOMPARE(view->tileAt(QPoint(lifted.center().x(), lifted.top() + 2)), 77);
    const QImage shot = view->grab().toImage();
    for (const QPoint& edge : {QPoint(lifted.center().x(), lifted.top() + 2),
                               QPoint(lifted.center().x(), lifted.bottom() - 2),
                               QPoint(lifted.left() + 2, lifted.center().y())})
        QCOMPARE(shot.pixelColor(edge), QColor(0, 230, 255));
    QCOMPARE(child<QLineEdit>("Text1")->toolTip(), QString());
    QTest::mouseClick(view, Qt::LeftButton, {}, view->tileRect(17).center()); // put down
    // 5 is held from above and below in its column.
    QTest::mouseClick(view, Qt::LeftButton, {}, view->tileRect(5).center());
    QCOMPARE(child<QLineEdit>("Text1")->text(), QStringLiteral("NOT FREE!!!"));
    // A press on one tile and a release on another is no click.
    QTest::mousePress(view, Qt::LeftButton, {}, view->tileRect(9).center());
    QTest::mouseRelease(view, Qt::LeftButton, {}, view->tileRect(62).center());
    QCOMPARE(child<QLineEdit>("Text1")->text(), QStringLiteral("NOT FREE!!!"));
}

void GameWindowTest::hintShiftsThePairOnScreen()
{
    deal(7);
    board::Board expected = game_->board();
    const board::Outcome hint = expected.Hint();
    QCOMPARE(hint.moves.size(), 2);
    const int i = hint.moves[0].position;
    const board::TilePlace before = game_->board().PlaceOf(i);
    const QRect drawnBefore = game_->tileView()->tileRect(i);
    QTest::mouseClick(child<QPushButton>("Command3"), Qt::LeftButton);
    QCOMPARE(game_->board().Left(i), before.left + 300);
    QCOMPARE(game_->board().Top(i), before.top - 300);
    const double shift = 300 * game_->tileView()->scale().pixelsPerTwip();
    QVERIFY(qAbs(game_->tileView()->tileRect(i).left() - drawnBefore.left() - shift) <= 1);
    QVERIFY(qAbs(game_->tileView()->tileRect(i).top() - drawnBefore.top() + shift) <= 1);
    QCOMPARE(child<QLineEdit>("Text1")->text(), QStringLiteral("1"));
}

void GameWindowTest::hintMovesNothingButItsPairAndKeepsItInReach()
{
    QVERIFY(testing::leaveMaximized(game_));
    game_->resize(1366, 730);
    // Seed 6 deals the top tile and tile 0, of the top row, as the first pair the hint shows.
    deal(6);
    TileView* view = game_->tileView();
    const QList<QRect> controls{QRect(426, 27, 70, 39), QRect(840, 27, 58, 39),
                                QRect(921, 27, 58, 39), QRect(369, 674, 184, 32),
                                QRect(871, 680, 83, 26)};
    const char* names[] = {"Command1", "Command2", "Command3", "Text1", "Text2"};
    QList<QRect> others;
    for (int p = 1; p < 131; ++p)
        others << view->tileRect(p);
    for (int press = 0; press < 20; ++press)
        QTest::mouseClick(child<QPushButton>("Command3"), Qt::LeftButton, {}, QPoint(29, 19));
    QCOMPARE(game_->board().Top(0), 60 - 20 * 300.0f);
    for (int c = 0; c < 5; ++c)
        QCOMPARE(child<QWidget>(names[c])->geometry(), controls[c]);
    for (int p = 1; p < 131; ++p)
        QCOMPARE(view->tileRect(p), others[p - 1]);
    // The top tile shows two presses' shift, tile 0 only as far as the window's top.
    QCOMPARE(view->tileRect(0), QRect(1036, 0, 126, 82));
    QCOMPARE(view->tileRect(131), QRect(727, 228, 126, 82));
    // Both are taken with the mouse; at a zoom so small that the place of the taken tiles lies
    // in the window, they are neither drawn nor hit there.
    for (int tile : {131, 0}) {
        const QPoint centre = view->tileRect(tile).center();
        QCOMPARE(view->tileAt(centre), tile);
        QTest::mouseClick(view, Qt::LeftButton, {}, centre);
    }
    QCOMPARE(game_->board().PairsRemoved(), 1);
    view->setScale(DesignScale(0.3, QPointF(700, 400)));
    const QPoint parked = view->scale().toPixelRect(QRectF(-2000, -2000, 1200, 780)).center();
    QCOMPARE(view->tileAt(parked), -1);
    QCOMPARE(view->grab().toImage().pixelColor(parked), kNavy);
}

void GameWindowTest::clockCountsFromTheDeal()
{
    now_ = 3600;
    deal(7);
    game_->Timer1_Timer();
    QCOMPARE(child<QLineEdit>("Text2")->text(), QStringLiteral("     0:0"));
    now_ += 125.5f;
    game_->Timer1_Timer();
    QCOMPARE(child<QLineEdit>("Text2")->text(), QStringLiteral("     2:5"));
}

void GameWindowTest::theLastPairStartsTheShowAndEverythingStillWorks()
{
    winTheGame();
    QCOMPARE(child<QLineEdit>("Text1")->text(), QStringLiteral("Поздравляем!!!"));
    QVERIFY(game_->celebrating());
    // The first circle comes at once, the next ones every 50 ms.
    QCOMPARE(game_->tileView()->circlesDrawn(), 1);
    QTRY_VERIFY(game_->tileView()->circlesDrawn() >= 3);
    // The clock, HINT and HELP go on working during the show.
    now_ += 61;
    game_->Timer1_Timer();
    QCOMPARE(child<QLineEdit>("Text2")->text(), QStringLiteral("     1:1"));
    // The status box tells in English what its Russian says, in a tooltip and to screen readers.
    auto* status = child<QLineEdit>("Text1");
    QVERIFY(status->toolTip().contains(QLatin1String("Congratulations")));
    QTest::mouseClick(child<QPushButton>("Command3"), Qt::LeftButton);
    QCOMPARE(status->text(), QStringLiteral("Нет свободных пар"));
    QVERIFY(status->accessibleDescription().startsWith(QLatin1String("\"No free pairs\"")));
    QTest::mouseClick(child<QPushButton>("Command2"), Qt::LeftButton);
    QVERIFY(game_->celebrating());
    // Something other than navy is drawn around the middle of the window.
    const QImage shot = game_->grab().toImage();
    bool coloured = false;
    for (int y = 0; y < shot.height() && !coloured; y += 2)
        for (int x = 0; x < shot.width() && !coloured; x += 2)
            coloured = shot.pixelColor(x, y) != kNavy && game_->childAt(x, y) == game_->tileView();
    QVERIFY(coloured);
}

void GameWindowTest::newClosesTheWindowAndEndsTheShow()
{
    winTheGame();
    QVERIFY(game_->celebrating());
    QPointer<Game> game = game_;
    TileView* view = game_->tileView();
    const int drawn = view->circlesDrawn();
    QTest::mouseClick(child<QPushButton>("Command1"), Qt::LeftButton);
    // Unloaded: the show is over and nothing more is drawn, even before the window is deleted.
    QVERIFY(game);
    QVERIFY(!game->isVisible());
    QVERIFY(!game->celebrating());
    QCOMPARE(game->board().GameWon(), 0);
    QCOMPARE(view->circlesDrawn(), drawn);
    QTRY_VERIFY(!game);
}

QTEST_MAIN(GameWindowTest)
#include "tst_gamewindow.moc"
