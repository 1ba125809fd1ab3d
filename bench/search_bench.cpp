// The strong computer's choice: at fixed positions of two games, at moves 8, 10 and 12, on each
// way of reading lines; at the heaviest recorded positions; and over the whole recorded file, its
// worst and mean time. The node count is the search's signature: a change that alters it has
// changed the search.
#include "game_state.h"
#include "played_move.h"
#include "recorded_choices.h"
#include "search.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <string_view>

namespace {

// The way of reading lines that this processor runs best, as the program starts with it.
const LineReading Fastest = lineReading();

// Replays the record with the computer playing computerColour and times its choice at the
// move after it, read the given way.
void strongChoiceAfter(benchmark::State& state, std::vector<std::int32_t> moves, Colour computerColour,
                       LineReading reading)
{
    startUpSetUp();
    if (!canUse(reading)) {
        state.SkipWithError("the processor cannot read lines this way");
        return;
    }
    useLineReading(reading);
    if (!replayRecord(moves, opponentOf(computerColour)) || sideToMove() != computerColour) {
        state.SkipWithError("the record does not lead to a move of the computer");
        return;
    }
    StrongChoice choice{};
    for (auto _ : state) {
        choice = strongChoice();
        benchmark::DoNotOptimize(choice);
    }
    state.counters["nodes/s"] =
        benchmark::Counter(static_cast<double>(choice.nodes), benchmark::Counter::kIsIterationInvariantRate);
    state.SetLabel(cellName(choice.cell) + " value " + std::to_string(choice.value) + ", " +
                   std::to_string(choice.nodes) + " nodes");
}

void fixedPosition(benchmark::State& state, std::string_view record, Colour computerColour, LineReading reading)
{
    strongChoiceAfter(state, parseRecord(record), computerColour, reading);
}

const std::vector<BookLine>& recorded()
{
    static const std::vector<BookLine> choices = readChoices(STRONG_CHOICES_FILE);
    return choices;
}

// Every recorded choice once, with the way of reading this processor runs best: the worst and
// the mean time of a choice, and how many took longer than half a second.
void wholeRecordedFile(benchmark::State& state)
{
    using Clock = std::chrono::steady_clock;
    startUpSetUp();
    useLineReading(Fastest);
    double worst = 0, total = 0;
    std::int64_t slow = 0;
    std::uint64_t nodes = 0;
    for (auto _ : state) {
        worst = total = 0, slow = 0, nodes = 0;
        for (const BookLine& r : recorded()) {
            replayRecord(r.moves, opponentOf(r.com));
            const auto start = Clock::now();
            StrongChoice choice = strongChoice();
            const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
            benchmark::DoNotOptimize(choice);
            worst = std::max(worst, seconds);
            total += seconds;
            slow += seconds > 0.5;
            nodes += choice.nodes;
        }
    }
    state.counters["worst s"] = worst;
    state.counters["mean s"] = total / static_cast<double>(recorded().size());
    state.counters["over 0.5 s"] = static_cast<double>(slow);
    state.counters["nodes/s"] = static_cast<double>(nodes) / total;
}

// The heaviest recorded choices, each on its own, read the way this processor runs best.
const int registered = [] {
    constexpr std::size_t Heaviest = 20;
    std::vector<BookLine> heaviest = recorded();
    std::ranges::sort(heaviest, std::ranges::greater{}, &BookLine::nodes);
    heaviest.resize(std::min(Heaviest, heaviest.size()));
    for (const BookLine& r : heaviest) {
        std::string name = "heaviest/";
        for (std::int32_t cell : r.moves) name += cellName(cell);
        benchmark::RegisterBenchmark(name.c_str(), strongChoiceAfter, r.moves, r.com, Fastest)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("wholeRecordedFile", wholeRecordedFile)->Iterations(1)->Unit(benchmark::kSecond);
    return 0;
}();

}  // namespace

#define FIXED_POSITION(name, record, colour)                                                                  \
    BENCHMARK_CAPTURE(fixedPosition, name, record, colour, Fastest)->Unit(benchmark::kMillisecond);      \
    BENCHMARK_CAPTURE(fixedPosition, name##_portable, record, colour, LineReading::Portable)                   \
        ->Unit(benchmark::kMillisecond)

FIXED_POSITION(move8_a2, "a2a3d4b1a3d4b1", WHITE);
FIXED_POSITION(move8_b1, "b1a1c4d4a2c3b1", WHITE);
FIXED_POSITION(move10_a2, "a2a3d4b1a3d4b1c1d2", WHITE);
FIXED_POSITION(move10_b1, "b1a1c4d4a2c3b1a3b4", WHITE);
FIXED_POSITION(move12_a2, "a2a3d4b1a3d4b1c1d2c1b2", WHITE);
FIXED_POSITION(move12_b1, "b1a1c4d4a2c3b1a3b4c2d1", WHITE);
