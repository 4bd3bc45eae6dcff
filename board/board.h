// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Local
#include "board/circle.h"
#include "board/layout.h"
#include "board/randomsource.h"

// Qt
#include <QString>
#include <QVarLengthArray>

// Standard library
#include <array>
#include <cstdint>
#include <optional>

namespace board {

// A flag of the board tables: 0 (false) or -1 (true), nothing else is ever stored.
using Flag = std::int16_t;

// Where a tile image stands, in twips (single precision, as the window's images hold it).
struct TilePlace
{
    float left = 0;
    float top = 0;
    friend bool operator==(const TilePlace&, const TilePlace&) = default;
};

struct TileMove
{
    int position = 0;
    TilePlace from;
    TilePlace to;
};

// What a board operation changed that the window has to show.
struct Outcome
{
    std::optional<QString> status;      // new text for the status box, when the operation wrote one
    QVarLengthArray<TileMove, 2> moves; // tile images moved, in the order they were moved
    bool celebrationStarts = false;     // the last pair went: start the victory show
};

// The state and rules of one game: the board tables, the counters the game's procedures share,
// and the place of every tile image. A new game is a fresh Board (or Form_Load); nothing carries
// over from one game to the next.
//
// Positions are 0..131 everywhere; a position outside that range is a caller's bug (asserted).
class Board
{
public:
    static constexpr int kPositions = layout::kPositions;
    static constexpr float kParked = -2000.0f;  // both Left and Top of a removed tile
    static constexpr float kLift = 200.0f;      // selection: right and up by this much
    static constexpr float kHintShift = 300.0f; // hint: right and up by this much
    static constexpr int kPairs = 66;
    static constexpr int kFaces = 44;

    Board() { Form_Load(); }

    // Puts the board into the state of a freshly loaded game window: blocking flags from the
    // layout, nothing dealt, every tile at its design place, no selection, no win.
    void Form_Load();
    // The game window unloads: ends a running victory show.
    void Form_Unload() { GameWon_ = 0; }

    // ---- Free-tile rule ----
    // Free: nothing rests on p and at least one end of its column is open. Knows nothing of
    // removal: a removed position tests free, since flags are only ever cleared.
    bool IsFree(int p) const;
    // Clears the flags that the just-removed tile p held on its neighbours. Never sets a flag and
    // never touches p's own entries.
    void ReleaseNeighbours(int p);

    // ---- Operations of the game window ----
    // START: deals the 132 tiles. Faces go out in the cycle 1..44 three times, each onto an empty
    // position drawn from random; dealTime is the time of day (seconds since midnight) at which the
    // deal finished. The status becomes cardSet. Only on an undealt board (Started() == 0).
    Outcome Deal(RandomSource& random, const QString& cardSet, float dealTime);
    // A click on the tile image of position index.
    Outcome ClickTile(int index);
    // HINT: shifts the first removable pair found (highest position first), or reports that none
    // exists.
    Outcome Hint();
    // The clock's text at the time of day now.
    QString ClockText(float now) const;
    // One step of the victory show: nullopt once the show is over (the window unloaded), else the
    // circle drawn from the next seven draws on a window of scaleWidth x scaleHeight twips.
    std::optional<Circle> CelebrationStep(RandomSource& random, float scaleWidth,
                                          float scaleHeight) const;

    // ---- Tables and values ----
    Flag BlockedAbove(int p) const { return BlockedAbove_[checked(p)]; }
    Flag BlockedBelow(int p) const { return BlockedBelow_[checked(p)]; }
    Flag Covered(int p) const { return Covered_[checked(p)]; }
    std::int16_t Placed(int p) const { return Placed_[checked(p)]; }
    // The face dealt to p, 1..44; 0 before the deal. Removal keeps it.
    std::int16_t FaceAt(int p) const { return FaceAt_[checked(p)]; }

    std::int16_t PlacedCount() const { return PlacedCount_; }
    std::int16_t CurrentFace() const { return CurrentFace_; }
    float PickedSlot() const { return PickedSlot_; }
    float DealTime() const { return DealTime_; }
    std::int16_t Started() const { return Started_; }
    std::int16_t SelectedFace() const { return SelectedFace_; }
    std::int16_t ClickedFace() const { return ClickedFace_; }
    // Meaningful only while SelectedFace() > -1.
    std::int16_t SelectedPosition() const { return SelectedPosition_; }
    std::int16_t PartnerStep() const { return PartnerStep_; }
    std::int16_t PairsRemoved() const { return PairsRemoved_; }
    Flag GameWon() const { return GameWon_; }

    // Where the image of p stands now.
    TilePlace PlaceOf(int p) const { return places_[checked(p)]; }
    float Left(int p) const { return places_[checked(p)].left; }
    float Top(int p) const { return places_[checked(p)].top; }
    // Whether p's tile left the board with a pair. Recorded when the pair is taken, not read off
    // the tile's place: the hint's shifts and the lift can bring a standing tile's Top to exactly
    // -2000, where the parked tiles stand, and such a tile must go on standing.
    bool IsRemoved(int p) const { return removed_[checked(p)]; }

    using Positions = QVarLengthArray<std::int16_t, layout::kPositions>;
    // The tiles a player may take now, standing and free, highest position first: the order in
    // which the hint tries them.
    Positions FreeStanding() const;

private:
    static int checked(int p);
    void DealNext();
    void PlaceTile(RandomSource& random);
    TileMove moveBy(int p, float right, float up);
    TileMove park(int p);

    std::array<Flag, kPositions> BlockedAbove_{};
    std::array<Flag, kPositions> BlockedBelow_{};
    std::array<Flag, kPositions> Covered_{};
    std::array<std::int16_t, kPositions> Placed_{};
    std::array<std::int16_t, kPositions> FaceAt_{};
    std::array<TilePlace, kPositions> places_{};
    std::array<bool, kPositions> removed_{};

    std::int16_t PlacedCount_ = -1;
    std::int16_t CurrentFace_ = 0;
    float PickedSlot_ = 0;
    float DealTime_ = 0;
    std::int16_t Started_ = 0;
    std::int16_t SelectedFace_ = -1;
    std::int16_t ClickedFace_ = -1;
    std::int16_t SelectedPosition_ = 0;
    std::int16_t PartnerStep_ = 1;
    std::int16_t PairsRemoved_ = 0;
    Flag GameWon_ = 0;
};

} // namespace board
