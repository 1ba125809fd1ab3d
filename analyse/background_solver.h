// Exact values solved on a thread of its own, so that a window never waits for them: positions go
// in by value, values come back through a callback, and the game state is never touched. Each
// position is solved and delivered once; a solve no longer wanted stops within milliseconds.
#pragma once

#include "exact_solver.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <stop_token>
#include <thread>
#include <unordered_set>
#include <vector>

class BackgroundSolver {
public:
    // Called on the solving thread with each job as it is done; none begins once the destructor
    // has, and none runs after it. It should only hand the values on, as a queued call does.
    using Done = std::function<void(const Position& position, std::vector<MoveValue> values)>;

    explicit BackgroundSolver(Done whenDone);
    // Stops the solve under way and waits for the thread to end.
    ~BackgroundSolver();
    BackgroundSolver(const BackgroundSolver&) = delete;
    BackgroundSolver& operator=(const BackgroundSolver&) = delete;

    // The jobs to do next, in order, in place of those not yet done; positions delivered already
    // are left out. A job under way goes on when it is the first of them; otherwise it stops at
    // once, undelivered, and starts again if it comes round.
    void solve(std::vector<Position> jobs);

private:
    void solveJobs(const std::stop_token& quit);

    const Done done;
    std::mutex mutex;
    std::condition_variable_any wake;
    std::deque<Position> jobs;
    std::optional<Position> current;  // the job under way
    std::stop_source stopCurrent;
    std::unordered_set<Position> delivered;
    std::jthread worker;  // last, so that it starts when the rest is there
};
