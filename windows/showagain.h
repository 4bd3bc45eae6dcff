// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

// Shows a window that is loaded already, as showing a loaded window does: back from the task bar
// if it was minimized, and in front of the others. Nothing in it is reloaded.
void showAgain(QWidget* window);
