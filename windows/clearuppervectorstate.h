// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Marks the upper halves of the x86 vector registers unused (VZEROUPPER), on processors that have
// them; elsewhere it does nothing. Call it before a burst of work in Qt's SSE code.
//
// Some of Qt's AVX drawing code (QImage::fill and the raster engine's solid fills among it)
// returns with those halves in use, and they stay so until other AVX code happens to clear them.
// Meanwhile every SSE instruction pays for it, on this machine half its speed. The game window's
// focus ring, painted just before START, left them so, and START's enlarging of the 44 faces took
// twice as long: 10 ms to the painted board instead of 4.5.
void clearUpperVectorState();
