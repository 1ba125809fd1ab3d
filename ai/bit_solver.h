// The exact solver on the bit-board, for one way of reading a line's pattern (Reader::pattern):
// negamax, fail-soft, with a transposition table that knows the symmetries of the start
// position, the moves ordered by the replies they leave, and bounds from the discs that can no
// longer turn. It shares the bit-board, its tables and the reading of lines with the strong
// computer's search, and nothing of its tree.
//
// Included only by the files that compile the searches for one instruction set each, after
// bit_search.h and for the same reason: everything here has internal linkage.
#pragma once

#include "bit_search.h"
#include "position_key.h"
#include "solver_paths.h"

#include <algorithm>
#include <array>
#include <bit>
#include <optional>

namespace {

// The bits of both sides at the cells of a cell set, a byte of it at a time.
inline constexpr auto CellSetDiscs = [] {
    std::array<std::array<std::uint64_t, 256>, 2> discs{};
    for (std::size_t b = 0; b < 2; ++b)
        for (std::size_t v = 0; v < 256; ++v)
            for (std::size_t j = 0; j < 8; ++j)
                if (v >> j & 1) discs[b][v] |= CellDiscs[8 * b + j];
    return discs;
}();

// Move ordering: a reply on a corner counts as much as six elsewhere.
inline constexpr std::array<std::int32_t, PlayingCellCount> ReplyWeight = {6, 6, 6, 6, 1, 1, 1, 1,
                                                                           1, 1, 1, 1, 1, 1, 1, 1};

// Below this many free places the bounds of the stable discs cost more than they save.
inline constexpr std::int32_t StablePlaces = 3;

template <class Reader>
struct BitSolver {
    template <Side mover>
    static std::uint64_t turnsAt(std::uint64_t discs, std::int32_t i)
    {
        return BitSearch<Reader>::template turnsAt<mover>(discs, i);
    }

    // mover's top discs minus the other side's.
    template <Side mover>
    static std::int32_t leadOf(std::uint64_t discs)
    {
        return mover == Side::Com ? topDiscLead(discs) : -topDiscLead(discs);
    }

    // The one free place left: mover takes it if it can, else the other side if it can (passed: it
    // has been found unable already), else the game ends as it stands.
    template <Side mover>
    static std::int32_t lastPlace(BitBoard board, bool passed)
    {
        const std::int32_t i = std::countr_zero(board.open);
        if (const std::uint64_t turned = turnsAt<mover>(board.discs, i); turned != 0)
            return leadOf<mover>(afterMove<mover>(board, i, turned).discs);
        if (!passed)
            if (const std::uint64_t turned = turnsAt<otherSide(mover)>(board.discs, i); turned != 0)
                return leadOf<mover>(afterMove<otherSide(mover)>(board, i, turned).discs);
        return leadOf<mover>(board.discs);
    }

    // A value outside alpha < beta when the stable discs alone put the final lead there: the other
    // side keeps its stable discs, and so does mover.
    template <Side mover>
    static std::optional<std::int32_t> stableCut(BitBoard board, std::int32_t alpha, std::int32_t beta)
    {
        const CellSet stable = StableCells[board.open];
        const std::uint64_t discs = board.discs & (CellSetDiscs[0][stable & 0xff] | CellSetDiscs[1][stable >> 8]);
        const std::int32_t highest = PlayingCellCount - 2 * std::popcount(discs & discsOf(otherSide(mover)));
        if (highest <= alpha) return highest;
        const std::int32_t lowest = 2 * std::popcount(discs & discsOf(mover)) - PlayingCellCount;
        if (lowest >= beta) return lowest;
        return std::nullopt;
    }

    // The final lead of mover with places free places, fail-soft in alpha < beta: a value at or
    // below alpha is an upper bound, one at or above beta a lower bound, one between exact.
    // passed: the other side has just been found unable to move. Few places left: every move in
    // candidate order, nothing remembered.
    template <Side mover>
    static std::int32_t shallow(std::uint64_t& nodes, BitBoard board, std::int32_t places, std::int32_t alpha,
                                std::int32_t beta, bool passed)
    {
        ++nodes;
        if (places == 1) return lastPlace<mover>(board, passed);
        if (places >= StablePlaces)
            if (const auto cut = stableCut<mover>(board, alpha, beta)) return *cut;
        std::int32_t best = ScoreBelowAll;
        for (CellSet rest = board.open; rest != 0; rest &= rest - 1) {
            const std::int32_t i = std::countr_zero(rest);
            const std::uint64_t turned = turnsAt<mover>(board.discs, i);
            if (turned == 0) continue;
            const std::int32_t v = -shallow<otherSide(mover)>(nodes, afterMove<mover>(board, i, turned), places - 1,
                                                              -beta, -std::max(alpha, best), false);
            if (v > best) {
                best = v;
                if (best >= beta) return best;
            }
        }
        if (best != ScoreBelowAll) return best;
        if (passed) return leadOf<mover>(board.discs);
        return -shallow<otherSide(mover)>(nodes, board, places, -beta, -alpha, true);
    }

    // The same with at least TablePlaces free places, through the table and with ordered moves;
    // meaningless, and nothing stored, once the run is stopped.
    template <Side mover>
    static std::int32_t deep(SolverRun& run, BitBoard board, std::int32_t places, std::int32_t alpha,
                             std::int32_t beta, bool passed)
    {
        // 0. Every StopCheckNodes nodes, whether to stop.
        if (++run.nodes >= run.nextCheck) {
            run.nextCheck = run.nodes + StopCheckNodes;
            run.stopped = run.stop.stop_requested();
        }
        if (run.stopped) return 0;

        // 1. The stable discs may settle it.
        if (const auto cut = stableCut<mover>(board, alpha, beta)) return *cut;

        // 2. The legal moves, while the table's bucket is fetched.
        const std::uint64_t key = positionKey(mover, board);
        SolverEntry* const bucket = run.table.bucketOf(key);
        __builtin_prefetch(bucket);
        std::array<std::int32_t, PlayingCellCount> cells;
        std::array<std::uint64_t, PlayingCellCount> turns;
        std::int32_t count = 0;
        for (CellSet rest = board.open; rest != 0; rest &= rest - 1) {
            const std::int32_t i = std::countr_zero(rest);
            if (const std::uint64_t turned = turnsAt<mover>(board.discs, i); turned != 0) {
                cells[count] = i;
                turns[count] = turned;
                ++count;
            }
        }
        if (count == 0) {
            if (passed) return leadOf<mover>(board.discs);
            return -deep<otherSide(mover)>(run, board, places, -beta, -alpha, true);
        }

        // 3. What the table knows: a bound that settles it, a narrower window, the best move of
        //    before tried first. That move may be one of an image of this position, and so not
        //    among these.
        SolverEntry* entry = SolverTable::entryIn(bucket, key);
        std::int32_t first = 0;
        if (entry != nullptr) {
            if (entry->lower >= beta) return entry->lower;
            if (entry->upper <= alpha) return entry->upper;
            alpha = std::max<std::int32_t>(alpha, entry->lower);
            beta = std::min<std::int32_t>(beta, entry->upper);
            const auto known = std::find(cells.begin(), cells.begin() + count, entry->move);
            if (known != cells.begin() + count) {
                std::swap(*known, cells[0]);
                std::swap(turns[known - cells.begin()], turns[0]);
                first = 1;
            }
        }

        // 4. Each move, the others searched with a null window first, and those from the first
        //    on without a known best ordered, when they come to be searched, by the other side's
        //    replies they leave, fewest first.
        const std::int32_t alphaAtStart = alpha;
        std::int32_t best = ScoreBelowAll, bestCell = cells[0];
        for (std::int32_t k = 0; k < count; ++k) {
            if (k == first && count - first > 1) orderByReplies<mover>(board, cells, turns, first, count);
            const BitBoard child = afterMove<mover>(board, cells[k], turns[k]);
            const auto childValue = [&](std::int32_t low, std::int32_t high) {
                return places - 1 < TablePlaces
                           ? -shallow<otherSide(mover)>(run.nodes, child, places - 1, -high, -low, false)
                           : -deep<otherSide(mover)>(run, child, places - 1, -high, -low, false);
            };
            const std::int32_t low = std::max(alpha, best);
            std::int32_t v;
            if (k == 0 || low + 1 >= beta) {
                v = childValue(low, beta);
            } else {
                v = childValue(low, low + 1);
                if (v > low && v < beta) v = childValue(v - 1, beta);
            }
            if (run.stopped) return best;
            if (v > best) {
                best = v;
                bestCell = cells[k];
                if (best >= beta) break;
            }
        }

        // 5. What was learnt, in the entry of this position, or in place of the shallower of the
        //    two. The search below may have moved this position's entry, or put others in its place.
        entry = SolverTable::entryIn(bucket, key);
        if (entry == nullptr) {
            entry = places >= bucket[0].places ? bucket : bucket + 1;
            if (entry == bucket) bucket[1] = bucket[0];
            *entry = {key, ScoreBelowAll, ScoreAboveAll, -1, static_cast<std::int8_t>(places)};
        }
        if (best > alphaAtStart) entry->lower = static_cast<std::int8_t>(best);
        if (best < beta) entry->upper = static_cast<std::int8_t>(best);
        entry->move = static_cast<std::int8_t>(bestCell);
        return best;
    }

    template <Side mover>
    static void orderByReplies(BitBoard board, std::array<std::int32_t, PlayingCellCount>& cells,
                               std::array<std::uint64_t, PlayingCellCount>& turns, std::int32_t from,
                               std::int32_t count)
    {
        std::array<std::int32_t, PlayingCellCount> replies{};
        for (std::int32_t k = from; k < count; ++k) {
            const BitBoard child = afterMove<mover>(board, cells[k], turns[k]);
            for (CellSet rest = child.open; rest != 0; rest &= rest - 1)
                if (turnsAt<otherSide(mover)>(child.discs, std::countr_zero(rest)) != 0)
                    replies[k] += ReplyWeight[std::countr_zero(rest)];
        }
        // A stable insertion sort: equal counts keep the candidate order.
        for (std::int32_t k = from + 1; k < count; ++k)
            for (std::int32_t j = k; j > from && replies[j] < replies[j - 1]; --j) {
                std::swap(replies[j], replies[j - 1]);
                std::swap(cells[j], cells[j - 1]);
                std::swap(turns[j], turns[j - 1]);
            }
    }

    static std::int32_t solve(SolverRun& run, Side mover, BitBoard board, std::int32_t places, std::int32_t alpha,
                              std::int32_t beta)
    {
        if (places < TablePlaces)
            return mover == Side::Com ? shallow<Side::Com>(run.nodes, board, places, alpha, beta, false)
                                      : shallow<Side::Man>(run.nodes, board, places, alpha, beta, false);
        return mover == Side::Com ? deep<Side::Com>(run, board, places, alpha, beta, false)
                                  : deep<Side::Man>(run, board, places, alpha, beta, false);
    }

    static constexpr SolverPath Path = {solve};
};

}  // namespace
