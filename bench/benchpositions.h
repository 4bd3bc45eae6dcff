// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Local
#include "board/board.h"
#include "board/pairmove.h"
#include "board/partners.h"
#include "board/random.h"

// Qt
#include <QString>

// Standard library
#include <cstdint>
#include <random>
#include <vector>

// The positions the solver is measured on, the same in every benchmark that asks it:
//
//   deals      the deals of seeds 1..count (Board::Deal with board::Random(seed))
//   mid-game   the same deals after 0 to 60 random legal pairs (count and pairs drawn from a
//              generator of fixed seed; a deal that runs out of pairs earlier stops there)
namespace benchpositions {

struct Position
{
    board::Board board;
    std::uint32_t seed = 0;
    board::Line taken;
};

inline board::Board dealt(std::uint32_t seed)
{
    board::Board b;
    board::Random random(seed);
    b.Deal(random, QStringLiteral("1"), 0);
    return b;
}

inline board::Line takeable(const board::Board& b)
{
    const board::Board::Positions free = b.FreeStanding();
    board::Line pairs;
    for (qsizetype i = 0; i < free.size(); ++i)
        for (qsizetype j = i + 1; j < free.size(); ++j)
            if (board::arePartners(b.FaceAt(free[i]), b.FaceAt(free[j])))
                pairs.push_back({free[i], free[j]});
    return pairs;
}

struct Sets
{
    std::vector<Position> deals, midGame;
};

inline Sets make(int count)
{
    Sets sets;
    std::mt19937 chance(20261216);
    for (int s = 1; s <= count; ++s) {
        const auto seed = std::uint32_t(s);
        sets.deals.push_back({dealt(seed), seed, {}});
        Position p{dealt(seed), seed, {}};
        const int pairs = std::uniform_int_distribution<int>(0, 60)(chance);
        for (int k = 0; k < pairs; ++k) {
            const board::Line options = takeable(p.board);
            if (options.empty())
                break;
            const board::PairMove m =
                options[std::uniform_int_distribution<std::size_t>(0, options.size() - 1)(chance)];
            p.board.ClickTile(m.first);
            p.board.ClickTile(m.second);
            p.taken.push_back(m);
        }
        sets.midGame.push_back(std::move(p));
    }
    return sets;
}

} // namespace benchpositions
