#include "invariants.h"

#include "game_state.h"

#include <algorithm>

std::int32_t topDiscLead()
{
    std::int32_t lead = 0;
    for (std::int32_t cell : PriorityOrder) {
        const Colour top = topDisc(State.Board[cell]);
        lead += (top == State.ComColour) - (top == State.HumanColour);
    }
    return lead;
}

namespace {

bool isDisc(Colour c) { return c == BLACK || c == WHITE; }

std::string boardFault()
{
    for (std::int32_t i = 0; i < CellCount; ++i) {
        const Cell& c = State.Board[i];
        if (!isPlayingCell(i)) {
            if (c.Lower != WALL || c.Upper != EMPTY) return "border cell " + std::to_string(i) + " changed";
        } else if ((c.Lower != EMPTY && !isDisc(c.Lower)) || (c.Upper != EMPTY && !isDisc(c.Upper))) {
            return "cell " + cellName(i) + " holds no colour of a disc";
        } else if (c.Lower == EMPTY && c.Upper != EMPTY) {
            return "cell " + cellName(i) + " has an upper disc over nothing";
        }
    }
    return "";
}

std::string candidateFault()
{
    const std::int32_t count = State.CandidateCount;
    if (count < 0 || count > PlayingCellCount) return "candidate count out of range";
    if (std::any_of(State.Candidates + count, State.Candidates + PlayingCellCount + 1, [](std::int32_t c) { return c != 0; }))
        return "a candidate slot above the count is not 0";
    if (count == 0) return "";

    std::int32_t expected[PlayingCellCount];
    std::int32_t n = 0;
    for (std::int32_t cell : PriorityOrder)
        if (State.Board[cell].Upper == EMPTY) expected[n++] = cell;
    if (n != count || !std::equal(expected, expected + n, State.Candidates)) return "Candidates differs from the board";

    std::int32_t previous = HeadSentinel;
    for (std::int32_t j = 0; j < n; ++j) {
        const std::int32_t cell = State.NextCand[previous];
        if (cell != expected[j]) return "the linked list differs from the board at place " + std::to_string(j);
        if (State.PrevCand[cell] != previous) return "backward link of " + cellName(cell) + " is wrong";
        previous = cell;
    }
    if (State.NextCand[previous] != TailSentinel || State.PrevCand[TailSentinel] != previous)
        return "the linked list does not end at the tail sentinel";
    return "";
}

std::string journalFault()
{
    if (State.JournalTop < 0 || State.JournalTop > JournalCapacity) return "journal top out of range";
    Cell board[CellCount];
    std::copy(State.Board, State.Board + CellCount, board);
    for (std::int32_t top = State.JournalTop; top-- > 0;) {
        const std::int32_t cell = State.JournalCell[top];
        if (!isPlayingCell(cell)) return "journal entry " + std::to_string(top) + " names no playing cell";
        board[cell] = {State.JournalLower[top], State.JournalUpper[top]};
    }
    for (std::int32_t i = 0; i < CellCount; ++i)
        if (board[i].Lower != InitialBoard[i] || board[i].Upper != EMPTY)
            return "the journal does not lead back to the starting layout at " + std::to_string(i);
    return "";
}

std::string scoreFault()
{
    if (State.HumanColour == EMPTY) return "";
    if (State.Ply < 1 || State.Ply > MaxMoves + 1) return "Ply out of range";
    if (State.Score[State.Ply - 1] != topDiscLead()) return "the last score differs from the top discs on the board";
    return "";
}

}  // namespace

std::string stateFault()
{
    for (auto check : {boardFault, candidateFault, journalFault, scoreFault})
        if (std::string fault = check(); !fault.empty()) return fault;
    return "";
}
