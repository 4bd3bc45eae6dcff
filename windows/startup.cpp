// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/startup.h"

// Local
#include "windows/colours.h"
#include "windows/focusring.h"
#include "windows/form1.h"
#include "windows/game.h"
#include "windows/module1.h"
#include "windows/showagain.h"
#include "windows/tilesetsuggestions.h"

// Qt
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QColor kNavy(0, 0, 128);

// The credits: a contact line and a motto, spaced out with blanks across the label.
const char* const kCredits = "  E-mail: fishpairs@example.org\n"
                             "     Рыбак рыбака видит издалека";

// The ship, in a sunken frame; it takes the focus, as a picture box does.
QLabel* shipPicture(QWidget* parent)
{
    auto* picture = new QLabel(parent);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture->setLineWidth(2);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Read by the built-in bitmap reader alone: a reader left to guess the format loads every
    // image plugin and lets each look at the picture first.
    QImageReader ship(QStringLiteral(":/startup.bmp"), "bmp");
    ship.setAutoDetectImageFormat(false);
    picture->setPixmap(QPixmap::fromImage(ship.read()));
    picture->setFocusPolicy(Qt::StrongFocus);
    picture->setAccessibleName(QStringLiteral("A sailing ship under a cloudy sky"));
    picture->setPalette(systemColours());
    return picture;
}

// A label in colours of its own, filling its place.
QLabel* label(const QString& name, const QString& text, const QPalette& colours, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setPalette(colours);
    label->setAutoFillBackground(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QPalette redOnNavy()
{
    QPalette red = systemColours();
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    red.setColor(QPalette::Window, kNavy);
    return red;
}

QPushButton* button(const QString& name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setPalette(systemColours());
    return button;
}

} // namespace

startup::startup(Module1& module, QWidget* parent) : QWidget(parent), module_(module)
{
    setObjectName(QStringLiteral("startup"));
    setWindowTitle(QStringLiteral("Option"));
    // A fixed border with a close button only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setBackground(this, kNavy);

    Picture1 = shipPicture(this);
    Label2 = label(QStringLiteral("Label2"), QString::fromUtf8(kCredits), redOnNavy(), this);
    // A label's own colours: black on the system's face colour, not the window's navy.
    Label1 =
        label(QStringLiteral("Label1"), QStringLiteral("SELECT CARDSET"), systemColours(), this);
    Text1 = new QLineEdit(QStringLiteral("1"), this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setPalette(systemColours());
    Label1->setBuddy(Text1);
    // The box stays a plain text box, and offers the tile sets there are as the player types.
    new TileSetSuggestions(Text1);
    Command2 = button(QStringLiteral("Command2"), QStringLiteral("INFO"), this);
    Command2->setAutoDefault(true);
    Command1 = button(QStringLiteral("Command1"), QStringLiteral("OK"), this);
    Command1->setDefault(true);

    const DesignScale scale;
    layout_.place(Picture1, {60, 60, 4575, 2715});
    layout_.place(Label2, {60, 2940, 4575, 675}, 12, true);
    layout_.place(Label1, {60, 3720, 2295, 315}, 9.75, true);
    layout_.place(Text1, {2340, 3720, 495, 315}, 8.25);
    layout_.place(Command2, {3120, 3720, 615, 315}, 8.25, true);
    layout_.place(Command1, {4020, 3720, 615, 315}, 8.25, true);
    layout_.apply(scale);
    setFixedSize(scale.toPixelRect(QRectF(0, 0, 4725, 4335)).size());

    setTabOrder(Command1, Text1);
    setTabOrder(Text1, Picture1);
    setTabOrder(Picture1, Command2);
    Command1->setFocus();
    new FocusRing(this, {Command1, Text1, Picture1, Command2}, kFocusOnNavy);

    connect(Command1, &QPushButton::clicked, this, &startup::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &startup::Command2_Click);
}

void startup::keyPressEvent(QKeyEvent* event)
{
    // Enter presses OK wherever the focus is, unless a button has it (that button takes it). The
    // text box passes Enter on to us after its returnPressed, so it needs no handler of its own.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Command1->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void startup::Command1_Click()
{
    module_.CardSet = Text1->text();
    if (!module_.game) {
        module_.game = new Game(module_);
        module_.game->showMaximized();
        return;
    }
    showAgain(module_.game);
}

void startup::Command2_Click()
{
    Form1::showFor(module_, this);
}
