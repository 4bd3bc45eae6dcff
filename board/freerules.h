// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Local
#include "board/layout.h"
#include "board/tilemask.h"

// Standard library
#include <array>
#include <cstdint>
#include <span>

namespace board {

// Which removals free each position, read off the board's own rules (Board::IsFree and
// Board::ReleaseNeighbours) instead of being written a second time.
//
// IsFree reads only the position's own three flags, and ReleaseNeighbours only ever clears flags,
// the same ones for a given tile whatever went before. So whether a standing tile is free depends
// on nothing but the set of tiles already removed, and only on the few of them whose removal
// touches its flags. The rules probe fresh boards for those few, then ask IsFree about every
// combination of them, and keep the answer as the tile's ways: minimal sets of tiles whose
// removal makes it free. A tile is free once every tile of one of its ways is gone; the empty way
// means free from the start, no way at all means never.
//
// Built once on first use and never changed afterwards, so any number of threads may read it.
class FreeRules
{
public:
    static constexpr int kMaxWays = 4;
    static constexpr int kMaxBy = 6;
    static constexpr int kMaxAffected = 8;

    static const FreeRules& get();

    // Whether the tile at p, still standing, is free once the tiles in removed are gone.
    // Asks only the few tiles whose removal touches p's flags, and looks the answer up.
    bool isFree(int p, const TileMask& removed) const
    {
        unsigned gone = 0;
        for (int k = 0; k < byCounts_[p]; ++k)
            gone |= unsigned(removed.has(by_[p][k])) << k;
        return (freeWhen_[p] >> gone) & 1;
    }
    std::span<const TileMask> ways(int p) const { return {ways_[p].data(), counts_[p]}; }
    // The positions whose freedom can change when the tile at q goes.
    const TileMask& affectedBy(int q) const { return affected_[q]; }
    // The same positions as a list, for a caller that visits them one by one.
    std::span<const std::uint8_t> affectedList(int q) const
    {
        return {affectedList_[q].data(), affectedCounts_[q]};
    }

private:
    FreeRules();

    std::array<std::array<TileMask, kMaxWays>, layout::kPositions> ways_{};
    std::array<std::size_t, layout::kPositions> counts_{};
    std::array<TileMask, layout::kPositions> affected_{};
    // by_[p]: the tiles whose removal touches p's flags; bit s of freeWhen_[p] tells whether p
    // is free once the tiles by_[p][k] for the bits k of s are gone.
    std::array<std::array<std::uint8_t, kMaxBy>, layout::kPositions> by_{};
    std::array<int, layout::kPositions> byCounts_{};
    std::array<std::uint64_t, layout::kPositions> freeWhen_{};
    std::array<std::array<std::uint8_t, kMaxAffected>, layout::kPositions> affectedList_{};
    std::array<std::size_t, layout::kPositions> affectedCounts_{};
};

} // namespace board
