// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/partnergroups.h"

// Local
#include "board/partners.h"

namespace board {

namespace {

// The complete matchings of each set of a group's tiles (bits 0..2 the odd tiles, 3..5 the even
// ones), as pair bits; count -1 where the two faces differ in number.
struct Matchings
{
    int count = 0;
    std::array<std::uint16_t, 6> of{};
};

constexpr std::array<Matchings, 64> makeMatchings()
{
    std::array<Matchings, 64> table{};
    for (unsigned present = 0; present < 64; ++present) {
        std::array<int, 3> odd{}, even{};
        int n = 0, m = 0;
        for (int i = 0; i < 3; ++i) {
            if (present & (1u << i))
                odd[n++] = i;
            if (present & (8u << i))
                even[m++] = i;
        }
        if (n != m) {
            table[present].count = -1;
            continue;
        }
        if (n == 0)
            continue;
        std::array<int, 3> order{0, 1, 2};
        do {
            std::uint16_t matching = 0;
            for (int i = 0; i < n; ++i)
                matching |= PartnerGroups::bit(odd[i], even[order[i]]);
            table[present].of[table[present].count++] = matching;
        } while (std::next_permutation(order.begin(), order.begin() + n));
    }
    return table;
}

constexpr std::array<Matchings, 64> kMatchings = makeMatchings();

} // namespace

PartnerGroups::PartnerGroups(const Faces& faces)
{
    for (auto& group : tiles_)
        for (auto& side : group)
            side.fill(kNone);
    group_.fill(kNone);
    side_.fill(0);
    index_.fill(0);
    std::array<std::array<int, 2>, kGroups> count{};
    for (int p = 0; p < layout::kPositions; ++p) {
        const int face = faces[p];
        if (face < 1 || face > 2 * kGroups)
            continue;
        const int g = pairOf(face) - 1;
        const int s = partnerStep(face) == 1 ? 1 : 0;
        if (count[g][s] == 3)
            continue;
        group_[p] = g;
        side_[p] = s;
        index_[p] = count[g][s];
        tiles_[g][s][count[g][s]++] = p;
        mask_[g].add(p);
    }
    for (int p = 0; p < layout::kPositions; ++p)
        if (group_[p] != kNone)
            for (int q : tiles_[group_[p]][1 - side_[p]])
                if (q != kNone)
                    partners_[p].add(q);
}

bool PartnerGroups::narrow(const TileMask& standing, Pairs& pairs) const
{
    for (int g = 0; g < kGroups; ++g)
        if (!narrow(g, standing, pairs[g]))
            return false;
    return true;
}

bool PartnerGroups::narrow(int g, const TileMask& standing, std::uint16_t& pairs) const
{
    unsigned present = 0; // bits 0..2 the odd tiles standing, 3..5 the even ones
    for (int s = 0; s < 2; ++s)
        for (int i = 0; i < 3; ++i)
            if (tiles_[g][s][i] != kNone && standing.has(tiles_[g][s][i]))
                present |= 1u << (3 * s + i);
    const Matchings& all = kMatchings[present];
    if (all.count < 0)
        return false; // more tiles of one face than of the other
    std::uint16_t usable = 0;
    for (int k = 0; k < all.count; ++k)
        if ((all.of[k] & pairs) == all.of[k])
            usable |= all.of[k];
    pairs = usable;
    return all.count == 0 || usable != 0;
}

} // namespace board
