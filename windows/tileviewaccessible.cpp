// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/tileviewaccessible.h"

// Local
#include "windows/tileaccessible.h"
#include "windows/tileview.h"

TileViewAccessible::TileViewAccessible(TileView* view)
    : QAccessibleWidget(view, QAccessible::Pane, QStringLiteral("Board"))
{
}

TileViewAccessible::~TileViewAccessible()
{
    for (QAccessible::Id id : ids_)
        if (id != 0)
            QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* TileViewAccessible::factory(const QString& className, QObject* object)
{
    if (className == QLatin1String("TileView") && object && object->isWidgetType())
        return new TileViewAccessible(static_cast<TileView*>(object));
    return nullptr;
}

TileView* TileViewAccessible::view() const
{
    return static_cast<TileView*>(widget());
}

int TileViewAccessible::childCount() const
{
    return board::Board::kPositions;
}

QAccessibleInterface* TileViewAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    // One interface per tile for the life of the view, so a tile keeps its id for the assistive
    // technology; Qt's cache owns them once registered.
    if (ids_[index] == 0)
        ids_[index] = QAccessible::registerAccessibleInterface(new TileAccessible(view(), index));
    return QAccessible::accessibleInterface(ids_[index]);
}

int TileViewAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    if (const auto* tile = dynamic_cast<const TileAccessible*>(child))
        return tile->position();
    return -1;
}

QAccessibleInterface* TileViewAccessible::childAt(int x, int y) const
{
    const int tile = view()->tileAt(view()->mapFromGlobal(QPoint(x, y)));
    return tile >= 0 ? child(tile) : nullptr;
}

QAccessibleInterface* TileViewAccessible::focusChild() const
{
    return view()->hasFocus() && view()->focusTile() >= 0 ? child(view()->focusTile()) : nullptr;
}
