#include "parallel_choices.h"

#include "played_move.h"
#include "search.h"

#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <new>
#include <stdexcept>
#include <system_error>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// Shared by the workers, each of them a fork with its own copy of the one game state: the next
// line to take, the lines done, and every line's choice.
struct Queue {
    std::atomic<std::size_t> next{0};
    std::atomic<std::size_t> done{0};
};
static_assert(std::atomic<std::size_t>::is_always_lock_free, "the queue is shared between processes");

// A worker: takes lines off the queue until none is left. Nonzero when a line is no game in
// which the computer is to move.
int work(std::span<BookLine> lines, Queue& queue, StrongChoice* choices)
{
    for (std::size_t i = queue.next++; i < lines.size(); i = queue.next++) {
        if (!replayRecord(lines[i].moves, opponentOf(lines[i].com)) || sideToMove() != lines[i].com) return 1;
        choices[i] = strongChoice();
        ++queue.done;
    }
    return 0;
}

// Waits for every worker, telling how many lines are done when that has changed, at most every
// ten seconds.
bool awaitWorkers(std::vector<pid_t>& workers, const Queue& queue, std::size_t total)
{
    bool allWell = true;
    auto lastReport = Clock::now();
    std::size_t reported = 0;
    while (!workers.empty()) {
        int status = 0;
        const pid_t ended = waitpid(-1, &status, WNOHANG);
        if (ended > 0) {
            allWell = allWell && WIFEXITED(status) && WEXITSTATUS(status) == 0;
            std::erase(workers, ended);
            continue;
        }
        if (ended < 0) throw std::system_error(errno, std::generic_category(), "waitpid");
        const std::size_t done = queue.done.load();
        if (done != reported && Clock::now() - lastReport >= std::chrono::seconds(10)) {
            std::fprintf(stderr, "  %zu of %zu games\n", done, total);
            reported = done;
            lastReport = Clock::now();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return allWell;
}

}  // namespace

std::uint64_t answerInParallel(std::span<BookLine> lines, unsigned workers)
{
    if (lines.empty()) return 0;
    const std::size_t bytes = sizeof(Queue) + lines.size() * sizeof(StrongChoice);
    void* shared = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (shared == MAP_FAILED) throw std::system_error(errno, std::generic_category(), "mmap");
    auto* queue = new (shared) Queue;
    auto* choices = reinterpret_cast<StrongChoice*>(static_cast<char*>(shared) + sizeof(Queue));

    // 1. The workers; what is buffered for output is written first, or every fork would repeat it.
    std::fflush(nullptr);
    std::vector<pid_t> running;
    const std::size_t count = std::min<std::size_t>(std::max(workers, 1u), lines.size());
    for (std::size_t w = 0; w < count; ++w) {
        const pid_t pid = fork();
        if (pid == 0) _exit(work(lines, *queue, choices));
        if (pid < 0) break;  // the workers already started take every line
        running.push_back(pid);
    }
    if (running.empty()) {
        munmap(shared, bytes);
        throw std::system_error(errno, std::generic_category(), "fork");
    }

    // 2. Their choices, once every one of them has ended.
    const bool allWell = awaitWorkers(running, *queue, lines.size());
    const bool complete = allWell && queue->done.load() == lines.size();
    std::uint64_t nodes = 0;
    for (std::size_t i = 0; complete && i < lines.size(); ++i) {
        lines[i].answer = choices[i].cell;
        lines[i].value = choices[i].value;
        lines[i].nodes = choices[i].nodes;
        nodes += choices[i].nodes;
    }
    munmap(shared, bytes);
    if (!complete) throw std::runtime_error("a worker of the search failed or found a game it could not answer");
    return nodes;
}
