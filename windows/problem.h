// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Qt
#include <QString>

class QWidget;

// Tells the player that something could not be done, and why, without stopping anything: the
// message is modal to window only, returns at once, and deletes itself when dismissed.
void showProblem(QWidget* window, const QString& what, const QString& why);
