// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Local
#include "board/board.h"
#include "board/pairmove.h"
#include "windows/designscale.h"
#include "windows/tilenavigation.h"
#include "windows/tileset.h"

// Qt
#include <QColor>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QWidget>

// Standard library
#include <array>
#include <optional>
#include <utility>

// The board as the player sees it: the 132 tile images at the places the board holds, higher
// positions over lower ones, over a canvas that keeps the circles of the victory show. It only
// reads the board; clicks go out as tileClicked to the window, which asks the board.
//
// It can be played from the keyboard: the arrow keys move a focus ring between the tiles a player
// can see, and Space or Enter clicks the tile in the ring. Assistive technology sees every tile
// as a button (see TileViewAccessible).
class QPainter;

class TileView : public QWidget
{
    Q_OBJECT

public:
    TileView(const board::Board& board, QWidget* parent = nullptr);

    // The pictures of faces 1..44; a dealt position shows the picture of its face, at its own
    // size in the design (one pixel is 15 twips) and so at the zoom's size on the screen.
    void setFaces(const Faces& faces);
    void setScale(const DesignScale& scale);
    const DesignScale& scale() const { return scale_; }

    // Repaints what the board says moved.
    void showMoves(const board::Outcome& outcome);
    // Repaints a board put in place of the one shown (a pair taken back or put back).
    void showBoard();
    // Rings a pair in the suggestion's colour, or no pair.
    void setSuggestion(std::optional<board::PairMove> pair);
    std::optional<board::PairMove> suggestion() const { return suggestion_; }
    // Draws one circle of the victory show onto the canvas. The circle is in the window's own
    // twips, whose origin is the view's top-left corner, not the board's.
    void drawCircle(const board::Circle& circle);
    int circlesDrawn() const { return circlesDrawn_; }

    // Keeps the tiles the hint moves in sight and within reach: a hinted tile is drawn two
    // presses' shift up and to the right of its place, or less where it would leave the view or
    // slide under one of these controls (design twips); further presses move nothing on the
    // screen. A tile always shows the lift of a click, as the design has it.
    void setKeepClearOf(const QList<QRectF>& controls);

    // The topmost tile whose image covers the point (in pixels of this view), or -1. A tile
    // without a picture still covers its 1200 x 780 place; a removed tile covers nothing.
    int tileAt(QPointF pixels) const;
    // Where tile p is drawn, in pixels of this view.
    QRect tileRect(int p) const;
    // Where tile p is drawn, in the design's twips: its place on the board, held back as
    // setKeepClearOf says.
    board::TilePlace drawnPlace(int p) const { return drawnPlace(p, board_.PlaceOf(p)); }

    // Whether tile p stands and nothing stands on it: the tile a player sees at its place.
    bool isTopmost(int p) const;
    // The tile in the keyboard's focus ring, or -1.
    int focusTile() const { return focusTile_; }
    // Whether the ring is drawn: while the board has the focus and the keyboard is in use.
    bool ringShown() const { return ringShown_ && hasFocus(); }
    void setFocusTile(int p);
    // Tile p in words, for assistive technology: "face 11 (pair 6), free".
    QString describeTile(int p) const;
    // Whether tile p stands on the board, by the board's own record of removal.
    bool isStanding(int p) const { return !board_.IsRemoved(p); }
    // Where the dealt tiles are drawn at their design places, together, in the design's twips:
    // what the window's zoom must show. The hint's shifts and the lift leave it alone.
    QRectF designArea() const;

public slots:
    // Clicks tile p as the pointer would.
    void activateTile(int p);

signals:
    void tileClicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    const QPixmap* pictureOf(int p) const;
    QSize pictureSize(int p) const;
    board::TilePlace drawnPlace(int p, board::TilePlace place) const;
    board::TilePlace drawnPlace(int p, board::TilePlace place, bool lifted) const;
    // Where tile p is drawn when the board holds it at place, in pixels of this view.
    QRect rectAt(int p, const board::TilePlace& place) const;
    // The tiles that have a face and can be seen at their places.
    bool isSeen(int p) const { return isTopmost(p) && board_.Placed(p) != 0; }
    // The tiles a player sees at their places, for the arrow keys.
    SeenTiles seenTiles() const;
    // Where the rings round a tile reach.
    static QRect withRing(const QRect& tile);
    void paintRings(QPainter& painter, const QList<std::pair<int, QColor>>& rings) const;
    // After a pair is taken, or a take-back covers the ring's tile, the keyboard's ring goes to
    // the tile in sight nearest to where its own stood.
    void followRemovedFocus(const board::Outcome& outcome);
    void notifyAccessibility();

    const board::Board& board_;
    Faces faces_;
    Faces shown_; // faces_ scaled for the zoom and the screen, made once per zoom
    DesignScale scale_;
    QList<QRectF> keepClearOf_;
    QImage canvas_;
    int pressedTile_ = -1;
    int circlesDrawn_ = 0;
    int focusTile_ = -1;
    std::optional<board::PairMove> suggestion_;
    bool ringShown_ = false;
    std::array<QString, board::Board::kPositions> described_; // as assistive technology last heard
};
