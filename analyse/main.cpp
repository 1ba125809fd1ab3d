// nordamo-analyse: every move's exact value in a position of the game, or a review of a game.
#include "analysis.h"
#include "game_state.h"

#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

namespace {

constexpr std::string_view Usage =
    "usage: nordamo-analyse [RECORD] | nordamo-analyse --review RECORD | nordamo-analyse --version\n";

constexpr std::string_view Help = R"(
Without --review: the exact value of every move in the position after RECORD, or at the start.
With --review: the game of RECORD move by move, each move's value and what it gave away.

RECORD is a game's record as the game writes it, such as a2a1c4: the moves in order, black first,
each a column a-d and a row 1-4. Upper case and full-width characters do too, and so do spaces,
commas, "、", "・" and single hyphens between moves. A pass may be written (pass, ps, パス or --)
where the side to move has no move, or left out, as the game leaves it out.
)";

// What is being solved, on the terminal once the work has taken a second, and brought up to date
// a few times a second; nothing when standard error is not a terminal. The line is wiped when
// the work is done. The solving goes on in the main thread; this one only shows how far it is.
class ProgressLine {
public:
    ProgressLine()
    {
        if (isatty(STDERR_FILENO) != 0) shower = std::thread([this] { show(); });
    }
    ~ProgressLine()
    {
        if (!shower.joinable()) return;
        {
            const std::lock_guard lock(mutex);
            done = true;
        }
        wake.notify_one();
        shower.join();
        if (!shown.empty()) std::fputs("\r\033[K", stderr);
    }
    void operator()(const std::string& solving)
    {
        const std::lock_guard lock(mutex);
        current = solving;
    }

private:
    void show()
    {
        std::unique_lock lock(mutex);
        // True when the time has passed with the work still going on.
        const auto going = [&](auto length) { return !wake.wait_for(lock, length, [this] { return done; }); };
        for (bool more = going(std::chrono::seconds{1}); more; more = going(std::chrono::milliseconds{200})) {
            if (current == shown) continue;
            shown = current;
            std::fprintf(stderr, "\r\033[Ksolving %s", shown.c_str());
            std::fflush(stderr);
        }
    }

    std::mutex mutex;
    std::condition_variable wake;
    bool done = false;
    std::string current, shown;
    std::thread shower;
};

}  // namespace

int main(int argc, char* argv[])
{
    const std::string_view first = argc > 1 ? argv[1] : "";
    if (first == "--help" || first == "-h") {
        std::fputs(Usage.data(), stdout);
        std::fputs(Help.data(), stdout);
        return 0;
    }
    if (first == "--version" && argc == 2) {
        std::puts("nordamo-analyse " NORDAMO_VERSION);
        return 0;
    }
    const bool review = first == "--review";
    const int records = argc - 1 - (review ? 1 : 0);
    if (records > 1 || (review && records == 0) || (!review && first.starts_with("-"))) {
        std::fputs(Usage.data(), stderr);
        return 2;
    }
    const std::string_view record = records == 1 ? argv[argc - 1] : "";

    startUpSetUp();
    ExactSolver solver;
    std::string text;
    try {
        ProgressLine progress;
        const Progress tell = [&progress](const std::string& solving) { progress(solving); };
        text = review ? reviewGame(solver, record, tell) : analysePosition(solver, record, tell);
    } catch (const BadRecord& bad) {
        std::fprintf(stderr, "nordamo-analyse: %s\n", bad.what());
        return 2;
    }
    std::fputs(text.c_str(), stdout);
    return 0;
}
