#include "tileview.h"

// Local
#include "tileviewaccessible.h"

// Qt
#include <QAccessible>
#include <QKeyEvent>
#include <QLineF>
#include <QMouseEvent>
#include <QPainter>

// Library
#include <algorithm>
#include <cmath>

TileView::TileView(const board::Board& board, QWidget* parent) : QWidget(parent), board_(board)
{
    setObjectName(QStringLiteral("Image1"));
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Board"));
    static const bool accessible = (QAccessible::installFactory(TileViewAccessible::factory), true);
    Q_UNUSED(accessible);
}

// A face enlarged for the screen. Faces are small drawings with crisp, antialiased lines. Scaled
// smoothly in one step they blur; pixel by pixel they turn blocky at large factors. Doubling the
// pixels first and scaling smoothly from there keeps the lines crisp without visible blocks (we
// compared the three at 1.6x, 2.3x and 4.6x).
QPixmap TileView::scaledFace(const QPixmap& face, double factor, qreal devicePixelRatio)
{
    const QSize target = (QSizeF(face.size()) * factor).toSize() * devicePixelRatio;
    if (target == face.size() || target.isEmpty())
        return face;
    QImage image = face.toImage();
    const int whole = std::min(2, int(std::ceil(factor * devicePixelRatio)));
    if (whole > 1)
        image = image.scaled(face.size() * whole, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (image.size() != target)
        image = image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPixmap shown = QPixmap::fromImage(image);
    shown.setDevicePixelRatio(devicePixelRatio);
    return shown;
}

void TileView::setFaces(const Faces& faces)
{
    faces_ = faces;
    scaleFaces();
    update();
}

void TileView::setScale(const DesignScale& scale)
{
    const bool rescale = scale.zoom() != scale_.zoom();
    scale_ = scale;
    if (rescale)
        scaleFaces();
    update();
}

void TileView::scaleFaces()
{
    const qreal ratio = devicePixelRatioF();
    for (int face = 0; face < kFaces; ++face)
        shown_[face] =
            faces_[face].isNull() ? QPixmap() : scaledFace(faces_[face], scale_.zoom(), ratio);
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

QRect TileView::rectAt(const board::TilePlace& place, QSize picture) const
{
    // On whole pixels, the same for drawing and for hitting, so a click always lands on the tile
    // that is drawn under it.
    const QPointF topLeft = scale_.toPixels(QPointF(place.left, place.top));
    return {QPoint(int(std::lround(topLeft.x())), int(std::lround(topLeft.y()))),
            (QSizeF(picture) * scale_.zoom()).toSize()};
}

QRect TileView::tileRect(int p) const
{
    return rectAt(board_.PlaceOf(p), pictureSize(p));
}

QRectF TileView::standingArea() const
{
    QRectF area;
    for (int p = 0; p < board::Board::kPositions; ++p)
        if (isStanding(p)) {
            const board::TilePlace place = board_.PlaceOf(p);
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
        if (!pictureOf(p))
            continue;
        const QRect target = tileRect(p);
        if (target.intersects(dirty))
            painter.drawPixmap(target.topLeft(), shown_[board_.FaceAt(p) - 1]);
    }
    if (hasFocus() && ringShown_ && focusTile_ >= 0 && isStanding(focusTile_)) {
        // A ring that reads on the ivory tiles and on the navy board alike.
        const QRectF ring = QRectF(tileRect(focusTile_)).adjusted(1.5, 1.5, -1.5, -1.5);
        const double width = std::max(2.0, 3 * scale_.zoom());
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(0, 0, 0), width + 2));
        painter.drawRoundedRect(ring, width, width);
        painter.setPen(QPen(QColor(255, 220, 0), width));
        painter.drawRoundedRect(ring, width, width);
    }
}

void TileView::showMoves(const board::Outcome& outcome)
{
    for (const board::TileMove& move : outcome.moves) {
        const QSize picture = pictureSize(move.position);
        // The focus ring is drawn just outside a tile's picture as well.
        update(rectAt(move.from, picture).adjusted(-4, -4, 4, 4));
        update(rectAt(move.to, picture).adjusted(-4, -4, 4, 4));
    }
    notifyAccessibility();
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
        update(tileRect(focusTile_).adjusted(-4, -4, 4, 4));
    focusTile_ = p;
    if (p < 0)
        return;
    update(tileRect(p).adjusted(-4, -4, 4, 4));
    if (QAccessible::isActive() && hasFocus()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(p);
        QAccessible::updateAccessibility(&focus);
    }
}

int TileView::nearestTopmost(QPointF twips) const
{
    int best = -1;
    double bestDistance = 0;
    for (int p = board::Board::kPositions - 1; p >= 0; --p) {
        if (!isTopmost(p))
            continue;
        const board::TilePlace place = board_.PlaceOf(p);
        const QPointF centre(place.left + board::layout::kTileWidth / 2.0,
                             place.top + board::layout::kTileHeight / 2.0);
        const double distance = QLineF(centre, twips).length();
        if (best < 0 || distance < bestDistance)
            best = p, bestDistance = distance;
    }
    return best;
}

int TileView::neighbourOf(int from, int key) const
{
    const board::TilePlace origin = board_.PlaceOf(from);
    QPointF direction;
    switch (key) {
    case Qt::Key_Left:
        direction = {-1, 0};
        break;
    case Qt::Key_Right:
        direction = {1, 0};
        break;
    case Qt::Key_Up:
        direction = {0, -1};
        break;
    default:
        direction = {0, 1};
        break;
    }
    // A tile counts as ahead once it lies at least half a tile that way. Of those, the nearest
    // that shares a row (or column) with the ring's tile, within half a tile, wins; failing that,
    // the nearest where a step aside counts twice a step ahead. So the arrows follow rows and
    // columns, step onto another layer where it lies that way, and reach every tile in sight.
    const bool across = direction.y() == 0;
    const double minAhead = (across ? board::layout::kTileWidth : board::layout::kTileHeight) / 2.0;
    const double overlap = (across ? board::layout::kTileHeight : board::layout::kTileWidth) / 2.0;
    int best = -1;
    bool bestInLine = false;
    double bestAhead = 0;
    double bestAside = 0;
    for (int p = board::Board::kPositions - 1; p >= 0; --p) {
        if (p == from || !isTopmost(p))
            continue;
        const board::TilePlace place = board_.PlaceOf(p);
        const QPointF offset(place.left - origin.left, place.top - origin.top);
        const double ahead = QPointF::dotProduct(offset, direction);
        const double aside =
            std::abs(QPointF::dotProduct(offset, QPointF(direction.y(), direction.x())));
        if (ahead < minAhead)
            continue;
        const bool inLine = aside < overlap;
        const auto key = [&](double a, double s, bool line) {
            return line ? std::pair(a, s) : std::pair(a + 2 * s, s);
        };
        if (best < 0 || (inLine && !bestInLine) ||
            (inLine == bestInLine &&
             key(ahead, aside, inLine) < key(bestAhead, bestAside, bestInLine)))
            best = p, bestInLine = inLine, bestAhead = ahead, bestAside = aside;
    }
    return best;
}

void TileView::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (!ringShown_ && focusTile_ >= 0) {
        ringShown_ = true;
        update(tileRect(focusTile_).adjusted(-4, -4, 4, 4));
    }
    if (focusTile_ < 0 || !isTopmost(focusTile_)) {
        // The ring's tile went (or never was): start from the nearest tile to where it stood.
        const board::TilePlace place =
            focusTile_ >= 0 ? board_.PlaceOf(focusTile_) : board::TilePlace{0, 0};
        const bool parked = focusTile_ >= 0 && !isStanding(focusTile_);
        const QPointF from =
            parked || focusTile_ < 0 ? QPointF(0, 0) : QPointF(place.left, place.top);
        focusTile_ = -1;
        setFocusTile(nearestTopmost(from));
        if (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter)
            return;
    }
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (const int next = neighbourOf(focusTile_, key); next >= 0)
            setFocusTile(next);
        return;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        activateTile(focusTile_);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void TileView::focusInEvent(QFocusEvent* event)
{
    // The ring is for keyboard players; a click gives the board the focus without one.
    ringShown_ = event->reason() != Qt::MouseFocusReason;
    if (focusTile_ < 0 || !isTopmost(focusTile_))
        setFocusTile(nearestTopmost(QPointF(0, 0)));
    if (focusTile_ >= 0)
        update(tileRect(focusTile_).adjusted(-4, -4, 4, 4));
    QWidget::focusInEvent(event);
}

void TileView::focusOutEvent(QFocusEvent* event)
{
    if (focusTile_ >= 0)
        update(tileRect(focusTile_).adjusted(-4, -4, 4, 4));
    QWidget::focusOutEvent(event);
}

QString TileView::describeTile(int p) const
{
    const int face = board_.FaceAt(p);
    const QString what = face == 0
                             ? QStringLiteral("no face yet")
                             : QStringLiteral("face %1 (pair %2)").arg(face).arg((face + 1) / 2);
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
