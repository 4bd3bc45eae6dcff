// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Qt
#include <QWidget>

// What a bare Qt program paints where the game paints its board: 132 tile-sized rectangles in
// five layers, drawn afresh in every paint event, over a plain background.
class BareCanvas : public QWidget
{
public:
    explicit BareCanvas(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
