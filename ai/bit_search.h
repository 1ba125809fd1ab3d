// The game-tree search on the bit-board, for one way of reading a line's pattern
// (Reader::pattern, which reads what portablePattern reads).
//
// Included only by the files that compile the search for one instruction set each: everything
// here has internal linkage, so that each of them gets its own copy, compiled for its own target,
// and none can stand in for another at link time.
#pragma once

#include "bit_board.h"
#include "search_paths.h"

namespace {

template <class Reader>
struct BitSearch {
    // What a disc of mover at PriorityOrder[i] would turn: the sum of the entries of Turns for its
    // three lines, 0 when it turns nothing, that is when the move is not legal.
    template <Side mover>
    static std::uint64_t turnsAt(std::uint64_t discs, std::int32_t i)
    {
        const auto& lines = Lines[i];
        const auto& turns = turnsOf<mover>()[i];
        return turns[0][Reader::pattern(discs, lines[0])] + turns[1][Reader::pattern(discs, lines[1])] +
               turns[2][Reader::pattern(discs, lines[2])];
    }

    template <Side mover>
    static bool hasMove(BitBoard board)
    {
        for (CellSet rest = board.open; rest != 0; rest &= rest - 1)
            if (turnsAt<mover>(board.discs, std::countr_zero(rest)) != 0) return true;
        return false;
    }

    // The final score when mover is to fill the one free place after move 27, valued without
    // playing it. Every other playing cell holds two discs.
    template <Side mover>
    static std::int32_t lastPlace(BitBoard board, std::int32_t passed)
    {
        if (board.open == 0) return board.score;  // no free place: nobody can take it
        const std::int32_t i = std::countr_zero(board.open);
        const std::uint64_t turned = turnsAt<mover>(board.discs, i);
        if (turned != 0) {
            // Each turned disc changes sides, and so does a covered disc of the other side.
            const std::int32_t covered = (board.discs & discOf<otherSide(mover)>(PriorityOrder[i])) != 0;
            const auto gain = static_cast<std::int32_t>(2 * (turned >> TurnedCountShift)) + 2 * covered;
            return mover == Side::Com ? board.score + gain : board.score - gain;
        }
        if (passed == 1) return board.score;
        return lastPlace<otherSide(mover)>(board, 1);
    }

    // The position after move ply with mover to move; the person minimises, the computer
    // maximises, fail-hard in alpha < beta. secondPair: Hyouka_Com2/Hyouka_Man2, which know move
    // 27. Every call is one node.
    template <Side mover, bool secondPair>
    static std::int32_t hyouka(BitBoard board, std::int32_t ply, std::int32_t alpha, std::int32_t beta)
    {
        ++searchNodes;

        // 1. The hand-over to the second pair, or from it to the last-place evaluators.
        if constexpr (!secondPair) {
            if (ply >= SecondPairPly) return hyouka<mover, true>(board, ply, alpha, beta);
        } else {
            if (ply == LastButOnePly) return lastPlace<mover>(board, 0);
        }

        // 2. Every legal cell in candidate order; a cut-off returns at once.
        bool moved = false;
        for (CellSet rest = board.open; rest != 0; rest &= rest - 1) {
            const std::int32_t i = std::countr_zero(rest);
            const std::uint64_t turned = turnsAt<mover>(board.discs, i);
            if (turned == 0) continue;
            moved = true;
            const BitBoard child = afterMove<mover>(board, i, turned);
            const std::int32_t v = hyouka<otherSide(mover), secondPair>(child, ply + 1, alpha, beta);
            if constexpr (mover == Side::Man) {
                if (v <= alpha) return alpha;
                if (v < beta) beta = v;
            } else {
                if (v >= beta) return beta;
                if (v > alpha) alpha = v;
            }
        }
        if (moved) return mover == Side::Man ? beta : alpha;

        // 3. A pass: the other side moves with the same ply and the same window.
        if (hasMove<otherSide(mover)>(board)) return hyouka<otherSide(mover), secondPair>(board, ply, alpha, beta);

        // 4. Neither side can move: the game is over.
        return board.score;
    }

    static std::int32_t search(Side mover, bool secondPair, BitBoard board, std::int32_t ply, std::int32_t alpha,
                               std::int32_t beta)
    {
        if (mover == Side::Com)
            return secondPair ? hyouka<Side::Com, true>(board, ply, alpha, beta)
                              : hyouka<Side::Com, false>(board, ply, alpha, beta);
        return secondPair ? hyouka<Side::Man, true>(board, ply, alpha, beta)
                          : hyouka<Side::Man, false>(board, ply, alpha, beta);
    }

    static std::int32_t lastPlaceOf(Side mover, BitBoard board, std::int32_t passed)
    {
        return mover == Side::Com ? lastPlace<Side::Com>(board, passed) : lastPlace<Side::Man>(board, passed);
    }

    static std::uint64_t turnsBy(Side mover, std::uint64_t discs, std::int32_t i)
    {
        return mover == Side::Com ? turnsAt<Side::Com>(discs, i) : turnsAt<Side::Man>(discs, i);
    }

    static constexpr SearchPath Path = {search, lastPlaceOf, turnsBy};
};

}  // namespace
