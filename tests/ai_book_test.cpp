#include "opening_book.h"
#include "state_fixture.h"

#include <algorithm>

using ::testing::HasSubstr;

namespace {

// The comment of the answers at move 3, in Shift-JIS.
constexpr std::string_view ComFirstLoses = "com\x90\xe6\x8e\xe8\x82\xc5"
                                           "com\x95\x89\x82\xaf\x82\xe9\x81\x42";  // com先手でcom負ける。

// The game so far: the cells of record as moves 1.., and the move after them to make.
void setRecord(std::string_view record)
{
    const auto moves = cells(record);
    std::ranges::copy(moves, State.MoveRecord + 1);
    State.Ply = static_cast<std::int32_t>(moves.size()) + 1;
}

std::int32_t lookUp(std::string_view record)
{
    setRecord(record);
    return bookLookup();
}

std::vector<std::int32_t> entryColumn(std::int32_t entry)
{
    std::vector<std::int32_t> column;
    for (const auto& row : State.BookTable) column.push_back(row[entry]);
    return column;
}

bool tableIsEmpty()
{
    return std::ranges::all_of(State.BookTable, [](const auto& row) {
        return std::ranges::all_of(row, [](std::int32_t value) { return value == 0; });
    });
}

}  // namespace

TEST_F(FreshState, MapsAreTriedInOrderEachOverTheWholeTable)
{
    // d3 d2 is b1 c1 under the mirror in d1-a4 and a2 a3 under the half turn, which comes first.
    ASSERT_EQ(parseBook("@03,b1c1,a1,&@03,a2a3,d4,&"), std::nullopt);
    EXPECT_EQ(lookUp("d3d2"), cellIndex("a1"));

    // A game held directly is answered directly, although a mirrored line comes first.
    ASSERT_EQ(parseBook("@03,a2a1,c4,&@03,b1a1,d1,&@03,b1a1,d2,&"), std::nullopt);
    EXPECT_EQ(lookUp("b1a1"), cellIndex("d1"));
}

TEST_F(FreshState, OnlyAnEntryOfTheSameMoveNumberMatches)
{
    ASSERT_EQ(parseBook("@05,a2a1c4d4,b1,&"), std::nullopt);
    EXPECT_EQ(lookUp("a2a1c4d4"), cellIndex("b1"));
    EXPECT_EQ(lookUp("a2a1c4"), 0);
    EXPECT_EQ(lookUp("a2a1c4d4b1"), 0);  // its first five rows are this record
}

TEST_F(FreshState, ValueAndCommentLeaveNoTraceInTheTable)
{
    ASSERT_EQ(parseBook(std::string("@03,a2a3,d4,+02&").append(ComFirstLoses)), std::nullopt);
    const auto withComment = entryColumn(0);
    ASSERT_EQ(parseBook("@03,a2a3,d4,&"), std::nullopt);
    EXPECT_EQ(entryColumn(0), withComment);
    EXPECT_EQ(withComment[0], 3);
    EXPECT_EQ(withComment[3], cellIndex("d4"));
    EXPECT_EQ(entryColumn(1), std::vector<std::int32_t>(BookRows, 0));
}

TEST_F(FreshState, ANewParseLeavesNothingOfTheLastOne)
{
    ASSERT_EQ(parseBook("@03,a2a1,c4,&@03,a2c1,d1,&"), std::nullopt);
    ASSERT_EQ(parseBook("@03,a2a1,c4,&"), std::nullopt);
    EXPECT_EQ(State.BookTable[0][1], 0);
    EXPECT_EQ(lookUp("a2c1"), 0);
}

TEST_F(FreshState, TheTableHoldsLinesUpToItsLimits)
{
    // A line answering at move 30 fills every row; one at move 2 has a single move.
    std::string longest = "@30,";
    for (std::int32_t k = 1; k < 30; ++k) longest += "a2";
    ASSERT_EQ(parseBook(longest + ",d4,&@02,a2,a1,&"), std::nullopt);
    EXPECT_EQ(State.BookTable[29][0], cellIndex("a2"));
    EXPECT_EQ(State.BookTable[30][0], cellIndex("d4"));
    EXPECT_EQ(State.BookTable[2][1], cellIndex("a1"));

    // 1001 lines fill entries 0..1000; a lone "@" as the last byte starts no line.
    std::string full;
    for (std::int32_t j = 0; j < BookLines; ++j) full += "@03,a2a1,c4,&";
    ASSERT_EQ(parseBook(full + "@"), std::nullopt);
    EXPECT_EQ(State.BookTable[0][BookLines - 1], 3);
    EXPECT_EQ(lookUp("c4d4"), cellIndex("a2"));
}

TEST_F(FreshState, ATextTheTableCannotHoldIsRefusedWithoutWritingOutsideIt)
{
    std::string tooMany;
    for (std::int32_t j = 0; j <= BookLines; ++j) tooMany += "@03,a2a1,c4,&";
    const std::pair<std::string, std::string> cases[] = {
        {"@01,,a1,&", "move number 1 outside"},
        {"@31,a2a1,c4,&", "move number 31 outside"},
        {"@00,a2a1,c4,&", "move number 0 outside"},
        {"@3,a2a1,c4,&", "no two-digit move number"},
        {"@03,a2a1,c4,&@0", "line 2 at byte 13: no two-digit"},
        {"@05,a2a1c4d4,b", "ends before the line's answer"},
        {"@03,a2e1,c4,&", "\"e1\" at offset 6 names no cell"},
        {"@03,a2a5,c4,&", "\"a5\" at offset 6"},
        {"@03,a2a1,c0,&", "\"c0\" at offset 9"},
        {"@03,a2@03,a2a1,c4,&", "\"@0\" at offset 6"},
        {tooMany, "line 1002 at byte 13013: more lines than the table's 1001"},
    };
    for (const auto& [text, fault] : cases) {
        SCOPED_TRACE(text.substr(0, 40));
        std::ranges::fill(State.NextCand, 7);  // the field behind the table
        ASSERT_EQ(parseBook("@03,a2a1,c4,&"), std::nullopt);
        const auto refused = parseBook(text);
        ASSERT_TRUE(refused.has_value());
        EXPECT_THAT(*refused, HasSubstr(fault));
        EXPECT_TRUE(tableIsEmpty());
        EXPECT_EQ(std::ranges::count(State.NextCand, 7), LastPlayingCell + 1);
        EXPECT_EQ(lookUp("a2a1"), 0);
    }
}
