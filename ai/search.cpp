#include "search.h"

#include "search_paths.h"

std::uint64_t searchNodes = 0;

namespace {

const SearchPath& path() { return searchPathOf(lineReading()); }

// The position after move ply and its score beyond the board's top-disc lead.
std::int32_t hyoukaAt(Side mover, bool secondPair, std::int32_t ply, std::int32_t alpha, std::int32_t beta)
{
    const BitBoard board = readBitBoard();
    return path().hyouka(mover, secondPair, board, ply, State.Score[ply] - topDiscLead(board.discs), alpha, beta);
}

std::int32_t lastPlaceFor(Side mover, std::int32_t passed)
{
    const BitBoard board = readBitBoard();
    return path().lastPlace(mover, board, State.Score[LastButOnePly] - topDiscLead(board.discs), passed);
}

}  // namespace

std::int32_t Hyouka_Com(std::int32_t ply, std::int32_t alpha, std::int32_t beta)
{
    return hyoukaAt(Side::Man, false, ply, alpha, beta);
}

std::int32_t Hyouka_Man(std::int32_t ply, std::int32_t alpha, std::int32_t beta)
{
    return hyoukaAt(Side::Com, false, ply, alpha, beta);
}

std::int32_t Hyouka_Com2(std::int32_t ply, std::int32_t alpha, std::int32_t beta)
{
    return hyoukaAt(Side::Man, true, ply, alpha, beta);
}

std::int32_t Hyouka_Man2(std::int32_t ply, std::int32_t alpha, std::int32_t beta)
{
    return hyoukaAt(Side::Com, true, ply, alpha, beta);
}

std::int32_t Saigo_M_utazuhyouka(std::int32_t passed) { return lastPlaceFor(Side::Man, passed); }

std::int32_t Saigo_C_utazuhyouka(std::int32_t passed) { return lastPlaceFor(Side::Com, passed); }

std::uint64_t hyoukaCalls() { return searchNodes; }

StrongChoice strongChoice()
{
    const SearchPath& search = path();
    const std::uint64_t before = searchNodes;
    StrongChoice choice{0, ScoreBelowAll, 0};
    // Without a current list (no game started) there is no cell to try, nor a last move to read.
    if (firstCandidate() == TailSentinel) return choice;
    // Each legal cell of the list, the computer's move made as move Ply on a copy of the position.
    const BitBoard root = readBitBoard();
    const std::int32_t beyondLead = State.Score[State.Ply - 1] - topDiscLead(root.discs);
    for (CellSet rest = root.open; rest != 0; rest &= rest - 1) {
        const std::int32_t i = std::countr_zero(rest);
        const std::uint64_t turned = search.turnsAt(Side::Com, root.discs, i);
        if (turned == 0) continue;
        const BitBoard after = afterMove<Side::Com>(root, i, turned);
        const std::int32_t v =
            search.hyouka(Side::Man, false, after, State.Ply, beyondLead, choice.value, ScoreAboveAll);
        // A later cell that only equals the best so far is not taken.
        if (v > choice.value) choice = {PriorityOrder[i], v, 0};
    }
    choice.nodes = searchNodes - before;
    return choice;
}
