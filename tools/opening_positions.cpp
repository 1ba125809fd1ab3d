#include "opening_positions.h"

#include "played_move.h"
#include "position_key.h"
#include "search_paths.h"

#include <algorithm>
#include <bit>

namespace {

// The positions after each move of side.
NextPositions afterMovesOf(Side side, BitBoard board)
{
    const SearchPath& path = searchPathOf(lineReading());
    NextPositions next;
    for (CellSet rest = board.open; rest != 0; rest &= rest - 1) {
        const std::int32_t i = std::countr_zero(rest);
        if (const std::uint64_t turned = path.turnsAt(side, board.discs, i); turned != 0) {
            next.keys.push_back(positionKey(otherSide(side), side == Side::Com ? afterMove<Side::Com>(board, i, turned)
                                                                               : afterMove<Side::Man>(board, i, turned)));
            next.cells.push_back(PriorityOrder[i]);
        }
    }
    return next;
}

}  // namespace

NextPositions nextPositions(std::uint64_t key)
{
    const BitBoard board = boardOfKey(key);
    const Side mover = moverOfKey(key);
    if (NextPositions next = afterMovesOf(mover, board); !next.keys.empty()) return next;
    NextPositions next = afterMovesOf(otherSide(mover), board);
    next.passed = true;
    return next;
}

Side sideToMoveOf(std::uint64_t key)
{
    return nextPositions(key).passed ? otherSide(moverOfKey(key)) : moverOfKey(key);
}

std::vector<std::vector<std::uint64_t>> openingPositions(std::int32_t moves)
{
    std::vector<std::vector<std::uint64_t>> byMove = {{startKey()}};
    for (std::int32_t k = 1; k <= moves; ++k) {
        std::vector<std::uint64_t> next;
        for (const std::uint64_t key : byMove.back())
            for (const std::uint64_t after : nextPositions(key).keys) next.push_back(after);
        std::sort(next.begin(), next.end());
        next.erase(std::unique(next.begin(), next.end()), next.end());
        byMove.push_back(std::move(next));
    }
    return byMove;
}

std::int32_t valueFromNext(std::uint64_t key, const std::function<std::int32_t(std::uint64_t)>& valueOf)
{
    const NextPositions next = nextPositions(key);
    if (next.keys.empty()) {
        const std::int32_t comLead = topDiscLead(boardOfKey(key).discs);
        return moverOfKey(key) == Side::Com ? comLead : -comLead;
    }
    // The best lead of the side that moves, which after a pass is the other side.
    std::int32_t best = ScoreBelowAll;
    for (const std::uint64_t after : next.keys) best = std::max(best, -valueOf(after));
    return next.passed ? -best : best;
}

std::uint64_t startKey()
{
    startGame(WHITE);
    return positionKey(Side::Com, readBitBoard());
}
