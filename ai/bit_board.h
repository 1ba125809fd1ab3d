// A compact copy of the position for the search, a few integers that a child position is made
// from in a few instructions, and its tables of what a disc turns. The tables are computed here at
// compile time from the board's own geometry: DirectionOffsets, the rule of CellDirections and
// PriorityOrder.
#pragma once

#include "game_state.h"
#include "legality.h"
#include "placement.h"

#include <array>
#include <bit>
#include <cstdint>

// Bit i of a cell set is the cell PriorityOrder[i], so walking its set bits from low to high walks
// the cells in the order of the candidate list.
using CellSet = std::uint32_t;

// The score is not kept: every move changes it by the change of the top-disc lead, so it is the
// lead of the board plus what it was beyond the lead where the search began.
struct BitBoard {
    // The top discs: bit 2n for a disc of the computer at the cell with index n, bit 2n + 1 for
    // one of the person. Border cells never have a bit, so a run that reaches one ends as it does
    // at the wall.
    std::uint64_t discs;
    CellSet open;  // the cells whose upper layer is free: the candidate cells
    friend bool operator==(const BitBoard&, const BitBoard&) = default;
};

// The computer's bit of every cell; the others are the person's.
inline constexpr std::uint64_t ComDiscs = 0x5555555555555555u;

// The bits of side's discs, of every cell.
constexpr std::uint64_t discsOf(Side side) { return side == Side::Com ? ComDiscs : ~ComDiscs; }

// The computer's top discs minus the person's.
constexpr std::int32_t topDiscLead(std::uint64_t discs)
{
    return std::popcount(discs & discsOf(Side::Com)) - std::popcount(discs & discsOf(Side::Man));
}

constexpr Side otherSide(Side side) { return side == Side::Com ? Side::Man : Side::Com; }

// The bit of a top disc of side at cell.
template <Side side>
constexpr std::uint64_t discOf(std::int32_t cell)
{
    return std::uint64_t{side == Side::Com ? 1u : 2u} << (2 * cell);
}

// The index of each playing cell in PriorityOrder, -1 for a border cell.
inline constexpr std::array<std::int32_t, CellCount> PriorityIndex = [] {
    std::array<std::int32_t, CellCount> index{};
    index.fill(-1);
    for (std::size_t i = 0; i < PriorityOrder.size(); ++i) index[PriorityOrder[i]] = static_cast<std::int32_t>(i);
    return index;
}();

// One direction of a cell's list: the three cells along it, of which the third may be a border
// cell, read as a pattern of six bits, the two bits of each cell in the order of the cell indexes.
// With BMI2 the pattern is pext(discs, mask); without it the same bits are gathered into the top
// six bits by one multiplication.
struct Line {
    std::uint64_t mask;  // the three cells' two bits each
    std::uint64_t magic;
};
inline constexpr std::int32_t LineCells = 3;
inline constexpr std::int32_t PatternCount = 1 << (2 * LineCells);
inline constexpr std::int32_t PatternShift = 64 - 2 * LineCells;

// The directions of cell in CellDirections, in list order.
constexpr std::array<std::int32_t, DirectionsPerCell> directionsOf(std::int32_t cell)
{
    std::array<std::int32_t, DirectionsPerCell> directions{};
    std::size_t k = 0;
    for (std::int32_t d : DirectionOffsets)
        if (directionIsWorthWalking(d, rowOf(cell), columnOf(cell))) directions[k++] = d;
    return directions;
}

constexpr Line lineOf(std::int32_t cell, std::int32_t d)
{
    const std::int32_t low = d > 0 ? cell + d : cell + LineCells * d;
    const std::int32_t step = d > 0 ? d : -d;
    Line line{0, 0};
    for (std::int32_t j = 0; j < LineCells; ++j) {
        // The two bits of the j-th lowest cell go to bits PatternShift + 2j and one above.
        const std::int32_t from = 2 * (low + step * j);
        line.mask |= std::uint64_t{3} << from;
        line.magic |= std::uint64_t{1} << (PatternShift + 2 * j - from);
    }
    return line;
}

// Lines[i][k]: the k-th direction of the cell PriorityOrder[i].
inline constexpr std::array<std::array<Line, DirectionsPerCell>, PlayingCellCount> Lines = [] {
    std::array<std::array<Line, DirectionsPerCell>, PlayingCellCount> lines{};
    for (std::size_t i = 0; i < PriorityOrder.size(); ++i) {
        const auto directions = directionsOf(PriorityOrder[i]);
        for (std::size_t k = 0; k < directions.size(); ++k) lines[i][k] = lineOf(PriorityOrder[i], directions[k]);
    }
    return lines;
}();

// pext as the instruction defines it: the bits of x under mask, packed from bit 0 up.
constexpr std::uint64_t extractBits(std::uint64_t x, std::uint64_t mask)
{
    std::uint64_t packed = 0;
    for (std::int32_t to = 0; mask != 0; mask &= mask - 1, ++to)
        if (x & mask & -mask) packed |= std::uint64_t{1} << to;
    return packed;
}

// The inverse: the bits of pattern, from bit 0 up, placed at the bits of mask.
constexpr std::uint64_t depositBits(std::uint64_t pattern, std::uint64_t mask)
{
    std::uint64_t x = 0;
    for (std::int32_t from = 0; mask != 0; mask &= mask - 1, ++from)
        if (pattern >> from & 1) x |= mask & -mask;
    return x;
}

// The pattern of a line without BMI2.
constexpr std::uint64_t portablePattern(std::uint64_t discs, const Line& line)
{
    return (discs & line.mask) * line.magic >> PatternShift;
}

// Every line holds six distinct bits inside discs, and its multiplication gathers every pattern
// exactly as pext does: the products of a cell with the terms meant for higher cells fall below
// the top six bits, with those for lower ones above them, and no two meet, so nothing carries.
constexpr bool portableLinesReadAsPextDoes()
{
    for (const auto& cellLines : Lines)
        for (const Line& line : cellLines) {
            if (std::popcount(line.mask) != 2 * LineCells) return false;
            for (std::uint64_t pattern = 0; pattern < PatternCount; ++pattern) {
                const std::uint64_t discs = depositBits(pattern, line.mask);
                if (extractBits(discs, line.mask) != pattern || portablePattern(discs, line) != pattern) return false;
            }
        }
    return true;
}
static_assert(portableLinesReadAsPextDoes());

// What a disc of one side turns along one line, by its pattern: the bits that turn those discs
// (both bits of each turned cell) and, from TurnedCountShift up, how many they are. The three
// lines of a cell share no cell, so the sum of their entries holds the bits of all turned cells
// and the sum of the counts (at most 6), which the cells' bits stay below.
inline constexpr std::int32_t TurnedCountShift = 56;
inline constexpr std::uint64_t TurnedDiscs = (std::uint64_t{1} << (2 * (LastPlayingCell + 1))) - 1;
static_assert(2 * (LastPlayingCell + 1) <= TurnedCountShift);

// The rule of a capture on one line, for a disc of mover at cell along d with pattern around it:
// the run of the other side's discs next to it, walked outward, turns when a disc of mover
// closes it. A run that reaches the border or an empty cell turns nothing.
template <Side mover>
constexpr std::uint64_t turnsAlong(std::int32_t cell, std::int32_t d, std::uint32_t pattern)
{
    const std::uint64_t discs = depositBits(pattern, lineOf(cell, d).mask);
    std::uint64_t run = 0, turned = 0;
    for (std::int32_t n = cell + d; isPlayingCell(n); n += d) {
        if (discs & discOf<otherSide(mover)>(n)) {
            run |= discOf<Side::Com>(n) | discOf<Side::Man>(n);
            ++turned;
            continue;
        }
        if ((discs & discOf<mover>(n)) && run != 0) return run | turned << TurnedCountShift;
        return 0;
    }
    return 0;
}

// A run holds at most two discs: the walk along a line ends within its three cells, or at the
// latest on the cell after them, which is never a playing cell.
constexpr bool walksEndWithinTheLine()
{
    for (std::int32_t cell : PriorityOrder)
        for (std::int32_t d : directionsOf(cell)) {
            bool ended = false;
            for (std::int32_t j = 1; j <= LineCells + 1; ++j) ended = ended || !isPlayingCell(cell + j * d);
            if (!ended) return false;
        }
    return true;
}
static_assert(walksEndWithinTheLine());

using TurnRow = std::array<std::uint64_t, PatternCount>;
using TurnTable = std::array<std::array<TurnRow, DirectionsPerCell>, PlayingCellCount>;

template <Side mover>
constexpr TurnTable turnTableOf()
{
    TurnTable turns{};
    for (std::size_t i = 0; i < PriorityOrder.size(); ++i) {
        const auto directions = directionsOf(PriorityOrder[i]);
        for (std::size_t k = 0; k < directions.size(); ++k)
            for (std::uint32_t pattern = 0; pattern < PatternCount; ++pattern)
                turns[i][k][pattern] = turnsAlong<mover>(PriorityOrder[i], directions[k], pattern);
    }
    return turns;
}

// Turns[side][i][k]: the discs that side turns on the k-th line of the cell PriorityOrder[i].
inline constexpr std::array<TurnTable, 2> Turns = {turnTableOf<Side::Com>(), turnTableOf<Side::Man>()};

template <Side side>
constexpr const TurnTable& turnsOf()
{
    return Turns[side == Side::Com ? 0 : 1];
}

// The game state's top discs and the cells of its linked candidate list.
inline BitBoard readBitBoard()
{
    BitBoard board{0, 0};
    for (std::int32_t cell : PriorityOrder) {
        const Colour top = topDisc(State.Board[cell]);
        if (top == State.ComColour) board.discs |= discOf<Side::Com>(cell);
        if (top == State.HumanColour) board.discs |= discOf<Side::Man>(cell);
    }
    for (std::int32_t cell = firstCandidate(); cell != TailSentinel; cell = State.NextCand[cell])
        board.open |= CellSet{1} << PriorityIndex[cell];
    return board;
}

// Both bits of the cell PriorityOrder[i].
inline constexpr std::array<std::uint64_t, PlayingCellCount> CellDiscs = [] {
    std::array<std::uint64_t, PlayingCellCount> bits{};
    for (std::size_t i = 0; i < PriorityOrder.size(); ++i)
        bits[i] = discOf<Side::Com>(PriorityOrder[i]) | discOf<Side::Man>(PriorityOrder[i]);
    return bits;
}();

// The position after mover has placed a disc at the cell PriorityOrder[i], turning turned (a
// nonzero sum of mover's Turns entries). A disc on top of another fills the cell's upper layer:
// it is no candidate any more.
template <Side mover>
inline BitBoard afterMove(BitBoard board, std::int32_t i, std::uint64_t turned)
{
    const std::uint64_t cell = CellDiscs[i];
    const std::uint64_t placed = cell & discsOf(mover);
    const std::uint64_t discs = ((board.discs ^ (turned & TurnedDiscs)) & ~cell) | placed;
    const CellSet open = board.open & ~(static_cast<CellSet>((board.discs & cell) != 0) << i);
    return {discs, open};
}
