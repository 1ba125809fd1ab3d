#include "analysis.h"
#include "background_solver.h"
#include "state_fixture.h"

#include <array>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <functional>
#include <mutex>
#include <thread>

// A move's value in a failure's message: "b1 -10".
void PrintTo(const MoveValue& move, std::ostream* out) { *out << cellName(move.cell) << ' ' << move.value; }

namespace {

// Positions of move 9, the first that the built-in table does not hold: the deep ones take a
// tenth of a second or more to solve, the light ones a few milliseconds.
constexpr std::array DeepRecords = {"a2a1b1a3c4d2c1b2", "a2a3d4d1b4c4d1c1", "a2a3d4d3c4b3b4c1"};
constexpr std::array LightRecords = {"d3d2d1d2d3a4a2d1", "b1a1b1a3b4a1c4b4", "b1c1d1a3d4d1c1b3", "a2a1c2a3a4a3c4b1"};

Position positionAfter(const char* record)
{
    replayGameRecord(record);
    return readPosition(sideToMove());
}

// What a BackgroundSolver delivers, in order, and a wait for it that the test's own thread makes.
class Deliveries {
public:
    BackgroundSolver::Done done(std::function<void(const Position&)> then = {})
    {
        return [this, then = std::move(then)](const Position& position, std::vector<MoveValue> values) {
            {
                const std::lock_guard lock(mutex);
                delivered.emplace_back(position, std::move(values));
            }
            arrived.notify_all();
            if (then) then(position);
        };
    }

    // The first count deliveries, once they have come.
    std::vector<std::pair<Position, std::vector<MoveValue>>> first(std::size_t count)
    {
        std::unique_lock lock(mutex);
        arrived.wait(lock, [&] { return delivered.size() >= count; });
        return {delivered.begin(), delivered.begin() + static_cast<std::ptrdiff_t>(count)};
    }

    std::size_t count()
    {
        const std::lock_guard lock(mutex);
        return delivered.size();
    }

private:
    std::mutex mutex;
    std::condition_variable arrived;
    std::vector<std::pair<Position, std::vector<MoveValue>>> delivered;
};

class BackgroundSolving : public FreshState {
protected:
    void SetUp() override
    {
        FreshState::SetUp();
        for (const char* record : DeepRecords) deep.push_back(positionAfter(record));
        for (const char* record : LightRecords) light.push_back(positionAfter(record));
    }

    // The positions delivered are those expected, in that order, each with a fresh solver's values.
    static void expectDelivered(const std::vector<std::pair<Position, std::vector<MoveValue>>>& delivered,
                                const std::vector<Position>& expected)
    {
        ASSERT_EQ(delivered.size(), expected.size());
        for (std::size_t k = 0; k < expected.size(); ++k) {
            EXPECT_TRUE(delivered[k].first == expected[k]) << "delivery " << k;
            EXPECT_EQ(delivered[k].second, ExactSolver().moveValues(expected[k])) << "delivery " << k;
        }
    }

    std::vector<Position> deep, light;
};

// The threads of this process.
std::ptrdiff_t threadCount()
{
    return std::distance(std::filesystem::directory_iterator("/proc/self/task"), std::filesystem::directory_iterator());
}

}  // namespace

// The owner asks again while the first delivery is on its way, the shown position first, then
// after every delivery, positions done already with a new one.
TEST_F(BackgroundSolving, DeliversTheShownPositionFirstAndEachPositionOnce)
{
    Deliveries deliveries;
    BackgroundSolver* solver = nullptr;
    const auto askAgain = [&](const Position& position) {
        if (position == light[0]) solver->solve({light[2], light[0], light[1]});
    };
    BackgroundSolver background(deliveries.done(askAgain));
    solver = &background;
    background.solve({light[0], light[1], light[2]});
    deliveries.first(3);
    background.solve({light[1], light[0], light[3]});
    expectDelivered(deliveries.first(4), {light[0], light[2], light[1], light[3]});
}

// A deep job that is no longer first stops and is never delivered; one that is first again goes
// on, and is not done twice. Each is asked about as it starts, once the light job before it has
// been delivered.
TEST_F(BackgroundSolving, AStaleJobGivesWayAndTheOneUnderWayGoesOn)
{
    Deliveries deliveries;
    BackgroundSolver background(deliveries.done());
    background.solve({light[0], deep[0], light[1]});
    deliveries.first(1);
    background.solve({light[1], deep[1]});
    deliveries.first(2);
    background.solve({deep[1], light[2]});
    expectDelivered(deliveries.first(4), {light[0], light[1], deep[1], light[2]});
}

// Destroyed in the middle of deep solves, it stops them rather than waiting for them, and returns
// with its thread ended: no delivery can come after.
TEST_F(BackgroundSolving, DestructionDuringASolveEndsTheThread)
{
    Deliveries deliveries;
    std::ptrdiff_t threads = 0;
    {
        BackgroundSolver background(deliveries.done());
        background.solve(deep);
        threads = threadCount();
    }
    // A joined thread may stay listed a moment after the join returns, while the kernel, or
    // qemu-user running an arm64 build, finishes its exit; it must then go.
    for (int wait = 0; wait < 500 && threadCount() != threads - 1; ++wait) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(threadCount(), threads - 1);
    EXPECT_LT(deliveries.count(), deep.size());
}
