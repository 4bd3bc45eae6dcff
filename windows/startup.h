// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Local
#include "windows/designscale.h"

// Qt
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
struct Module1;

// The start-up window "Option": a picture, the credits, the tile-set name, INFO and OK. It stays
// open and usable while the other windows come and go; the program ends when the last window
// closes, whichever it is.
class startup : public QWidget
{
    Q_OBJECT

public:
    explicit startup(Module1& module, QWidget* parent = nullptr);

    void Command1_Click(); // OK: store the tile-set name, load (if need be) and show the game
    void Command2_Click(); // INFO

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    Module1& module_;
    QLabel* Picture1;
    QLabel* Label2;
    QLabel* Label1;
    QLineEdit* Text1;
    QPushButton* Command2;
    QPushButton* Command1;
    DesignLayout layout_;
};
