// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/lostpositions.h"

namespace board {

namespace {

constexpr std::size_t kFirstSlots = 1 << 10;
constexpr std::size_t kMostSlots = 1 << 20;

// Whether every pair possible in some is possible in all as well.
bool within(const PartnerGroups::Pairs& some, const PartnerGroups::Pairs& all)
{
    for (int g = 0; g < PartnerGroups::kGroups; ++g)
        if (some[g] & ~all[g])
            return false;
    return true;
}

} // namespace

bool LostPositions::contains(const TileMask& removed, const Pairs& pairs) const
{
    if (slots_.empty())
        return false;
    const std::uint64_t hash = hashOf(removed);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
        const Entry& e = slots_[at];
        if (e.hash == 0)
            return false;
        if (e.hash == hash && e.removed == removed && within(pairs, e.pairs))
            return true;
    }
}

void LostPositions::add(const TileMask& removed, const Pairs& pairs)
{
    // At most three quarters full, so that a search for an absent position ends soon.
    const std::uint64_t hash = hashOf(removed);
    if (4 * (used_ + 1) > 3 * slots_.size()) {
        if (slots_.size() >= kMostSlots) {
            // Full: the newest proof takes the place of whatever sits where it belongs. The
            // slot stays taken, so every other entry is still found where it was. An empty
            // slot stays empty: filling it would let the table fill up, and a search for an
            // absent position would then run through all of it.
            Entry& home = slots_[hash & (slots_.size() - 1)];
            if (home.hash != 0)
                home = {hash, removed, pairs};
            return;
        }
        grow();
    }
    const std::size_t mask = slots_.size() - 1;
    std::size_t at = hash & mask;
    for (; slots_[at].hash != 0; at = (at + 1) & mask)
        if (slots_[at].hash == hash && slots_[at].removed == removed &&
            within(pairs, slots_[at].pairs))
            return; // already known, and more
    slots_[at] = {hash, removed, pairs};
    ++used_;
}

void LostPositions::grow()
{
    std::vector<Entry> old = std::move(slots_);
    slots_.assign(old.empty() ? kFirstSlots : 2 * old.size(), Entry{});
    const std::size_t mask = slots_.size() - 1;
    for (const Entry& e : old) {
        if (e.hash == 0)
            continue;
        std::size_t at = e.hash & mask;
        while (slots_[at].hash != 0)
            at = (at + 1) & mask;
        slots_[at] = e;
    }
}

} // namespace board
