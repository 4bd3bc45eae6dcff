// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Local
#include "board/board.h"
#include "board/history.h"
#include "board/random.h"
#include "windows/designscale.h"
#include "windows/tileset.h"

// Qt
#include <QTimer>
#include <QWidget>

// Standard library
#include <cstdint>
#include <functional>
#include <optional>

class GameCommands;
class GameNote;
class QLineEdit;
class QPushButton;
class TileView;
struct Module1;

// The game window "Form1": the board, START/NEW, HELP, HINT, the status box Text1 and the clock
// Text2. One window is one game: the board lives exactly as long as the window is loaded, and
// closing it (or NEW) ends the game. Every handler is a few lines that ask the board and show
// what it says changed.
class Game : public QWidget
{
    Q_OBJECT

public:
    explicit Game(Module1& module, QWidget* parent = nullptr);
    ~Game() override;

    const board::Board& board() const { return board_; }
    const board::History& history() const { return history_; }
    TileView* tileView() const { return Image1; }
    GameCommands* commands() const { return commands_; }
    GameNote* note() const { return note_; }
    bool celebrating() const { return celebration_.isActive(); }
    QTimer* celebrationTimer() { return &celebration_; }

    // Test hooks: the seed of every later deal (otherwise taken from the clock), and the time of
    // day in seconds since midnight (otherwise the system's).
    void setRandomSeed(std::uint32_t seed) { fixedSeed_ = seed; }
    void setTimeOfDay(std::function<float()> timeOfDay) { timeOfDay_ = std::move(timeOfDay); }

    void Command1_Click(); // START, then NEW
    void Command2_Click(); // HELP
    void Command3_Click(); // HINT
    void Image1_Click(int Index);
    void Timer1_Timer();
    // One step of the victory show: draws a circle, or stops the show once the window unloads.
    // The show's 50 ms timer calls it; so may a test that needs many steps fast.
    void Celebrate();

    // ---- Beside the design's controls (see GameCommands) ----
    // Takes back the last pairs taken, up to pairs of them, as far as there are any.
    void takeBack(int pairs);
    // Puts back the pair taken back last.
    void putBack();
    // Rings a pair on the board, or no pair; no tile moves.
    void showSuggestion(std::optional<board::PairMove> pair);
    // Reads the tile set's pictures for a deal to come, or tells why they cannot be read.
    bool readFaces();
    // On an undealt board, with the pictures readFaces() read: deals the game's own deal from
    // seed, and everything is as after START.
    bool dealSeeded(std::uint32_t seed);
    float timeOfDay() const { return timeOfDay_(); }
    // The menu of those commands, opened from the keyboard (Menu, Shift+F10).
    void openMenuAtFocus();

protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Form_Unload();
    // Shows what changed.
    void present(const board::Outcome& outcome);
    // Shows a board put in place of the one shown.
    void restore(const board::Board& board);
    void deal(std::uint32_t seed, const Faces& faces);
    void fitView();
    void resizeEvent(QResizeEvent* event) override;

    Module1& module_;
    board::Board board_;
    board::History history_;
    board::Random random_;
    std::optional<std::uint32_t> fixedSeed_;
    std::function<float()> timeOfDay_;

    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QLineEdit* Text1;
    QLineEdit* Text2;
    QTimer* Timer1;
    TileView* Image1;
    GameNote* note_;
    GameCommands* commands_;
    std::optional<Faces> dealFaces_; // read for a deal that is being searched for
    QTimer celebration_;

    DesignLayout layout_;
    DesignScale scale_;
    std::int16_t startedAtPress_ = 0; // Started() when Command1 was last pressed
};
