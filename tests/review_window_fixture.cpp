#include "review_window_fixture.h"

#include <cstdio>
#include <sstream>

std::vector<ReviewedMove> analysedMoves(std::string_view record)
{
    ExactSolver solver;
    std::istringstream lines(reviewGame(solver, record));
    std::vector<ReviewedMove> moves;
    for (std::string text; std::getline(lines, text);) {
        // "  3 black b3  -12   best  -10: b1 a2   gave away 2"; a pass has no number.
        int number, value, best;
        char mover[6], cell[3];
        if (std::sscanf(text.c_str(), "%d %5s %2s %d best %d:", &number, mover, cell, &value, &best) == 5)
            moves.push_back({value, best});
    }
    return moves;
}

std::map<std::int32_t, std::int32_t> analysedValues(std::string_view record)
{
    ExactSolver solver;
    std::istringstream lines(analysePosition(solver, record));
    std::map<std::int32_t, std::int32_t> values;
    for (std::string text; std::getline(lines, text);) {
        char cell[3];
        int value;
        if (std::sscanf(text.c_str(), "%2s %d", cell, &value) == 2 && cellIndex(cell) != 0) values[cellIndex(cell)] = value;
    }
    return values;
}
