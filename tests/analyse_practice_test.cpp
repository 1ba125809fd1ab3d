// Which moves a drill asks again, how an answer is judged, and that the program's answers are
// always among the best and vary among them.
#include "practice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

// The values of a position: cell 1 best at 4, cell 2 at 4 too, cell 3 at 1, cell 4 at -1, cell 5
// at -3.
const std::vector<MoveValue> Values = {{1, 4}, {2, 4}, {3, 1}, {4, -1}, {5, -3}};
const std::vector<MoveValue> Drawn = {{6, 0}, {7, -1}};

}  // namespace

TEST(Practice, DrillAsksTheMovesThatGaveAwayThreeOrChangedTheResult)
{
    const std::vector<SolvedMove> game = {
        {BLACK, 2, Values},  // 1: best
        {WHITE, 5, Values},  // 2: gave away 7, white's
        {BLACK, 3, Values},  // 3: gave away 3, a win still
        {BLACK, 7, Drawn},   // 4: gave away 1, a draw to a loss
        {BLACK, 4, Values},  // 5: gave away 5, a win to a loss
        {WHITE, 3, Values},  // 6: gave away 3
    };
    EXPECT_EQ(drillQuestions(game, BLACK), (std::vector<std::int32_t>{3, 4, 5}));
    EXPECT_EQ(drillQuestions(game, WHITE), (std::vector<std::int32_t>{2, 6}));
    // White gave away 10 and black 9.
    EXPECT_EQ(drillSide(game), WHITE);
    EXPECT_EQ(drillSide(std::span(game).first(1)), BLACK);
    EXPECT_TRUE(drillQuestions(std::span(game).first(1), BLACK).empty());
}

TEST(Practice, AnAnswerIsRightWhenItsValueIsTheBest)
{
    for (const auto& [played, answer, judged] : {std::tuple{4, 1, Answer::Best}, {4, 2, Answer::Best}, {4, 3, Answer::Better},
                                                 {4, 4, Answer::NoBetter}, {4, 5, Answer::NoBetter}, {3, 2, Answer::Best}})
        EXPECT_EQ(judgeAnswer(Values, played, answer), judged) << played << " answered by " << answer;
}

// Over random solved positions the answer is always a best move, and every best move is chosen.
TEST(Practice, TheProgramAnswersWithEveryBestMoveAndNoOther)
{
    std::mt19937 random(28);
    for (int position = 0; position < 200; ++position) {
        std::vector<MoveValue> values;
        const int count = 1 + int(random() % 8);
        for (std::int32_t cell = 1; cell <= count; ++cell) values.push_back({cell, int(random() % 5) - 2});
        std::ranges::sort(values, std::greater{}, &MoveValue::value);
        std::set<std::int32_t> best, chosen;
        for (const MoveValue& move : values)
            if (move.value == values.front().value) best.insert(move.cell);
        for (int draw = 0; draw < 64; ++draw) chosen.insert(bestAnswer(values, random));
        EXPECT_EQ(chosen, best);
    }
}
