// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/solvecommand.h"

// Local
#include "board/gamerecord.h"
#include "board/layout.h"
#include "board/solver.h"

// Standard library
#include <charconv>
#include <optional>
#include <vector>

namespace {

constexpr int kPositions = board::layout::kPositions;

std::vector<std::string_view> words(std::string_view line)
{
    std::vector<std::string_view> out;
    std::size_t at = 0;
    while (true) {
        at = line.find_first_not_of(" \t\r", at);
        if (at == std::string_view::npos)
            return out;
        const std::size_t end = std::min(line.find_first_of(" \t\r", at), line.size());
        out.push_back(line.substr(at, end - at));
        at = end;
    }
}

// A plain decimal number, digits only. Anything above a million counts as a million: too large
// for a face or a position either way.
std::optional<int> number(std::string_view word)
{
    if (word.empty() || word.find_first_not_of("0123456789") != word.npos)
        return std::nullopt;
    const std::size_t significant = std::min(word.find_first_not_of('0'), word.size());
    if (word.size() - significant > 6)
        return 1'000'000;
    int value = 0;
    std::from_chars(word.data() + significant, word.data() + word.size(), value);
    return value;
}

SolveCommand::Answer error(const std::string& reason)
{
    return {"error: " + reason, true};
}

std::string quoted(std::string_view word)
{
    return '"' + std::string(word.substr(0, 40)) + (word.size() > 40 ? "...\"" : "\"");
}

} // namespace

SolveCommand::Answer SolveCommand::answer(std::string_view line)
{
    const std::vector<std::string_view> w = words(line);
    if (w.empty())
        return error("the line is empty");
    if (w[0] != "faces")
        return error("the line must begin with \"faces\", not " + quoted(w[0]));

    board::Faces faces{};
    std::size_t at = 1;
    for (int p = 0; p < kPositions; ++p, ++at) {
        if (at == w.size() || w[at] == "pairs")
            return error(std::to_string(p) + " faces given; a board has " +
                         std::to_string(kPositions));
        const std::optional<int> face = number(w[at]);
        if (!face)
            return error("face " + quoted(w[at]) + " at position " + std::to_string(p) +
                         " is not a number");
        if (*face < 1 || *face > 44)
            return error("face " + std::string(w[at]) + " at position " + std::to_string(p) +
                         " is not one of 1..44");
        faces[p] = std::int16_t(*face);
    }
    if (at == w.size())
        return error("\"pairs\" must follow the " + std::to_string(kPositions) + " faces");
    if (w[at] != "pairs")
        return error(number(w[at]) ? "more than " + std::to_string(kPositions) + " faces given"
                                   : quoted(w[at]) + " where \"pairs\" must follow the faces");
    if (const QString wrong = board::GameRecord::checkFaces(faces); !wrong.isEmpty())
        return error(wrong.toStdString());

    board::Line pairs;
    std::vector<int> positions;
    for (++at; at < w.size(); ++at) {
        const std::optional<int> p = number(w[at]);
        if (!p)
            return error("position " + quoted(w[at]) + " is not a number");
        if (*p >= kPositions)
            return error("position " + std::string(w[at]) + " is not on the board (0..131)");
        positions.push_back(*p);
    }
    if (positions.size() % 2)
        return error("the pairs end with a single position (" + std::to_string(positions.back()) +
                     ")");
    for (std::size_t k = 0; k < positions.size(); k += 2)
        pairs.push_back({std::int16_t(positions[k]), std::int16_t(positions[k + 1])});

    const board::GameRecord record(faces, pairs);
    const board::GameRecord::Replay replay = record.replay();
    if (replay.illegal)
        return {"illegal " + std::to_string(replay.illegal)};
    const board::SolveResult result = board::Solver::solve(replay.board);
    if (result.verdict != board::Verdict::Won)
        return {"lost"};
    std::string text = "win";
    for (const board::PairMove& m : result.line)
        text += ' ' + std::to_string(m.first) + ' ' + std::to_string(m.second);
    return {text};
}
