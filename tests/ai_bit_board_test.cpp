// The search's bit-board held to the game state: at every position of random games, each cell's
// legality for each side and what a move there changes, on every way of reading lines that this
// processor runs; and which processors read with pext.
#include "search_paths.h"
#include "state_fixture.h"
#include "trial_move.h"

#include <random>

namespace {

std::vector<LineReading> readingsHere()
{
    std::vector<LineReading> readings{LineReading::Portable};
    if (canUse(LineReading::Pext)) readings.push_back(LineReading::Pext);
    return readings;
}

std::string nameOf(LineReading reading) { return reading == LineReading::Pext ? "pext" : "portable"; }

// The legality of every free cell for side, from the bit-board and from the state, and the
// bit-board after a legal move against the state after the trial move there.
template <Side side>
void expectEveryMoveAlike(const SearchPath& path, std::int32_t ply)
{
    const Colour colour = side == Side::Com ? State.ComColour : State.HumanColour;
    const BitBoard board = readBitBoard();
    for (std::size_t i = 0; i < PriorityOrder.size(); ++i) {
        const std::int32_t cell = PriorityOrder[i];
        SCOPED_TRACE(cellName(cell) + (side == Side::Com ? " by the computer" : " by the person"));
        const bool listed = (board.open >> i & 1) != 0;
        ASSERT_EQ(listed, State.Board[cell].Upper == EMPTY);
        if (!listed) continue;
        const std::uint64_t turned = path.turnsAt(side, board.discs, static_cast<std::int32_t>(i));
        ASSERT_EQ(turned != 0, Sokouteruka(colour, cell));
        if (turned == 0) continue;
        const BitBoard after = afterMove<side>(board, static_cast<std::int32_t>(i), turned);
        trialMove<side>(ply + 1, cell);
        const BitBoard trial = readBitBoard();
        const std::int32_t scoreChange = State.Score[ply + 1] - State.Score[ply];
        Modosu(ply + 1);
        EXPECT_EQ(after.discs, trial.discs);
        EXPECT_EQ(after.open, trial.open);
        // The search values a position by its lead: the score moves with it.
        EXPECT_EQ(topDiscLead(after.discs) - topDiscLead(board.discs), scoreChange);
    }
}

}  // namespace

TEST_F(FreshState, TheBitBoardMovesAsTheTrialMoveDoes)
{
    for (LineReading reading : readingsHere()) {
        SCOPED_TRACE(nameOf(reading));
        const SearchPath& path = searchPathOf(reading);
        std::mt19937 rng(20260302);
        for (int game = 0; game < 300; ++game) {
            startGame(game % 2 ? BLACK : WHITE);
            for (Colour mover = sideToMove(); mover != EMPTY; mover = sideToMove()) {
                expectEveryMoveAlike<Side::Com>(path, State.Ply - 1);
                expectEveryMoveAlike<Side::Man>(path, State.Ply - 1);
                if (HasFatalFailure()) return;
                const auto legal = legalCells(mover);
                playMoveAndGoOn(mover, legal[rng() % legal.size()]);
            }
        }
    }
}

TEST(LineReadings, PextIsLeftToTheProcessorsThatRunItFast)
{
    EXPECT_TRUE(pextRunsFast("GenuineIntel", 6));
    EXPECT_FALSE(pextRunsFast("AuthenticAMD", 0x15));  // Excavator
    EXPECT_FALSE(pextRunsFast("AuthenticAMD", 0x17));  // Zen, Zen 2
    EXPECT_FALSE(pextRunsFast("HygonGenuine", 0x18));
    EXPECT_TRUE(pextRunsFast("AuthenticAMD", 0x19));   // Zen 3, Zen 4
    EXPECT_TRUE(pextRunsFast("AuthenticAMD", 0x1a));
    EXPECT_TRUE(canUse(LineReading::Portable));
}
