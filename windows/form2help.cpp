// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/form2help.h"

// Local
#include "windows/colours.h"
#include "windows/focusring.h"
#include "windows/module1.h"
#include "windows/showagain.h"
#include "windows/tileset.h"

// Qt
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>

namespace {

// A block of the legend: indices first..last, odd ones in the left column, even ones in the right.
struct Block
{
    int first;
    int last;
    int oddLeft;
    int evenLeft;
    int firstTop;
};

constexpr Block kBlocks[] = {
    {0, 11, 720, 1800, 1800},
    {12, 27, 3660, 4740, 240},
    {28, 43, 6720, 7800, 240},
};
constexpr int kRowHeight = 780;
// What the zoom fits into the window: the legend with its left and top margins repeated at its
// right and bottom (the pictures reach to 9000 x 6480).
const QRectF kDesignArea(0, 0, 9720, 6720);

} // namespace

void Form2help::showFor(Module1& module, QWidget* parent)
{
    if (module.help) {
        showAgain(module.help);
        return;
    }
    // All 44 pictures or no window: a legend with holes would mislead.
    const std::optional<Faces> faces =
        TileSet::loadOrTell(module.CardSet, parent, QStringLiteral("The faces cannot be shown"));
    if (!faces)
        return;
    module.help = new Form2help(*faces);
    module.help->showMaximized();
}

Form2help::Form2help(const Faces& faces, QWidget* parent) : QWidget(parent), Image2(faces)
{
    setObjectName(QStringLiteral("Form2help"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Form2"));
    setBackground(this, QColor(0, 128, 0));

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setPalette(systemColours());
    // Enter on OK closes the window, as Space does.
    Command1->setAutoDefault(true);
    layout_.place(Command1, {1500, 720, 675, 375}, 8.25);
    connect(Command1, &QPushButton::clicked, this, &Form2help::Command1_Click);
    new FocusRing(this, {Command1}, kFocusOnGreen);

    // As on the board, the numbers on the faces blur below their own size.
    setMinimumSize(DesignScale::wholePixels(kDesignArea.size()));
    resize(DesignScale().toPixelRect(QRectF(0, 0, 4680, 3195)).size().expandedTo(minimumSize()));
}

QPoint Form2help::imagePlace(int k)
{
    for (const Block& block : kBlocks)
        if (k >= block.first && k <= block.last)
            return {k % 2 == 0 ? block.evenLeft : block.oddLeft,
                    block.firstTop + kRowHeight * ((k - block.first) / 2)};
    return {};
}

QRect Form2help::imageRect(int k) const
{
    return scale_.pictureRect(QPointF(imagePlace(k)), Image2[k].size());
}

void Form2help::resizeEvent(QResizeEvent*)
{
    scale_ = DesignScale::fitting(kDesignArea, size());
    layout_.apply(scale_);
}

void Form2help::paintEvent(QPaintEvent* event)
{
    // The faces are enlarged as they are drawn, and not kept so: the legend is painted when it
    // shows and seldom again, while 44 faces enlarged for a maximized window would hold some 4 MB
    // for as long as it stays open. Enlarging all 44 takes 2 to 3 ms (windowbench).
    QPainter painter(this);
    // In index order, so the odd (left) picture of a row lies over the even one it overlaps.
    for (int k = 0; k < kFaces; ++k)
        if (const QRect place = imageRect(k); place.intersects(event->rect()))
            painter.drawPixmap(place.topLeft(),
                               scaledFace(Image2[k], scale_.zoom(), devicePixelRatioF()));
}

void Form2help::Command1_Click()
{
    close();
}
