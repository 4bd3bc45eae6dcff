// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/game.h"

// Local
#include "windows/colours.h"
#include "windows/focusring.h"
#include "windows/form2help.h"
#include "windows/gamecommands.h"
#include "windows/gamenote.h"
#include "windows/module1.h"
#include "windows/tileset.h"
#include "windows/tileview.h"

// Qt
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTime>

// Standard library
#include <chrono>

namespace {

constexpr int kCelebrationStepMs = 50;
// What the zoom fits into the window, at the least: the whole board with the margin it has at its
// left repeated at its right (tiles reach to 9060 x 6780), room above the top row for a tile
// lifted by a click, and the controls within.
const QRectF kDesignArea(QPointF(0, 60 - board::Board::kLift), QPointF(9360, 6840));

// Room for the game's note (see GameNote), in twips: a column at the board's left at least this
// wide, or a band below it at least this tall (two lines of text), and the gap around it.
constexpr double kNoteColumn = 1500;
constexpr double kNoteBand = 480;
constexpr double kNoteGap = 60;
// The design's controls have no font of their own: the default, 8.25 pt.
constexpr double kDefaultPoints = 8.25;

// The controls as designed, in twips.
const QRect kStart(2220, 120, 675, 375);
const QRect kHelp(6180, 120, 555, 375);
const QRect kHint(6960, 120, 555, 375);
const QRect kStatus(1680, 6300, 1755, 315);
const QRect kClock(6480, 6360, 795, 255);

float systemTimeOfDay()
{
    return float(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f;
}

QPushButton* yellowButton(const QString& name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, QColor(255, 255, 0));
    palette.setColor(QPalette::ButtonText, Qt::black);
    button->setPalette(palette);
    button->setAutoFillBackground(true);
    // Enter presses the button that has the focus, as Space does.
    button->setAutoDefault(true);
    return button;
}

QLineEdit* textBox(const QString& name, const QString& text, QWidget* parent)
{
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(name);
    return box;
}

// What the status box's Russian texts say, for a player who reads no Russian; empty for the others.
QString inEnglish(const QString& status)
{
    if (status == QString::fromUtf8("Поздравляем!!!"))
        return QStringLiteral("\"Congratulations!!!\": the board is clear, you have won.");
    if (status == QString::fromUtf8("Нет свободных пар"))
        return QStringLiteral("\"No free pairs\": no two free tiles are partners, so no pair can "
                              "be taken now.");
    return {};
}

} // namespace

Game::Game(Module1& module, QWidget* parent)
    : QWidget(parent), module_(module), timeOfDay_(systemTimeOfDay)
{
    setObjectName(QStringLiteral("Game"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Form1"));
    setBackground(this, QColor(0, 0, 128));

    Image1 = new TileView(board_, this);
    note_ = new GameNote(this);
    Command1 = yellowButton(QStringLiteral("Command1"), QStringLiteral("START"), this);
    Command2 = yellowButton(QStringLiteral("Command2"), QStringLiteral("HELP"), this);
    Command3 = yellowButton(QStringLiteral("Command3"), QStringLiteral("HINT"), this);
    Text1 = textBox(QStringLiteral("Text1"), QStringLiteral("Text1"), this);
    Text2 = textBox(QStringLiteral("Text2"), QStringLiteral("Text2"), this);
    // The board lies under the controls, which sit in its gaps.
    Image1->lower();

    layout_.place(Command1, kStart, kDefaultPoints);
    layout_.place(Command2, kHelp, kDefaultPoints);
    layout_.place(Command3, kHint, kDefaultPoints);
    layout_.place(Text1, kStatus, kDefaultPoints);
    layout_.place(Text2, kClock, kDefaultPoints);
    layout_.apply(scale_);
    // A tile the hint moves stops short of the controls and of their focus rings.
    const qreal ring = (FocusRing::kGap + FocusRing::kWidth) * DesignScale::kTwipsPerPixel;
    QList<QRectF> controls;
    for (const QRect& control : {kStart, kHelp, kHint, kStatus, kClock})
        controls << QRectF(control).adjusted(-ring, -ring, ring, ring);
    Image1->setKeepClearOf(controls);

    setTabOrder(Command1, Text1);
    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Command2);
    setTabOrder(Command2, Command3);
    // Then the board, for play from the keyboard.
    setTabOrder(Command3, Image1);
    // START has the focus when the window opens, first in the tab order as it is.
    Command1->setFocus();
    new FocusRing(this, {Command1, Text1, Text2, Command2, Command3}, kFocusOnNavy);
    Text1->setAccessibleName(QStringLiteral("Status"));
    connect(Text1, &QLineEdit::textChanged, this, [this](const QString& text) {
        Text1->setToolTip(inEnglish(text));
        Text1->setAccessibleDescription(inEnglish(text));
    });
    Text2->setAccessibleName(QStringLiteral("Clock"));

    // The numbers on the faces are drawn pixel by pixel, 7 pixels high: any smaller they blur.
    // So the window is never smaller than the design shown at its own size with the note's room
    // below, larger than the design's client area (which left the board to a maximized window).
    setMinimumSize(DesignScale::wholePixels(kDesignArea.size() + QSizeF(0, kNoteBand)));
    const QRect client = DesignScale().toPixelRect(QRectF(0, 0, 6480, 4785));
    resize(client.size().expandedTo(minimumSize()));
    Image1->setGeometry(rect());

    commands_ = new GameCommands(*this, *note_);

    connect(Command1, &QPushButton::clicked, this, &Game::Command1_Click);
    Command1->installEventFilter(this);
    connect(Command2, &QPushButton::clicked, this, &Game::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Game::Command3_Click);
    connect(Image1, &TileView::tileClicked, this, &Game::Image1_Click);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &Game::Timer1_Timer);

    celebration_.setInterval(kCelebrationStepMs);
    // A coarse timer may fire up to 5 % early; a step must last at least 50 ms.
    celebration_.setTimerType(Qt::PreciseTimer);
    connect(&celebration_, &QTimer::timeout, this, &Game::Celebrate);

    Form_Load();
}

Game::~Game() = default;

void Game::Form_Load()
{
    board_.Form_Load();
    Timer1->start();
}

void Game::Form_Unload()
{
    board_.Form_Unload();
    celebration_.stop();
}

void Game::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}

bool Game::eventFilter(QObject* watched, QEvent* event)
{
    // A player who double-clicks START means one press. The second press of a double-click comes
    // as a double-click event; were it let through, the NEW it makes would throw the new deal
    // away at once. Only that one is dropped: a later click on NEW unloads the window.
    if (watched == Command1) {
        if (event->type() == QEvent::MouseButtonPress)
            startedAtPress_ = board_.Started();
        if (event->type() == QEvent::MouseButtonDblClick && startedAtPress_ == 0 &&
            board_.Started() == 1)
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Game::present(const board::Outcome& outcome)
{
    if (outcome.status)
        Text1->setText(*outcome.status);
    Image1->showMoves(outcome);
    commands_->boardChanged();
    if (outcome.celebrationStarts) {
        commands_->gameWon();
        Celebrate();
        celebration_.start();
    }
}

void Game::Command1_Click()
{
    if (board_.Started() == 1) {
        close();
        return;
    }
    // Every picture is read before a tile is placed, so a broken set deals nothing.
    const std::optional<Faces> faces =
        TileSet::loadOrTell(module_.CardSet, this, QStringLiteral("The tiles cannot be dealt"));
    if (!faces)
        return;
    deal(fixedSeed_.value_or(
             std::uint32_t(std::chrono::high_resolution_clock::now().time_since_epoch().count())),
         *faces);
}

void Game::deal(std::uint32_t seed, const Faces& faces)
{
    random_.seed(seed);
    const board::Outcome outcome = board_.Deal(random_, module_.CardSet, timeOfDay_());
    Image1->setFaces(faces);
    fitView(); // faces of odd sizes may reach further
    Command1->setText(QStringLiteral("NEW"));
    present(outcome);
}

bool Game::readFaces()
{
    dealFaces_ =
        TileSet::loadOrTell(module_.CardSet, this, QStringLiteral("The tiles cannot be dealt"));
    return dealFaces_.has_value();
}

bool Game::dealSeeded(std::uint32_t seed)
{
    if (board_.Started() == 1 || !dealFaces_)
        return false;
    deal(seed, *dealFaces_);
    dealFaces_.reset();
    return true;
}

void Game::Command2_Click()
{
    Form2help::showFor(module_, this);
}

void Game::Command3_Click()
{
    present(board_.Hint());
}

void Game::Image1_Click(int Index)
{
    const board::Board before = board_;
    const board::Outcome outcome = board_.ClickTile(Index);
    history_.recordClick(Index, before, board_);
    present(outcome);
}

void Game::takeBack(int pairs)
{
    for (; pairs > 0 && history_.canTakeBack(board_); --pairs)
        board_ = history_.takeBack();
    restore(board_);
}

void Game::putBack()
{
    if (history_.canPutBack(board_))
        restore(history_.putBack());
}

void Game::restore(const board::Board& board)
{
    board_ = board;
    Image1->showBoard();
    commands_->boardChanged();
}

void Game::showSuggestion(std::optional<board::PairMove> pair)
{
    Image1->setSuggestion(pair);
}

void Game::contextMenuEvent(QContextMenuEvent* event)
{
    if (event->reason() == QContextMenuEvent::Keyboard)
        openMenuAtFocus();
    else
        commands_->popup(event->globalPos());
    event->accept();
}

void Game::openMenuAtFocus()
{
    // From the keyboard the menu opens at the control or tile that has the focus.
    const QWidget* focus = focusWidget();
    const QRect around = focus == Image1 && Image1->focusTile() >= 0
                             ? Image1->tileRect(Image1->focusTile())
                             : (focus ? focus->rect() : rect());
    commands_->popup((focus ? focus : this)->mapToGlobal(around.center()));
}

void Game::Timer1_Timer()
{
    Text2->setText(board_.ClockText(timeOfDay_()));
}

void Game::Celebrate()
{
    const QSizeF area = QSizeF(Image1->size()) / scale_.pixelsPerTwip();
    const std::optional<board::Circle> circle =
        board_.CelebrationStep(random_, float(area.width()), float(area.height()));
    if (!circle) {
        celebration_.stop();
        return;
    }
    Image1->drawCircle(*circle);
}

void Game::resizeEvent(QResizeEvent*)
{
    Image1->setGeometry(rect());
    fitView();
}

void Game::fitView()
{
    // One zoom for the whole design, following the window and the pictures' sizes alone: what
    // the hint and the clicks move stays within it (see TileView::setKeepClearOf), so nothing
    // else on the screen moves with them.
    QRectF area = kDesignArea.united(Image1->designArea());
    DesignScale scale = DesignScale::fitting(area, size());
    auto twipsOf = [&](const DesignScale& s) {
        return QRectF(s.toTwips(QPointF(0, 0)), s.toTwips(QPointF(width(), height())));
    };
    QRectF window = twipsOf(scale);
    // The note's room: the margin at the board's left where the window is wide, else the one
    // below it; where the window leaves neither, the zoom makes room for it below the board.
    QRectF room;
    if (area.left() - window.left() >= kNoteColumn) {
        room = QRectF(QPointF(window.left() + kNoteGap, area.top() + kNoteGap),
                      QPointF(area.left() - kNoteGap, area.bottom()));
    } else {
        if (window.bottom() - area.bottom() < kNoteBand) {
            scale = DesignScale::fitting(area.adjusted(0, 0, 0, kNoteBand), size());
            window = twipsOf(scale);
        }
        room = QRectF(QPointF(window.left() + kNoteGap, area.bottom()),
                      QPointF(window.right() - kNoteGap, window.bottom() - kNoteGap));
    }
    note_->place(scale.toPixelRect(room), DesignLayout::sansFont(kDefaultPoints, false, scale));
    if (scale == scale_)
        return;
    scale_ = scale;
    layout_.apply(scale_);
    Image1->setScale(scale_);
}
