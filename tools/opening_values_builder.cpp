// Derives the exact values of every position after at most OpeningValueMoves moves from the exact
// solver's search, and either writes the source file that holds them or compares them with those
// built into the program.
//
//   opening_values_builder --write ai/opening_values_table.cpp [--workers N]
//   opening_values_builder --check [--workers N]

#include "builder_options.h"
#include "exact_solver.h"
#include "game_state.h"
#include "opening_positions.h"
#include "opening_values.h"
#include "position_key.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <exception>
#include <mutex>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>
#include <unordered_map>
#include <vector>

namespace {

using Values = std::unordered_map<std::uint64_t, std::int32_t>;

// The values of the positions a move after those of parents, from every move's value there, solved
// on workers threads with a solver each, which each keeps from one position to the next.
Values solvedAfter(const std::vector<std::uint64_t>& parents, unsigned workers)
{
    Values values;
    std::mutex guard;
    std::atomic<std::size_t> nextParent = 0, done = 0;
    std::exception_ptr failure;
    const auto work = [&] {
        try {
            ExactSolver solver(OpeningValues::Searched);
            for (std::size_t p = nextParent++; p < parents.size(); p = nextParent++) {
                const NextPositions next = nextPositions(parents[p]);
                const std::vector<MoveValue> moves = solver.moveValues({boardOfKey(parents[p]), sideToMoveOf(parents[p])});
                const std::lock_guard lock(guard);
                for (const MoveValue& move : moves) {
                    const std::size_t k = static_cast<std::size_t>(
                        std::find(next.cells.begin(), next.cells.end(), move.cell) - next.cells.begin());
                    const auto [known, added] = values.emplace(next.keys.at(k), -move.value);
                    if (known->second != -move.value)
                        throw std::runtime_error("two values of one position: " + std::to_string(known->first));
                }
                if (++done % 500 == 0) std::fprintf(stderr, "%zu of %zu positions solved\n", done.load(), parents.size());
            }
        } catch (...) {
            const std::lock_guard lock(guard);
            failure = std::current_exception();
        }
    };
    std::vector<std::jthread> threads;
    for (unsigned w = 0; w < workers; ++w) threads.emplace_back(work);
    threads.clear();
    if (failure) std::rethrow_exception(failure);
    return values;
}

// Every entry of the table, sorted.
std::vector<std::uint64_t> deriveEntries(unsigned workers)
{
    const std::vector<std::vector<std::uint64_t>> byMove = openingPositions(OpeningValueMoves);
    Values values = solvedAfter(byMove[OpeningValueMoves - 1], workers);
    for (std::int32_t k = OpeningValueMoves - 1; k >= 0; --k)
        for (const std::uint64_t key : byMove[k])
            values[key] = valueFromNext(key, [&](std::uint64_t after) { return values.at(after); });
    std::vector<std::uint64_t> entries;
    for (const auto& positions : byMove)
        for (const std::uint64_t key : positions) entries.push_back(openingValueEntry(key, values.at(key)));
    std::sort(entries.begin(), entries.end());
    return entries;
}

std::string sourceFile(const std::vector<std::uint64_t>& entries)
{
    std::string text = "// The exact value of every position after at most " + std::to_string(OpeningValueMoves) +
                       " moves, by key: written by\n"
                       "// tools/opening_values_builder --write ai/opening_values_table.cpp; do not edit.\n"
                       "#include \"opening_values.h\"\n\nnamespace {\n\nconst std::uint64_t Entries[] = {\n";
    for (std::size_t k = 0; k < entries.size(); ++k) {
        char entry[32];
        std::snprintf(entry, sizeof entry, "%s0x%llxu,", k % 4 == 0 ? "    " : " ",
                      static_cast<unsigned long long>(entries[k]));
        text += entry;
        if (k % 4 == 3 || k + 1 == entries.size()) text += "\n";
    }
    return text + "};\n\n}  // namespace\n\nconst std::span<const std::uint64_t> OpeningValueEntries = Entries;\n";
}

// Tells every entry that differs from the built-in one; true when none does.
bool matchesBuiltInValues(const std::vector<std::uint64_t>& entries)
{
    std::size_t differences = 0;
    if (entries.size() != OpeningValueEntries.size()) {
        std::fprintf(stderr, "derived %zu positions, the built-in table has %zu\n", entries.size(),
                     OpeningValueEntries.size());
        ++differences;
    }
    for (std::size_t k = 0; k < std::min(entries.size(), OpeningValueEntries.size()); ++k) {
        if (entries[k] == OpeningValueEntries[k]) continue;
        std::fprintf(stderr, "entry %zu: derived %llx, built in %llx\n", k, static_cast<unsigned long long>(entries[k]),
                     static_cast<unsigned long long>(OpeningValueEntries[k]));
        ++differences;
    }
    if (differences == 0)
        std::printf("every derived value equals the built-in one: %zu positions\n", entries.size());
    else
        std::printf("%zu entries differ\n", differences);
    return differences == 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const auto options = builderOptionsOf(std::vector<std::string_view>(argv + 1, argv + argc));
    if (!options) {
        std::fprintf(stderr, "usage: opening_values_builder --write FILE | --check  [--workers N]\n");
        return 2;
    }
    startUpSetUp();
    try {
        const std::vector<std::uint64_t> entries = deriveEntries(options->workers);
        if (options->check) return matchesBuiltInValues(entries) ? 0 : 1;
        return writeSource("opening_values_builder", options->output, sourceFile(entries)) ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "opening_values_builder: %s\n", e.what());
        return 1;
    }
}
