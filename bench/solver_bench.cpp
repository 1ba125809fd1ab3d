// The exact solver, each time with a fresh table as a run of nordamo-analyse has it: every move's
// value from the start position, on each way of reading lines; every move's value at random
// positions of moves 6, 8 and 10, their worst and mean time; a review of whole games; and the
// memory the program takes at most.
#include "analysis.h"
#include "exact_solver.h"
#include "game_state.h"
#include "legality.h"
#include "played_move.h"
#include "search.h"

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <string>

namespace {

const LineReading Fastest = lineReading();

// The record of a random game up to move target, or to its end; the same ones every run.
std::string randomRecord(std::mt19937& rng, std::int32_t target)
{
    std::string record;
    startGame(WHITE);
    for (Colour mover = sideToMove(); mover != EMPTY && State.Ply < target; mover = sideToMove()) {
        std::vector<std::int32_t> legal;
        for (std::int32_t cell : PriorityOrder)
            if (Sokouteruka(mover, cell)) legal.push_back(cell);
        const std::int32_t cell = legal[rng() % legal.size()];
        record += cellName(cell);
        playMoveAndGoOn(mover, cell);
    }
    return record;
}

// Runs analyse on each record with a fresh solver, and writes its worst and mean time, and the
// heaviest record, to the counters and the label.
template <class Analysis>
void timeEach(benchmark::State& state, const std::vector<std::string>& records, Analysis analyse)
{
    using Clock = std::chrono::steady_clock;
    double worst = 0, total = 0;
    std::string heaviest;
    for (auto _ : state) {
        worst = total = 0;
        for (const std::string& record : records) {
            const auto start = Clock::now();
            ExactSolver solver;
            benchmark::DoNotOptimize(analyse(solver, record, Progress{}));
            const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
            if (seconds > worst) worst = seconds, heaviest = record;
            total += seconds;
        }
    }
    state.counters["worst s"] = worst;
    state.counters["mean s"] = total / static_cast<double>(records.size());
    state.SetLabel("heaviest " + heaviest);
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

// Every move's value at 40 random positions of that move, each on its own.
void randomPositions(benchmark::State& state)
{
    startUpSetUp();
    std::mt19937 rng(static_cast<std::uint32_t>(state.range(0)));
    std::vector<std::string> records;
    while (records.size() < 40) {
        std::string record = randomRecord(rng, static_cast<std::int32_t>(state.range(0)));
        if (State.Ply == state.range(0) && sideToMove() != EMPTY) records.push_back(record);
    }
    timeEach(state, records, analysePosition);
}

// The review of whole games, each with a fresh solver: a game of the tests, and 10 random ones.
void wholeGames(benchmark::State& state)
{
    startUpSetUp();
    std::mt19937 rng(28);
    std::vector<std::string> records = {"a2a3a4a3c2c1a4b4c4b4c3d2d3d4d1b1d1b2c1a1a1c4b3d4d3a2b1d2"};
    while (records.size() < 11) records.push_back(randomRecord(rng, MaxMoves + 1));
    timeEach(state, records, reviewGame);
    state.counters["peak MB"] = peakMegabytes();
}

}  // namespace

BENCHMARK_CAPTURE(startPosition, fastest, Fastest)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(startPosition, portable, LineReading::Portable)->Unit(benchmark::kMillisecond);
BENCHMARK(randomPositions)->Arg(6)->Arg(8)->Arg(10)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(wholeGames)->Iterations(1)->Unit(benchmark::kSecond);
