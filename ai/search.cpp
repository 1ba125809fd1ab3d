#include "search.h"

#include "legality.h"
#include "trial_move.h"

namespace {

// From this move on the second pair of evaluators takes over; it knows the last move.
constexpr std::int32_t SecondPairPly = 20;
// After this move exactly one place is free: 4 places filled at the start and one per move.
constexpr std::int32_t LastButOnePly = MaxMoves - 1;

std::uint64_t calls = 0;

constexpr Side otherSide(Side side) { return side == Side::Com ? Side::Man : Side::Com; }

template <Side side>
Colour colourOf()
{
    return side == Side::Com ? State.ComColour : State.HumanColour;
}

template <Side mover>
bool hasMove()
{
    return firstPlayable(colourOf<mover>(), colourOf<otherSide(mover)>()) != TailSentinel;
}

// The final score when mover is to fill the one free place after move 27. Every other playing
// cell holds two discs, so the runs of top discs are runs of upper discs.
template <Side mover>
std::int32_t lastPlace(std::int32_t passed)
{
    const Colour own = colourOf<mover>();
    const Colour opp = colourOf<otherSide(mover)>();

    // 1.-2. Covering a disc of the opponent takes that cell from it.
    const std::int32_t cell = State.NextCand[HeadSentinel];
    std::int32_t gain = State.Board[cell].Lower == opp ? 2 : 0;

    // 3. Every run of the opponent's discs closed by an own disc would be turned.
    const std::int32_t* direction = State.CellDirections[cell];
    std::int32_t turned = 0;
    for (std::int32_t i = 0; i < DirectionsPerCell; ++i) turned += runLength(own, opp, cell, direction[i]);
    gain += 2 * turned;

    // 4.-6. Taken by the mover, by the other side after a pass, or by neither.
    if (turned > 0) return mover == Side::Com ? State.Score[LastButOnePly] + gain : State.Score[LastButOnePly] - gain;
    if (passed == 1) return State.Score[LastButOnePly];
    return lastPlace<otherSide(mover)>(1);
}

// The position after move ply with mover to move; the person minimises, the computer
// maximises. secondPair selects Hyouka_Com2/Hyouka_Man2, which know move 27.
template <Side mover, bool secondPair>
std::int32_t hyouka(std::int32_t ply, std::int32_t alpha, std::int32_t beta)
{
    ++calls;

    // 1. The hand-over to the second pair, or from it to the last-place evaluators.
    if constexpr (!secondPair) {
        if (ply >= SecondPairPly) return hyouka<mover, true>(ply, alpha, beta);
    } else {
        if (ply == LastButOnePly) return lastPlace<mover>(0);
    }

    // 2. Every legal cell of the list in list order, each taken back before the cut-off test.
    // The legality test is the trial move itself, and a walk that finds no legal cell has found
    // that mover cannot move.
    bool moved = false;
    for (std::int32_t cell = firstCandidate(); cell != TailSentinel; cell = State.NextCand[cell]) {
        if (!trialMove<mover>(ply + 1, cell)) continue;
        moved = true;
        const std::int32_t v = hyouka<otherSide(mover), secondPair>(ply + 1, alpha, beta);
        Modosu(ply + 1);
        if constexpr (mover == Side::Man) {
            if (v <= alpha) return alpha;
            if (v < beta) beta = v;
        } else {
            if (v >= beta) return beta;
            if (v > alpha) alpha = v;
        }
    }
    if (moved) return mover == Side::Man ? beta : alpha;

    // 3. A pass: the other side moves with the same ply and the same window.
    if (hasMove<otherSide(mover)>()) return hyouka<otherSide(mover), secondPair>(ply, alpha, beta);

    // 4. Neither side can move: the game is over.
    return State.Score[ply];
}

}  // namespace

std::int32_t Hyouka_Com(std::int32_t ply, std::int32_t alpha, std::int32_t beta)
{
    return hyouka<Side::Man, false>(ply, alpha, beta);
}

std::int32_t Hyouka_Man(std::int32_t ply, std::int32_t alpha, std::int32_t beta)
{
    return hyouka<Side::Com, false>(ply, alpha, beta);
}

std::int32_t Hyouka_Com2(std::int32_t ply, std::int32_t alpha, std::int32_t beta)
{
    return hyouka<Side::Man, true>(ply, alpha, beta);
}

std::int32_t Hyouka_Man2(std::int32_t ply, std::int32_t alpha, std::int32_t beta)
{
    return hyouka<Side::Com, true>(ply, alpha, beta);
}

std::int32_t Saigo_M_utazuhyouka(std::int32_t passed) { return lastPlace<Side::Man>(passed); }
std::int32_t Saigo_C_utazuhyouka(std::int32_t passed) { return lastPlace<Side::Com>(passed); }

std::uint64_t hyoukaCalls() { return calls; }

StrongChoice strongChoice()
{
    const std::uint64_t before = calls;
    StrongChoice choice{0, ScoreBelowAll, 0};
    // Without a current list (no game started) the walk finds no cell instead of reading stale links.
    const std::int32_t first = firstPlayable(State.ComColour, State.HumanColour);
    for (std::int32_t cell = first; cell != TailSentinel; cell = State.NextCand[cell]) {
        if (!Sokouteruka(State.ComColour, cell)) continue;
        Sokoutu_Com(State.Ply, cell);
        const std::int32_t v = Hyouka_Com(State.Ply, choice.value, ScoreAboveAll);
        Modosu(State.Ply);
        // A later cell that only equals the best so far is not taken.
        if (v > choice.value) choice = {cell, v, 0};
    }
    choice.nodes = calls - before;
    return choice;
}
