// The review names the cells of the position it shows, whatever the game state holds by then: a
// record checked without being taken replays in the game state.
#include "review_model.h"

#include <gtest/gtest.h>

TEST(ReviewCellText, NamesTheDiscsOfTheShownPositionNotOfTheGameState)
{
    State = GameState{};
    startUpSetUp();
    ReviewModel model;
    ASSERT_EQ(model.setRecord(QStringLiteral("d3d4b3")), QString());
    model.goTo(3);
    ASSERT_EQ(ReviewModel::recordFault(QString()), QString());  // the game state back at the start

    EXPECT_TRUE(model.cellText(cellIndex("d3")).startsWith(QStringLiteral("d3 黒"))) << model.cellText(cellIndex("d3")).toStdString();
    EXPECT_TRUE(model.cellText(cellIndex("d4")).startsWith(QStringLiteral("d4 白"))) << model.cellText(cellIndex("d4")).toStdString();
    EXPECT_TRUE(model.cellText(cellIndex("a1")).startsWith(QStringLiteral("a1 空き"))) << model.cellText(cellIndex("a1")).toStdString();
}
