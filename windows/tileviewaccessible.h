// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Local
#include "board/board.h"

// Qt
#include <QAccessibleWidget>

// Standard library
#include <array>

class TileView;

// The board for assistive technology: a panel whose 132 children are the tiles, child i being
// position i, each a button named by its face and state (see TileAccessible). Parked tiles stay
// in the list, invisible, so a child's index always names the same position.
class TileViewAccessible : public QAccessibleWidget
{
public:
    explicit TileViewAccessible(TileView* view);
    ~TileViewAccessible() override;

    // For QAccessible::installFactory: our interface for a TileView, nothing for anything else.
    static QAccessibleInterface* factory(const QString& className, QObject* object);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    TileView* view() const;

private:
    mutable std::array<QAccessible::Id, board::Board::kPositions> ids_{};
};
