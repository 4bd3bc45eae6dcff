// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/history.h"

// Standard library
#include <cassert>

namespace board {

void History::recordClick(int index, const Board& before, const Board& after)
{
    // A pair's first click is always one on no selection: a click on a tile that is no partner
    // of the selected one only drops the selection.
    if (before.SelectedFace() <= -1 && after.SelectedFace() > -1)
        beforeSelection_ = before;
    if (after.PairsRemoved() == before.PairsRemoved())
        return;
    assert(beforeSelection_);
    entries_.resize(taken_);
    entries_.push_back(
        {*beforeSelection_, after, {before.SelectedPosition(), std::int16_t(index)}});
    ++taken_;
    beforeSelection_.reset();
}

const Board& History::takeBack()
{
    assert(taken_ > 0);
    beforeSelection_.reset();
    return entries_[--taken_].before;
}

const Board& History::putBack()
{
    assert(taken_ < entries_.size());
    beforeSelection_.reset();
    return entries_[taken_++].after;
}

Line History::pairs() const
{
    Line line;
    line.reserve(taken_);
    for (std::size_t k = 0; k < taken_; ++k)
        line.push_back(entries_[k].pair);
    return line;
}

} // namespace board
