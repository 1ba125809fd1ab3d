// The game-tree search on the bit-board, for one way of reading a line's pattern
// (Reader::pattern, which reads what portablePattern reads).
//
// Included only by the files that compile the search for one instruction set each: everything
// here has internal linkage, so that each of them gets its own copy, compiled for its own target,
// and none can stand in for another at link time.
#pragma once

#include "bit_board.h"
#include "search_paths.h"

#include <algorithm>
#include <array>
#include <utility>

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

    // Values within the search are top-disc leads: the score less what it was beyond the lead
    // where the search began.

    // The final lead when mover is to fill the one free place after move 27, valued without
    // playing it; passed: the other side has been found unable to. Every other playing cell holds
    // two discs. Both sides' captures are read at once, so that neither waits for the other.
    template <Side mover>
    static std::int32_t lastPlace(BitBoard board, std::int32_t passed)
    {
        const std::int32_t lead = topDiscLead(board.discs);
        if (board.open == 0) return lead;  // no free place: nobody can take it
        const std::int32_t i = std::countr_zero(board.open);
        const std::uint64_t own = turnsAt<mover>(board.discs, i);
        const std::uint64_t other = passed == 1 ? 0 : turnsAt<otherSide(mover)>(board.discs, i);
        // Each turned disc changes sides, and so does a covered disc of the other side.
        const auto gainOf = [&](std::uint64_t turned, Side coveredSide) {
            const std::int32_t covered = (board.discs & CellDiscs[i] & discsOf(coveredSide)) != 0;
            return static_cast<std::int32_t>(2 * (turned >> TurnedCountShift)) + 2 * covered;
        };
        const std::int32_t moverGain = own != 0 ? gainOf(own, otherSide(mover)) : other != 0 ? -gainOf(other, mover) : 0;
        return mover == Side::Com ? lead + moverGain : lead - moverGain;
    }

    // Moves after move 28 are as after move 28: nothing in the search tells them apart.
    static constexpr std::int32_t nextPly(std::int32_t ply) { return std::min(ply + 1, MaxMoves); }

    // The position after move ply with mover to move; the person minimises, the computer
    // maximises, fail-hard in alpha < beta. secondPair: Hyouka_Com2/Hyouka_Man2, which know move
    // 27. Every call is one node.
    template <Side mover, bool secondPair, std::int32_t ply>
    static std::int32_t hyouka(BitBoard board, std::int32_t alpha, std::int32_t beta)
    {
        ++searchNodes;

        // 1. The hand-over to the second pair, or from it to the last-place evaluators.
        if constexpr (!secondPair && ply >= SecondPairPly) {
            return hyouka<mover, true, ply>(board, alpha, beta);
        } else if constexpr (secondPair && ply == LastButOnePly) {
            return lastPlace<mover>(board, 0);
        } else {
            // 2. Every legal cell in candidate order; a cut-off returns at once. What the next
            // cell turns is read before the move at this one is searched, so it is at hand when
            // the search returns.
            bool moved = false;
            CellSet rest = board.open;
            std::uint64_t next = rest != 0 ? turnsAt<mover>(board.discs, std::countr_zero(rest)) : 0;
            while (rest != 0) {
                const std::int32_t i = std::countr_zero(rest);
                rest &= rest - 1;
                const std::uint64_t turned = next;
                next = rest != 0 ? turnsAt<mover>(board.discs, std::countr_zero(rest)) : 0;
                if (turned == 0) continue;
                moved = true;
                const BitBoard child = afterMove<mover>(board, i, turned);
                const std::int32_t v = hyouka<otherSide(mover), secondPair, nextPly(ply)>(child, alpha, beta);
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
            if (hasMove<otherSide(mover)>(board)) return hyouka<otherSide(mover), secondPair, ply>(board, alpha, beta);

            // 4. Neither side can move: the game is over.
            return topDiscLead(board.discs);
        }
    }

    using Node = std::int32_t (*)(BitBoard, std::int32_t, std::int32_t);

    // hyouka for each ply from 0 to MaxMoves.
    template <Side mover, bool secondPair, std::size_t... ply>
    static constexpr std::array<Node, MaxMoves + 1> nodesOf(std::index_sequence<ply...>)
    {
        return {hyouka<mover, secondPair, static_cast<std::int32_t>(ply)>...};
    }
    template <Side mover, bool secondPair>
    static constexpr auto Nodes = nodesOf<mover, secondPair>(std::make_index_sequence<MaxMoves + 1>{});

    static std::int32_t search(Side mover, bool secondPair, BitBoard board, std::int32_t ply, std::int32_t beyondLead,
                               std::int32_t alpha, std::int32_t beta)
    {
        const std::size_t at = static_cast<std::size_t>(std::min(ply, MaxMoves));
        const Node node = mover == Side::Com ? (secondPair ? Nodes<Side::Com, true> : Nodes<Side::Com, false>)[at]
                                             : (secondPair ? Nodes<Side::Man, true> : Nodes<Side::Man, false>)[at];
        return beyondLead + node(board, alpha - beyondLead, beta - beyondLead);
    }

    static std::int32_t lastPlaceOf(Side mover, BitBoard board, std::int32_t beyondLead, std::int32_t passed)
    {
        return beyondLead +
               (mover == Side::Com ? lastPlace<Side::Com>(board, passed) : lastPlace<Side::Man>(board, passed));
    }

    static std::uint64_t turnsBy(Side mover, std::uint64_t discs, std::int32_t i)
    {
        return mover == Side::Com ? turnsAt<Side::Com>(discs, i) : turnsAt<Side::Man>(discs, i);
    }

    static constexpr SearchPath Path = {search, lastPlaceOf, turnsBy};
};

}  // namespace
