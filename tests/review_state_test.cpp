// The review leaves the game state as it finds it, whatever it reads, shows and plays, and names
// the cells of the position it shows, not those of the game state.
#include "review_model.h"

#include <QTest>

#include <gtest/gtest.h>

#include <cstring>

TEST(ReviewState, IsLeftAsFoundAndTheShownPositionIsNamed)
{
    State = GameState{};
    startUpSetUp();
    startGame(BLACK);
    ASSERT_TRUE(playMoveAndGoOn(BLACK, cellIndex("a2")));
    const GameState before = State;
    {
        ReviewModel model;
        EXPECT_EQ(model.setRecord(QStringLiteral("d3d4b3")), QString());
        EXPECT_NE(ReviewModel::recordFault(QStringLiteral("d3d4b3b3")), QString());
        model.goTo(3);
        ASSERT_TRUE(model.play(model.shown().legal.front()));
        ASSERT_TRUE(QTest::qWaitFor([&] { return model.bestLine().result.has_value(); }, 120'000));
        model.backToGame();
        for (const auto& [cell, text] : {std::pair{"d3", "d3 黒"}, {"d4", "d4 白"}, {"a1", "a1 空き"}, {"a2", "a2 空き"}})
            EXPECT_TRUE(model.cellText(cellIndex(cell)).startsWith(QString::fromUtf8(text))) << model.cellText(cellIndex(cell)).toStdString();
    }
    EXPECT_EQ(std::memcmp(State.Board, before.Board, sizeof State.Board), 0);
    EXPECT_EQ(std::memcmp(State.MoveRecord, before.MoveRecord, sizeof State.MoveRecord), 0);
    EXPECT_EQ(std::memcmp(State.Candidates, before.Candidates, sizeof State.Candidates), 0);
    EXPECT_EQ(State.Ply, before.Ply);
    EXPECT_EQ(State.HumanColour, BLACK);
}
