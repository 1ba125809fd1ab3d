#include "background_solver.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>

struct BackgroundSolver::Shared {
    std::mutex mutex;
    std::condition_variable wake;
    std::deque<Position> jobs;
    Done done;  // emptied when the owner goes
    std::optional<Position> current;
    std::atomic<bool> stopped = false;
    std::atomic<bool> dropCurrent = false;  // other work has come first
};

namespace {

struct Interrupted {};


}  // namespace

// The thread's own solver and its table, carried from position to position; it lives as long as
// the thread, which holds its share of the queue.
void BackgroundSolver::solveJobs(const std::shared_ptr<Shared>& shared)
{
    ExactSolver solver;
    // Between two moves of a position the solve gives way: what it has learnt stays in the table.
    const SolvingMove giveWay = [&shared](std::int32_t, std::size_t, std::size_t) {
        if (shared->stopped || shared->dropCurrent) throw Interrupted{};
    };
    for (;;) {
        Position job;
        {
            std::unique_lock lock(shared->mutex);
            shared->wake.wait(lock, [&] { return shared->stopped || !shared->jobs.empty(); });
            if (shared->stopped) return;
            job = shared->jobs.front();
            shared->jobs.pop_front();
            shared->current = job;
            shared->dropCurrent = false;
        }
        std::vector<MoveValue> values;
        bool solved = true;
        try {
            values = solver.moveValues(job, giveWay);
        } catch (const Interrupted&) {
            solved = false;
        }
        const std::lock_guard lock(shared->mutex);
        shared->current.reset();
        if (shared->stopped) return;
        if (solved) shared->done(job, std::move(values));
    }
}

BackgroundSolver::BackgroundSolver(Done done) : shared(std::make_shared<Shared>())
{
    shared->done = std::move(done);
    worker = std::thread(solveJobs, shared);
}

BackgroundSolver::~BackgroundSolver()
{
    {
        const std::lock_guard lock(shared->mutex);
        shared->stopped = true;
        shared->done = nullptr;
        shared->jobs.clear();
    }
    shared->wake.notify_all();
    worker.detach();
}

void BackgroundSolver::solve(std::vector<Position> jobs)
{
    {
        const std::lock_guard lock(shared->mutex);
        if (shared->current && (jobs.empty() || *shared->current != jobs.front())) shared->dropCurrent = true;
        shared->jobs.assign(jobs.begin(), jobs.end());
    }
    shared->wake.notify_all();
}
