// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/freerules.h"

// Local
#include "board/board.h"

// Standard library
#include <bit>
#include <stdexcept>
#include <vector>

namespace board {

namespace {

bool flagsDiffer(const Board& a, const Board& b, int p)
{
    return a.BlockedAbove(p) != b.BlockedAbove(p) || a.BlockedBelow(p) != b.BlockedBelow(p) ||
           a.Covered(p) != b.Covered(p);
}

} // namespace

const FreeRules& FreeRules::get()
{
    static const FreeRules rules;
    return rules;
}

FreeRules::FreeRules()
{
    const Board fresh;
    std::array<std::vector<int>, layout::kPositions> influences;
    for (int q = 0; q < layout::kPositions; ++q) {
        Board b;
        b.ReleaseNeighbours(q);
        for (int p = 0; p < layout::kPositions; ++p)
            if (p != q && flagsDiffer(fresh, b, p)) {
                influences[p].push_back(q);
                affected_[q].add(p);
                if (affectedCounts_[q] == kMaxAffected)
                    throw std::logic_error("a removal touches more tiles than expected");
                affectedList_[q][affectedCounts_[q]++] = std::uint8_t(p);
            }
    }

    for (int p = 0; p < layout::kPositions; ++p) {
        const std::vector<int>& by = influences[p];
        // A handful at most: the tile resting on p and p's two neighbours in its column.
        if (by.size() > kMaxBy)
            throw std::logic_error("a tile's freedom hangs on more removals than expected");
        const unsigned subsets = 1u << by.size();
        std::vector<unsigned> minimal;
        // Fewest removals first, so that a way found is never a superset of a later one.
        for (int size = 0; size <= int(by.size()); ++size)
            for (unsigned s = 0; s < subsets; ++s) {
                if (std::popcount(s) != size)
                    continue;
                Board b;
                for (std::size_t i = 0; i < by.size(); ++i)
                    if (s & (1u << i))
                        b.ReleaseNeighbours(by[i]);
                bool covers = false;
                for (unsigned m : minimal)
                    covers = covers || (s & m) == m;
                // Flags are only cleared, so a free tile stays free as more tiles go.
                if (covers != b.IsFree(p) && covers)
                    throw std::logic_error("a tile became blocked by a removal");
                if (!covers && b.IsFree(p))
                    minimal.push_back(s);
            }
        if (minimal.size() > kMaxWays)
            throw std::logic_error("a tile can be freed in more ways than expected");
        for (std::size_t i = 0; i < by.size(); ++i)
            by_[p][i] = std::uint8_t(by[i]);
        byCounts_[p] = int(by.size());
        for (unsigned s = 0; s < subsets; ++s)
            for (unsigned m : minimal)
                if ((s & m) == m)
                    freeWhen_[p] |= std::uint64_t(1) << s;
        for (unsigned m : minimal) {
            TileMask way;
            for (std::size_t i = 0; i < by.size(); ++i)
                if (m & (1u << i))
                    way.add(by[i]);
            ways_[p][counts_[p]++] = way;
        }
    }
}

} // namespace board
