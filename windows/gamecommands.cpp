// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/gamecommands.h"

// Local
#include "board/random.h"
#include "board/solver.h"
#include "windows/backgroundsearch.h"
#include "windows/game.h"
#include "windows/gamenote.h"

// Qt
#include <QAction>
#include <QMenu>

// Standard library
#include <chrono>
#include <cmath>

namespace {

// How long a search may take before the note says the game is thinking.
constexpr int kMomentMs = 250;
// A deal the solver cannot settle within this many steps is drawn again, never guessed.
constexpr std::uint64_t kQuickDeal = 200000;

using board::Line;
using board::Verdict;

board::Faces facesOf(const board::Board& board)
{
    board::Faces faces{};
    for (int p = 0; p < board::Board::kPositions; ++p)
        faces[p] = board.FaceAt(p);
    return faces;
}

// How a game stands, asked of the solver off the user-interface thread.
board::LastWinnable standingOf(const board::Faces& faces, const Line& taken,
                               const std::atomic<bool>& cancel)
{
    return board::Solver::lastWinnable(faces, taken, board::SolveLimits{&cancel, 0});
}

QString pairs(int count)
{
    return count == 1 ? QStringLiteral("1 pair") : QStringLiteral("%1 pairs").arg(count);
}

// "1 minute and 5 seconds", "42 seconds": as a player would say how long the game took.
QString duration(int seconds)
{
    const auto count = [](int n, const char* one, const char* many) {
        return n == 1 ? QString::fromLatin1(one) : QString::fromLatin1(many).arg(n);
    };
    const QString secs = count(seconds % 60, "1 second", "%1 seconds");
    if (seconds < 60)
        return secs;
    return QStringLiteral("%1 and %2").arg(count(seconds / 60, "1 minute", "%1 minutes"), secs);
}

std::uint32_t clockSeed()
{
    return std::uint32_t(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

} // namespace

GameCommands::GameCommands(Game& game, GameNote& note)
    : QObject(&game), game_(game), note_(note), search_(new BackgroundSearch(this)),
      menu_(new QMenu(&game))
{
    menu_->setObjectName(QStringLiteral("gameMenu"));
    auto command = [this](const QString& text, const QList<QKeySequence>& keys) {
        auto* action = new QAction(text, this);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        game_.addAction(action);
        menu_->addAction(action);
        return action;
    };
    takeBack_ = command(QStringLiteral("Take back a pair"), {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    putBack_ =
        command(QStringLiteral("Put back a pair"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                                                    QKeySequence(Qt::CTRL | Qt::Key_Y)});
    menu_->addSeparator();
    ask_ = command(QStringLiteral("Can this game still be won?"), {QKeySequence(Qt::Key_F7)});
    backToWinnable_ = command(QStringLiteral("Take back to where it could still be won"),
                              {QKeySequence(Qt::SHIFT | Qt::Key_F7)});
    suggest_ = command(QStringLiteral("Show a pair that keeps the game winnable"),
                       {QKeySequence(Qt::Key_F8)});
    menu_->addSeparator();
    dealWinnable_ =
        command(QStringLiteral("Deal a game that can be won"), {QKeySequence(Qt::Key_F9)});
    // Not in the menu it opens. The Menu key's own context-menu event is not sent on every
    // platform, and Shift+F10 is the other key desktops open a context menu with.
    auto* openMenu = new QAction(QStringLiteral("Open the menu"), this);
    openMenu->setShortcuts({QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)});
    openMenu->setShortcutContext(Qt::WindowShortcut);
    game_.addAction(openMenu);
    connect(openMenu, &QAction::triggered, &game_, &Game::openMenuAtFocus);
    connect(takeBack_, &QAction::triggered, this, [this] { game_.takeBack(1); });
    connect(putBack_, &QAction::triggered, this, [this] { game_.putBack(); });
    connect(ask_, &QAction::triggered, this, &GameCommands::runAsk);
    connect(backToWinnable_, &QAction::triggered, this, &GameCommands::runBackToWinnable);
    connect(suggest_, &QAction::triggered, this, &GameCommands::runSuggest);
    connect(dealWinnable_, &QAction::triggered, this, &GameCommands::runDealWinnable);

    thinking_.setSingleShot(true);
    thinking_.setInterval(kMomentMs);
    connect(&thinking_, &QTimer::timeout, this, [this] {
        if (search_->running())
            note_.tell(QStringLiteral("Thinking…"));
    });
    updateEnabled();
}

GameCommands::~GameCommands() = default;

bool GameCommands::searching() const
{
    return search_->running();
}

void GameCommands::popup(QPoint global)
{
    updateEnabled();
    menu_->popup(global);
}

void GameCommands::boardChanged()
{
    search_->cancel();
    thinking_.stop();
    note_.tell({});
    game_.showSuggestion(std::nullopt);
    updateEnabled();
}

void GameCommands::updateEnabled()
{
    const board::Board& board = game_.board();
    const bool playing = board.Started() == 1 && board.GameWon() == 0;
    takeBack_->setEnabled(game_.history().canTakeBack(board));
    putBack_->setEnabled(game_.history().canPutBack(board));
    ask_->setEnabled(board.Started() == 1); // after the win it tells the time of the win again
    backToWinnable_->setEnabled(playing && game_.history().taken() > 0);
    suggest_->setEnabled(playing);
    dealWinnable_->setEnabled(board.Started() == 0 && !search_->running());
}

void GameCommands::startSearch()
{
    thinking_.start();
    updateEnabled();
}

QString GameCommands::askedText(int pairsTaken, int lastWinnable, int pairsToGo)
{
    if (lastWinnable == pairsTaken)
        return QStringLiteral("Yes: this game can still be won (%1 to go).").arg(pairs(pairsToGo));
    if (lastWinnable < 0)
        return QStringLiteral("No: this deal cannot be won, however it is played.");
    return QStringLiteral("No: this game was lost when pair %1 was taken; take back %2 (Ctrl+Z) "
                          "to play on from where it could still be won.")
        .arg(lastWinnable + 1)
        .arg(pairs(pairsTaken - lastWinnable));
}

void GameCommands::runAsk()
{
    if (game_.board().GameWon() != 0) {
        note_.tell(wonNote_);
        return;
    }
    const int taken = int(game_.history().taken());
    const int toGo = board::Board::kPairs - game_.board().PairsRemoved();
    answerWhereItStands(
        [this, taken, toGo](const Line&) { note_.tell(askedText(taken, taken, toGo)); });
}

// Whether the game can still be won comes first: it is most of what a player asks, and a search
// of the position alone is quick. Where a lost game was lost may take searches back through its
// whole history, as hard as the deal's own; meanwhile the note gives the first answer.
void GameCommands::answerWhereItStands(std::function<void(const Line& winning)> winnable)
{
    const board::Board now = game_.board();
    const board::Faces faces = facesOf(now);
    const Line taken = game_.history().pairs();
    const int toGo = board::Board::kPairs - now.PairsRemoved();
    search_->start<board::SolveResult>(
        [now](const std::atomic<bool>& cancel) {
            return board::Solver::solve(now, board::SolveLimits{&cancel, 0});
        },
        [this, faces, taken, toGo, winnable](board::SolveResult result) {
            thinking_.stop();
            if (result.verdict == Verdict::Won) {
                winnable(result.line);
                updateEnabled();
                return;
            }
            note_.tell(QStringLiteral("No: this game can no longer be won. Looking for the pair "
                                      "that lost it…"));
            search_->start<board::LastWinnable>(
                [faces, taken](const std::atomic<bool>& cancel) {
                    return standingOf(faces, taken, cancel);
                },
                [this, taken, toGo](board::LastWinnable standing) {
                    note_.tell(askedText(int(taken.size()), standing.count, toGo));
                    updateEnabled();
                });
        });
    startSearch();
}

void GameCommands::runBackToWinnable()
{
    const board::Faces faces = facesOf(game_.board());
    const Line taken = game_.history().pairs();
    search_->start<board::LastWinnable>(
        [faces, taken](const std::atomic<bool>& cancel) {
            return standingOf(faces, taken, cancel);
        },
        [this, taken](board::LastWinnable standing) {
            thinking_.stop();
            const int back = int(taken.size()) - standing.count;
            if (standing.count < 0) {
                note_.tell(QStringLiteral("This deal cannot be won, however it is played: there "
                                          "is nowhere to take back to."));
            } else if (back == 0) {
                note_.tell(QStringLiteral("Nothing to take back: this game can still be won."));
            } else {
                game_.takeBack(back);
                note_.tell(QStringLiteral("Took back %1: from here this game can still be won.")
                               .arg(pairs(back)));
            }
            updateEnabled();
        });
    startSearch();
}

void GameCommands::runSuggest()
{
    answerWhereItStands([this](const Line& winning) {
        game_.showSuggestion(winning.front()); // a game being played has a pair to go
        note_.tell(QStringLiteral("The two tiles ringed in green make a pair that keeps the game "
                                  "winnable."));
    });
}

void GameCommands::runDealWinnable()
{
    if (!game_.readFaces())
        return;
    search_->start<std::optional<std::uint32_t>>(
        [](const std::atomic<bool>& cancel) -> std::optional<std::uint32_t> {
            // The game's own deal, seeded from the clock, drawn again until the solver finds a
            // winning line; a deal it cannot settle quickly is passed over.
            const board::SolveLimits limits{&cancel, kQuickDeal};
            while (!cancel.load()) {
                const std::uint32_t seed = clockSeed();
                board::Board board;
                board::Random random(seed);
                board.Deal(random, QString(), 0.0f);
                if (board::Solver::solve(board, limits).verdict == Verdict::Won)
                    return seed;
            }
            return std::nullopt;
        },
        [this](std::optional<std::uint32_t> seed) {
            thinking_.stop();
            if (seed && game_.dealSeeded(*seed))
                note_.tell(QStringLiteral("Dealt a game that can be won."));
            updateEnabled();
        });
    startSearch();
}

void GameCommands::gameWon()
{
    const int seconds = int(std::floor(game_.timeOfDay() - game_.board().DealTime()));
    wonNote_ = QStringLiteral("The board is clear: you won in %1.").arg(duration(seconds));
    note_.tell(wonNote_);
    updateEnabled();
}
