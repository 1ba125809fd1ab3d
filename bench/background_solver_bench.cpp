// The review's solving thread: how long a deep solve under way takes to give way when another
// position is shown, and its owner to be destroyed in the middle of one. A window that steps
// through a game needs each within 10 ms. The time is that of the clock, from the request to the
// other position's delivery, or to the destructor's return; the deep solve is stopped at a
// different point each time. The search's own share is timed apart, by the processor time its
// thread takes after the request, which a machine busy with other work does not lengthen.
#include "analysis.h"
#include "background_solver.h"
#include "game_state.h"
#include "played_move.h"

#include <benchmark/benchmark.h>
#include <pthread.h>
#include <time.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <future>
#include <memory>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// The heaviest positions of move 9 among those of random games, a tenth of a second or more each.
constexpr std::array DeepRecords = {"a2a1b1a3c4d2c1b2", "a2a3d4d1b4c4d1c1", "a2a3d4d3c4b3b4c1", "a2c1d1c1d4a3b3c4"};

Position positionAfter(const char* record)
{
    replayGameRecord(record);
    return readPosition(sideToMove());
}

// The deep position of an iteration, and how long it is solved before the request comes.
std::pair<Position, std::chrono::milliseconds> deepJob(std::size_t iteration)
{
    return {positionAfter(DeepRecords[iteration % DeepRecords.size()]),
            std::chrono::milliseconds(20 + 10 * (iteration % 5))};
}

// The times of the iterations, in milliseconds, and how many of them cut the deep solve short.
void setCounters(benchmark::State& state, std::vector<double> times, std::int32_t stopped)
{
    std::ranges::sort(times);
    state.counters["median ms"] = times[times.size() / 2];
    state.counters["worst ms"] = times.back();
    state.counters["stopped"] = stopped;
    state.counters["target ms"] = 10;
}

// The processor time a thread has taken, by its clock.
double cpuMilliseconds(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) * 1e-6;
}

// The exact solver alone, on a thread of its own, asked to stop.
void solverStops(benchmark::State& state)
{
    startUpSetUp();
    std::vector<double> times;
    std::int32_t stopped = 0;
    for (auto _ : state) {
        const auto [deep, solving] = deepJob(times.size());
        ExactSolver solver;
        std::stop_source stop;
        double end = 0;
        std::thread thread([&, position = deep] {
            stopped += solver.moveValues(position, stop.get_token()) ? 0 : 1;
            end = cpuMilliseconds(CLOCK_THREAD_CPUTIME_ID);
        });
        std::this_thread::sleep_for(solving);
        clockid_t clock{};
        pthread_getcpuclockid(thread.native_handle(), &clock);
        const double start = cpuMilliseconds(clock);
        stop.request_stop();
        thread.join();
        times.push_back(end - start);
        state.SetIterationTime(times.back() / 1000);
    }
    setCounters(state, times, stopped);
}

// A BackgroundSolver in the middle of a deep solve, and what ends it, timed: the position after
// the first move shown instead, whose values come from the built-in table at once, or the
// destructor. The thread has solved the start position first, as a window's thread has by the
// time a person steps: the making of its table is not timed.
void interrupted(benchmark::State& state, bool destroyed)
{
    startUpSetUp();
    const Position opening = positionAfter(""), shown = positionAfter("a2");
    std::vector<double> times;
    std::int32_t stopped = 0;
    for (auto _ : state) {
        const auto [deep, solving] = deepJob(times.size());
        std::atomic<bool> deepDelivered = false;
        std::promise<void> startDelivered, shownDelivered;
        auto background = std::make_unique<BackgroundSolver>([&](const Position& position, std::vector<MoveValue>) {
            if (position == opening)
                startDelivered.set_value();
            else if (position == shown)
                shownDelivered.set_value();
            else
                deepDelivered = true;
        });
        background->solve({opening});
        startDelivered.get_future().wait();
        background->solve({deep});
        std::this_thread::sleep_for(solving);
        const Clock::time_point start = Clock::now();
        if (destroyed) {
            background.reset();
        } else {
            background->solve({shown});
            shownDelivered.get_future().wait();
        }
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        state.SetIterationTime(times.back() / 1000);
        stopped += deepDelivered ? 0 : 1;
    }
    setCounters(state, times, stopped);
}

}  // namespace

BENCHMARK(solverStops)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(interrupted, staleJobGivesWay, false)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(interrupted, destructionDuringASolve, true)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);
