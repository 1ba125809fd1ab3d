#include "background_solver.h"

#include <algorithm>

BackgroundSolver::BackgroundSolver(Done whenDone)
    : done(std::move(whenDone)), worker([this](const std::stop_token& quit) { solveJobs(quit); })
{
}

BackgroundSolver::~BackgroundSolver()
{
    {
        // Under the lock, so that the thread cannot take a job, nor go to sleep, in between.
        const std::lock_guard lock(mutex);
        jobs.clear();
        stopCurrent.request_stop();
        worker.request_stop();
    }
    worker.join();
}

void BackgroundSolver::solve(std::vector<Position> wanted)
{
    const std::lock_guard lock(mutex);
    const bool goOn = current && !stopCurrent.stop_requested() && !wanted.empty() && wanted.front() == *current;
    if (current && !goOn) stopCurrent.request_stop();
    jobs.clear();
    for (const Position& job : wanted)
        if (!delivered.contains(job) && !(goOn && job == *current) && std::ranges::find(jobs, job) == jobs.end())
            jobs.push_back(job);
    wake.notify_one();
}

// The thread's own solver and its table, carried from position to position: what a stopped solve
// learnt stays there.
void BackgroundSolver::solveJobs(const std::stop_token& quit)
{
    ExactSolver solver;
    for (;;) {
        Position job;
        std::stop_token stop;
        {
            std::unique_lock lock(mutex);
            if (!wake.wait(lock, quit, [this] { return !jobs.empty(); })) return;
            job = jobs.front();
            jobs.pop_front();
            current = job;
            stopCurrent = std::stop_source();
            stop = stopCurrent.get_token();
        }
        std::optional<std::vector<MoveValue>> values = solver.moveValues(job, stop);
        {
            const std::lock_guard lock(mutex);
            current.reset();
            if (quit.stop_requested()) return;
            if (!values) continue;
            delivered.insert(job);
            std::erase(jobs, job);  // asked for again while its stop came too late
        }
        done(job, std::move(*values));
    }
}
