// The review's solving thread: how long a deep solve under way takes to give way when another
// position is shown, and its owner to be destroyed in the middle of one. A window that steps
// through a game needs each within 10 ms. The time is that of the clock, from the request to the
// other position's delivery, or to the destructor's return; the deep solve is stopped at a
// different point each time.
#include "analysis.h"
#include "background_solver.h"
#include "game_state.h"
#include "played_move.h"

#include <benchmark/benchmark.h>
#include <pthread.h>
#include <time.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
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
std::pair<Position, std::chrono::milliseconds> deepJob(std::int64_t iteration)
{
    return {positionAfter(DeepRecords[static_cast<std::size_t>(iteration) % DeepRecords.size()]),
            std::chrono::milliseconds(20 + 10 * (iteration % 5))};
}

// The positions delivered, and a wait for one of them.
class Deliveries {
public:
    BackgroundSolver::Done done()
    {
        return [this](const Position& position, std::vector<MoveValue>) {
            {
                const std::lock_guard lock(mutex);
                delivered.push_back(position);
            }
            arrived.notify_all();
        };
    }
    // Waits for position; true when it came first.
    bool waitFor(const Position& position)
    {
        std::unique_lock lock(mutex);
        arrived.wait(lock, [&] { return std::ranges::find(delivered, position) != delivered.end(); });
        return delivered.front() == position;
    }
    std::size_t count()
    {
        const std::lock_guard lock(mutex);
        return delivered.size();
    }

private:
    std::mutex mutex;
    std::condition_variable arrived;
    std::vector<Position> delivered;
};

double milliseconds(Clock::duration duration) { return std::chrono::duration<double, std::milli>(duration).count(); }

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

// The exact solver alone: the processor time its thread takes from the stop request to its return,
// which a machine busy with other work does not lengthen as it does the times on the clock below.
void solverStops(benchmark::State& state)
{
    startUpSetUp();
    std::vector<double> times;
    std::int32_t stopped = 0;
    for (auto _ : state) {
        const auto [deep, solving] = deepJob(static_cast<std::int64_t>(times.size()));
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

// A deep solve under way, and the position after the first move shown instead: its values come
// from the built-in table at once. stopped: the deep solve was cut short.
void staleJobGivesWay(benchmark::State& state)
{
    startUpSetUp();
    const Position shown = positionAfter("a2");
    std::vector<double> times;
    std::int32_t stopped = 0;
    for (auto _ : state) {
        const auto [deep, solving] = deepJob(static_cast<std::int64_t>(times.size()));
        Deliveries deliveries;
        BackgroundSolver background(deliveries.done());
        background.solve({deep});
        std::this_thread::sleep_for(solving);
        const Clock::time_point start = Clock::now();
        background.solve({shown});
        stopped += deliveries.waitFor(shown) ? 1 : 0;
        times.push_back(milliseconds(Clock::now() - start));
        state.SetIterationTime(times.back() / 1000);
    }
    setCounters(state, times, stopped);
}

// The owner destroyed while a deep solve is under way.
void destructionDuringASolve(benchmark::State& state)
{
    startUpSetUp();
    std::vector<double> times;
    std::int32_t stopped = 0;
    for (auto _ : state) {
        const auto [deep, solving] = deepJob(static_cast<std::int64_t>(times.size()));
        Deliveries deliveries;
        std::optional<BackgroundSolver> background(std::in_place, deliveries.done());
        background->solve({deep});
        std::this_thread::sleep_for(solving);
        const Clock::time_point start = Clock::now();
        background.reset();
        times.push_back(milliseconds(Clock::now() - start));
        state.SetIterationTime(times.back() / 1000);
        stopped += deliveries.count() == 0 ? 1 : 0;
    }
    setCounters(state, times, stopped);
}

}  // namespace

BENCHMARK(solverStops)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(staleJobGivesWay)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(destructionDuringASolve)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);
