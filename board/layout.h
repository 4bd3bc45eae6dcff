// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The fixed board: 132 positions in five layers, their places, columns and supports.
//
// Units are twips (1/1440 inch; 15 twips make a pixel at 96 dpi). The origin is the top-left
// corner of the game window's client area; Left grows to the right and Top grows downwards. A tile
// is 1200 x 780 twips.
//
// Positions are numbered 0..131. Every position of a layer is numbered above every position of
// the layers beneath it, and where tiles overlap the higher number is drawn over the lower one.
// Neighbouring runs of a layer stand 1080 twips apart and neighbouring rows 660 twips apart, so
// tiles of one layer overlap by 120 twips; a tile of the next layer is drawn 120 twips right of
// and 120 twips above the grid place it occupies. The game's lines of tiles run vertically: a
// column is taken from its upper and lower ends.
//
// The tables below hold the numbers exactly as the board was designed; everything else in this
// file is derived from them at compile time.

// Standard library
#include <array>
#include <cstdint>
#include <span>

namespace board::layout {

inline constexpr int kPositions = 132;
inline constexpr int kTileWidth = 1200;
inline constexpr int kTileHeight = 780;
inline constexpr int kRowStep = 660;

// A vertical run of positions: position first + k stands at (left, firstTop + 660 k).
struct Run
{
    std::int16_t first;
    std::int16_t last;
    std::int16_t layer;
    std::int16_t left;
    std::int16_t firstTop;
};

// clang-format off
inline constexpr std::array<Run, 23> kRuns{{
    // first last layer  left  top of first
    {    0,    9,   0,   7860,    60},
    {   10,   17,   0,   6780,   720},
    {   18,   25,   0,   5700,   720},
    {   26,   35,   0,   4620,    60},
    {   36,   45,   0,   3540,    60},
    {   46,   53,   0,   2460,   720},
    {   54,   61,   0,   1380,   720},
    {   62,   71,   0,    300,    60},
    {   72,   77,   1,   6900,  1260},
    {   78,   83,   1,   5820,  1260},
    {   84,   84,   1,   4140,   600},
    {   85,   90,   1,   4740,  1260},
    {   91,   96,   1,   3660,  1260},
    {   97,   98,   1,   4260,  5220},
    {   99,  104,   1,   2580,  1260},
    {  105,  110,   1,   1500,  1260},
    {  111,  114,   2,   5940,  1800},
    {  115,  118,   2,   4860,  1800},
    {  119,  122,   2,   3780,  1800},
    {  123,  126,   2,   2700,  1800},
    {  127,  128,   3,   4980,  2340},
    {  129,  130,   3,   3900,  2340},
    {  131,  131,   4,   4500,  2640},
}};

// The columns, each ordered from its top (lowest number) to its bottom. 84, 97, 98 and 131 belong
// to none.
struct Column
{
    std::int16_t first;
    std::int16_t last;
};

inline constexpr std::array<Column, 20> kColumns{{
    {  0,   9}, { 10,  17}, { 18,  25}, { 26,  35}, { 36,  45}, { 46,  53}, { 54,  61}, { 62,  71},
    { 72,  77}, { 78,  83}, { 85,  90}, { 91,  96}, { 99, 104}, {105, 110},
    {111, 114}, {115, 118}, {119, 122}, {123, 126},
    {127, 128}, {129, 130},
}};

// Support: the upper run rests position by position on the lower run that starts at lowerFirst.
struct SupportRun
{
    std::int16_t upperFirst;
    std::int16_t upperLast;
    std::int16_t lowerFirst;
};

inline constexpr std::array<SupportRun, 12> kSupportRuns{{
    // upper     rests on
    { 72,  77,  11},
    { 78,  83,  19},
    { 85,  90,  28},
    { 91,  96,  38},
    { 99, 104,  47},
    {105, 110,  55},
    {111, 114,  79},
    {115, 118,  86},
    {119, 122,  92},
    {123, 126, 100},
    {127, 128, 116},
    {129, 130, 120},
}};

// Tiles that straddle more than one tile beneath them; -1 ends a shorter list.
struct SupportSpan
{
    std::int16_t upper;
    std::array<std::int16_t, 4> lower;
};

inline constexpr std::array<SupportSpan, 4> kSupportSpans{{
    { 84, { 27,  37,  -1,  -1}},
    { 97, { 34,  44,  -1,  -1}},
    { 98, { 35,  45,  -1,  -1}},
    {131, {127, 128, 129, 130}},
}};
// clang-format on

// ---- Derived tables -------------------------------------------------------------------------

struct Place
{
    std::int16_t left;
    std::int16_t top;
};

// Where a column position sits: its column's first and last position. first == last == -1 for
// the positions outside every column.
struct ColumnSpot
{
    std::int16_t first = -1;
    std::int16_t last = -1;
};

// The positions a tile rests on; count 0 for the positions of layer 0 and for none other.
struct Rests
{
    std::array<std::int16_t, 4> on{};
    int count = 0;
    constexpr std::span<const std::int16_t> positions() const
    {
        return {on.data(), std::size_t(count)};
    }
};

namespace detail {

constexpr std::array<Place, kPositions> makePlaces()
{
    std::array<Place, kPositions> places{};
    for (const Run& run : kRuns)
        for (int p = run.first; p <= run.last; ++p)
            places[p] = {run.left, std::int16_t(run.firstTop + kRowStep * (p - run.first))};
    return places;
}

constexpr std::array<std::int16_t, kPositions> makeLayers()
{
    std::array<std::int16_t, kPositions> layers{};
    for (const Run& run : kRuns)
        for (int p = run.first; p <= run.last; ++p)
            layers[p] = run.layer;
    return layers;
}

constexpr std::array<ColumnSpot, kPositions> makeColumnSpots()
{
    std::array<ColumnSpot, kPositions> spots{};
    for (const Column& column : kColumns)
        for (int p = column.first; p <= column.last; ++p)
            spots[p] = {column.first, column.last};
    return spots;
}

constexpr std::array<Rests, kPositions> makeRests()
{
    std::array<Rests, kPositions> rests{};
    for (const SupportRun& run : kSupportRuns)
        for (int p = run.upperFirst; p <= run.upperLast; ++p) {
            rests[p].on[0] = std::int16_t(run.lowerFirst + (p - run.upperFirst));
            rests[p].count = 1;
        }
    for (const SupportSpan& span : kSupportSpans)
        for (std::int16_t q : span.lower)
            if (q >= 0)
                rests[span.upper].on[rests[span.upper].count++] = q;
    return rests;
}

} // namespace detail

// Design place (Left, Top) of every position.
inline constexpr std::array<Place, kPositions> kPlaces = detail::makePlaces();
// Layer 0..4 of every position.
inline constexpr std::array<std::int16_t, kPositions> kLayers = detail::makeLayers();
// Column of every position (first == -1 outside the columns).
inline constexpr std::array<ColumnSpot, kPositions> kColumnSpots = detail::makeColumnSpots();
// What every position rests on.
inline constexpr std::array<Rests, kPositions> kRests = detail::makeRests();

} // namespace board::layout
