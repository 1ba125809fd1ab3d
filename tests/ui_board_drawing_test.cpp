#include "board_drawing.h"
#include "window_fixture.h"

#include <QLabel>
#include <QPainter>

namespace {

const QColor Green(0, 128, 0);
const QColor Yellow(255, 255, 0);
const QColor Grey(128, 128, 128);
const QColor Black(0, 0, 0);
const QColor White(255, 255, 255);

// Top-left corner of the cell in row and column 1..4.
QPoint corner(int row, int column) { return {34 + 95 * (column - 1), 34 + 95 * (row - 1)}; }

// The middle column of the discs of a cell, from its corner, at a height below its top edge.
QColor discColumn(const QImage& image, int row, int column, int below)
{
    const QPoint at = corner(row, column) + QPoint(47, below);
    return image.pixelColor(at);
}

bool hasDarkPixel(const QImage& image, const QRect& area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y).lightness() < 100) return true;
    return false;
}

}  // namespace

TEST_F(WindowTest, BoardGridAndBand)
{
    const QImage shown = picture();
    EXPECT_EQ(shown.pixelColor(40, 40), Green) << "inside a1";
    EXPECT_EQ(shown.pixelColor(400, 400), Green) << "inside d4";
    for (int x : {34, 129, 224, 319, 414}) EXPECT_EQ(shown.pixelColor(x, 60), Black) << "vertical line " << x;
    for (int y : {34, 129, 224, 319, 414}) EXPECT_EQ(shown.pixelColor(60, y), Black) << "horizontal line " << y;
    EXPECT_EQ(shown.pixelColor(414, 413), Black) << "the lines end one pixel before their end point";
    EXPECT_EQ(shown.pixelColor(414, 414), Yellow);
    EXPECT_EQ(shown.pixelColor(33, 100), Yellow) << "left of the board";
    EXPECT_EQ(shown.pixelColor(415, 100), Yellow) << "right of the board";
    for (int y : {26, 30, 33}) EXPECT_EQ(shown.pixelColor(200, y), Yellow) << "band row " << y;
}

TEST_F(WindowTest, StartingPositionHasFourLowerDiscsAndNothingElse)
{
    const QImage shown = picture();
    // b2 and c3 white, c2 and b3 black: face, the rim bands below it, their grey outlines.
    for (auto [row, column, face, underside] :
         {std::tuple{2, 2, White, Black}, {3, 3, White, Black}, {2, 3, Black, White}, {3, 2, Black, White}}) {
        SCOPED_TRACE(testing::Message() << "row " << row << " column " << column);
        EXPECT_EQ(discColumn(shown, row, column, 1), Grey) << "top of the face";
        EXPECT_EQ(discColumn(shown, row, column, 40), face);
        EXPECT_EQ(discColumn(shown, row, column, 79), Grey) << "bottom of the face";
        EXPECT_EQ(discColumn(shown, row, column, 81), face) << "upper rim band";
        EXPECT_EQ(discColumn(shown, row, column, 83), Grey);
        EXPECT_EQ(discColumn(shown, row, column, 85), underside) << "lower rim band";
        EXPECT_EQ(discColumn(shown, row, column, 87), Grey) << "lowest pixel row of the disc";
        EXPECT_EQ(discColumn(shown, row, column, 88), Green);
        EXPECT_EQ(shown.pixelColor(corner(row, column) + QPoint(4, 40)), Grey) << "left edge of the face";
        EXPECT_EQ(shown.pixelColor(corner(row, column) + QPoint(3, 40)), Green);
        EXPECT_EQ(shown.pixelColor(corner(row, column) + QPoint(90, 40)), Grey) << "right edge of the face";
        EXPECT_EQ(shown.pixelColor(corner(row, column) + QPoint(91, 40)), Green);
    }
    // Empty cells show nothing but the board where a disc of either layer would be.
    for (int row = 1; row <= 4; ++row) {
        for (int column = 1; column <= 4; ++column) {
            if (row == 1 || row == 4 || column == 1 || column == 4) {
                for (int below : {1, 40, 85}) EXPECT_EQ(discColumn(shown, row, column, below), Green);
            }
        }
    }
    EXPECT_EQ(shown.pixelColor(corner(2, 2) + QPoint(47, 0)), Black) << "no upper disc covers the grid line";
}

TEST_F(WindowTest, UpperDiscSitsEightPixelsHigherOnTheLowerOne)
{
    State.Board[12] = {BLACK, WHITE};  // b2: white over black
    State.Board[7] = {WHITE, BLACK};   // b1: black over white, reaching into the band
    const QImage shown = picture();

    // Top to bottom along the middle of b2: the upper face, its two rim bands, then those of
    // the lower disc, each band outlined in grey.
    const std::vector<std::pair<int, QColor>> b2 = {
        {-8, Grey} /* the lowest row of b1's lower disc, touching */, {-7, Grey}, {30, White}, {71, Grey}, {73, White}, {75, Grey}, {77, Black},
        {79, Grey},  {81, Black}, {83, Grey}, {85, White}, {87, Grey}, {88, Green}};
    for (auto [below, colour] : b2) EXPECT_EQ(discColumn(shown, 2, 2, below), colour) << "b2 at " << below;
    EXPECT_EQ(discColumn(shown, 2, 2, 0), White) << "the upper disc covers the grid line above its cell";
    EXPECT_EQ(shown.pixelColor(corner(2, 2) + QPoint(0, 40)), Black) << "but never a vertical one";

    EXPECT_EQ(discColumn(shown, 1, 2, -7), Grey) << "row 27, in the band";
    EXPECT_EQ(discColumn(shown, 1, 2, -4), Black);
    EXPECT_EQ(discColumn(shown, 1, 2, -8), Yellow) << "nothing above the band";
    EXPECT_EQ(shown.pixelColor(corner(1, 2) + QPoint(47, 77)), White) << "the upper disc's underside";
}

TEST_F(WindowTest, OnlyDiscsOfThePlayingCellsAreDrawn)
{
    State.Board[6] = {WALL, EMPTY};   // a1
    State.Board[24] = {EMPTY, EMPTY}; // d4, and its neighbour on the border below
    State.Board[29] = {BLACK, BLACK};
    State.Board[19] = {EMPTY, BLACK}; // d3: an upper disc alone is drawn as one
    const QImage shown = picture();
    EXPECT_EQ(discColumn(shown, 1, 1, 40), Green);
    EXPECT_EQ(discColumn(shown, 4, 4, 40), Green);
    EXPECT_EQ(discColumn(shown, 3, 4, 30), Black);
    EXPECT_EQ(discColumn(shown, 3, 4, 85), Green) << "no lower disc under it";
}

TEST_F(WindowTest, LabelsStandAtTheirPointsOnYellow)
{
    const QImage shown = picture();
    for (int x : {78, 173, 268, 363}) {
        EXPECT_TRUE(hasDarkPixel(shown, QRect(x, 4, 12, 20))) << "letter at " << x;
        EXPECT_FALSE(hasDarkPixel(shown, QRect(x - 30, 4, 28, 20))) << "nothing left of " << x;
    }
    for (int y : {76, 171, 266, 361}) {
        EXPECT_TRUE(hasDarkPixel(shown, QRect(14, y, 12, 20))) << "digit at " << y;
        EXPECT_FALSE(hasDarkPixel(shown, QRect(0, y - 30, 33, 28))) << "nothing above " << y;
    }
}

TEST_F(WindowTest, FlipPicturesShowOnlyTheirBar)
{
    showWindow();
    const QPoint at = corner(2, 3);  // over the black lower disc of c2
    for (auto [flip, left, right] : {std::tuple{form->Image5, White, Black}, {form->Image6, Black, White}}) {
        SCOPED_TRACE(flip->objectName().toStdString());
        const QImage without = picture();
        flip->move(at);
        flip->show();
        const QImage with = picture();
        flip->hide();
        for (int y = 0; y < 95; ++y) {
            for (int x = 0; x < 95; ++x) {
                const QColor seen = with.pixelColor(at + QPoint(x, y));
                if (x < 42 || x > 51 || y < 4 || y > 87)
                    ASSERT_EQ(seen, without.pixelColor(at + QPoint(x, y))) << "the board shows through at " << x << "," << y;
                else if (x == 42 || x == 46 || x == 47 || x == 51 || y == 4 || y == 87)
                    ASSERT_EQ(seen, Grey) << x << "," << y;
                else
                    ASSERT_EQ(seen, x < 47 ? left : right) << x << "," << y;
            }
        }
    }
}

TEST_F(WindowTest, WipedCellsAreGreenCircles)
{
    QImage image = picture();
    const QImage before = image;
    {
        QPainter painter(&image);
        drawWipedCells(painter);
    }
    for (int row = 1; row <= 4; ++row) {
        for (int column = 1; column <= 4; ++column) {
            const QPoint c = corner(row, column);
            for (QPoint inside : {QPoint(47, 47), QPoint(4, 47), QPoint(90, 47), QPoint(47, 4), QPoint(47, 90)})
                EXPECT_EQ(image.pixelColor(c + inside), Green) << row << "," << column;
            for (QPoint outside : {QPoint(3, 47), QPoint(91, 47), QPoint(47, 3), QPoint(47, 91), QPoint(6, 6)})
                EXPECT_EQ(image.pixelColor(c + outside), before.pixelColor(c + outside)) << row << "," << column;
        }
    }
}

TEST_F(WindowTest, AfterTheWipeTheBoardOfTheGameStateIsShown)
{
    showWindow();
    const QImage before = picture();
    form->ALLMarukesi();
    EXPECT_EQ(picture(), before);
    State.Board[6] = {WHITE, EMPTY};
    form->ALLMarukesi();
    EXPECT_EQ(discColumn(picture(), 1, 1, 40), White);
}
