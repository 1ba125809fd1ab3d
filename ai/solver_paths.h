// The exact solver as compiled for each way of reading a line's pattern, its transposition table,
// and the tables it shares with the solver of every path.
#pragma once

#include "bit_board.h"
#include "search.h"

#include <array>
#include <cstdint>
#include <stop_token>
#include <vector>

// One position's bounds on the final lead of the side to move, exact when they meet.
struct SolverEntry {
    std::uint64_t key;  // KeyNone for a free entry
    std::int8_t lower;
    std::int8_t upper;
    std::int8_t move;    // the index in PriorityOrder of the best move found; -1 when none
    std::int8_t places;  // the free places of the position: deeper ones are kept first
};

// Positions with at least this many free places go through the table and have their moves ordered;
// below it a plain alpha-beta search is faster than either.
inline constexpr std::int32_t TablePlaces = 10;

// The table holds 2^20 entries of 16 bytes, 16 MB, in buckets of two. A larger one finds nothing
// more that pays: 64 and 256 MB solve the heaviest positions of move 6 no faster.
class SolverTable {
public:
    static constexpr std::int32_t EntryBits = 20;
    static constexpr std::uint64_t KeyNone = ~std::uint64_t{0};
    SolverTable() : entries(std::size_t{1} << EntryBits, SolverEntry{KeyNone, 0, 0, -1, 0}) {}
    // The two entries where the key may stand.
    SolverEntry* bucketOf(std::uint64_t key)
    {
        return entries.data() + 2 * ((key * 0x9E3779B97F4A7C15u) >> (64 - EntryBits + 1));
    }
    // The key's entry in its bucket; nullptr when it has none.
    static SolverEntry* entryIn(SolverEntry* bucket, std::uint64_t key)
    {
        return bucket[0].key == key ? bucket : bucket[1].key == key ? bucket + 1 : nullptr;
    }

private:
    std::vector<SolverEntry> entries;
};

// Stable[open]: the cells of a position whose candidate cells are open that no move can ever
// change: full, and with no candidate cell among those that could ever turn them.
extern const std::array<CellSet, std::size_t{1} << PlayingCellCount> StableCells;

// The search reads whether it is asked to stop once it has visited this many nodes more: every
// millisecond or so, and too seldom to slow it.
inline constexpr std::uint64_t StopCheckNodes = 4096;

// One search's work: the table it learns in, the nodes it has visited, and whether it has been
// asked to stop. A stopped search returns at once and stores nothing of the positions it leaves
// unfinished: the table stays sound.
struct SolverRun {
    SolverTable& table;
    std::stop_token stop;
    std::uint64_t nodes = 0;
    std::uint64_t nextCheck = StopCheckNodes;
    bool stopped = false;
};

struct SolverPath {
    // The final lead of mover, fail-soft in alpha < beta, of the position with places free places
    // (at least 1); meaningless once run.stopped.
    std::int32_t (*solve)(SolverRun& run, Side mover, BitBoard board, std::int32_t places, std::int32_t alpha,
                          std::int32_t beta);
};

extern const SolverPath PortableSolver;
#if NORDAMO_PEXT
extern const SolverPath PextSolver;
#endif

// The solver of that way of reading; Portable where the processor cannot run the other.
const SolverPath& solverPathOf(LineReading reading);
