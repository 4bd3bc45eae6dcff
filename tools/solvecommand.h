// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Standard library
#include <string>
#include <string_view>

// One line of fishpairs-solve: a position written as
//     faces F0 F1 ... F131 pairs P Q P Q ...
// (the face at each position 0..131 as the deal left it, then the pairs taken since, in order),
// and the answer to it, one line without its newline:
//     win P Q P Q ...   a continuation that clears the board (just "win" on a cleared board)
//     lost              no continuation does
//     illegal K         the K-th pair (from 1) could not be taken there
//     error: <reason>   the line is not written that way
class SolveCommand
{
public:
    struct Answer
    {
        std::string text;
        bool malformed = false; // the answer is an "error: ..." line
    };
    static Answer answer(std::string_view line);
};
