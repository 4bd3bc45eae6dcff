// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The exact solver: its rules against Board's, its verdicts against hand-made positions and an
// exhaustive search, its limits, the history question, and fishpairs-solve.

// Local
#include "board/board.h"
#include "board/freerules.h"
#include "board/gamerecord.h"
#include "board/matchingsearch.h"
#include "board/random.h"
#include "board/solver.h"
#include "board/solversearch.h"
#include "tests/support/playing.h"

// Qt
#include <QProcess>
#include <QTest>

// Standard library
#include <future>
#include <random>
#include <set>

using board::Board;
using board::Verdict;

using Kept = std::map<int, int>; // position -> face of the tiles left standing
using Moves = QList<QPair<int, int>>;
Q_DECLARE_METATYPE(Kept)

namespace {

bool clears(Board b, const board::Line& line)
{
    for (const board::PairMove& m : line) {
        b.ClickTile(m.first);
        b.ClickTile(m.second);
    }
    return b.PairsRemoved() == Board::kPairs;
}

Board after(Board b, const Moves& moves)
{
    for (const auto& [first, second] : moves) {
        b.ClickTile(first);
        b.ClickTile(second);
    }
    return b;
}

// Whether some order of pairs clears b: every pair the game takes, in every order, with the
// positions already met remembered. Only for boards with few tiles left.
bool clearable(const Board& b, std::set<std::vector<bool>>& met)
{
    if (b.PairsRemoved() == Board::kPairs)
        return true;
    std::vector<bool> removed(Board::kPositions);
    for (int p = 0; p < Board::kPositions; ++p)
        removed[p] = b.IsRemoved(p);
    if (!met.insert(removed).second)
        return false;
    for (const auto& [first, second] : testing::takeablePairs(b))
        if (clearable(after(b, {{first, second}}), met))
            return true;
    return false;
}

// A deal that cannot be won: face 1 on the top tile, and all three face-2 tiles beneath it.
testing::Arrangement lockedDeal()
{
    testing::Arrangement faces;
    for (int p = 0; p < Board::kPositions; ++p)
        faces[p] = p % Board::kFaces + 1;
    for (const auto& [a, b] : {std::pair{131, 0}, {127, 1}, {128, 45}, {129, 89}})
        std::swap(faces[a], faces[b]);
    return faces;
}

board::Faces facesOf(const Board& b)
{
    board::Faces faces{};
    for (int p = 0; p < Board::kPositions; ++p)
        faces[p] = b.FaceAt(p);
    return faces;
}

// A seed whose deal can be cleared.
constexpr std::uint32_t kClearableSeed = 2;
// One whose deal can be cleared, and lost by the first pair or by the 31st of a winning line.
constexpr std::uint32_t kLosableSeed = 1;

Board dealt(std::uint32_t seed)
{
    Board b;
    board::Random random(seed);
    b.Deal(random, QStringLiteral("1"), 0);
    return b;
}

} // namespace

class SolverTest : public QObject
{
    Q_OBJECT

private slots:
    void readsTheFreeRuleOffTheBoard();
    void settlesHandMadePositions_data();
    void settlesHandMadePositions();
    void agreesWithAnExhaustiveSearch();
    void stopsOnlyWhenAsked();
    void findsThePairThatLostTheGame_data();
    void findsThePairThatLostTheGame();
    void findsTheLossTheSearchesTakeMinutesOver();
    void commandLineAnswersEveryLine();
};

void SolverTest::readsTheFreeRuleOffTheBoard()
{
    // Along hundreds of random games, every standing tile: free by the rules read off the board
    // exactly when Board says so.
    const board::FreeRules& rules = board::FreeRules::get();
    std::mt19937 chance(20261216);
    int compared = 0;
    for (int game = 0; game < 300; ++game) {
        Board b = dealt(chance());
        for (std::vector<testing::Pair> options = testing::takeablePairs(b); !options.empty();
             options = testing::takeablePairs(b)) {
            const auto [first, second] = options[chance() % options.size()];
            b = after(b, {{first, second}});
            const board::TileMask removed = board::removedOn(b);
            for (int p = 0; p < Board::kPositions; ++p)
                if (!b.IsRemoved(p)) {
                    QCOMPARE(rules.isFree(p, removed), b.IsFree(p));
                    ++compared;
                }
        }
    }
    QVERIFY(compared > 100000);
}

void SolverTest::settlesHandMadePositions_data()
{
    QTest::addColumn<Kept>("kept");
    QTest::addColumn<bool>("won");
    QTest::addColumn<Moves>("loses"); // pairs that look as good, after which the board is lost

    QTest::newRow("a cleared board") << Kept{} << true << Moves{};
    QTest::newRow("one pair from the end") << Kept{{0, 1}, {1, 2}} << true << Moves{};
    // 72 rests on 11: each waits for the other.
    QTest::newRow("a pair locked under itself") << Kept{{11, 1}, {72, 2}} << false << Moves{};
    // 115 rests on 86, 86 on 29; 0 is free. 115 must go with 0, and 86 then with 29 under it.
    QTest::newRow("a tile whose only partners rest on it")
        << Kept{{29, 1}, {0, 1}, {86, 2}, {115, 2}} << false << Moves{};
    // The column 0..3, its other tiles gone: only its two ends are ever free.
    QTest::newRow("two pairs in a column, alternating")
        << Kept{{0, 1}, {1, 2}, {2, 1}, {3, 2}} << true << Moves{};
    QTest::newRow("two pairs in a column, nested")
        << Kept{{0, 1}, {1, 2}, {2, 2}, {3, 1}} << false << Moves{};
    QTest::newRow("two pairs in a column, side by side")
        << Kept{{0, 1}, {1, 1}, {2, 2}, {3, 2}} << true << Moves{};
    // 10 and both its partners are free, and it looks safe to take it with either: taken with
    // 0, it leaves 72 to go with 11 beneath it.
    QTest::newRow("a free tile whose partners are all free")
        << Kept{{10, 1}, {11, 1}, {72, 2}, {0, 2}} << true << Moves{{10, 0}};
}

void SolverTest::settlesHandMadePositions()
{
    QFETCH(Kept, kept);
    QFETCH(bool, won);
    QFETCH(Moves, loses);

    const Board b = testing::positionWith(kept);
    QCOMPARE(b.PairsRemoved(), int(Board::kPositions - kept.size()) / 2);
    const board::SolveResult result = board::Solver::solve(b);
    QCOMPARE(result.verdict, won ? Verdict::Won : Verdict::Lost);
    QCOMPARE(int(result.line.size()), won ? int(kept.size()) / 2 : 0);
    if (won)
        QVERIFY(clears(b, result.line));
    if (!loses.isEmpty())
        QCOMPARE(board::Solver::solve(after(b, loses)).verdict, Verdict::Lost);
    // The same from the faces and the tiles removed, and from the learning search alone.
    QCOMPARE(board::Solver::solve(facesOf(b), board::removedOn(b)).verdict, result.verdict);
    const board::SolveResult learnt =
        board::MatchingSearch(facesOf(b)).run(board::removedOn(b), nullptr, nullptr);
    QCOMPARE(learnt.verdict, result.verdict);
    if (won)
        QVERIFY(clears(b, learnt.line));
}

void SolverTest::agreesWithAnExhaustiveSearch()
{
    // Late positions, most a few pairs off a winning line: the solver on two threads at once
    // against every order of pairs, and each winning line played out.
    std::mt19937 chance(1216);
    std::vector<Board> positions;
    for (std::uint32_t seed = 1; positions.size() < 200; ++seed) {
        Board b = dealt(seed);
        board::SolveLimits quick;
        quick.maxNodes = 3000;
        const board::SolveResult deal = board::Solver::solve(b, quick);
        // A winning line followed until 14 to 23 pairs are left, then random pairs until 12 are.
        const std::size_t keep = 14 + chance() % 10;
        for (std::size_t k = 0; k + keep < deal.line.size(); ++k)
            b = after(b, {{deal.line[k].first, deal.line[k].second}});
        while (deal.verdict == Verdict::Won && b.PairsRemoved() < Board::kPairs - 12) {
            const std::vector<testing::Pair> options = testing::takeablePairs(b);
            if (options.empty())
                break;
            const auto [first, second] = options[chance() % options.size()];
            b = after(b, {{first, second}});
        }
        if (b.PairsRemoved() >= Board::kPairs - 12)
            positions.push_back(b);
    }
    const auto solveHalf = [&](std::size_t from) {
        std::vector<board::SolveResult> results;
        for (std::size_t k = from; k < positions.size(); k += 2)
            results.push_back(board::Solver::solve(positions[k]));
        return results;
    };
    auto odd = std::async(std::launch::async, solveHalf, 1);
    const std::vector<board::SolveResult> evens = solveHalf(0), odds = odd.get();

    int won = 0;
    for (std::size_t k = 0; k < positions.size(); ++k) {
        const board::SolveResult& result = k % 2 ? odds[k / 2] : evens[k / 2];
        std::set<std::vector<bool>> met;
        const bool canWin = clearable(positions[k], met);
        QCOMPARE(result.verdict, canWin ? Verdict::Won : Verdict::Lost);
        if (canWin)
            QVERIFY(clears(positions[k], result.line));
        // The learning search, which the solver only asks when its first search takes long, on
        // its own.
        const board::SolveResult learnt =
            board::MatchingSearch(facesOf(positions[k]))
                .run(board::removedOn(positions[k]), nullptr, nullptr);
        QCOMPARE(learnt.verdict, result.verdict);
        if (canWin)
            QVERIFY(clears(positions[k], learnt.line));
        won += canWin;
    }
    // Both answers well represented.
    QVERIFY2(won > 40 && won < 160, qPrintable(QString::number(won)));
}

void SolverTest::stopsOnlyWhenAsked()
{
    const Board b = dealt(kClearableSeed);
    std::atomic<bool> cancel = true;
    board::SolveLimits limits;
    limits.cancel = &cancel;
    board::SolveResult result = board::Solver::solve(b, limits);
    QCOMPARE(result.verdict, Verdict::Stopped);
    QVERIFY(result.line.empty());

    limits.cancel = nullptr;
    limits.maxNodes = 3;
    result = board::Solver::solve(b, limits);
    QCOMPARE(result.verdict, Verdict::Stopped);
    QVERIFY(result.line.empty());
    QCOMPARE(result.nodes, std::uint64_t(3));

    cancel = false;
    limits.cancel = &cancel;
    limits.maxNodes = 0;
    result = board::Solver::solve(b, limits);
    QCOMPARE(result.verdict, Verdict::Won);
    QVERIFY(clears(b, result.line));

    // A search overtaken by a rival's answer claims nothing, and its next run starts afresh.
    board::SolverSearch search(facesOf(b), {});
    const std::atomic<bool> overtaken = true;
    QCOMPARE(search.run({}, &overtaken).verdict, Verdict::Stopped);
    QCOMPARE(board::MatchingSearch(facesOf(b)).run({}, nullptr, &overtaken).verdict,
             Verdict::Stopped);
    QCOMPARE(board::MatchingSearch(facesOf(b)).run({}, &overtaken, nullptr).verdict,
             Verdict::Stopped);
    result = search.run({});
    QCOMPARE(result.verdict, Verdict::Won);
    QVERIFY(clears(b, result.line));
}

void SolverTest::findsThePairThatLostTheGame_data()
{
    QTest::addColumn<int>("winning");  // pairs of a winning line played first
    QTest::addColumn<bool>("blunder"); // then a pair that loses the game, and two more pairs

    QTest::newRow("the whole game won") << 66 << false;
    QTest::newRow("a game still winnable") << 20 << false;
    QTest::newRow("lost at its first pair") << 0 << true;
    QTest::newRow("lost at its 31st pair") << 30 << true;
}

void SolverTest::findsThePairThatLostTheGame()
{
    QFETCH(int, winning);
    QFETCH(bool, blunder);

    Board b = dealt(kLosableSeed);
    const board::Faces faces = facesOf(b);
    board::Line history = board::Solver::solve(b).line;
    history.resize(winning);
    b = board::GameRecord(faces, history).replay().board;
    for (int k = 0; blunder && k < 3; ++k) {
        // The first takeable pair that loses, then any.
        const std::vector<testing::Pair> options = testing::takeablePairs(b);
        QVERIFY(!options.empty());
        auto chosen = options.front();
        for (const testing::Pair& pair : options)
            if (k == 0 && board::Solver::solve(after(b, {pair})).verdict == Verdict::Lost) {
                chosen = pair;
                break;
            }
        b = after(b, {chosen});
        if (k == 0)
            QCOMPARE(board::Solver::solve(b).verdict, Verdict::Lost);
        history.push_back({std::int16_t(chosen.first), std::int16_t(chosen.second)});
    }

    const board::LastWinnable answer = board::Solver::lastWinnable(faces, history);
    QCOMPARE(answer.verdict, Verdict::Won);
    QCOMPARE(answer.count, winning);
    QVERIFY(clears(board::GameRecord(faces, history).replay(winning).board, answer.line));

    Board locked;
    testing::dealArrangement(locked, lockedDeal());
    const board::LastWinnable none = board::Solver::lastWinnable(facesOf(locked), {});
    QCOMPARE(none.verdict, Verdict::Lost);
    QCOMPARE(none.count, -1);
}

void SolverTest::findsTheLossTheSearchesTakeMinutesOver()
{
    // Seed 5501 lost at its fourth pair: refuting that position takes the depth-first search 59
    // million nodes, and the learning search a few milliseconds. Without it this runs for a
    // quarter of an hour.
    const board::Line history{{18, 9}, {83, 10}, {123, 115}, {114, 0}, {113, 71}};
    const board::LastWinnable answer = board::Solver::lastWinnable(facesOf(dealt(5501)), history);
    QCOMPARE(answer.verdict, Verdict::Won);
    QCOMPARE(answer.count, 3);
    // The learning search alone on deal 9701, lost, which takes the depth-first search two
    // million nodes, and on the deal it takes longest over itself, 1080, won.
    QCOMPARE(board::MatchingSearch(facesOf(dealt(9701))).run({}, nullptr, nullptr).verdict,
             Verdict::Lost);
    const board::SolveResult won =
        board::MatchingSearch(facesOf(dealt(1080))).run({}, nullptr, nullptr);
    QCOMPARE(won.verdict, Verdict::Won);
    QVERIFY(clears(dealt(1080), won.line));
}

void SolverTest::commandLineAnswersEveryLine()
{
    const auto line = [](const board::Faces& faces, const QString& pairs) {
        QStringList words{QStringLiteral("faces")};
        for (int face : faces)
            words << QString::number(face);
        return words.join(QLatin1Char(' ')) + QStringLiteral(" pairs ") + pairs;
    };
    const board::Faces won = facesOf(dealt(kClearableSeed));
    Board locked;
    testing::dealArrangement(locked, lockedDeal());
    board::Faces fourOnes = won;
    *std::find_if(fourOnes.begin(), fourOnes.end(), [](int face) { return face != 1; }) = 1;

    // Input line, and the answer expected (a win is checked by playing it out).
    const QList<QPair<QString, QString>> cases{
        {line(won, {}), QStringLiteral("win")},
        {line(facesOf(locked), {}), QStringLiteral("lost")},
        {line(won, QStringLiteral("5 5")), QStringLiteral("illegal 1")},
        {line(facesOf(locked), QStringLiteral("131 127")), QStringLiteral("illegal 1")},
        {QString(), QStringLiteral("error: the line is empty")},
        {QStringLiteral("pairs 1 2"),
         QStringLiteral("error: the line must begin with \"faces\", not \"pairs\"")},
        {QStringLiteral("faces 1 2 3 pairs"),
         QStringLiteral("error: 3 faces given; a board has 132")},
        {line(won, {}).replace(QStringLiteral(" pairs "), QStringLiteral(" 7 pairs ")),
         QStringLiteral("error: more than 132 faces given")},
        {line(fourOnes, {}), QStringLiteral("error: face 1 is dealt 4 times; every face is "
                                            "dealt 3 times")},
        {line(won, QStringLiteral("0 x")), QStringLiteral("error: position \"x\" is not a number")},
        {line(won, QStringLiteral("0 132")),
         QStringLiteral("error: position 132 is not on the board (0..131)")},
        {line(won, QStringLiteral("0")),
         QStringLiteral("error: the pairs end with a single position (0)")},
    };
    QString input;
    for (const auto& c : cases)
        input += c.first + QLatin1Char('\n');

    QProcess solve;
    solve.start(QStringLiteral(FISHPAIRS_SOLVE), {});
    QVERIFY(solve.waitForStarted());
    solve.write(input.toUtf8());
    solve.closeWriteChannel();
    QVERIFY(solve.waitForFinished(60000));
    // A malformed line is answered, and reported in the exit status.
    QCOMPARE(solve.exitCode(), 1);
    const QStringList answers =
        QString::fromUtf8(solve.readAllStandardOutput()).split(QLatin1Char('\n'));
    QCOMPARE(answers.size(), cases.size() + 1);
    for (qsizetype k = 1; k < cases.size(); ++k)
        QCOMPARE(answers[k], cases[k].second);

    const QStringList win = answers[0].split(QLatin1Char(' '));
    QCOMPARE(win.front(), QStringLiteral("win"));
    board::Line line0;
    for (qsizetype k = 1; k + 1 < win.size(); k += 2)
        line0.push_back({std::int16_t(win[k].toInt()), std::int16_t(win[k + 1].toInt())});
    QVERIFY(clears(dealt(kClearableSeed), line0));
}

QTEST_GUILESS_MAIN(SolverTest)
#include "tst_solver.moc"
