// nordamo-analyse: every move's exact value in a position of the game, or a review of a game.
#include "analysis.h"
#include "game_state.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string_view>

namespace {

constexpr std::string_view Usage = "usage: nordamo-analyse [RECORD] | nordamo-analyse --review RECORD\n";

// What is being solved, on the terminal, once the work has taken a second; nothing when standard
// error is not a terminal. The line is wiped when the work is done.
class ProgressLine {
public:
    ProgressLine() : shown(isatty(STDERR_FILENO) != 0) {}
    ~ProgressLine()
    {
        if (written) std::fputs("\r\033[K", stderr);
    }
    void operator()(const std::string& solving)
    {
        if (!shown || std::chrono::steady_clock::now() - start < std::chrono::seconds{1}) return;
        std::fprintf(stderr, "\r\033[Ksolving %s", solving.c_str());
        std::fflush(stderr);
        written = true;
    }

private:
    bool shown;
    bool written = false;
    std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
};

}  // namespace

int main(int argc, char* argv[])
{
    const std::string_view first = argc > 1 ? argv[1] : "";
    if (first == "--help" || first == "-h") {
        std::fputs(Usage.data(), stdout);
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
