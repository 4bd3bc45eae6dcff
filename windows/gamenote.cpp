// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/gamenote.h"

// Qt
#include <QAccessible>
#include <QAccessibleWidget>
#include <QChildEvent>
#include <QKeyEvent>

namespace {

// Dark ink on the tiles' ivory, in a thin dark frame: it reads on the navy and stands apart from
// the board and its controls.
const QColor kPaper(255, 250, 225);
const QColor kInk(0, 0, 0);

bool isModifier(int key)
{
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt ||
           key == Qt::Key_Meta || key == Qt::Key_AltGr;
}

} // namespace

GameNote::GameNote(QWidget* window) : QLabel(window)
{
    setObjectName(QStringLiteral("note"));
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kPaper);
    palette.setColor(QPalette::WindowText, kInk);
    setPalette(palette);
    setTextFormat(Qt::PlainText);
    setFocusPolicy(Qt::NoFocus);
    hide();
    watch(window);
}

void GameNote::watch(QObject* object)
{
    if (object == this)
        return;
    object->installEventFilter(this);
    for (QObject* child : object->children())
        if (child->isWidgetType())
            watch(child);
}

bool GameNote::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ChildAdded:
        // Controls made after the note are watched too.
        if (auto* child = static_cast<QChildEvent*>(event)->child(); child->isWidgetType())
            watch(child);
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        tell({});
        break;
    case QEvent::KeyPress:
        if (!isModifier(static_cast<QKeyEvent*>(event)->key()))
            tell({});
        break;
    default:
        break;
    }
    return QLabel::eventFilter(watched, event);
}

void GameNote::tell(const QString& text)
{
    if (text.isEmpty()) {
        hide();
        return;
    }
    const bool again = isVisible();
    setText(text);
    setAccessibleName(text);
    fit();
    raise();
    show();
    if (again && QAccessible::isActive()) {
        // A note that was showing already is announced as if it showed anew.
        QAccessibleEvent shown(this, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    }
}

void GameNote::place(const QRect& room, const QFont& font)
{
    room_ = room;
    setFont(font);
    setMargin(std::max(2, font.pixelSize() / 3));
    fit();
}

void GameNote::fit()
{
    // As wide as its room, as tall as its text, from the room's top.
    const int height = std::min(room_.height(), heightForWidth(room_.width()));
    setGeometry(room_.x(), room_.y(), room_.width(), std::max(height, 1));
}

QAccessibleInterface* GameNote::accessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("GameNote") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::AlertMessage);
    return nullptr;
}
