#include "practice.h"

#include <algorithm>

namespace {

// A win, a draw or a loss for the mover.
int outcome(std::int32_t value) { return (value > 0) - (value < 0); }

}  // namespace

std::int32_t givenAwayBy(std::span<const MoveValue> values, std::int32_t cell) { return values.front().value - valueOf(values, cell); }

std::vector<std::int32_t> drillQuestions(std::span<const SolvedMove> game, Colour side)
{
    std::vector<std::int32_t> numbers;
    for (std::size_t index = 0; index < game.size(); ++index) {
        const SolvedMove& move = game[index];
        if (move.mover != side) continue;
        const std::int32_t value = valueOf(move.values, move.cell);
        if (gradeOf(givenAwayBy(move.values, move.cell)) >= Grade::Mistake || outcome(value) != outcome(move.values.front().value))
            numbers.push_back(static_cast<std::int32_t>(index) + 1);
    }
    return numbers;
}

Colour drillSide(std::span<const SolvedMove> game)
{
    std::int32_t blackLost = 0;  // what black gave away less what white did
    for (const SolvedMove& move : game) blackLost += (move.mover == BLACK ? 1 : -1) * givenAwayBy(move.values, move.cell);
    return blackLost >= 0 ? BLACK : WHITE;
}

Answer judgeAnswer(std::span<const MoveValue> values, std::int32_t played, std::int32_t answer)
{
    const std::int32_t value = valueOf(values, answer);
    if (value == values.front().value) return Answer::Best;
    return value > valueOf(values, played) ? Answer::Better : Answer::NoBetter;
}

std::int32_t bestAnswer(std::span<const MoveValue> values, std::mt19937& random)
{
    const auto best = std::ranges::count(values, values.front().value, &MoveValue::value);
    return values[std::uniform_int_distribution<std::ptrdiff_t>(0, best - 1)(random)].cell;
}
