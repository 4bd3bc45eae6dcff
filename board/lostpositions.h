// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Local
#include "board/partnergroups.h"
#include "board/tilemask.h"

// Standard library
#include <cstdint>
#include <vector>

namespace board {

// The positions a search has proved lost: the tiles removed, with the pairs then still possible.
// A position with the same tiles removed and no pair possible that a lost one lacked is lost as
// well, whatever the path to it.
//
// One flat table, grown by doubling up to a fixed size (about 75 MB); when that is full a new
// entry overwrites an old one, which costs the search time, never exactness. Flat, because a search
// that has proved a million positions lost and then ends must not leave the allocator a million
// small blocks to sort through on the next search's first allocation.
class LostPositions
{
public:
    using Pairs = PartnerGroups::Pairs;

    bool contains(const TileMask& removed, const Pairs& pairs) const;
    void add(const TileMask& removed, const Pairs& pairs);

private:
    struct Entry
    {
        std::uint64_t hash = 0; // 0: the slot is empty
        TileMask removed;
        Pairs pairs{};
    };

    static std::uint64_t hashOf(const TileMask& removed) { return removed.hash() | 1; }
    void grow();

    std::vector<Entry> slots_;
    std::size_t used_ = 0;
};

} // namespace board
