// The built-in book: its size, its groups and telling lines, and the games its lines describe.
#include "opening_book.h"
#include "search.h"
#include "state_fixture.h"

#include <map>
#include <set>

namespace {

constexpr std::int32_t A2 = 11;

struct Entry {
    std::int32_t nn;
    std::vector<std::int32_t> moves;  // moves 1..nn - 1
    std::int32_t answer;
    bool operator<(const Entry& other) const { return std::tie(nn, moves) < std::tie(other.nn, other.moves); }
};

// The table's entries, read back from it.
std::vector<Entry> entries()
{
    std::vector<Entry> all;
    for (std::size_t j = 0; j < BuiltInLineCount; ++j) {
        Entry e{State.BookTable[0][j], {}, 0};
        for (std::int32_t k = 1; k < e.nn; ++k) e.moves.push_back(State.BookTable[k][j]);
        e.answer = State.BookTable[e.nn][j];
        all.push_back(e);
    }
    return all;
}

class BuiltInBook : public FreshState {
protected:
    void SetUp() override
    {
        FreshState::SetUp();
        ASSERT_EQ(loadOpeningBook(), std::nullopt);
        book = entries();
        lines.insert(book.begin(), book.end());
    }

    bool holds(std::int32_t nn, const std::vector<std::int32_t>& moves) const { return lines.contains({nn, moves, 0}); }

    // Replays the moves with the person playing white; the colour to move next, or EMPTY.
    static Colour afterMoves(const std::vector<std::int32_t>& moves)
    {
        return replayRecord(moves, WHITE) ? sideToMove() : EMPTY;
    }

    // Replays the moves of e with the computer playing the side that is then to move.
    static void replayForTheComputer(const Entry& e)
    {
        const Colour com = afterMoves(e.moves);
        ASSERT_NE(com, EMPTY);
        ASSERT_TRUE(replayRecord(e.moves, opponentOf(com)));
    }

    std::vector<Entry> book;
    std::set<Entry> lines;
};

std::int32_t lookUp(const std::vector<std::int32_t>& moves)
{
    std::ranges::copy(moves, State.MoveRecord + 1);
    State.Ply = static_cast<std::int32_t>(moves.size()) + 1;
    return bookLookup();
}

}  // namespace

TEST_F(BuiltInBook, HasItsLinesItsBytesAndItsGroups)
{
    EXPECT_EQ(State.BookText.size(), 21081u);
    for (std::size_t j = 0; j < BuiltInLineCount; ++j) {
        ASSERT_EQ(BookTextLines[j].find('@', 1), std::string_view::npos) << "line " << j;
        ASSERT_EQ(BookTextLines[j].front(), '@') << "line " << j;
    }
    EXPECT_EQ(State.BookTable[0][BuiltInLineCount], 0);

    std::map<std::int32_t, std::int32_t> perMoveNumber;
    for (const Entry& e : book) ++perMoveNumber[e.nn];
    const std::map<std::int32_t, std::int32_t> counts = {
        {3, 3}, {4, 13}, {5, 13}, {6, 69}, {7, 76}, {8, 324}, {9, 397},
    };
    EXPECT_EQ(perMoveNumber, counts);

    struct Group {
        std::size_t first, last;
        std::int32_t nn;
    };
    for (const Group& g : {Group{16, 28, 5}, {29, 99, 7}, {100, 475, 9}, {476, 544, 6}, {545, 549, 7}, {550, 873, 8},
                           {874, 894, 9}})
        for (std::size_t j = g.first; j <= g.last; ++j) EXPECT_EQ(book[j].nn, g.nn) << "entry " << j;
}

TEST_F(BuiltInBook, TellingLinesStandAtTheirEntries)
{
    // com後手でcom勝つ。 and com先手でcom負ける。 in Shift-JIS
    const std::string secondWins = "com\x8c\xe3\x8e\xe8\x82\xc5"
                                   "com\x8f\x9f\x82\xc2\x81\x42";
    const std::string firstLoses = "com\x90\xe6\x8e\xe8\x82\xc5"
                                   "com\x95\x89\x82\xaf\x82\xe9\x81\x42";
    const std::map<std::size_t, std::string> telling = {
        {0, "@04,a2a3a4,a1,+10&" + secondWins},
        {4, "@03,a2a3,d4,+02&" + firstLoses},
        {6, "@04,a2a1a2,a1,+12&" + secondWins},
        {10, "@03,a2a1,c4,+10&" + firstLoses},
        {15, "@03,a2c1,d1,+06&" + firstLoses},
        {16, "@05,a2a1c4d4,b1,&"},
        {29, "@07,a2a1c4d4b1a1,a2,&"},
        {100, "@09,a2a1c4d4b1a1a2c1,d4,&"},
        {476, "@06,a2a1b1a1b1,c1,&"},
        {545, "@07,a2a1c4d4c2b4,d4,&"},
        {550, "@08,a2a1b1a1b1c1d1,c1,&"},
        {894, "@09,a2a3c4c1c2a1c4d2,d1,&"},
    };
    for (const auto& [entry, line] : telling) EXPECT_EQ(BookTextLines[entry], line) << "entry " << entry;

    // Only the answers at moves 3 and 4 carry a value and what it means; the rest end at once.
    for (std::size_t j = 0; j < BuiltInLineCount; ++j) {
        const std::string_view line = BookTextLines[j];
        const auto nn = static_cast<std::size_t>(book[j].nn);
        const std::string_view tail = line.substr(2 * nn + 6);  // after the "," behind the answer
        if (j < 16) {
            EXPECT_THAT(std::string(tail.substr(0, 4)), ::testing::MatchesRegex("\\+(02|06|08|10|12)&")) << j;
            EXPECT_EQ(tail.substr(4), nn == 3 ? firstLoses : secondWins) << "entry " << j;
        } else {
            EXPECT_EQ(tail, "&") << "entry " << j;
        }
    }
}

TEST_F(BuiltInBook, EveryLineIsAGameFromA2WithALegalAnswerOfTheComputer)
{
    std::size_t whiteAfterAPass = 0;
    for (std::size_t j = 0; j < BuiltInLineCount; ++j) {
        const Entry& e = book[j];
        ASSERT_EQ(e.moves.front(), A2) << "entry " << j;
        const Colour mover = afterMoves(e.moves);
        ASSERT_NE(mover, EMPTY) << "entry " << j << ": its moves are no game";
        EXPECT_TRUE(Sokouteruka(mover, e.answer)) << "entry " << j;
        if (e.nn % 2 == 0) {
            EXPECT_EQ(mover, WHITE) << "entry " << j;
        }
        if (e.nn % 2 == 1 && mover == WHITE) {
            ++whiteAfterAPass;
            EXPECT_TRUE((j >= 545 && j <= 549) || j >= 874) << "entry " << j;
        }
    }
    EXPECT_EQ(whiteAfterAPass, 26u);
}

TEST_F(BuiltInBook, NoLineRepeatsAnotherOrAnImageOfAnother)
{
    EXPECT_EQ(lines.size(), BuiltInLineCount);
    for (const Entry& e : book)
        for (std::size_t map = 1; map < MapCount; ++map) {
            std::vector<std::int32_t> image;
            for (std::int32_t cell : e.moves) image.push_back(mappedCell(map, cell));
            EXPECT_FALSE(holds(e.nn, image));
        }
}

TEST_F(BuiltInBook, EveryLineIsFoundUnderEachMap)
{
    for (const Entry& e : book)
        for (std::size_t map = 0; map < MapCount; ++map) {
            std::vector<std::int32_t> image;
            for (std::int32_t cell : e.moves) image.push_back(mappedCell(map, cell));
            ASSERT_EQ(lookUp(image), mappedCell(map, e.answer)) << "map " << map;
        }
}

TEST_F(BuiltInBook, EachMapFindsTheGamesOfItsFirstMove)
{
    EXPECT_EQ(lookUp(cells("a2a3")), cellIndex("d4"));    // identity, entry 4
    EXPECT_EQ(lookUp(cells("b1a1")), cellIndex("d3"));    // mirror in a1-d4, entry 10
    EXPECT_EQ(lookUp(cells("d3d2")), cellIndex("a1"));    // half turn, entry 4
    EXPECT_EQ(lookUp(cells("c4d2")), cellIndex("d1"));    // mirror in d1-a4, which keeps d1: entry 15
    EXPECT_EQ(lookUp(cells("a2a1a2")), cellIndex("a1"));  // the same cell twice, entry 6
}

TEST_F(BuiltInBook, AnswersNothingAtMovesOneAndTwoNorFromMoveTenOn)
{
    EXPECT_EQ(lookUp({}), 0);
    for (std::string_view first : {"a2", "b1", "c4", "d3"}) EXPECT_EQ(lookUp(cells(first)), 0);
    for (const Entry& e : book) {
        if (e.nn != 9) continue;
        std::vector<std::int32_t> game = e.moves;
        game.push_back(e.answer);
        EXPECT_EQ(lookUp(game), 0);
    }
}

TEST_F(BuiltInBook, EveryReplyToAnAnswerIsAnsweredAgain)
{
    // The first answers: every reply to the computer's a2, every game of three moves after a2.
    for (const std::string_view reply : {"a2a1", "a2c1", "a2a3"}) {
        EXPECT_TRUE(holds(3, cells(reply)));
        afterMoves(cells(reply));
        for (std::int32_t third : legalCells(BLACK)) {
            auto game = cells(reply);
            game.push_back(third);
            EXPECT_TRUE(holds(4, game));
        }
    }

    // After an answer at moves 3 to 7, every reply of the person two moves later, or, when the
    // person must pass, the computer's next move.
    for (const Entry& e : book) {
        if (e.nn > 7) continue;
        std::vector<std::int32_t> played = e.moves;
        played.push_back(e.answer);
        const Colour com = afterMoves(e.moves);
        const Colour next = afterMoves(played);
        if (next == com) {
            EXPECT_TRUE(holds(e.nn + 1, played)) << "the person passes after move " << e.nn;
            continue;
        }
        for (std::int32_t reply : legalCells(opponentOf(com))) {
            std::vector<std::int32_t> game = played;
            game.push_back(reply);
            if (afterMoves(game) == com) {
                EXPECT_TRUE(holds(e.nn + 2, game)) << "a reply at move " << e.nn + 1;
            }
        }
    }
}

TEST_F(BuiltInBook, SampledAnswersAtMovesEightAndNineAreTheStrongChoice)
{
    // BOOK_SAMPLE_STRIDE is larger under the sanitizers, where the search is many times slower.
    std::size_t sampled = 0;
    for (std::size_t j = 100; j < BuiltInLineCount; j += BOOK_SAMPLE_STRIDE) {
        if (book[j].nn < 8) continue;
        replayForTheComputer(book[j]);
        EXPECT_EQ(strongChoice().cell, book[j].answer) << "entry " << j;
        ++sampled;
    }
    EXPECT_GT(sampled, 0u);
}
