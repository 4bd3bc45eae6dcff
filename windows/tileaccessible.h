// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Qt
#include <QAccessibleActionInterface>
#include <QAccessibleInterface>
#include <QPointer>

class TileView;

// One tile for assistive technology: a button named "Tile 35: face 11 (pair 6), free" whose
// press clicks the tile as the pointer would.
class TileAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    TileAccessible(TileView* view, int position);

    bool isValid() const override;
    QObject* object() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

    int position() const { return position_; }

private:
    QPointer<TileView> view_;
    int position_;
};
