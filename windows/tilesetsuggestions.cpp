// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/tilesetsuggestions.h"

// Qt
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>

// Standard library
#include <algorithm>

namespace {

constexpr int kRowsShown = 8;

} // namespace

TileSetSuggestions::TileSetSuggestions(QLineEdit* box) : QListWidget(box), box_(box)
{
    setObjectName(QStringLiteral("suggestions"));
    setAccessibleName(QStringLiteral("Tile sets"));
    // A tooltip's kind of window: shown without being activated, never grabbing the pointer.
    setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    viewport()->setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
    setMouseTracking(true);

    connect(box, &QLineEdit::textEdited, this, &TileSetSuggestions::offer);
    connect(this, &QListWidget::itemEntered, this,
            [this](QListWidgetItem* item) { setCurrentItem(item); });
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        box_->setText(item->text());
        hide();
    });
    box->installEventFilter(this);
    box->window()->installEventFilter(this);
}

void TileSetSuggestions::offer(const QString& typed)
{
    typed_ = typed;
    // Read afresh every time (a handful of folder names), so a set added while the game runs is
    // offered too, and the window opens without touching the disk.
    QStringList sets =
        QDir(QStringLiteral("fish"))
            .entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    sets.removeIf([&](const QString& set) { return !set.startsWith(typed, Qt::CaseInsensitive); });
    if (sets.isEmpty() || sets == QStringList{typed}) {
        hide();
        return;
    }
    clear();
    addItems(sets);
    setCurrentRow(-1);
    place();
    show();
}

void TileSetSuggestions::place()
{
    // As wide as the longest name needs (the box is only wide enough for a digit or two), as tall
    // as a few rows, under the box, or over it where the screen ends.
    const int frame = 2 * frameWidth();
    const int scrollBar = count() > kRowsShown ? verticalScrollBar()->sizeHint().width() : 0;
    const QRect room = box_->screen()->availableGeometry();
    const int width =
        std::min(room.width(), std::max(box_->width(), sizeHintForColumn(0) + frame + scrollBar));
    const int height = std::min(count(), kRowsShown) * sizeHintForRow(0) + frame;
    QPoint at = box_->mapToGlobal(QPoint(0, box_->height()));
    if (at.y() + height > room.bottom())
        at.setY(box_->mapToGlobal(QPoint(0, 0)).y() - height);
    at.setX(std::clamp(at.x(), room.left(), room.right() + 1 - width));
    setGeometry(QRect(at, QSize(width, height)));
}

void TileSetSuggestions::step(int rows)
{
    // Past either end the arrows come back to what was typed.
    int row = currentRow() + rows;
    if (row < -1)
        row = count() - 1;
    if (row >= count())
        row = -1;
    setCurrentRow(row);
    box_->setText(row < 0 ? typed_ : currentItem()->text());
}

bool TileSetSuggestions::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != box_) {
        // The list stands where the box was: it goes when the window moves or goes.
        if (event->type() == QEvent::Move || event->type() == QEvent::Hide ||
            event->type() == QEvent::WindowDeactivate)
            hide();
        return false;
    }
    if (event->type() == QEvent::FocusOut) {
        hide();
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Down:
        if (!isVisible()) {
            offer(box_->text());
            return true;
        }
        step(1);
        return true;
    case Qt::Key_Up:
        if (!isVisible())
            return false;
        step(-1);
        return true;
    case Qt::Key_Escape:
        if (!isVisible())
            return false;
        box_->setText(typed_);
        hide();
        return true;
    default:
        return false;
    }
}
