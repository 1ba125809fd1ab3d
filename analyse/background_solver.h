// Exact values solved on a thread of its own, so that a window never waits for them: positions go
// in by value, values come back through a callback, and the game state is never touched.
#pragma once

#include "exact_solver.h"

#include <functional>
#include <memory>
#include <thread>
#include <vector>

class BackgroundSolver {
public:
    // Called on the solving thread with each job as it is done, never once the BackgroundSolver
    // is gone; it should only hand the values on, as a queued call does.
    using Done = std::function<void(const Position& position, std::vector<MoveValue> values)>;

    explicit BackgroundSolver(Done done);
    // Does not wait for a solve under way: the thread drops it at its next move and ends alone.
    ~BackgroundSolver();
    BackgroundSolver(const BackgroundSolver&) = delete;
    BackgroundSolver& operator=(const BackgroundSolver&) = delete;

    // The jobs to do next, in order, in place of those not yet done: a job under way that is not
    // the first of them gives way at its next move, and is done again when it comes round.
    void solve(std::vector<Position> jobs);

private:
    struct Shared;
    static void solveJobs(const std::shared_ptr<Shared>& shared);

    std::shared_ptr<Shared> shared;
    std::thread worker;
};
