// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

// fishpairs-solve: reads positions from standard input, one a line, and writes one answer line
// for each (see tools/solvecommand.h for both forms). A malformed line gets "error: <reason>"
// and the program goes on with the next.
//
// Exit status: 0 when every line was answered with win, lost or illegal; 1 when some line was
// malformed or the answers could not be written; 2 when given any argument.

// Local
#include "tools/solvecommand.h"

// Standard library
#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char* argv[])
{
    if (argc > 1) {
        std::fprintf(stderr,
                     "usage: %s < POSITIONS\n"
                     "  each line: faces F0 F1 ... F131 pairs P Q P Q ...\n"
                     "  each answer: win P Q ... | lost | illegal K | error: REASON\n",
                     argv[0]);
        return 2;
    }
    bool allAnswered = true;
    std::string line;
    while (std::getline(std::cin, line)) {
        const SolveCommand::Answer answer = SolveCommand::answer(line);
        allAnswered = allAnswered && !answer.malformed;
        std::cout << answer.text << '\n' << std::flush;
    }
    return allAnswered && std::cout.good() ? 0 : 1;
}
