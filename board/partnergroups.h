// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Local
#include "board/layout.h"
#include "board/tilemask.h"

// Standard library
#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

namespace board {

using Faces = std::array<std::int16_t, layout::kPositions>;

// The deal seen as 22 partner groups: faces 2k-1 and 2k, three tiles of each. A group's tiles are
// cleared as three pairs, each an odd tile with an even one, so what a game decides is which odd
// tile goes with which even one: one of the 3! matchings of every group.
//
// Pairs are named by bits: bit 3i + j of a group's Pairs stands for its i-th odd tile with its
// j-th even one (tiles counted in position order).
class PartnerGroups
{
public:
    static constexpr int kGroups = 22;
    static constexpr int kNone = -1;
    using Pairs = std::array<std::uint16_t, kGroups>;

    // Tiles whose face is not 1..44, or the fourth tile of a face, belong to no group.
    explicit PartnerGroups(const Faces& faces);

    static constexpr Pairs everyPair()
    {
        Pairs all{};
        all.fill(0x1ff);
        return all;
    }
    static constexpr std::uint16_t bit(int odd, int even)
    {
        return std::uint16_t(1u << (3 * odd + even));
    }

    // Group 0..21 of the tile at p, or kNone.
    int group(int p) const { return group_[p]; }
    // 0 for an odd face, 1 for an even one.
    int side(int p) const { return side_[p]; }
    int index(int p) const { return index_[p]; }
    // The position of a group's i-th tile on a side, or kNone.
    int tile(int g, int side, int i) const { return tiles_[g][side][i]; }
    const TileMask& tiles(int g) const { return mask_[g]; }
    // The tiles of p's group with the other face: p's partners, taken or not.
    const TileMask& partners(int p) const { return partners_[p]; }
    // The pairs of pairs that p may still be taken in: p's row (odd) or column (even).
    static std::uint16_t pairsOf(int side, int index)
    {
        return side == 0 ? std::uint16_t(7u << (3 * index)) : std::uint16_t(0x49u << index);
    }

    // Of a group's possible pairs, those that the tile at p (in that group) may be taken in.
    unsigned pairsFor(int p, std::uint16_t groupPairs) const
    {
        return groupPairs & pairsOf(side_[p], index_[p]);
    }
    // The partner that pair bit b of p's group joins the tile at p to.
    int partnerBy(int p, int b) const
    {
        return tiles_[group_[p]][1 - side_[p]][side_[p] == 0 ? b % 3 : b / 3];
    }
    // p's only possible partner, when p is that partner's only one as well, so that the two can
    // go only together; kNone otherwise.
    int soleMutualPartner(int p, std::uint16_t groupPairs) const
    {
        const unsigned mine = pairsFor(p, groupPairs);
        if (!mine || (mine & (mine - 1)))
            return kNone;
        const int y = partnerBy(p, std::countr_zero(mine));
        return pairsFor(y, groupPairs) == mine ? y : kNone;
    }

    // Keeps of pairs only those that lie on a complete matching of each group's standing tiles.
    // False when some group has none left: its tiles can never all be cleared.
    bool narrow(const TileMask& standing, Pairs& pairs) const;
    // The same for group g alone.
    bool narrow(int g, const TileMask& standing, std::uint16_t& pairs) const;

    // Calls take(odd, even) for the pairs of a matching of every part of group g that the pairs
    // keep to themselves (no pair joins them to the group's other tiles) when every tile of
    // that part is free. pairs must be narrowed. Returns how many pairs it took.
    template <class Take>
    int takeFreeParts(int g, const TileMask& standing, const TileMask& free, std::uint16_t pairs,
                      Take take) const;

private:
    std::array<std::array<std::array<int, 3>, 2>, kGroups> tiles_{};
    std::array<TileMask, kGroups> mask_{};
    std::array<TileMask, layout::kPositions> partners_{};
    std::array<int, layout::kPositions> group_{};
    std::array<int, layout::kPositions> side_{};
    std::array<int, layout::kPositions> index_{};
};

template <class Take>
int PartnerGroups::takeFreeParts(int g, const TileMask& standing, const TileMask& free,
                                 std::uint16_t pairs, Take take) const
{
    // Bits 0..2: the odd tiles, 3..5: the even ones, joined into parts along the pairs.
    std::array<unsigned, 6> part{};
    for (int k = 0; k < 6; ++k)
        part[k] = 1u << k;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            if (pairs & bit(i, j)) {
                const unsigned joined = part[i] | part[3 + j];
                for (int k = 0; k < 6; ++k)
                    if (joined & (1u << k))
                        part[k] = joined;
            }
    unsigned freeTiles = 0;
    for (int s = 0; s < 2; ++s)
        for (int i = 0; i < 3; ++i) {
            const int p = tiles_[g][s][i];
            if (p != kNone && standing.has(p) && free.has(p))
                freeTiles |= 1u << (3 * s + i);
        }
    int taken = 0;
    unsigned done = 0;
    for (int k = 0; k < 6; ++k) {
        const unsigned tiles = part[k];
        if (!(freeTiles & (1u << k)) || (done & tiles) || (tiles & ~freeTiles))
            continue;
        done |= tiles;
        // Every pair of a narrowed group lies on a complete matching, so some order of the
        // part's even tiles fits its odd ones.
        std::array<int, 3> odd{}, even{};
        int n = 0, m = 0;
        for (int i = 0; i < 3; ++i) {
            if (tiles & (1u << i))
                odd[n++] = i;
            if (tiles & (8u << i))
                even[m++] = i;
        }
        std::array<int, 3> order{0, 1, 2};
        do {
            bool fits = n == m;
            for (int i = 0; i < n && fits; ++i)
                fits = (pairs & bit(odd[i], even[order[i]])) != 0;
            if (!fits)
                continue;
            for (int i = 0; i < n; ++i)
                take(tiles_[g][0][odd[i]], tiles_[g][1][even[order[i]]]);
            taken += n;
            break;
        } while (std::next_permutation(order.begin(), order.begin() + m));
    }
    return taken;
}

} // namespace board
