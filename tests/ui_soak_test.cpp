// Hundreds of whole games through the window against the weak computer, the person clicking at
// random on legal, illegal, full and off-board places and now and then on the restart picture,
// with the game state's invariants checked after every click.
#include "game_window_fixture.h"
#include "invariants.h"
#include "radio_group.h"
#include "shape.h"
#include "random_cell.h"
#include "state_fixture.h"

#include <QLabel>
#include <QPushButton>

#include <random>

namespace {

// Per seed; the seeds run as tests of their own, side by side.
#ifdef NORDAMO_SANITIZE
constexpr int FinishedGames = 30;
#else
constexpr int FinishedGames = 100;
#endif

enum class Aim { Legal, Illegal, Full, OffBoard, Restart };

int between(std::mt19937& rng, int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); }

// A point anywhere inside the cell, its grid lines on the right and at the bottom included.
QPoint insideCell(std::mt19937& rng, std::int32_t cell)
{
    const QPoint corner = cellCentre(cell) - QPoint(CellSize / 2, CellSize / 2);
    return corner + QPoint(between(rng, 1, CellSize), between(rng, 1, CellSize));
}

// A point of the window beside the board where no control lies.
QPoint offBoard(std::mt19937& rng)
{
    switch (between(rng, 0, 2)) {
    case 0: return {between(rng, 0, BoardMargin), between(rng, 0, 420)};
    case 1: return {between(rng, 0, 440), between(rng, 0, BoardMargin)};
    }
    return {between(rng, 415, 440), between(rng, 0, 420)};
}

std::vector<std::int32_t> cellsWhere(bool (*holds)(std::int32_t))
{
    std::vector<std::int32_t> found;
    for (std::int32_t cell : PriorityOrder)
        if (holds(cell)) found.push_back(cell);
    return found;
}

bool isLegal(std::int32_t cell) { return Sokouteruka(State.HumanColour, cell); }
bool isFull(std::int32_t cell) { return State.Board[cell].Upper != EMPTY; }
bool isIllegal(std::int32_t cell) { return !isFull(cell) && !isLegal(cell); }

}  // namespace

class Soak : public GameTest, public ::testing::WithParamInterface<std::uint32_t> {
protected:
    // What must hold whenever the window waits for input.
    void checkBetweenHandlers()
    {
        ASSERT_EQ(stateFault(), "");
        const bool running = form->Button1->isHidden();
        ASSERT_EQ(form->Image2->isHidden(), running);
        ASSERT_EQ(form->RadioGroup1->isEnabled(), !running);
        ASSERT_EQ(form->RadioGroup2->isEnabled(), !running);
        ASSERT_TRUE(form->Shape1->isHidden() && form->Image5->isHidden() && form->Image6->isHidden());
        if (running) {
            ASSERT_TRUE(UterukaM()) << "a running game waits for the person only when the person can move";
            ASSERT_EQ(record().size(), 2 * (State.Ply - 1));
            ASSERT_TRUE(status() == PersonToMoveText || status().isEmpty()) << status().toStdString();
        } else {
            ASSERT_EQ(State.Ply, 1);
            ASSERT_EQ(State.JournalTop, 0);
        }
    }
};

TEST_P(Soak, WholeGamesWithRandomClicks)
{
    std::mt19937 rng(GetParam());
    seedRandom(GetParam());
    int finished = 0, abandoned = 0, personPasses = 0, computerPasses = 0;
    std::map<Aim, int> aims;
    while (finished < FinishedGames) {
        const int colourItem = between(rng, 0, 1);
        choose(colourItem, 0);
        pressOk();
        ASSERT_NO_FATAL_FAILURE(checkBetweenHandlers());
        const std::size_t firstMessage = answerer.answered.size();

        while (form->Button1->isHidden()) {
            const int roll = between(rng, 0, 99);
            const Aim aim = roll < 60 ? Aim::Legal : roll < 75 ? Aim::Illegal : roll < 87 ? Aim::Full : roll < 99 ? Aim::OffBoard : Aim::Restart;
            const std::vector<std::int32_t> targets =
                cellsWhere(aim == Aim::Legal ? isLegal : aim == Aim::Illegal ? isIllegal : isFull);
            if (aim == Aim::Restart) {
                clickRestart();
                ++abandoned;
            } else if (aim == Aim::OffBoard) {
                click(offBoard(rng), Qt::MouseButton(Qt::LeftButton << between(rng, 0, 2)));
            } else if (!targets.empty()) {
                click(insideCell(rng, targets[static_cast<std::size_t>(between(rng, 0, int(targets.size()) - 1))]));
            } else {
                continue;
            }
            ++aims[aim];
            ASSERT_NO_FATAL_FAILURE(checkBetweenHandlers()) << "after a click aimed " << int(aim);
        }

        const auto messages = answerer.textsSince(firstMessage);
        personPasses += int(std::count(messages.begin(), messages.end(), PersonPassesText));
        computerPasses += int(std::count(messages.begin(), messages.end(), ComputerPassesText));
        if (!messages.empty() && messages.back() != PersonPassesText && messages.back() != ComputerPassesText) {
            ASSERT_EQ(messages.back(), resultText(answerer.answered.back().comLead));
            ++finished;
        }
        // Clicks on the board while no game runs change nothing.
        click(insideCell(rng, PriorityOrder[static_cast<std::size_t>(between(rng, 0, 15))]));
        ASSERT_NO_FATAL_FAILURE(checkBetweenHandlers());
    }
    EXPECT_GT(abandoned, 0);
    EXPECT_GT(personPasses, 0);
    EXPECT_GT(computerPasses, 0);
    for (Aim aim : {Aim::Legal, Aim::Illegal, Aim::Full, Aim::OffBoard, Aim::Restart}) EXPECT_GT(aims[aim], 0) << int(aim);
}

INSTANTIATE_TEST_SUITE_P(Seeds, Soak, ::testing::Values(20261208u, 4711u));
