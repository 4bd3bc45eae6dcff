// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/board.h"

// Local
#include "board/elapsedtime.h"
#include "board/partners.h"

// Standard library
#include <cassert>
#include <cmath>
#include <cstdlib>

namespace board {

namespace {

constexpr Flag kSet = -1;

// The middle of layer 1 stands outside the columns: 84 lies above the heads of the columns 85-90
// and 91-96, 97 below their tails, and 98 below 97. The column ends they touch are held by them
// and by nothing in their own column.
constexpr int kAboveMiddle = 84;
constexpr int kBelowMiddle = 97;
constexpr int kBottomOfMiddle = 98;
constexpr std::array<int, 2> kMiddleHeads{85, 91};
constexpr std::array<int, 2> kMiddleTails{90, 96};

} // namespace

int Board::checked(int p)
{
    assert(p >= 0 && p < kPositions);
    return p;
}

void Board::Form_Load()
{
    GameWon_ = 0;
    PairsRemoved_ = 0;

    BlockedAbove_.fill(0);
    BlockedBelow_.fill(0);
    Covered_.fill(0);
    // Both side flags on every inner position of every column; the ends start open.
    for (const layout::Column& column : layout::kColumns)
        for (int p = column.first + 1; p < column.last; ++p)
            BlockedAbove_[p] = BlockedBelow_[p] = kSet;
    for (int p : kMiddleHeads)
        BlockedAbove_[p] = BlockedBelow_[p] = kSet;
    for (int p : kMiddleTails)
        BlockedAbove_[p] = BlockedBelow_[p] = kSet;
    BlockedAbove_[kBelowMiddle] = BlockedBelow_[kBelowMiddle] = kSet;
    BlockedAbove_[kBottomOfMiddle] = kSet;
    for (int p = 0; p < kPositions; ++p)
        for (std::int16_t q : layout::kRests[p].positions())
            Covered_[q] = kSet;

    SelectedFace_ = -1;
    ClickedFace_ = -1;
    SelectedPosition_ = 0;
    PartnerStep_ = 1;
    PlacedCount_ = -1;
    PickedSlot_ = 0;
    DealTime_ = 0;
    Started_ = 0;
    Placed_.fill(0);
    FaceAt_.fill(0);
    CurrentFace_ = 0;

    for (int p = 0; p < kPositions; ++p)
        places_[p] = {float(layout::kPlaces[p].left), float(layout::kPlaces[p].top)};
    removed_.fill(false);
}

bool Board::IsFree(int p) const
{
    checked(p);
    // In 16-bit arithmetic as the flags are kept: free when |Covered| + Below * Above is 0.
    const auto sum = std::int16_t(std::abs(Covered_[p]) + BlockedBelow_[p] * BlockedAbove_[p]);
    return sum == 0;
}

void Board::ReleaseNeighbours(int p)
{
    checked(p);
    const layout::ColumnSpot& column = layout::kColumnSpots[p];
    if (column.first >= 0) {
        // A column's end positions never had their outer flag set, and its first and last
        // positions keep the flag that faces inwards: one open side is all they ever need, and
        // the middle's heads and tails are held by 84 and 97 instead.
        if (p + 1 < column.last)
            BlockedAbove_[p + 1] = 0;
        if (p - 1 > column.first)
            BlockedBelow_[p - 1] = 0;
    }
    if (p == kAboveMiddle)
        for (int head : kMiddleHeads)
            BlockedAbove_[head] = 0;
    if (p == kBelowMiddle)
        for (int tail : kMiddleTails)
            BlockedBelow_[tail] = 0;
    if (p == kBottomOfMiddle)
        BlockedBelow_[kBelowMiddle] = 0;
    for (std::int16_t q : layout::kRests[p].positions())
        Covered_[q] = 0;
}

void Board::DealNext()
{
    ++PlacedCount_;
    if (++CurrentFace_ > kFaces)
        CurrentFace_ = 1;
}

void Board::PlaceTile(RandomSource& random)
{
    int p = 0;
    do {
        PickedSlot_ = random.next() * 131.0f;
        // Round half to even: the end positions 0 and 131 are drawn half as often as the others.
        p = int(std::lrint(PickedSlot_));
    } while (Placed_[p] == kSet);
    Placed_[p] = kSet;
    FaceAt_[p] = CurrentFace_;
}

Outcome Board::Deal(RandomSource& random, const QString& cardSet, float dealTime)
{
    assert(Started_ == 0);
    // Each DealNext counts the tile about to be placed; the last one brings PlacedCount to 132
    // and places nothing, as the deal's mutual recursion did.
    DealNext();
    while (PlacedCount_ < kPositions) {
        PlaceTile(random);
        DealNext();
    }
    DealTime_ = dealTime;
    Started_ = 1;
    Outcome outcome;
    outcome.status = cardSet;
    return outcome;
}

TileMove Board::moveBy(int p, float right, float up)
{
    const TilePlace from = places_[p];
    places_[p] = {from.left + right, from.top - up};
    return {p, from, places_[p]};
}

TileMove Board::park(int p)
{
    const TilePlace from = places_[p];
    places_[p] = {kParked, kParked};
    removed_[p] = true;
    return {p, from, places_[p]};
}

Outcome Board::ClickTile(int index)
{
    checked(index);
    Outcome outcome;
    if (!IsFree(index)) {
        outcome.status = QStringLiteral("NOT FREE!!!");
        return outcome;
    }
    outcome.status = QStringLiteral("OK!");

    if (SelectedFace_ <= -1) {
        SelectedFace_ = FaceAt_[index];
        SelectedPosition_ = std::int16_t(index);
        outcome.moves.append(moveBy(index, kLift, kLift));
        return outcome;
    }

    ClickedFace_ = FaceAt_[index];
    PartnerStep_ = partnerStep(ClickedFace_);
    if (!arePartners(ClickedFace_, SelectedFace_)) {
        // No pair (the same tile and the same face included): the selection drops back.
        outcome.moves.append(moveBy(SelectedPosition_, -kLift, -kLift));
        SelectedFace_ = -1;
        return outcome;
    }

    ReleaseNeighbours(index);
    ReleaseNeighbours(SelectedPosition_);
    outcome.moves.append(park(index));
    outcome.moves.append(park(SelectedPosition_));
    ++PairsRemoved_;
    SelectedFace_ = -1;
    if (PairsRemoved_ == kPairs) {
        outcome.status = QString::fromUtf8("Поздравляем!!!");
        GameWon_ = kSet;
        outcome.celebrationStarts = true;
    }
    return outcome;
}

Board::Positions Board::FreeStanding() const
{
    Positions free;
    for (int p = kPositions - 1; p >= 0; --p)
        if (!IsRemoved(p) && IsFree(p))
            free.append(std::int16_t(p));
    return free;
}

Outcome Board::Hint()
{
    // Trying only the tiles that stand and are free gives the same pair, in the same order, as
    // trying every position.
    const Positions candidates = FreeStanding();
    Outcome outcome;
    for (qsizetype a = 0; a < candidates.size(); ++a) {
        const int i = candidates[a];
        for (qsizetype b = a + 1; b < candidates.size(); ++b) {
            const int j = candidates[b];
            PartnerStep_ = partnerStep(FaceAt_[i]);
            if (arePartners(FaceAt_[i], FaceAt_[j])) {
                outcome.moves.append(moveBy(i, kHintShift, kHintShift));
                outcome.moves.append(moveBy(j, kHintShift, kHintShift));
                return outcome;
            }
        }
    }
    outcome.status = QString::fromUtf8("Нет свободных пар");
    return outcome;
}

QString Board::ClockText(float now) const
{
    return elapsedTimeText(now, DealTime_);
}

std::optional<Circle> Board::CelebrationStep(RandomSource& random, float scaleWidth,
                                             float scaleHeight) const
{
    if (GameWon_ == 0)
        return std::nullopt;
    std::array<float, 7> u;
    for (float& draw : u)
        draw = random.next();
    return circleFromDraws(u, scaleWidth, scaleHeight);
}

} // namespace board
