#include "tileview.h"

// Qt
#include <QMouseEvent>
#include <QPainter>

// Library
#include <algorithm>
#include <cmath>

TileView::TileView(const board::Board& board, QWidget* parent) : QWidget(parent), board_(board)
{
    setObjectName(QStringLiteral("Image1"));
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

int TileView::tileAt(QPointF pixels) const
{
    for (int p = board::Board::kPositions - 1; p >= 0; --p) {
        const board::TilePlace place = board_.PlaceOf(p);
        if (place.left == board::Board::kParked && place.top == board::Board::kParked)
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
}

void TileView::showMoves(const board::Outcome& outcome)
{
    for (const board::TileMove& move : outcome.moves) {
        const QSize picture = pictureSize(move.position);
        update(rectAt(move.from, picture));
        update(rectAt(move.to, picture));
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
