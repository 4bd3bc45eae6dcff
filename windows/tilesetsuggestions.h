// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Qt
#include <QListWidget>

class QLineEdit;

// The tile sets there are (the sub-folders of fish/ in the working directory) whose names begin
// with what the player has typed, offered in a list under the name box.
//
// It only ever helps: it takes no click and no key that the window would otherwise act on. It is
// a window of its own that neither grabs the pointer nor takes the focus, so a click on OK is a
// click on OK and Enter in the box is OK, whether the list shows or not. The arrow keys, which a
// one-line box has no use for, walk the offers and put each into the box as it is reached; Escape
// puts the list away; a click on an offer puts it into the box.
class TileSetSuggestions : public QListWidget
{
    Q_OBJECT

public:
    explicit TileSetSuggestions(QLineEdit* box);

    // Offers the sets that begin with typed, or puts the list away when there is nothing to offer.
    void offer(const QString& typed);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void step(int rows);
    void place();

    QLineEdit* box_;
    QString typed_; // what the player typed, back in the box when the arrows leave the offers
};
