// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/playing.h"

// Local
#include "board/partners.h"

// Standard library
#include <bitset>
#include <cmath>
#include <stdexcept>
#include <unordered_set>

namespace testing {

float drawForSlot(float slot)
{
    // Look through the floats around slot / 131 for one whose product lands on slot exactly.
    float r = slot / 131.0f;
    for (int step = 0; step < 1000; ++step)
        r = std::nextafter(r, 0.0f);
    for (int step = 0; step < 2000; ++step, r = std::nextafter(r, 1.0f))
        if (r < 1.0f && r * 131.0f == slot)
            return r;
    throw std::logic_error("no draw gives that slot");
}

float drawForPosition(int p)
{
    // Not every whole slot can be hit exactly; a tenth above it rounds to it all the same.
    return (p == board::Board::kPositions - 1 ? 130.75f : float(p) + 0.1f) / 131.0f;
}

std::vector<float> drawsFor(const Arrangement& arrangement)
{
    std::array<std::vector<int>, board::Board::kFaces + 1> positionsOf;
    for (int p = board::Board::kPositions - 1; p >= 0; --p)
        positionsOf.at(arrangement[p]).push_back(p);
    std::vector<float> draws;
    for (int k = 0; k < board::Board::kPositions; ++k) {
        std::vector<int>& free = positionsOf[k % board::Board::kFaces + 1];
        if (free.empty())
            throw std::logic_error("a face is not dealt three times");
        draws.push_back(drawForPosition(free.back()));
        free.pop_back();
    }
    return draws;
}

void dealArrangement(board::Board& board, const Arrangement& arrangement)
{
    ScriptedRandom random(drawsFor(arrangement));
    board.Deal(random, QStringLiteral("test"), 0.0f);
}

std::vector<Pair> takeablePairs(const board::Board& board)
{
    const board::Board::Positions free = board.FreeStanding();
    std::vector<Pair> pairs;
    for (qsizetype a = 0; a < free.size(); ++a)
        for (qsizetype b = a + 1; b < free.size(); ++b)
            if (board::arePartners(board.FaceAt(free[a]), board.FaceAt(free[b])))
                pairs.emplace_back(free[a], free[b]);
    return pairs;
}

namespace {

using Standing = std::bitset<board::Board::kPositions>;

struct StandingHash
{
    std::size_t operator()(const Standing& s) const
    {
        return std::hash<std::string>()(s.to_string());
    }
};

bool search(const board::Board& board, std::vector<Pair>& order,
            std::unordered_set<Standing, StandingHash>& seen, std::size_t budget)
{
    if (board.PairsRemoved() == board::Board::kPairs)
        return true;
    Standing standing;
    for (int p = 0; p < board::Board::kPositions; ++p)
        standing[p] = !board.IsRemoved(p);
    if (seen.size() >= budget || !seen.insert(standing).second)
        return false;
    for (const Pair& pair : takeablePairs(board)) {
        board::Board next = board;
        next.ClickTile(pair.first);
        next.ClickTile(pair.second);
        order.push_back(pair);
        if (search(next, order, seen, budget))
            return true;
        order.pop_back();
    }
    return false;
}

} // namespace

std::vector<Pair> clearingOrder(const board::Board& board, std::size_t budget)
{
    std::vector<Pair> order;
    std::unordered_set<Standing, StandingHash> seen;
    if (!search(board, order, seen, budget))
        order.clear();
    return order;
}

} // namespace testing
