#include "tileview.h"

// Qt
#include <QMouseEvent>
#include <QPainter>

TileView::TileView(const board::Board& board, QWidget* parent) : QWidget(parent), board_(board)
{
    setObjectName(QStringLiteral("Image1"));
}

void TileView::setFaces(const Faces& faces)
{
    faces_ = faces;
    update();
}

void TileView::setScale(const DesignScale& scale)
{
    scale_ = scale;
    update();
}

const QPixmap* TileView::pictureOf(int p) const
{
    const int face = board_.FaceAt(p);
    if (board_.Placed(p) == 0 || face < 1 || face > kFaces || faces_[face - 1].isNull())
        return nullptr;
    return &faces_[face - 1];
}

QSizeF TileView::sizeInTwips(int p) const
{
    // An image takes on its picture's size; an empty one keeps the design's tile size.
    if (const QPixmap* picture = pictureOf(p))
        return QSizeF(picture->size()) * DesignScale::kTwipsPerPixel;
    return {double(board::layout::kTileWidth), double(board::layout::kTileHeight)};
}

QRectF TileView::tileRect(int p) const
{
    const board::TilePlace place = board_.PlaceOf(p);
    return scale_.toPixels(QRectF(QPointF(place.left, place.top), sizeInTwips(p)));
}

int TileView::tileAt(QPointF pixels) const
{
    for (int p = board::Board::kPositions - 1; p >= 0; --p) {
        const board::TilePlace place = board_.PlaceOf(p);
        if (place.left == board::Board::kParked && place.top == board::Board::kParked)
            continue;
        if (tileRect(p).contains(pixels))
            return p;
    }
    return -1;
}

void TileView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (!canvas_.isNull())
        painter.drawImage(event->rect(), canvas_, event->rect());
    const QRectF dirty(event->rect());
    for (int p = 0; p < board::Board::kPositions; ++p) {
        const QPixmap* picture = pictureOf(p);
        if (!picture)
            continue;
        const QRectF target = tileRect(p);
        if (target.intersects(dirty))
            painter.drawPixmap(target.topLeft(), *picture);
    }
}

void TileView::showMoves(const board::Outcome& outcome)
{
    for (const board::TileMove& move : outcome.moves) {
        const QSizeF size = sizeInTwips(move.position);
        for (const board::TilePlace& place : {move.from, move.to})
            update(scale_.toPixels(QRectF(QPointF(place.left, place.top), size))
                       .toAlignedRect()
                       .adjusted(-1, -1, 1, 1));
    }
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
    const QPointF centre = scale_.toPixels(QPointF(circle.x, circle.y));
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

void TileView::mousePressEvent(QMouseEvent* event)
{
    pressedTile_ = event->button() == Qt::LeftButton ? tileAt(event->position()) : -1;
}

void TileView::mouseReleaseEvent(QMouseEvent* event)
{
    // A click is a press and a release on the same tile, as with any button.
    const int pressed = pressedTile_;
    pressedTile_ = -1;
    if (event->button() == Qt::LeftButton && pressed >= 0 && tileAt(event->position()) == pressed)
        emit tileClicked(pressed);
}
