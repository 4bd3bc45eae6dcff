// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Local
#include "windows/designscale.h"
#include "windows/tileset.h"

// Qt
#include <QWidget>

class QPushButton;
struct Module1;

// The help window "Form2": the 44 faces of a tile set as a legend, one partner pair a row, in
// three blocks. It holds the pictures it was loaded with until it closes, whatever CardSet does
// meanwhile.
class Form2help : public QWidget
{
    Q_OBJECT

public:
    // HELP: shows the loaded help window, or loads one from module.CardSet. A set that cannot be
    // read gets a message on parent, and no window.
    static void showFor(Module1& module, QWidget* parent);

    explicit Form2help(const Faces& faces, QWidget* parent = nullptr);

    // Where Image2(k), the picture of face k + 1, stands in the design, in twips.
    static QPoint imagePlace(int k);
    // Where it is drawn, in pixels of this window.
    QRect imageRect(int k) const;
    const DesignScale& scale() const { return scale_; }

    void Command1_Click(); // OK

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    Faces Image2;
    QPushButton* Command1;
    DesignLayout layout_;
    DesignScale scale_;
};
