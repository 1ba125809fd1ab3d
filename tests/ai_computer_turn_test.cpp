#include "computer_turn.h"
#include "invariants.h"
#include "opening_book.h"
#include "random_cell.h"
#include "search.h"
#include "state_fixture.h"

#include <cstring>
#include <map>
#include <random>
#include <set>

using ::testing::ElementsAre;

namespace {

// The window as the computer's turn sees it, writing down everything the turn asks of it.
struct FakeWindow final : ComputerTurnWindow {
    std::int32_t strengthIndex = 0;
    std::vector<std::string> events;
    std::vector<std::int32_t> moves;

    void setStatus(std::string_view text) override { events.push_back("status " + std::string(text)); }
    void Matu(std::int32_t count) override { events.push_back("pause " + std::to_string(count)); }
    std::int32_t strength() const override { return strengthIndex; }
    bool Jissai_Sokoutu(Colour colour, std::int32_t cell) override
    {
        EXPECT_EQ(colour, State.ComColour);
        EXPECT_TRUE(cell == 0 || State.Board[cell].Upper == EMPTY) << cellName(cell) << " is full";
        if (!playMove(colour, cell)) {
            events.push_back("refused " + std::to_string(cell));
            return false;
        }
        events.push_back("move " + std::to_string(State.Ply) + " " + cellName(cell));
        moves.push_back(cell);
        return true;
    }
    bool showMessage(std::string_view text) override
    {
        events.push_back("message " + std::string(text));
        return true;
    }
    void Kekka() override { events.push_back("result"); }
};

const std::string Thinking = "status " + std::string(ComputerThinking);
const std::string Pause = "pause 200";

// The person's random legal move, played as the window's click would play it.
void personMoves(std::mt19937& rng)
{
    auto legal = legalCells(State.HumanColour);
    ASSERT_FALSE(legal.empty());
    playMoveAndGoOn(State.HumanColour, legal[rng() % legal.size()]);
}

}  // namespace

class ComputerTurn : public FreshState {
protected:
    FakeWindow window;
};

TEST_F(ComputerTurn, TheBookAnswersFirstAtEitherStrength)
{
    // A book whose answer after a2 a1 is not the strong computer's choice (c4).
    ASSERT_TRUE(replayRecord(cells("a2a1"), WHITE));
    const auto legal = legalCells(BLACK);
    const std::int32_t answer = legal.back() != cellIndex("c4") ? legal.back() : legal.front();
    ASSERT_EQ(parseBook("@03,a2a1," + cellName(answer) + ",&"), std::nullopt);

    for (std::int32_t strength : {0, 1}) {
        ASSERT_TRUE(replayRecord(cells("a2a1"), WHITE));
        window.strengthIndex = strength;
        window.events.clear();
        Com_Utu(window);
        EXPECT_THAT(window.events, ElementsAre(Thinking, Pause, "move 3 " + cellName(answer),
                                               "status " + std::string(PersonToMove)));
        EXPECT_EQ(State.Ply, 4);
    }
}

TEST_F(ComputerTurn, ABookAnswerThatIsNotLegalHereIsPassedOver)
{
    // b2 holds a white disc that no move of black's can go on top of after a2 a1.
    ASSERT_TRUE(replayRecord(cells("a2a1"), WHITE));
    ASSERT_FALSE(Sokouteruka(BLACK, cellIndex("b2")));
    ASSERT_EQ(parseBook("@03,a2a1,b2,&"), std::nullopt);
    Com_Utu(window);
    ASSERT_EQ(window.moves.size(), 1u);
    EXPECT_NE(window.moves.back(), cellIndex("b2"));
    EXPECT_EQ(stateFault(), "");
}

// Called, against its precondition, when the computer has no move: neither strength has a cell
// (the strong search's choice is cell 0), the played move refuses it, and the turn ends with the
// game as it was: no move number without a move behind it, no stale record entry, no hand-on.
TEST_F(ComputerTurn, ARefusedMoveEndsTheTurnWithTheGameAsItWas)
{
    for (std::int32_t strength : {0, 1}) {
        ASSERT_TRUE(replayRecord(cells("b1a3d4d3d2c1d1"), BLACK));
        ASSERT_FALSE(UterukaC());
        ASSERT_TRUE(UterukaM());
        if (strength != 0) {
            ASSERT_EQ(strongChoice().cell, 0);
        }
        const GameState before = State;
        window.strengthIndex = strength;
        window.events.clear();
        Com_Utu(window);
        EXPECT_THAT(window.events, ElementsAre(Thinking, Pause, "refused 0")) << "strength " << strength;
        EXPECT_EQ(std::memcmp(State.Board, before.Board, sizeof State.Board), 0);
        EXPECT_EQ(State.Ply, before.Ply);
        EXPECT_EQ(State.JournalTop, before.JournalTop);
        EXPECT_EQ(State.MoveRecord[State.Ply], before.MoveRecord[State.Ply]);
        EXPECT_EQ(stateFault(), "");
    }
}

TEST_F(ComputerTurn, AnyComputerDrawsAtMovesOneAndTwo)
{
    for (Colour human : {WHITE, BLACK}) {
        const auto opening = human == BLACK ? cells("a2") : std::vector<std::int32_t>{};
        std::set<std::int32_t> played;
        for (std::uint32_t seed = 0; seed < 200; ++seed) {
            ASSERT_TRUE(replayRecord(opening, human));
            seedRandom(seed);
            window.strengthIndex = 1;
            Com_Utu(window);
            played.insert(window.moves.back());
        }
        ASSERT_TRUE(replayRecord(opening, human));
        const auto legal = legalCells(State.ComColour);
        EXPECT_EQ(played, std::set<std::int32_t>(legal.begin(), legal.end()))
            << "every legal cell is drawn, and nothing else, when the person plays " << human;
    }
}

TEST_F(ComputerTurn, BeyondTheBookTheStrongComputerSearchesAndTheWeakOneDraws)
{
    // Move 16 of a game with the computer white, found by random play.
    std::mt19937 rng(7);
    do {
        startGame(BLACK);
        while (State.Ply < 16 && sideToMove() != EMPTY) {
            auto legal = legalCells(sideToMove());
            playMoveAndGoOn(sideToMove(), legal[rng() % legal.size()]);
        }
    } while (State.Ply < 16 || sideToMove() != State.ComColour || legalCells(WHITE).size() < 3);
    const std::vector<std::int32_t> record(State.MoveRecord + 1, State.MoveRecord + 16);
    const auto legal = legalCells(WHITE);
    const std::int32_t best = strongChoice().cell;

    std::map<std::int32_t, int> strongPlays, weakPlays;
    for (std::uint32_t seed = 0; seed < 60; ++seed) {
        for (std::int32_t strength : {0, 1}) {
            if (strength == 1 && seed % 10 != 0) continue;  // the search draws nothing: a few seeds tell
            ASSERT_TRUE(replayRecord(record, BLACK));
            seedRandom(seed);
            window.strengthIndex = strength;
            Com_Utu(window);
            ++(strength ? strongPlays : weakPlays)[window.moves.back()];
        }
    }
    EXPECT_THAT(strongPlays, ElementsAre(std::pair{best, 6}));
    EXPECT_EQ(weakPlays.size(), legal.size());
    for (auto [cell, count] : weakPlays) EXPECT_TRUE(std::count(legal.begin(), legal.end(), cell)) << cellName(cell);
}

// Whole games of the weak computer against a random person: after every turn the person is to
// move, or the game is over and the result was called with no status after the last move; a
// person's pass sends the computer round again with the next move number.
TEST_F(ComputerTurn, WholeGamesHandOnAfterEveryTurn)
{
    std::mt19937 rng(2026);
    int passChains = 0, results = 0;
    for (int game = 0; game < 400; ++game) {
        startGame(game % 2 ? BLACK : WHITE);
        seedRandom(static_cast<std::uint32_t>(game));
        bool personsTurn = State.HumanColour == BLACK;
        for (;;) {
            if (personsTurn) {
                personMoves(rng);
                if (!UterukaC()) {
                    if (UterukaM()) continue;  // the computer passes: the person moves again
                    break;                     // the person's move ended the game
                }
            }
            window.events.clear();
            const std::int32_t ply = State.Ply;
            Com_Utu(window);
            ASSERT_EQ(stateFault(), "");

            const auto& e = window.events;
            for (std::size_t i = 0, move = 0; i < e.size(); ++move) {
                ASSERT_GE(e.size(), i + 3);
                EXPECT_EQ(e[i], Thinking);
                EXPECT_EQ(e[i + 1], Pause);
                EXPECT_EQ(e[i + 2].rfind("move " + std::to_string(ply + move) + " ", 0), 0u) << e[i + 2];
                i += 3;
                ASSERT_LT(i, e.size());
                if (e[i] == "message " + std::string(PersonPasses)) {
                    ++passChains;
                    ++i;
                    continue;
                }
                EXPECT_TRUE(e[i] == "status " + std::string(PersonToMove) || e[i] == "result") << e[i];
                EXPECT_EQ(i + 1, e.size());
                break;
            }
            if (e.back() == "result") {
                EXPECT_FALSE(UterukaM() || UterukaC());
                ++results;
                break;
            }
            ASSERT_TRUE(UterukaM());
            personsTurn = true;
        }
    }
    EXPECT_GT(passChains, 0);
    EXPECT_GT(results, 100);
}
