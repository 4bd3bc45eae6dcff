// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Qt
class QWidget;

namespace testing {

// What a test asks of the window system that a Wayland compositor, not the client, decides. On
// X and on the offscreen platform the window system grants such a request at once.

// True on Qt's wayland platform.
bool onWayland();

// Makes window, shown, the active window, so that it holds the keyboard focus and shows its focus
// ring. A Wayland client cannot activate its own window: the compositor gives the keyboard to a
// window of its choosing (Weston's headless backend has no keyboard at all). There Qt alone is
// told that the window is active, which is what decides the focus widget. True once it is.
bool activate(QWidget* window);

// Takes window, shown maximized, out of the maximized state, and returns true once the window
// system has done so and the window may be resized. On Wayland the compositor answers the request
// later, and a client that gives a window another size while it is still configured maximized
// breaks the protocol and is disconnected.
bool leaveMaximized(QWidget* window);

} // namespace testing
