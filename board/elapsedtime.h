// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Qt
#include <QString>

namespace board {

// The game clock's text for the time of day now, counted from dealTime (both in seconds since
// midnight): five spaces, whole minutes, ":", seconds 0..59, no leading zeros ("     2:5").
// A game that runs across midnight counts on: a negative difference gains a day.
QString elapsedTimeText(float now, float dealTime);

} // namespace board
