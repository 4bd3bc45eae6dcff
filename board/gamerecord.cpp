// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/gamerecord.h"

// Local
#include "board/randomsource.h"

// Standard library
#include <cassert>
#include <vector>

namespace board {

namespace {

// The draws that make Board::Deal put each face where the record says: the deal hands out faces
// 1..44 three times over, each onto the position its draw rounds to.
class ArrangedDraws final : public RandomSource
{
public:
    explicit ArrangedDraws(const Faces& faces)
    {
        std::array<std::vector<int>, Board::kFaces + 1> positionsOf;
        for (int p = Board::kPositions - 1; p >= 0; --p)
            positionsOf[faces[p]].push_back(p);
        for (int k = 0; k < Board::kPositions; ++k) {
            std::vector<int>& left = positionsOf[k % Board::kFaces + 1];
            draws_[k] = drawFor(left.back());
            left.pop_back();
        }
    }

    float next() override
    {
        assert(next_ < draws_.size());
        return draws_[next_++];
    }

private:
    // The deal multiplies a draw by 131 and rounds half to even: a tenth above p rounds to p, and
    // 131 is reached only from 130.5 upwards.
    static float drawFor(int p)
    {
        return (p == Board::kPositions - 1 ? 130.75f : float(p) + 0.1f) / 131.0f;
    }

    std::array<float, Board::kPositions> draws_{};
    std::size_t next_ = 0;
};

} // namespace

QString GameRecord::checkFaces(const Faces& faces)
{
    std::array<int, Board::kFaces + 1> dealt{};
    for (int p = 0; p < Board::kPositions; ++p) {
        if (faces[p] < 1 || faces[p] > Board::kFaces)
            return QStringLiteral("face %1 at position %2 is not one of 1..44")
                .arg(faces[p])
                .arg(p);
        ++dealt[faces[p]];
    }
    for (int face = 1; face <= Board::kFaces; ++face)
        if (dealt[face] != 3)
            return QStringLiteral("face %1 is dealt %2 times; every face is dealt 3 times")
                .arg(face)
                .arg(dealt[face]);
    return {};
}

GameRecord::Replay GameRecord::replay(int count) const
{
    assert(checkFaces(faces_).isEmpty());
    Replay result;
    ArrangedDraws draws(faces_);
    result.board.Deal(draws, QString(), 0);
    const int n = count < 0 ? int(pairs_.size()) : std::min(count, int(pairs_.size()));
    for (int k = 0; k < n; ++k) {
        const PairMove& m = pairs_[k];
        Board& b = result.board;
        const auto onBoard = [](int p) { return p >= 0 && p < Board::kPositions; };
        const int before = b.PairsRemoved();
        // ClickTile itself refuses a tile that is not free; a removed tile still tests free, so
        // the game keeps it out of reach instead, and so does this.
        if (onBoard(m.first) && onBoard(m.second) && !b.IsRemoved(m.first) &&
            !b.IsRemoved(m.second)) {
            b.ClickTile(m.first);
            if (b.SelectedFace() > -1)
                b.ClickTile(m.second);
            // A second click that did not pair leaves the first tile lifted when the second was
            // not free: put it back.
            if (b.SelectedFace() > -1)
                b.ClickTile(m.first);
        }
        if (b.PairsRemoved() != before + 1) {
            result.illegal = k + 1;
            break;
        }
    }
    return result;
}

} // namespace board
