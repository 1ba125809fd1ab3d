// The strong computer's choice at fixed positions of two games, at moves 8, 10 and 12. The node
// count is the search's signature: a change that alters it has changed the search.
#include "game_state.h"
#include "played_move.h"
#include "search.h"

#include <benchmark/benchmark.h>

#include <string>
#include <string_view>

namespace {

// Replays the record with the computer playing computerColour and times its choice at the
// move after it.
void strongChoiceAfter(benchmark::State& state, std::string_view record, Colour computerColour)
{
    startUpSetUp();
    if (!replayRecord(parseRecord(record), opponentOf(computerColour)) || sideToMove() != computerColour) {
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

}  // namespace

BENCHMARK_CAPTURE(strongChoiceAfter, move8_a2, "a2a3d4b1a3d4b1", WHITE)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(strongChoiceAfter, move8_b1, "b1a1c4d4a2c3b1", WHITE)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(strongChoiceAfter, move10_a2, "a2a3d4b1a3d4b1c1d2", WHITE)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(strongChoiceAfter, move10_b1, "b1a1c4d4a2c3b1a3b4", WHITE)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(strongChoiceAfter, move12_a2, "a2a3d4b1a3d4b1c1d2c1b2", WHITE)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(strongChoiceAfter, move12_b1, "b1a1c4d4a2c3b1a3b4c2d1", WHITE)->Unit(benchmark::kMillisecond);
