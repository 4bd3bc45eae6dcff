// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/clearuppervectorstate.h"

#if defined(__x86_64__) || defined(__i386__)

// Standard library
#include <immintrin.h>

namespace {

__attribute__((target("avx"))) void zeroUpper()
{
    _mm256_zeroupper();
}

} // namespace

void clearUpperVectorState()
{
    static const bool avx = __builtin_cpu_supports("avx");
    if (avx)
        zeroUpper();
}

#else

void clearUpperVectorState() {}

#endif
