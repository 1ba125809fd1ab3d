#include "opening_values.h"

#include "position_key.h"

#include <algorithm>

std::optional<std::int32_t> openingValue(BitBoard board, Side mover)
{
    const std::uint64_t key = positionKey(mover, board);
    const auto entry = std::lower_bound(OpeningValueEntries.begin(), OpeningValueEntries.end(), openingValueEntry(key, -PlayingCellCount));
    if (entry == OpeningValueEntries.end() || *entry >> ValueBits != key) return std::nullopt;
    return static_cast<std::int32_t>(*entry & ((1u << ValueBits) - 1)) - PlayingCellCount;
}
