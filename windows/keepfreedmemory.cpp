// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/keepfreedmemory.h"

// Standard library
#include <malloc.h>

void keepFreedMemory()
{
    // Blocks under a megabyte (a picture, or one enlarged for the screen) come from the heap,
    // where freed ones are used again; larger ones are rare (the victory show's canvas) and go
    // back to the system when freed.
    constexpr int kHeapBlocksUnder = 1 << 20;
    // Freed memory at the heap's top is kept up to this much: two sets of faces and their
    // enlargements. It does not raise the peak, which is reached while the memory is in use.
    constexpr int kKeptAtTop = 8 << 20;
    mallopt(M_MMAP_THRESHOLD, kHeapBlocksUnder);
    mallopt(M_TRIM_THRESHOLD, kKeptAtTop);
}
