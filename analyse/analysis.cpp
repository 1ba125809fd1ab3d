#include "analysis.h"

#include "legality.h"
#include "played_move.h"
#include "record_reading.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <vector>

namespace {

std::string colourName(Colour colour) { return colour == BLACK ? "black" : "white"; }

std::string withSign(std::int32_t value)
{
    char text[8];
    std::snprintf(text, sizeof text, "%+d", value);
    return text;
}

std::string gameOver()
{
    const TopDiscs discs = topDiscsOf(State.Board);
    const std::string text = "game over: black " + std::to_string(discs.black) + ", white " + std::to_string(discs.white);
    if (discs.leader() == EMPTY) return text + ", a draw";
    return text + ", " + colourName(discs.leader()) + " wins by " + std::to_string(std::abs(discs.blackLead()));
}

// Who is to make move Ply: "move 9: white to move", with the pass before it when the colour due
// has none.
std::string toMove(Colour mover)
{
    std::string text = "move " + std::to_string(State.Ply) + ": ";
    if (mover != colourDue()) text += colourName(colourDue()) + " has no move and passes; ";
    return text + colourName(mover) + " to move";
}

// Every move of the side to move, solved, with the progress told as "move N: cell (i of n)".
std::vector<MoveValue> solve(ExactSolver& solver, Colour mover, const Progress& progress)
{
    const std::int32_t ply = State.Ply;
    return solver.moveValues(mover, [&](std::int32_t cell, std::size_t index, std::size_t count) {
        if (progress)
            progress("move " + std::to_string(ply) + ": " + cellName(cell) + " (" + std::to_string(index + 1) + " of " +
                     std::to_string(count) + ")");
    });
}

std::vector<std::int32_t> bestMoves(const std::vector<MoveValue>& values)
{
    std::vector<std::int32_t> best;
    for (const MoveValue& move : values)
        if (move.value == values.front().value) best.push_back(move.cell);
    return best;
}

}  // namespace

std::vector<std::int32_t> replayGameRecord(std::string_view record)
{
    RecordReading reading = readRecord(record);
    if (!reading.refusal) return std::move(reading.moves);
    const RecordRefusal& stop = *reading.refusal;
    const std::string where = "move " + std::to_string(stop.ply) + " \"" + stop.quote + "\": ";
    const std::string mayPlay = colourName(stop.mover) + " may play " + writtenRecord(stop.legal, " ");
    switch (stop.fault) {
    case RecordFault::HalfMove: throw BadRecord(where + "half a move; a move is two characters, such as a2");
    case RecordFault::NotACell: throw BadRecord(where + "not a cell; cells are a-d and 1-4");
    case RecordFault::UnknownCharacter:
        throw BadRecord(where + "not a character of a record, which holds cells such as a2, passes and separators");
    case RecordFault::NeedlessPass:
        throw BadRecord(where + colourName(stop.mover) + " has a move and may not pass; " + mayPlay);
    case RecordFault::GameOver: throw BadRecord(where + "the game is already over");
    case RecordFault::NotPlayable:
        throw BadRecord(where + "not a legal move for " + colourName(stop.mover) + "; " +
                        (stop.mover != stop.due ? colourName(stop.due) + " has no move and passes, and " : "") +
                        mayPlay);
    case RecordFault::None: break;
    }
    return {};
}

std::string analysePosition(ExactSolver& solver, std::string_view record, const Progress& progress)
{
    replayGameRecord(record);
    const Colour mover = sideToMove();
    if (mover == EMPTY) return gameOver() + "\n";
    std::string text = toMove(mover) + "\n";
    for (const MoveValue& move : solve(solver, mover, progress))
        text += cellName(move.cell) + " " + std::to_string(move.value) + "\n";
    return text;
}

std::string reviewGame(ExactSolver& solver, std::string_view record, const Progress& progress)
{
    const std::vector<std::int32_t> moves = replayGameRecord(record);
    std::map<Colour, std::int32_t> givenAway{{BLACK, 0}, {WHITE, 0}};
    std::string text;
    startGame(WHITE);
    for (Colour mover = sideToMove(); mover != EMPTY; mover = sideToMove()) {
        if (mover != colourDue()) text += "      " + colourName(colourDue()) + " passes\n";
        const std::vector<MoveValue> values = solve(solver, mover, progress);
        const std::int32_t best = values.front().value;
        if (State.Ply > static_cast<std::int32_t>(moves.size())) {
            // The record ends before the game: what perfect play from here would bring.
            const std::int32_t blackLead = mover == BLACK ? best : -best;
            return text + "move " + std::to_string(State.Ply) + ", " + colourName(mover) +
                   " to move: perfect play from here ends black " + withSign(blackLead) + "; black gave away " +
                   std::to_string(givenAway[BLACK]) + ", white " + std::to_string(givenAway[WHITE]) + "\n";
        }
        const std::int32_t cell = moves[State.Ply - 1];
        const std::int32_t value = std::find_if(values.begin(), values.end(), [cell](const MoveValue& m) {
                                       return m.cell == cell;
                                   })->value;
        char line[64];
        std::snprintf(line, sizeof line, "%3d %s %s %4d   best %4d:", State.Ply, colourName(mover).c_str(),
                      cellName(cell).c_str(), value, best);
        text += line;
        for (const std::int32_t good : bestMoves(values)) text.append(" ").append(cellName(good));
        if (value < best) text.append("   gave away ").append(std::to_string(best - value));
        text += "\n";
        givenAway[mover] += best - value;
        playMoveAndGoOn(mover, cell);
    }
    return text + gameOver() + "; black gave away " + std::to_string(givenAway[BLACK]) + ", white " +
           std::to_string(givenAway[WHITE]) + "\n";
}
