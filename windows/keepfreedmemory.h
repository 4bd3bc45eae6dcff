// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Tells the C library's allocator to keep memory the program frees for its next use, instead of
// handing it back to the system at once. Call it first thing in main(), before the memory it is
// about is allocated; the benchmarks call it too, to measure the game as it runs.
//
// START reads 44 pictures and enlarges them for the window, and the help window reads them again:
// some 4.5 MB at 1920 x 1080, in blocks of 16 to 100 kB (350 kB on a screen of twice the pixels),
// freed when the window closes. By default glibc hands freed memory at the top of its heap back to
// the system as soon as more than 128 kB lie there, and where the pictures land depends on what
// else was allocated before them. When they landed at the top, every reading of a set gave its
// memory back and faulted it in again page by page, three to five times slower; a tile-set folder
// with a longer path was enough to bring that on, or to take it away.
void keepFreedMemory();
