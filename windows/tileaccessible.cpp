// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/tileaccessible.h"

// Local
#include "windows/tileview.h"

TileAccessible::TileAccessible(TileView* view, int position) : view_(view), position_(position) {}

bool TileAccessible::isValid() const
{
    return view_;
}

QObject* TileAccessible::object() const
{
    // A tile is no QObject of its own; events name it as a child of the view.
    return nullptr;
}

QAccessibleInterface* TileAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(view_);
}

QString TileAccessible::text(QAccessible::Text t) const
{
    if (!view_)
        return {};
    switch (t) {
    case QAccessible::Name:
        return QStringLiteral("Tile %1: %2").arg(position_).arg(view_->describeTile(position_));
    case QAccessible::Description:
        return QStringLiteral("Take two free tiles whose faces are partners: 1 and 2, 3 and 4, "
                              "and so on.");
    default:
        return {};
    }
}

QRect TileAccessible::rect() const
{
    if (!view_ || !view_->isStanding(position_))
        return {};
    const QRect local = view_->tileRect(position_);
    return QRect(view_->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::State TileAccessible::state() const
{
    QAccessible::State s;
    if (!view_)
        return s;
    if (!view_->isStanding(position_)) {
        s.invisible = true;
        return s;
    }
    s.focusable = view_->isTopmost(position_);
    s.focused = view_->hasFocus() && view_->focusTile() == position_;
    return s;
}

void* TileAccessible::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                : nullptr;
}

QStringList TileAccessible::actionNames() const
{
    return {pressAction()};
}

void TileAccessible::doAction(const QString& actionName)
{
    if (view_ && actionName == pressAction())
        view_->activateTile(position_);
}

QStringList TileAccessible::keyBindingsForAction(const QString& actionName) const
{
    return actionName == pressAction() ? QStringList{QStringLiteral("Space")} : QStringList{};
}
