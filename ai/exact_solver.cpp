#include "exact_solver.h"

#include "opening_values.h"
#include "search_paths.h"
#include "solver_paths.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace {

// Turners[i]: the cells from which a disc could ever turn the one at PriorityOrder[i].
constexpr std::array<CellSet, PlayingCellCount> Turners = [] {
    std::array<CellSet, PlayingCellCount> turners{};
    for (std::size_t i = 0; i < PlayingCellCount; ++i)
        for (std::size_t j = 0; j < PlayingCellCount; ++j)
            for (const TurnRow& row : Turns[0][j])
                for (std::uint64_t turned : row)
                    if ((turned & CellDiscs[i]) != 0) turners[i] |= CellSet{1} << j;
    return turners;
}();

// The free places of a position: two on an empty cell, one on a cell of one disc.
std::int32_t freePlaces(BitBoard board)
{
    std::int32_t places = 0;
    for (CellSet rest = board.open; rest != 0; rest &= rest - 1)
        places += (board.discs & CellDiscs[std::countr_zero(rest)]) != 0 ? 1 : 2;
    return places;
}

// The exact final lead of mover, known to be at least lowest, by searches with a null window: the
// first at guess, the next three a step beyond the bound the last one found, then halving what is
// left open. None when the run is stopped first.
std::optional<std::int32_t> exactValue(const SolverPath& path, SolverRun& run, Side mover, BitBoard board,
                                       std::int32_t places, std::int32_t guess, std::int32_t lowest)
{
    if (places == 0) return mover == Side::Com ? topDiscLead(board.discs) : -topDiscLead(board.discs);
    constexpr std::int32_t Stepping = 4;
    std::int32_t lower = lowest, upper = PlayingCellCount;
    bool rose = false;
    for (std::int32_t probe = 0; lower < upper; ++probe) {
        const std::int32_t beta = probe == 0          ? std::clamp(guess, lower + 1, upper)
                                  : probe < Stepping ? (rose ? std::min(upper, lower + 2) : std::max(lower + 1, upper - 1))
                                                     : (lower + upper + 1) / 2;
        const std::int32_t v = path.solve(run, mover, board, places, beta - 1, beta);
        if (run.stopped) return std::nullopt;
        rose = v >= beta;
        (rose ? lower : upper) = v;
    }
    return lower;
}

}  // namespace

// Made when the program starts: too much work for the compiler's constant evaluation.
const std::array<CellSet, std::size_t{1} << PlayingCellCount> StableCells = [] {
    std::array<CellSet, std::size_t{1} << PlayingCellCount> stable{};
    for (std::size_t open = 0; open < stable.size(); ++open)
        for (std::size_t i = 0; i < PlayingCellCount; ++i)
            if ((open >> i & 1) == 0 && (open & Turners[i]) == 0) stable[open] |= CellSet{1} << i;
    return stable;
}();

ExactSolver::ExactSolver(OpeningValues from)
    : table(std::make_unique<SolverTable>()), openingValues(from)
{
}

ExactSolver::~ExactSolver() = default;

std::vector<MoveValue> ExactSolver::moveValues(Colour mover, const SolvingMove& solving)
{
    return moveValues(readPosition(mover), solving);
}

std::vector<MoveValue> ExactSolver::moveValues(Position position, const SolvingMove& solving)
{
    return *moveValues(position, std::stop_token(), solving);
}

std::optional<std::vector<MoveValue>> ExactSolver::moveValues(Position position, std::stop_token stop,
                                                              const SolvingMove& solving)
{
    const auto [root, side] = position;
    const SearchPath& search = searchPathOf(lineReading());
    const SolverPath& solver = solverPathOf(lineReading());
    const std::int32_t places = freePlaces(root);

    struct Legal {
        std::int32_t i;
        std::uint64_t turned;
    };
    std::vector<Legal> legal;
    for (CellSet rest = root.open; rest != 0; rest &= rest - 1)
        if (const std::uint64_t turned = search.turnsAt(side, root.discs, std::countr_zero(rest)); turned != 0)
            legal.push_back({std::countr_zero(rest), turned});

    // Neighbouring moves have near values: each one's search starts at the value of the one before.
    // Where the built-in table holds the position itself, no move is worth more than its value, and
    // each search starts at that instead: a best move is proven so by one search with a null window.
    const std::optional<std::int32_t> rootValue =
        openingValues == OpeningValues::BuiltIn ? openingValue(root, side) : std::nullopt;
    const std::int32_t lowest = rootValue ? -*rootValue : -PlayingCellCount;
    SolverRun run{*table, std::move(stop)};
    std::vector<MoveValue> values;
    std::int32_t guess = 0;
    for (const auto& [i, turned] : legal) {
        if (solving) solving(PriorityOrder[i], values.size(), legal.size());
        const BitBoard child = side == Side::Com ? afterMove<Side::Com>(root, i, turned) : afterMove<Side::Man>(root, i, turned);
        const std::optional<std::int32_t> known =
            openingValues == OpeningValues::BuiltIn ? openingValue(child, otherSide(side)) : std::nullopt;
        const std::optional<std::int32_t> value =
            known ? known : exactValue(solver, run, otherSide(side), child, places - 1, rootValue ? lowest : guess, lowest);
        if (!value) break;
        guess = *value;
        values.push_back({PriorityOrder[i], -guess});
    }
    nodeCount += run.nodes;
    if (run.stopped) return std::nullopt;
    std::stable_sort(values.begin(), values.end(), [](const MoveValue& a, const MoveValue& b) { return a.value > b.value; });
    return values;
}
