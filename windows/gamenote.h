// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Qt
#include <QLabel>

class QAccessibleInterface;

// A note of the game's own inside the game window: an answer, a step done, the time of a win. It
// shows in the room the window keeps for it, over no tile and no control, in the window's zoom,
// and it goes at the next click or key anywhere in the window. Screen readers hear it as an alert
// each time it shows a new text.
//
// It never touches the status box: that one belongs to the game as designed.
class GameNote : public QLabel
{
    Q_OBJECT

public:
    explicit GameNote(QWidget* window);

    // Shows text in the note, raising it; an empty text puts it away.
    void tell(const QString& text);
    // Where the note may show, in pixels of the window, and its font.
    void place(const QRect& room, const QFont& font);

    // For QAccessible::installFactory: the note as an alert, nothing for anything else.
    static QAccessibleInterface* accessibleFactory(const QString& className, QObject* object);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fit();
    void watch(QObject* object);

    QRect room_;
};
