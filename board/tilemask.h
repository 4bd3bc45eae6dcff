// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Local
#include "board/layout.h"

// Standard library
#include <array>
#include <bit>
#include <cassert>
#include <cstddef>
#include <cstdint>

namespace board {

// A set of positions 0..131 in three machine words: what the solver keeps per search state, so
// that a union, an intersection or a subset test costs a handful of instructions. The bits above
// position 131 are always zero.
class TileMask
{
public:
    static constexpr int kWords = 3;

    constexpr TileMask() = default;

    static constexpr TileMask all()
    {
        TileMask m;
        m.words_ = {~std::uint64_t(0), ~std::uint64_t(0),
                    (std::uint64_t(1) << (layout::kPositions - 128)) - 1};
        return m;
    }
    static constexpr TileMask of(std::initializer_list<int> positions)
    {
        TileMask m;
        for (int p : positions)
            m.add(p);
        return m;
    }

    constexpr bool has(int p) const { return (words_[wordOf(p)] >> (p & 63)) & 1; }
    constexpr void add(int p) { words_[wordOf(p)] |= std::uint64_t(1) << (p & 63); }
    constexpr void remove(int p) { words_[wordOf(p)] &= ~(std::uint64_t(1) << (p & 63)); }

    constexpr bool empty() const { return (words_[0] | words_[1] | words_[2]) == 0; }
    constexpr int count() const
    {
        return std::popcount(words_[0]) + std::popcount(words_[1]) + std::popcount(words_[2]);
    }
    // Whether every position of other is in this set.
    constexpr bool contains(const TileMask& other) const
    {
        return ((other.words_[0] & ~words_[0]) | (other.words_[1] & ~words_[1]) |
                (other.words_[2] & ~words_[2])) == 0;
    }
    constexpr bool intersects(const TileMask& other) const
    {
        return ((other.words_[0] & words_[0]) | (other.words_[1] & words_[1]) |
                (other.words_[2] & words_[2])) != 0;
    }
    // The lowest position in the set; the set must not be empty.
    constexpr int first() const
    {
        assert(!empty());
        if (words_[0])
            return std::countr_zero(words_[0]);
        if (words_[1])
            return 64 + std::countr_zero(words_[1]);
        return 128 + std::countr_zero(words_[2]);
    }

    // Calls f(p) for every position p of the set, lowest first.
    template <class F> constexpr void forEach(F f) const
    {
        for (int w = 0; w < kWords; ++w)
            for (std::uint64_t bits = words_[w]; bits; bits &= bits - 1)
                f(w * 64 + std::countr_zero(bits));
    }

    constexpr TileMask& operator|=(const TileMask& o)
    {
        for (int w = 0; w < kWords; ++w)
            words_[w] |= o.words_[w];
        return *this;
    }
    constexpr TileMask& operator&=(const TileMask& o)
    {
        for (int w = 0; w < kWords; ++w)
            words_[w] &= o.words_[w];
        return *this;
    }
    // The positions of this set that are not in o.
    constexpr TileMask without(const TileMask& o) const
    {
        TileMask m;
        for (int w = 0; w < kWords; ++w)
            m.words_[w] = words_[w] & ~o.words_[w];
        return m;
    }
    friend constexpr TileMask operator|(TileMask a, const TileMask& b) { return a |= b; }
    friend constexpr TileMask operator&(TileMask a, const TileMask& b) { return a &= b; }
    friend constexpr bool operator==(const TileMask&, const TileMask&) = default;

    constexpr std::uint64_t word(std::size_t w) const { return words_[w]; }

    // A well-mixed 64-bit digest, for hash tables of search states.
    constexpr std::uint64_t hash() const
    {
        std::uint64_t h = 0x9e3779b97f4a7c15u;
        for (std::uint64_t w : words_) {
            h ^= w + 0x9e3779b97f4a7c15u + (h << 6) + (h >> 2);
            h *= 0xff51afd7ed558ccdu;
            h ^= h >> 33;
        }
        return h;
    }

private:
    static constexpr int wordOf(int p)
    {
        assert(p >= 0 && p < layout::kPositions);
        return p >> 6;
    }

    std::array<std::uint64_t, kWords> words_{};
};

} // namespace board
