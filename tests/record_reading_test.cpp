// Reading a game record as people type it: the moves each text gives, or where and why it stops.
#include "record_reading.h"
#include "state_fixture.h"

#include <random>
#include <string>

namespace {

using RecordReadingTest = FreshState;

// A whole game in which white has no move at move 22 and black moves on.
const std::string BeforePass = "a2a3a4a3c2c1a4b4c4b4c3d2d3d4d1b1d1b2c1a1a1";
const std::string Game = BeforePass + "c4b3d4d3a2b1d2";

TEST_F(RecordReadingTest, TakesTheGamesRecordsAndWhatAnInputMethodTypes)
{
    const struct {
        std::string text;
        std::string moves;
    } cases[] = {
        {"", ""},
        {Game, Game},
        {"A2A1C4", "a2a1c4"},
        {"ａ２ａ１ｃ４", "a2a1c4"},
        {"Ａ２\u3000ａ１ Ｃ４", "a2a1c4"},
        {" a2, a1、c4・d4\r\n", "a2a1c4d4"},
        {"a2-a1－c4ーd4\u2013b1\tc1", "a2a1c4d4b1c1"},
        {"a2，a1､c4･d4", "a2a1c4d4"},
        {BeforePass + "pass", BeforePass},
        {BeforePass + " PS c4", BeforePass + "c4"},
        {BeforePass + "、パス、c4", BeforePass + "c4"},
        {BeforePass + "ﾊﾟｽc4", BeforePass + "c4"},
        {BeforePass + "--c4", BeforePass + "c4"},
        {BeforePass + "ーーc4", BeforePass + "c4"},
    };
    for (const auto& c : cases) {
        const RecordReading reading = readRecord(c.text);
        EXPECT_FALSE(reading.refusal) << c.text << ": move " << reading.refusal->ply << " " << reading.refusal->quote;
        EXPECT_EQ(writtenRecord(reading.moves), c.moves) << c.text;
        EXPECT_EQ(State.Ply, static_cast<std::int32_t>(reading.moves.size()) + 1) << c.text;
    }
}

TEST_F(RecordReadingTest, StopsAtTheFirstBadMoveAndQuotesItInWholeCharacters)
{
    using enum RecordFault;
    const struct {
        std::string text;
        std::int32_t ply;
        std::string quote;
        RecordFault fault;
    } cases[] = {
        {"a2a1c", 3, "c", HalfMove},
        {"a2 a 1", 2, "a", HalfMove},
        {"a2a1d9", 3, "d9", NotACell},
        {"ａ２Ｅ５", 2, "Ｅ５", NotACell},
        {"Memo1", 1, "Me", NotACell},  // what the game's record field shows before the first game
        {"a2b2", 2, "b2", NotPlayable},
        {std::string(10000, 'a'), 1, "aa", NotACell},
        {BeforePass + "a2", 22, "a2", NotPlayable},
        {"pass", 1, "pass", NeedlessPass},
        {"a2--a1", 2, "--", NeedlessPass},
        {BeforePass + "パスPs", 22, "Ps", NeedlessPass},
        {Game + "a1", 29, "a1", GameOver},
        {Game + " PASS", 29, "PASS", GameOver},
        {"a2あ", 2, "あ", UnknownCharacter},
        {"a2a😀", 2, "😀", UnknownCharacter},
        {"a2；", 2, "；", UnknownCharacter},
        {"a2\xef\xbd", 2, "\uFFFD", UnknownCharacter},      // a full-width form cut short
        {"a\xc3", 1, "\uFFFD", UnknownCharacter},           // so too a two-byte character
        {"a2\xc0\xaf", 2, "\uFFFD", UnknownCharacter},      // over-long
        {"\xed\xa0\x80", 1, "\uFFFD", UnknownCharacter},    // a surrogate
        {"\xf4\x90\x80\x80", 1, "\uFFFD", UnknownCharacter},  // above U+10FFFF
        {"a2\x1b[2J", 2, "\uFFFD", UnknownCharacter},       // no control character reaches a terminal
    };
    for (const auto& c : cases) {
        const RecordReading reading = readRecord(c.text);
        ASSERT_TRUE(reading.refusal) << c.text;
        const RecordRefusal& stop = *reading.refusal;
        EXPECT_EQ(stop.ply, c.ply) << c.text;
        EXPECT_EQ(stop.quote, c.quote) << c.text;
        EXPECT_EQ(stop.fault, c.fault) << c.text;
        EXPECT_EQ(static_cast<std::int32_t>(reading.moves.size()), c.ply - 1) << c.text;
        EXPECT_EQ(State.Ply, c.ply) << c.text << ": the state is left before the refused move";
    }
}

// What the messages name: the side to move, the side that passes, and where the mover may play.
TEST_F(RecordReadingTest, TellsWhoIsToMoveAndWhere)
{
    const struct {
        std::string text;
        Colour mover, due;
        std::string legal;
    } cases[] = {
        {"a2b2", WHITE, WHITE, "a1 c1 a3"},
        {"ps", BLACK, BLACK, "b1 c4 a2 d3"},
        {BeforePass + "a2", BLACK, WHITE, "d4 c4 d2 d3 b3"},
        {Game + "a1", EMPTY, WHITE, ""},
    };
    for (const auto& c : cases) {
        const RecordRefusal stop = *readRecord(c.text).refusal;
        EXPECT_EQ(stop.mover, c.mover) << c.text;
        EXPECT_EQ(stop.due, c.due) << c.text;
        EXPECT_EQ(writtenRecord(stop.legal, " "), c.legal) << c.text;
    }
}

// Random games written in every way the reading takes, each pass where one is needed, give back
// the moves played.
TEST_F(RecordReadingTest, ReadsBackRandomGamesHoweverTheyAreWritten)
{
    const std::string_view forms[][4] = {{"a", "A", "ａ", "Ａ"}, {"1", "1", "１", "１"}};
    const std::string_view separators[] = {"", " ", ",", "、", "・", "-", "\u3000", "，"};
    const std::string_view passes[] = {"pass", "PS", "パス", "--"};
    std::mt19937 random(20261209);
    const auto any = [&random](const auto& choices) { return choices[random() % std::size(choices)]; };
    int passesWritten = 0;
    for (int game = 0; game < 200; ++game) {
        startGame(WHITE);
        std::vector<std::int32_t> played;
        std::string text;
        for (Colour mover = sideToMove(); mover != EMPTY; mover = sideToMove()) {
            if (mover != colourDue()) {
                text.append(any(passes)).append(any(separators));
                ++passesWritten;
            }
            const std::vector<std::int32_t> legal = legalCells(mover);
            const std::int32_t cell = legal[random() % legal.size()];
            // Each form's last byte counts up with the letter or digit, as in ASCII.
            const std::string name = cellName(cell);
            text.append(any(forms[0])).back() += static_cast<char>(name[0] - 'a');
            text.append(any(forms[1])).back() += static_cast<char>(name[1] - '1');
            text.append(any(separators));
            played.push_back(cell);
            playRecordedMove(cell);
        }
        const RecordReading reading = readRecord(text);
        EXPECT_FALSE(reading.refusal) << text;
        EXPECT_EQ(reading.moves, played) << text;
    }
    EXPECT_GT(passesWritten, 20);
}

}  // namespace
