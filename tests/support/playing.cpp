// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/playing.h"

// Local
#include "board/partners.h"
#include "board/solver.h"

// Standard library
#include <algorithm>
#include <cmath>
#include <random>
#include <stdexcept>

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

std::vector<Pair> clearingOrder(const board::Board& board, std::size_t budget)
{
    board::SolveLimits limits;
    limits.maxNodes = budget;
    std::vector<Pair> order;
    for (const board::PairMove& m : board::Solver::solve(board, limits).line)
        order.emplace_back(m.first, m.second);
    return order;
}

board::Board positionWith(const std::map<int, int>& kept)
{
    if (kept.size() % 2)
        throw std::logic_error("an odd number of tiles cannot be what pairs left");
    // The order in which the other tiles go, two free ones at a time, on the flags alone: the two
    // lowest free ones, or where that strands a tile, free ones picked by chance.
    std::vector<Pair> order;
    std::mt19937 chance(1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        board::Board flags;
        std::vector<bool> gone(board::Board::kPositions, false);
        order.clear();
        for (std::size_t left = board::Board::kPositions - kept.size(); left > 0; left -= 2) {
            std::vector<int> free;
            for (int p = 0; p < board::Board::kPositions; ++p)
                if (!gone[p] && !kept.count(p) && flags.IsFree(p))
                    free.push_back(p);
            if (free.size() < 2)
                break;
            if (attempt > 0)
                std::shuffle(free.begin(), free.end(), chance);
            for (int p : {free[0], free[1]}) {
                flags.ReleaseNeighbours(p);
                gone[p] = true;
            }
            order.emplace_back(free[0], free[1]);
        }
        if (2 * order.size() + kept.size() == board::Board::kPositions)
            break;
    }
    if (2 * order.size() + kept.size() != board::Board::kPositions)
        throw std::logic_error("the kept tiles leave the others no way to go");

    std::array<int, board::Board::kFaces + 1> copies;
    copies.fill(3);
    Arrangement faces{};
    for (const auto& [p, face] : kept) {
        faces.at(p) = face;
        if (--copies.at(face) < 0)
            throw std::logic_error("a face is kept more than three times");
    }
    int pairFace = 1; // odd face of the partner pair handed out next
    for (const auto& [first, second] : order) {
        while (pairFace < board::Board::kFaces && (!copies[pairFace] || !copies[pairFace + 1]))
            pairFace += 2;
        if (pairFace > board::Board::kFaces)
            throw std::logic_error("the kept faces leave the others unpaired");
        faces[first] = pairFace, faces[second] = pairFace + 1;
        --copies[pairFace], --copies[pairFace + 1];
    }

    board::Board b;
    dealArrangement(b, faces);
    for (const auto& [first, second] : order) {
        b.ClickTile(first);
        b.ClickTile(second);
    }
    return b;
}

} // namespace testing
