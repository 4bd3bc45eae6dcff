// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/tileview.h"

// Local
#include "board/partners.h"
#include "windows/colours.h"

// Qt
#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

// Standard library
#include <algorithm>
#include <cmath>

TileView::TileView(const board::Board& board, QWidget* parent) : QWidget(parent), board_(board)
{
    setObjectName(QStringLiteral("Image1"));
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Board"));
}

void TileView::setFaces(const Faces& faces)
{
    faces_ = faces;
    shown_ = scaledFaces(faces_, scale_.zoom(), devicePixelRatioF());
    update();
}

void TileView::setScale(const DesignScale& scale)
{
    const bool rescale = scale.zoom() != scale_.zoom();
    scale_ = scale;
    if (rescale)
        shown_ = scaledFaces(faces_, scale_.zoom(), devicePixelRatioF());
    update();
}

const QPixmap* TileView::pictureOf(int p) const
{
    const int face = board_.FaceAt(p);
    if (board_.Placed(p) == 0 || face < 1 || face > kFaces || faces_[face - 1].isNull())
        return nullptr;
    return &faces_[face - 1];
}

QSize TileView::pictureSize(int p) const
{
    // An image takes on its picture's size; an empty one keeps the design's tile size.
    if (const QPixmap* picture = pictureOf(p))
        return picture->size();
    return QSize(board::layout::kTileWidth, board::layout::kTileHeight) /
           int(DesignScale::kTwipsPerPixel);
}

void TileView::setKeepClearOf(const QList<QRectF>& controls)
{
    keepClearOf_ = controls;
    update();
}

board::TilePlace TileView::drawnPlace(int p, board::TilePlace place) const
{
    return drawnPlace(p, place, board_.SelectedFace() > -1 && board_.SelectedPosition() == p);
}

board::TilePlace TileView::drawnPlace(int p, board::TilePlace place, bool lifted) const
{
    // The lift and the hint move a tile only along the diagonal up and to the right, so its
    // place is its design place plus one offset, and holding it back means capping that offset.
    const board::layout::Place design = board::layout::kPlaces[p];
    const double offset = place.left - design.left;
    if (offset <= board::Board::kLift || offset != design.top - place.top)
        return place; // at rest, lifted, or parked
    // However often HINT is pressed, its pair shows two presses' shift: moved alike, the two
    // tiles never run into each other, and the hint stays near where the pair is on the board.
    const double lift = lifted ? board::Board::kLift : 0.0;
    const double shown = std::min(offset - lift, 2.0 * board::Board::kHintShift) + lift;
    const QSizeF size = QSizeF(pictureSize(p)) * DesignScale::kTwipsPerPixel;
    const QRectF view(scale_.toTwips(QPointF(0, 0)), scale_.toTwips(QPointF(width(), height())));
    // How far the tile may go before its right edge leaves the view or its top edge does.
    double room = std::min(view.right() - design.left - size.width(), design.top - view.top());
    for (const QRectF& control : keepClearOf_) {
        // The tile at offset s overlaps the control for s in (enters, leaves).
        const double enters =
            std::max(control.left() - design.left - size.width(), design.top - control.bottom());
        const double leaves =
            std::min(control.right() - design.left, design.top + size.height() - control.top());
        if (enters < leaves && enters >= 0)
            room = std::min(room, enters);
    }
    const double held = std::clamp(shown, 0.0, std::max(room, double(board::Board::kLift)));
    return {float(design.left + held), float(design.top - held)};
}

QRect TileView::rectAt(int p, const board::TilePlace& place) const
{
    // The same for drawing and for hitting, so a click always lands on the tile drawn under it.
    const board::TilePlace drawn = drawnPlace(p, place);
    return scale_.pictureRect(QPointF(drawn.left, drawn.top), pictureSize(p));
}

QRect TileView::tileRect(int p) const
{
    return rectAt(p, board_.PlaceOf(p));
}

QRectF TileView::designArea() const
{
    QRectF area;
    for (int p = 0; p < board::Board::kPositions; ++p) {
        const board::layout::Place place = board::layout::kPlaces[p];
        area |= QRectF(QPointF(place.left, place.top),
                       QSizeF(pictureSize(p)) * DesignScale::kTwipsPerPixel);
    }
    return area;
}

bool TileView::isTopmost(int p) const
{
    // Every position that carries a tile carries exactly one, and its flag clears when that
    // tile goes: nothing stands on p exactly when p is not covered.
    return isStanding(p) && board_.Covered(p) == 0;
}

int TileView::tileAt(QPointF pixels) const
{
    for (int p = board::Board::kPositions - 1; p >= 0; --p) {
        if (!isStanding(p))
            continue;
        if (tileRect(p).contains(QPoint(int(std::floor(pixels.x())), int(std::floor(pixels.y())))))
            return p;
    }
    return -1;
}

void TileView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (!canvas_.isNull())
        painter.drawImage(event->rect(), canvas_, event->rect());
    const QRect dirty = event->rect();
    for (int p = 0; p < board::Board::kPositions; ++p) {
        if (!pictureOf(p) || !isStanding(p))
            continue;
        const QRect target = tileRect(p);
        if (target.intersects(dirty))
            painter.drawPixmap(target.topLeft(), shown_[board_.FaceAt(p) - 1]);
    }
    // Over every tile, so that a tile half hidden by the ones above it still shows its outline.
    QList<std::pair<int, QColor>> rings;
    if (suggestion_)
        for (int p : {suggestion_->first, suggestion_->second})
            if (isStanding(p))
                rings.append({p, kSuggestionRing});
    if (board_.SelectedFace() > -1 && isStanding(board_.SelectedPosition()))
        rings.append({board_.SelectedPosition(), kSelectionRing});
    if (ringShown() && focusTile_ >= 0 && isSeen(focusTile_))
        rings.append({focusTile_, kKeyboardRing});
    paintRings(painter, rings);
}

void TileView::paintRings(QPainter& painter, const QList<std::pair<int, QColor>>& rings) const
{
    // A light ring in a dark edge reads on the ivory tiles and on the navy board alike. Every
    // dark edge goes down before any light ring, or where two tiles overlap the edge of one ring
    // would cut the other in pieces.
    const double width = std::max(2.0, 3 * scale_.zoom());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    for (const bool edge : {true, false})
        for (const auto& [p, colour] : rings) {
            painter.setPen(edge ? QPen(QColor(0, 0, 0), width + 2) : QPen(colour, width));
            painter.drawRoundedRect(QRectF(tileRect(p)).adjusted(1.5, 1.5, -1.5, -1.5), width,
                                    width);
        }
    painter.restore();
}

void TileView::showMoves(const board::Outcome& outcome)
{
    // A move may have lifted or dropped the tile as well: where it was drawn either way.
    for (const board::TileMove& move : outcome.moves)
        for (const board::TilePlace& place : {move.from, move.to})
            for (const bool lifted : {false, true}) {
                const board::TilePlace drawn = drawnPlace(move.position, place, lifted);
                update(withRing(scale_.pictureRect(QPointF(drawn.left, drawn.top),
                                                   pictureSize(move.position))));
            }
    followRemovedFocus(outcome);
    notifyAccessibility();
}

void TileView::showBoard()
{
    update();
    // The tile in the ring may have gone; nothing to follow it by but its design place.
    followRemovedFocus({});
    notifyAccessibility();
}

void TileView::setSuggestion(std::optional<board::PairMove> pair)
{
    if (suggestion_ == pair)
        return;
    suggestion_ = pair;
    update();
}

void TileView::drawCircle(const board::Circle& circle)
{
    if (canvas_.size() != size()) {
        canvas_ = QImage(size(), QImage::Format_ARGB32_Premultiplied);
        canvas_.fill(Qt::transparent);
    }
    QPainter painter(&canvas_);
    painter.setRenderHint(QPainter::Antialiasing);
    const double width = circle.width * scale_.zoom();
    painter.setPen(QPen(QColor(circle.red, circle.green, circle.blue), width));
    const QPointF centre = QPointF(circle.x, circle.y) * scale_.pixelsPerTwip();
    const double radius = circle.radius * scale_.pixelsPerTwip();
    painter.drawEllipse(centre, radius, radius);
    ++circlesDrawn_;
    const double reach = radius + width;
    update(QRectF(centre.x() - reach, centre.y() - reach, 2 * reach, 2 * reach)
               .toAlignedRect()
               .adjusted(-1, -1, 1, 1));
}

void TileView::resizeEvent(QResizeEvent*)
{
    // What was drawn on the window goes with a repaint of it, as on any window that keeps no copy.
    canvas_ = QImage();
}

void TileView::activateTile(int p)
{
    if (p >= 0 && p < board::Board::kPositions && isStanding(p))
        emit tileClicked(p);
}

void TileView::setFocusTile(int p)
{
    if (p == focusTile_)
        return;
    if (focusTile_ >= 0)
        update(withRing(tileRect(focusTile_)));
    focusTile_ = p;
    if (p < 0)
        return;
    update(withRing(tileRect(p)));
    if (QAccessible::isActive() && hasFocus()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(p);
        QAccessible::updateAccessibility(&focus);
    }
}

SeenTiles TileView::seenTiles() const
{
    // Highest first: of two tiles that rank alike, the upper one wins.
    SeenTiles tiles;
    for (int p = board::Board::kPositions - 1; p >= 0; --p)
        if (isSeen(p))
            tiles.append({p, drawnPlace(p)});
    return tiles;
}

QRect TileView::withRing(const QRect& tile)
{
    // The rings are drawn just outside a tile's picture.
    return tile.adjusted(-4, -4, 4, 4);
}

void TileView::followRemovedFocus(const board::Outcome& outcome)
{
    // Gone, or standing again under tiles a take-back put back on it: either way out of sight.
    if (focusTile_ < 0 || isSeen(focusTile_))
        return;
    const board::layout::Place design = board::layout::kPlaces[focusTile_];
    board::TilePlace stood = isStanding(focusTile_)
                                 ? drawnPlace(focusTile_)
                                 : board::TilePlace{float(design.left), float(design.top)};
    for (const board::TileMove& move : outcome.moves)
        if (move.position == focusTile_)
            stood = drawnPlace(move.position, move.from);
    const QPointF centre(stood.left + board::layout::kTileWidth / 2.0,
                         stood.top + board::layout::kTileHeight / 2.0);
    focusTile_ = -1; // gone from sight: nothing of it to repaint
    setFocusTile(nearestTile(seenTiles(), centre));
}

void TileView::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool ours = key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up ||
                      key == Qt::Key_Down || key == Qt::Key_Space || key == Qt::Key_Return ||
                      key == Qt::Key_Enter;
    if (!ours || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        // Ctrl on its way to Ctrl+Z, say: a player still playing by mouse wants no ring.
        QWidget::keyPressEvent(event);
        return;
    }
    if (!ringShown_ && focusTile_ >= 0) {
        ringShown_ = true;
        update(withRing(tileRect(focusTile_)));
    }
    if (focusTile_ < 0 || !isSeen(focusTile_)) {
        // No tile in the ring yet, or only the empty place a click before the deal left there:
        // this key puts the ring on the tile nearest the board's top left corner.
        focusTile_ = -1;
        setFocusTile(nearestTile(seenTiles(), QPointF(0, 0)));
        if (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter)
            return;
    }
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const Arrow arrow = key == Qt::Key_Left    ? Arrow::Left
                            : key == Qt::Key_Right ? Arrow::Right
                            : key == Qt::Key_Up    ? Arrow::Up
                                                   : Arrow::Down;
        const int next = tileToward(seenTiles(), focusTile_, drawnPlace(focusTile_), arrow);
        if (next >= 0)
            setFocusTile(next);
        return;
    }
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        activateTile(focusTile_);
        return;
    }
}

void TileView::focusInEvent(QFocusEvent* event)
{
    // The ring is for keyboard players; a click gives the board the focus without one. A menu
    // closing gives the focus back to whoever had it, by mouse or by key, and so leaves the ring
    // as it was.
    if (event->reason() != Qt::PopupFocusReason)
        ringShown_ = event->reason() != Qt::MouseFocusReason;
    if (focusTile_ < 0 || !isSeen(focusTile_))
        setFocusTile(nearestTile(seenTiles(), QPointF(0, 0)));
    if (focusTile_ >= 0)
        update(withRing(tileRect(focusTile_)));
    QWidget::focusInEvent(event);
}

void TileView::focusOutEvent(QFocusEvent* event)
{
    if (focusTile_ >= 0)
        update(withRing(tileRect(focusTile_)));
    QWidget::focusOutEvent(event);
}

QString TileView::describeTile(int p) const
{
    const int face = board_.FaceAt(p);
    const QString what =
        face == 0 ? QStringLiteral("no face yet")
                  : QStringLiteral("face %1 (pair %2)").arg(face).arg(board::pairOf(face));
    QString state;
    if (!isStanding(p))
        state = QStringLiteral("removed");
    else if (board_.SelectedFace() > -1 && board_.SelectedPosition() == p)
        state = QStringLiteral("selected");
    else
        state = board_.IsFree(p) ? QStringLiteral("free") : QStringLiteral("blocked");
    return what + QStringLiteral(", ") + state;
}

void TileView::notifyAccessibility()
{
    if (!QAccessible::isActive())
        return;
    // One move can free or block many tiles: tell of every tile whose words changed.
    for (int p = 0; p < board::Board::kPositions; ++p) {
        QString now = describeTile(p);
        if (now == described_[p])
            continue;
        described_[p] = std::move(now);
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        changed.setChild(p);
        QAccessible::updateAccessibility(&changed);
    }
}

void TileView::mousePressEvent(QMouseEvent* event)
{
    ringShown_ = false;
    pressedTile_ = event->button() == Qt::LeftButton ? tileAt(event->position()) : -1;
}

void TileView::mouseReleaseEvent(QMouseEvent* event)
{
    // A click is a press and a release on the same tile, as with any button.
    const int pressed = pressedTile_;
    pressedTile_ = -1;
    if (event->button() == Qt::LeftButton && pressed >= 0 && tileAt(event->position()) == pressed) {
        setFocusTile(pressed);
        emit tileClicked(pressed);
    }
}
