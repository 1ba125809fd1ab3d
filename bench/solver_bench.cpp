// The exact solver: every move's value from the start position with a fresh table, as a run of
// nordamo-analyse has it, on each way of reading lines; every move's value at positions of each
// move of the recorded games, each with a fresh solver as a review that jumps there has it, their
// worst and mean time; the values of whole games, one solver carried from position to position;
// and the memory the program takes at most. The times stand beside what a review needs: 0.2 s a
// position, 2 s a game.
#include "analysis.h"
#include "exact_solver.h"
#include "game_state.h"
#include "opening_positions.h"
#include "opening_values.h"
#include "played_move.h"
#include "position_key.h"
#include "recorded_choices.h"
#include "search.h"

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>
#include <string>

namespace {

const LineReading Fastest = lineReading();

// The record of a random game up to move target, or to its end, from the game of record on; the
// same ones every run.
std::string randomRecord(std::mt19937& rng, std::int32_t target, std::string record = {})
{
    replayGameRecord(record);
    for (Colour mover = sideToMove(); mover != EMPTY && State.Ply < target; mover = sideToMove()) {
        const std::vector<std::int32_t> legal = legalCells(mover);
        const std::int32_t cell = legal[rng() % legal.size()];
        record += cellName(cell);
        playMoveAndGoOn(mover, cell);
    }
    return record;
}

double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024;
}

void startPosition(benchmark::State& state, LineReading reading)
{
    startUpSetUp();
    if (!canUse(reading)) {
        state.SkipWithError("the processor cannot read lines this way");
        return;
    }
    useLineReading(reading);
    std::string text;
    std::uint64_t nodes = 0;
    for (auto _ : state) {
        ExactSolver solver;
        text = analysePosition(solver, "");
        nodes = solver.nodes();
    }
    useLineReading(Fastest);
    state.counters["nodes"] = static_cast<double>(nodes);
    state.counters["peak MB"] = peakMegabytes();
}

// One position of a game, before a move, and the moves that lead to it.
struct GamePosition {
    Position position;
    std::string record;
};

// Every position of the game of record where a side is to move, the start first; the last is
// where the record ends, when the game goes on from there.
std::vector<GamePosition> positionsOf(const std::string& record)
{
    const std::vector<std::int32_t> moves = parseRecord(record);
    std::vector<GamePosition> positions;
    startGame(WHITE);
    for (Colour mover = sideToMove(); mover != EMPTY; mover = sideToMove()) {
        positions.push_back({readPosition(mover), record.substr(0, 2 * static_cast<std::size_t>(State.Ply - 1))});
        if (State.Ply > static_cast<std::int32_t>(moves.size())) break;
        playMoveAndGoOn(mover, moves[State.Ply - 1]);
    }
    return positions;
}

// The games timed: one of the tests, 10 random ones, and 20 of the recorded ones played on to
// their end at random; the same ones every run.
const std::vector<std::string>& wholeGames()
{
    static const std::vector<std::string> games = [] {
        startUpSetUp();
        std::mt19937 rng(28);
        std::vector<std::string> records = {"a2a3a4a3c2c1a4b4c4b4c3d2d3d4d1b1d1b2c1a1a1c4b3d4d3a2b1d2"};
        while (records.size() < 11) records.push_back(randomRecord(rng, MaxMoves + 1));
        const std::vector<BookLine> recorded = readChoices(STRONG_CHOICES_FILE);
        for (std::size_t k = 0; k < 20; ++k) {
            std::string record;
            for (const std::int32_t cell : recorded[k * recorded.size() / 20].moves) record += cellName(cell);
            records.push_back(randomRecord(rng, MaxMoves + 1, record));
        }
        return records;
    }();
    return games;
}

// The positions of each move number, distinct: those of the whole games, and up to 12 more of the
// recorded games.
const std::map<std::int32_t, std::vector<GamePosition>>& positionsByMove()
{
    static const std::map<std::int32_t, std::vector<GamePosition>> byMove = [] {
        std::map<std::int32_t, std::vector<GamePosition>> positions;
        std::set<std::string> seen;
        const auto add = [&](const GamePosition& position) {
            if (seen.insert(position.record).second)
                positions[static_cast<std::int32_t>(position.record.size() / 2 + 1)].push_back(position);
        };
        for (const std::string& game : wholeGames())
            for (const GamePosition& position : positionsOf(game)) add(position);
        std::mt19937 rng(6);
        std::vector<BookLine> recorded = readChoices(STRONG_CHOICES_FILE);
        std::shuffle(recorded.begin(), recorded.end(), rng);
        std::map<std::int32_t, std::int32_t> more;
        for (const BookLine& line : recorded) {
            std::string record;
            for (const std::int32_t cell : line.moves) record += cellName(cell);
            for (const GamePosition& position : positionsOf(record)) {
                const auto move = static_cast<std::int32_t>(position.record.size() / 2 + 1);
                if (more[move] < 12 && !seen.contains(position.record)) {
                    ++more[move];
                    add(position);
                }
            }
        }
        return positions;
    }();
    return byMove;
}

// The processor time of this thread: on a machine busy with other work it still tells what an idle
// one would take, as the time on the clock does not.
double threadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Every move's value at each position of that move, each with a fresh solver.
void positionsOfMove(benchmark::State& state)
{
    const std::vector<GamePosition>& positions = positionsByMove().at(static_cast<std::int32_t>(state.range(0)));
    double worst = 0, total = 0;
    std::string heaviest;
    for (auto _ : state) {
        worst = total = 0;
        for (const GamePosition& position : positions) {
            const double start = threadSeconds();
            ExactSolver solver;
            benchmark::DoNotOptimize(solver.moveValues(position.position));
            const double seconds = threadSeconds() - start;
            if (seconds > worst) worst = seconds, heaviest = position.record;
            total += seconds;
        }
    }
    state.counters["positions"] = static_cast<double>(positions.size());
    state.counters["worst s"] = worst;
    state.counters["mean s"] = total / static_cast<double>(positions.size());
    state.counters["target s"] = 0.2;
    state.SetLabel("heaviest " + heaviest);
}

// Every move's value at every 100th position of the first move whose values the built-in table
// does not give, each with a fresh solver: the heaviest move a review can step to.
void firstSearchedMove(benchmark::State& state)
{
    startUpSetUp();
    const std::vector<std::uint64_t> keys = openingPositions(OpeningValueMoves).back();
    double worst = 0, total = 0;
    std::size_t count = 0;
    std::uint64_t heaviest = 0, nodes = 0;
    for (auto _ : state) {
        worst = total = 0;
        count = nodes = 0;
        for (std::size_t k = 0; k < keys.size(); k += 100, ++count) {
            const double start = threadSeconds();
            ExactSolver solver;
            benchmark::DoNotOptimize(solver.moveValues({boardOfKey(keys[k]), sideToMoveOf(keys[k])}));
            const double seconds = threadSeconds() - start;
            nodes += solver.nodes();
            if (seconds > worst) worst = seconds, heaviest = keys[k];
            total += seconds;
        }
    }
    state.counters["positions"] = static_cast<double>(count);
    state.counters["nodes"] = static_cast<double>(nodes);
    state.counters["worst s"] = worst;
    state.counters["mean s"] = total / static_cast<double>(count);
    state.counters["target s"] = 0.2;
    state.SetLabel("heaviest key " + std::to_string(heaviest));
}

// Every move's value at every position of each whole game, one solver carried through the game
// from its start, or from its end.
void wholeGame(benchmark::State& state)
{
    const bool backwards = state.range(0) != 0;
    double worst = 0, total = 0;
    std::string heaviest;
    for (auto _ : state) {
        worst = total = 0;
        for (const std::string& game : wholeGames()) {
            std::vector<GamePosition> positions = positionsOf(game);
            if (backwards) std::reverse(positions.begin(), positions.end());
            const double start = threadSeconds();
            ExactSolver solver;
            for (const GamePosition& position : positions)
                benchmark::DoNotOptimize(solver.moveValues(position.position));
            const double seconds = threadSeconds() - start;
            if (seconds > worst) worst = seconds, heaviest = game;
            total += seconds;
        }
    }
    state.counters["games"] = static_cast<double>(wholeGames().size());
    state.counters["worst s"] = worst;
    state.counters["mean s"] = total / static_cast<double>(wholeGames().size());
    state.counters["target s"] = 2;
    state.counters["peak MB"] = peakMegabytes();
    state.SetLabel("heaviest " + heaviest);
}

}  // namespace

BENCHMARK_CAPTURE(startPosition, fastest, Fastest)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(startPosition, portable, LineReading::Portable)->Unit(benchmark::kMillisecond);
BENCHMARK(positionsOfMove)->DenseRange(1, MaxMoves)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(firstSearchedMove)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(wholeGame)->ArgName("backwards")->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kSecond);
