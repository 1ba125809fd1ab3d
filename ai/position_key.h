// A position's key, the same for the position and its images under the symmetries of the start
// position: the solver's table and the built-in values of the opening find a position by it.
#pragma once

#include "bit_board.h"
#include "opening_book.h"

#include <algorithm>
#include <array>
#include <cstdint>

// The key: the discs from the first playing cell on (38 bits), the candidate cells above them, and
// the side to move above those; the least of the keys of the position's four images.
inline constexpr std::int32_t KeyDiscsShift = 2 * FirstPlayingCell;
inline constexpr std::int32_t KeyOpenShift = 2 * (LastPlayingCell + 1 - FirstPlayingCell);
inline constexpr std::int32_t KeyMoverShift = KeyOpenShift + PlayingCellCount;
static_assert(KeyMoverShift < 64);

// The three symmetries of the start position besides the identity, a byte at a time. Discs: byte b
// of the key's discs holds the cells FirstPlayingCell + 4b .. + 4b + 3; candidate cells: byte b of
// the cell set holds PriorityOrder[8b .. 8b + 7].
inline constexpr std::size_t ImageCount = MapCount - 1;
inline constexpr std::size_t DiscBytes = (KeyOpenShift + 7) / 8;

inline constexpr auto DiscImages = [] {
    std::array<std::array<std::array<std::uint64_t, 256>, DiscBytes>, ImageCount> images{};
    for (std::size_t m = 0; m < ImageCount; ++m)
        for (std::size_t b = 0; b < DiscBytes; ++b)
            for (std::uint32_t v = 0; v < 256; ++v)
                for (std::int32_t j = 0; j < 4; ++j) {
                    const std::int32_t cell = FirstPlayingCell + 4 * static_cast<std::int32_t>(b) + j;
                    if (isPlayingCell(cell))
                        images[m][b][v] |= std::uint64_t{v >> (2 * j) & 3}
                                           << (2 * (mappedCell(m + 1, cell) - FirstPlayingCell));
                }
    return images;
}();

inline constexpr auto OpenImages = [] {
    std::array<std::array<std::array<CellSet, 256>, 2>, ImageCount> images{};
    for (std::size_t m = 0; m < ImageCount; ++m)
        for (std::size_t b = 0; b < 2; ++b)
            for (std::uint32_t v = 0; v < 256; ++v)
                for (std::size_t j = 0; j < 8; ++j)
                    if (v >> j & 1)
                        images[m][b][v] |= CellSet{1} << PriorityIndex[mappedCell(m + 1, PriorityOrder[8 * b + j])];
    return images;
}();

// Included by the file of BMI2's search before its instruction set is chosen, so that this one
// copy stays fit for every processor.
inline std::uint64_t positionKey(Side mover, BitBoard board)
{
    const std::uint64_t discs = board.discs >> KeyDiscsShift;
    std::uint64_t key = discs | std::uint64_t{board.open} << KeyOpenShift;
    for (std::size_t m = 0; m < ImageCount; ++m) {
        std::uint64_t image = std::uint64_t{OpenImages[m][0][board.open & 0xff] | OpenImages[m][1][board.open >> 8]}
                              << KeyOpenShift;
        for (std::size_t b = 0; b < DiscBytes; ++b) image |= DiscImages[m][b][discs >> (8 * b) & 0xff];
        key = std::min(key, image);
    }
    return key | std::uint64_t{mover == Side::Man} << KeyMoverShift;
}

// The position of a key: the image whose key it is, and its side to move.
constexpr BitBoard boardOfKey(std::uint64_t key)
{
    const std::uint64_t discs = key & ((std::uint64_t{1} << KeyOpenShift) - 1);
    return {discs << KeyDiscsShift, static_cast<CellSet>(key >> KeyOpenShift & ((1u << PlayingCellCount) - 1))};
}
constexpr Side moverOfKey(std::uint64_t key) { return (key >> KeyMoverShift & 1) != 0 ? Side::Man : Side::Com; }
