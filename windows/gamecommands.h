// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Local
#include "board/pairmove.h"

// Qt
#include <QObject>
#include <QPoint>
#include <QTimer>

// Standard library
#include <functional>
#include <optional>

class BackgroundSearch;
class Game;
class GameNote;
class QAction;
class QMenu;

// What the game adds beside the design's own controls: taking pairs back and putting them back,
// asking whether the game can still be won, taking back to where it could, a pair that keeps it
// winnable, and dealing a game that can be won. They live in the game window's context menu and
// on shortcuts, answer in the window's note, and leave START, HELP, HINT, the tiles, the status
// box and the clock exactly as they are.
//
// Every search runs off the user-interface thread. A move, or closing the window, cancels it, and
// a cancelled search shows nothing; one that takes longer than a moment says so in the note.
class GameCommands : public QObject
{
    Q_OBJECT

public:
    GameCommands(Game& game, GameNote& note);
    ~GameCommands() override;

    QAction* takeBack() const { return takeBack_; }
    QAction* putBack() const { return putBack_; }
    QAction* ask() const { return ask_; }
    QAction* backToWinnable() const { return backToWinnable_; }
    QAction* suggest() const { return suggest_; }
    QAction* dealWinnable() const { return dealWinnable_; }

    // Opens the context menu at global, a point on the screen.
    void popup(QPoint global);
    QMenu* menu() const { return menu_; }
    bool searching() const;

    // The board moved (a click, HINT, a deal, a take-back): what was asked of the old position is
    // no longer of use.
    void boardChanged();
    // The last pair went: the note tells how long the game took, and F7 tells it again later,
    // since the clock runs on past the win.
    void gameWon();

    static QString askedText(int pairsTaken, int lastWinnable, int pairsToGo);

private:
    void updateEnabled();
    void startSearch();
    void runAsk();
    // Tells a lost game's player where it was lost; a game that can still be won, winnable()
    // answers, given a line that wins it.
    void answerWhereItStands(std::function<void(const board::Line& winning)> winnable);
    void runBackToWinnable();
    void runSuggest();
    void runDealWinnable();

    Game& game_;
    GameNote& note_;
    BackgroundSearch* search_;
    QTimer thinking_;
    QMenu* menu_;
    QAction* takeBack_;
    QAction* putBack_;
    QAction* ask_;
    QAction* backToWinnable_;
    QAction* suggest_;
    QAction* dealWinnable_;
    QString wonNote_; // the win note of the game on the board, once it is won
};
