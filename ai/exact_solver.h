// Exact values under perfect play, for the analysis of a game: a solver of its own beside the
// strong computer's search, which it leaves as it is.
#pragma once

#include "position.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stop_token>
#include <vector>

class SolverTable;

struct MoveValue {
    std::int32_t cell;
    std::int32_t value;  // the final top-disc lead of the side that moves, both sides playing perfectly
    friend bool operator==(const MoveValue&, const MoveValue&) = default;
};

// What the solver does before it solves each move: the move's cell, its place in the list, the
// number of moves.
using SolvingMove = std::function<void(std::int32_t cell, std::size_t index, std::size_t count)>;

// Where the values of the positions of the first OpeningValueMoves moves come from: the built-in
// table (opening_values.h), or the search, which is how the table is derived and checked.
enum class OpeningValues { BuiltIn, Searched };

// Solves positions of the game state. What it learns of one position it keeps for the next, in a
// table of fixed size taken when it is made.
class ExactSolver {
public:
    explicit ExactSolver(OpeningValues openingValues = OpeningValues::BuiltIn);
    ~ExactSolver();

    // Every legal move of mover (HumanColour or ComColour) in the position of the game state, with
    // its value; the best first, and moves of equal value in candidate order. Empty when mover has
    // no move. The candidate list must be current; the state is left as it was found.
    std::vector<MoveValue> moveValues(Colour mover, const SolvingMove& solving = {});

    // The same for the position root, which may be any position of the game: the game
    // state is not read, so a solver of its own may run on another thread than the one that plays.
    std::vector<MoveValue> moveValues(Position root, const SolvingMove& solving = {});

    // The same, unless stop is requested first: then none, within a millisecond or so even in the
    // middle of a move, and the table keeps only what the finished searches learnt.
    std::optional<std::vector<MoveValue>> moveValues(Position root, std::stop_token stop, const SolvingMove& solving = {});

    // Positions visited since the solver was made.
    std::uint64_t nodes() const { return nodeCount; }

private:
    std::unique_ptr<SolverTable> table;
    OpeningValues openingValues;
    std::uint64_t nodeCount = 0;
};
