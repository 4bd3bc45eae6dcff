// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/partnergroups.h"

// Local
#include "board/partners.h"

namespace board {

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
}

bool PartnerGroups::narrow(const TileMask& standing, Pairs& pairs) const
{
    for (int g = 0; g < kGroups; ++g) {
        std::array<std::array<int, 3>, 2> at{};
        std::array<int, 2> n{};
        (mask_[g] & standing).forEach([&](int p) { at[side_[p]][n[side_[p]]++] = index_[p]; });
        if (n[0] != n[1])
            return false;
        // Every complete matching of the standing tiles along the pairs allowed.
        std::uint16_t usable = 0;
        std::array<int, 3> order{0, 1, 2};
        do {
            std::uint16_t matching = 0;
            for (int i = 0; i < n[0]; ++i)
                matching |= bit(at[0][i], at[1][order[i]]);
            if ((matching & pairs[g]) == matching)
                usable |= matching;
        } while (std::next_permutation(order.begin(), order.begin() + n[0]));
        if (n[0] > 0 && usable == 0)
            return false;
        pairs[g] = usable;
    }
    return true;
}

} // namespace board
