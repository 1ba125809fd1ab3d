// The bit-board search as compiled for each way of reading a line's pattern, behind one table of
// entry points each, and what they share.
#pragma once

#include "bit_board.h"
#include "search.h"

#include <cstdint>
#include <string_view>

// From this move on the second pair of evaluators takes over; it knows the last move.
inline constexpr std::int32_t SecondPairPly = 20;
// After this move exactly one place is free: 4 places filled at the start and one per move.
inline constexpr std::int32_t LastButOnePly = MaxMoves - 1;

// Calls of the four Hyouka_* functions since the program started, on every path.
extern std::uint64_t searchNodes;

// beyondLead: the score less the top-disc lead of the board where the search begins, 0 in every
// game played by the rules.
struct SearchPath {
    // Hyouka_Com (mover Man) and the rest, secondPair for Hyouka_Com2 and Hyouka_Man2; ply from 0
    // to MaxMoves.
    std::int32_t (*hyouka)(Side mover, bool secondPair, BitBoard board, std::int32_t ply, std::int32_t beyondLead,
                           std::int32_t alpha, std::int32_t beta);
    // Saigo_M_utazuhyouka (mover Man) and Saigo_C_utazuhyouka.
    std::int32_t (*lastPlace)(Side mover, BitBoard board, std::int32_t beyondLead, std::int32_t passed);
    // What a disc of mover at PriorityOrder[i] would turn, as a sum of its Turns entries; 0 when
    // the move is not legal.
    std::uint64_t (*turnsAt)(Side mover, std::uint64_t discs, std::int32_t i);
};

// Shifts and multiplications: any processor.
extern const SearchPath PortableSearch;

#if NORDAMO_PEXT
// BMI2's pext: x86-64 processors that have it; run only where it is fast.
extern const SearchPath PextSearch;
#endif

// Whether a processor with BMI2, of that cpuid vendor and family, runs pext in hardware: AMD's
// before Zen 3 (family 19h), and Hygon's, run it in microcode, many times slower than the
// portable reading.
bool pextRunsFast(std::string_view vendor, unsigned family);

// The path of that way of reading; Portable where the processor cannot run the other.
const SearchPath& searchPathOf(LineReading reading);
