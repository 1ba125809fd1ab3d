// The practice in the review window, held to the analysis: the drill asks exactly the moves that
// gave away 3 or more or changed the result, shows nothing of a question's values while it is
// open, takes every best move and answers a worse one with the reply that punishes it; a game
// played on against the program meets only best moves and ends as the values said; the keys that
// hide the values, play the best move and find what was given away.
#include "game_words.h"
#include "mistake_drill.h"
#include "practice_bar.h"
#include "review_board.h"
#include "review_window_fixture.h"

#include <QLabel>
#include <QRegularExpression>
#include <QTableWidget>

#include <random>
#include <ranges>

namespace {

// A value as a text shows it: "a1 空き、10", "最善 a1 10", "3 損", "評価 -4", "+4"; what an answer
// gave away, "3 損です", is the answer's.
const QRegularExpression ValueText(QStringLiteral("[a-d][1-4][^。]*、-?\\d|最善 [a-d][1-4] -?\\d|\\d+ 損(?!です)|評価 -?\\d|[+-]\\d"));

// Every text the window's parts give a screen reader, the move list's and the notifications' aside:
// what those were told is checked as it is told.
void collectTexts(QAccessibleInterface* part, QWidget* list, QStringList& texts)
{
    if (part->object() == list || part->role() == QAccessible::Notification) return;
    for (const auto kind : {QAccessible::Name, QAccessible::Description, QAccessible::Value}) texts << part->text(kind);
    for (int i = 0; i < part->childCount(); ++i) collectTexts(part->child(i), list, texts);
}

bool hasGold(const QImage& picture)
{
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixelColor(x, y) == QColor(255, 200, 0)) return true;
    return false;
}

int outcome(std::int32_t value) { return (value > 0) - (value < 0); }

class ReviewPracticeTest : public ReviewWindowTest {
protected:
    // Nothing of the values of question's position or of the game after it can be seen or heard.
    void expectQuestionHidden(std::int32_t question)
    {
        SCOPED_TRACE(question);
        EXPECT_EQ(model().valuesOf(model().shown()), nullptr);
        EXPECT_FALSE(hasGold(window->board().grab().toImage()));
        for (std::int32_t index = question - 1; index <= model().moveCount(); ++index) EXPECT_FALSE(model().blackLead(index));
        QTableWidget& list = window->moveList();
        for (int row = question; row < list.rowCount(); ++row)
            for (int column = row > question ? 1 : 3; column < list.columnCount(); ++column)
                EXPECT_EQ(list.item(row, column)->text(), QString()) << row << ", " << column;
        QStringList texts = newlyTold();
        collectTexts(QAccessible::queryAccessibleInterface(window.get()), &list, texts);
        for (const QString& text : texts) EXPECT_FALSE(ValueText.match(text).hasMatch()) << text.toStdString();
    }

    // Moves the board's cursor to cell and plays it by Return.
    void playByKeys(std::int32_t cell)
    {
        ReviewBoard& board = window->board();
        for (std::size_t i = 0; i < model().shown().legal.size() && board.cursorCell() != cell; ++i) press(&board, Qt::Key_Down);
        ASSERT_EQ(board.cursorCell(), cell);
        press(&board, Qt::Key_Return);
    }
};

TEST_F(ReviewPracticeTest, DrillAsksWhatGaveAwayHidesItsValuesAndTakesEveryBestMove)
{
    const std::vector<ReviewedMove> expected = analysedMoves(Game);
    ASSERT_TRUE(window->takeRecord(gameRecord()));
    ASSERT_TRUE(QTest::qWaitFor([this] { return gameSolved(); }, 120'000));
    MistakeDrill& drill = window->practice().drill();

    // 1. The questions of each side, as the analysis's values single them out; by default the
    // side that gave away more.
    std::map<Colour, std::vector<std::int32_t>> questions;
    std::map<Colour, std::int32_t> givenAway;
    for (std::int32_t number = 1; number <= model().moveCount(); ++number) {
        const auto [value, best] = expected[number - 1];
        const Colour mover = model().gamePosition(number - 1).mover;
        givenAway[mover] += best - value;
        if (best - value >= 3 || outcome(best) != outcome(value)) questions[mover].push_back(number);
    }
    for (const Colour side : {BLACK, WHITE}) {
        drill.start(side);
        EXPECT_EQ(drill.questions(), questions[side]) << int(side);
    }
    ASSERT_GT(questions[BLACK].size() + questions[WHITE].size(), 3u);
    drill.start(std::nullopt);
    const Colour side = givenAway[BLACK] >= givenAway[WHITE] ? BLACK : WHITE;
    ASSERT_EQ(drill.side(), side);

    // 2. Every best move of every question is right, its values shown once it is.
    const std::vector<std::int32_t>& asked = questions[side];
    for (std::size_t index = 0; index < asked.size(); ++index) {
        const std::string_view before = Game.substr(0, 2 * (asked[index] - 1));
        for (const auto& [cell, value] : analysedValues(before)) {
            if (value != expected[asked[index] - 1].best) continue;
            drill.start(side);
            for (std::size_t skipped = 0; skipped < index; ++skipped) drill.skip();
            drill.answer(cell);
            EXPECT_TRUE(drill.answered()) << asked[index] << " " << cellName(cell);
            EXPECT_NE(model().valuesOf(model().gamePosition(asked[index] - 1)), nullptr);
        }
    }

    // 3. By keys from the start: each question, with nothing of its values to see or hear; the
    // game's own move, punished by the best reply and taken back; then a best move, and Return.
    drill.start(side);
    newlyTold();
    window->board().setFocus();
    for (const std::int32_t question : asked) {
        SCOPED_TRACE(question);
        ASSERT_EQ(drill.question(), question);
        EXPECT_EQ(model().gameIndex(), question - 1);
        expectQuestionHidden(question);
        press(&window->board(), Qt::Key_Right);
        EXPECT_EQ(model().gameIndex(), question - 1);

        const std::string_view before = Game.substr(0, 2 * (question - 1));
        const std::int32_t played = cellIndex(std::string(Game.substr(2 * (question - 1), 2)).c_str());
        playByKeys(played);
        std::vector<std::int32_t> answered = model().shownMoves();
        answered.resize(question);
        const LinePosition after = positionAfter(answered);
        if (after.mover != EMPTY && after.mover != side) {
            ASSERT_TRUE(QTest::qWaitFor([this] { return model().variation().size() == 2; }, 120'000));
            const auto replies = analysedValues(std::string(before) + cellName(played));
            EXPECT_EQ(replies.at(model().variation()[1]), std::ranges::max(replies | std::views::values));
        }
        EXPECT_TRUE(drill.text().contains(QStringLiteral("%1 損です").arg(expected[question - 1].best - expected[question - 1].value)))
            << drill.text().toStdString();
        expectQuestionHidden(question);
        press(&window->board(), Qt::Key_Return);
        EXPECT_TRUE(model().variation().empty());
        EXPECT_EQ(drill.question(), question);

        const auto values = analysedValues(before);
        const auto best = std::ranges::find(values, expected[question - 1].best, [](const auto& move) { return move.second; });
        playByKeys(best->first);
        EXPECT_TRUE(newlyTold().join(u' ').contains(QStringLiteral("正解です")));
        press(&window->board(), Qt::Key_Return);
    }
    EXPECT_TRUE(drill.finished());
    EXPECT_TRUE(drill.text().startsWith(QStringLiteral("%1問中 %1問 正解。").arg(asked.size()))) << drill.text().toStdString();
}

// Twenty positions or more from random openings, each played on to the end by moves chosen at
// random, 200 of them or more, one in each game taken back by ←: every answer of the program is a best move as a solver of its own finds
// it, each move is judged by its value, and the result is the start's value less what the player
// gave away.
TEST_F(ReviewPracticeTest, PlayOnAnswersWithBestMovesAndEndsAsTheValuesSay)
{
    ExactSolver solver;
    const auto valuesAfter = [&solver](std::span<const std::int32_t> moves) { return solver.moveValues(positionAfter(moves).position); };
    std::mt19937 random(20261209);
    PlayOn& game = window->practice().playOn();
    window->board().setFocus();
    int playerMoves = 0;
    for (int opening = 0; opening < 20 || playerMoves < 200; ++opening) {
        SCOPED_TRACE(opening);
        std::vector<std::int32_t> moves;
        for (int length = 1 + int(random() % 6); std::ssize(moves) < length;) {
            const LinePosition reached = positionAfter(moves);
            moves.push_back(reached.legal[random() % reached.legal.size()]);
        }
        QString record;
        for (const std::int32_t cell : moves) record += QString::fromStdString(cellName(cell));
        ASSERT_TRUE(window->takeRecord(record));
        model().goTo(model().moveCount());
        const Colour player = model().shown().mover;
        const std::int32_t startValue = valuesAfter(moves).front().value;
        game.start();

        std::int32_t givenAway = 0, lastAway = 0;
        QString verdict = QStringLiteral("ここから対局");
        std::size_t checked = moves.size();
        for (int turn = 0;; ++turn) {
            ASSERT_TRUE(QTest::qWaitFor(
                [&] { return !game.active() || (model().shown().mover == player && model().solvedValues(model().shown()) != nullptr); },
                120'000));
            // The move is judged once the answer to it is played.
            EXPECT_TRUE(game.text().startsWith(verdict)) << game.text().toStdString();
            const std::vector<std::int32_t> line = model().shownMoves();
            for (; checked < line.size(); ++checked) {
                const std::span<const std::int32_t> before(line.data(), checked);
                if (positionAfter(before).mover == player) continue;
                const auto values = valuesAfter(before);
                EXPECT_EQ(valueOf(values, line[checked]), values.front().value) << "answer " << cellName(line[checked]);
            }
            if (!game.active()) break;
            if (turn == 3) {
                // ← takes back the last move and the answer to it.
                press(&window->board(), Qt::Key_Left);
                EXPECT_LT(model().shownMoves().size(), line.size());
                EXPECT_EQ(model().shown().mover, player);
                givenAway -= lastAway;
                --playerMoves;
                checked = model().shownMoves().size();
                verdict = QStringLiteral("1手もどしました");
                continue;
            }
            const auto values = valuesAfter(line);
            const std::int32_t cell = values[random() % values.size()].cell;
            lastAway = values.front().value - valueOf(values, cell);
            givenAway += lastAway;
            ASSERT_TRUE(game.play(cell));
            ++playerMoves;
            verdict = QStringLiteral("%1 %2、評価 %3、").arg(colourName(player), QString::fromStdString(cellName(cell))).arg(valueOf(values, cell));
        }
        const std::int32_t lead = (player == BLACK ? 1 : -1) * model().shown().discs.blackLead();
        EXPECT_EQ(lead, startValue - givenAway);
        EXPECT_TRUE(game.text().contains(QStringLiteral("はじめの局面の最善 %1%2").arg(startValue > 0 ? "+" : "").arg(startValue)))
            << game.text().toStdString();
    }
}

// N and Shift+N go through the moves that gave away, as the analysis finds them; L hides every
// value and shows them again; Space plays the best move, but not while a question is open, which
// Esc or another game ends.
TEST_F(ReviewPracticeTest, KeysFindWhatWasGivenAwayHideTheValuesAndPlayTheBest)
{
    const std::vector<ReviewedMove> expected = analysedMoves(Game);
    ASSERT_TRUE(window->takeRecord(gameRecord()));
    ASSERT_TRUE(QTest::qWaitFor([this] { return gameSolved(); }, 120'000));
    QWidget* board = &window->board();
    board->setFocus();

    std::vector<std::int32_t> gaveAway, visited;
    for (std::int32_t number = 1; number <= model().moveCount(); ++number)
        if (expected[number - 1].best != expected[number - 1].value) gaveAway.push_back(number);
    for (std::size_t i = 0; i <= gaveAway.size(); ++i) {
        press(board, Qt::Key_N);
        visited.push_back(model().gameIndex());
    }
    std::vector<std::int32_t> forth = gaveAway;
    forth.push_back(gaveAway.back());
    EXPECT_EQ(visited, forth);
    visited.clear();
    for (std::size_t i = 1; i < gaveAway.size(); ++i) {
        press(board, Qt::Key_N, Qt::ShiftModifier);
        visited.push_back(model().gameIndex());
    }
    EXPECT_EQ(visited, std::vector(gaveAway.rbegin() + 1, gaveAway.rend()));

    model().goTo(5);
    press(board, Qt::Key_L);
    EXPECT_EQ(model().valuesOf(model().shown()), nullptr);
    EXPECT_FALSE(hasGold(window->board().grab().toImage()));
    for (std::int32_t index = 0; index <= model().moveCount(); ++index) EXPECT_FALSE(model().blackLead(index));
    for (int row = 1; row < window->moveList().rowCount(); ++row) EXPECT_EQ(window->moveList().item(row, 3)->text(), QString());
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("bestLine"))->text(), QString());
    press(board, Qt::Key_L);
    EXPECT_TRUE(hasGold(window->board().grab().toImage()));

    press(board, Qt::Key_Space);
    ASSERT_EQ(model().variation().size(), 1u);
    EXPECT_EQ(analysedValues(Game.substr(0, 10)).at(model().variation()[0]), expected[5].best);

    press(board, Qt::Key_M);
    ASSERT_TRUE(window->practice().drill().asking());
    const std::vector<std::int32_t> asked = model().shownMoves();
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_B, Qt::Key_N, Qt::Key_Right, Qt::Key_End}) press(board, key);
    EXPECT_EQ(model().shownMoves(), asked);
    press(board, Qt::Key_Escape);
    EXPECT_FALSE(window->practice().drill().active());
    EXPECT_NE(model().valuesOf(model().shown()), nullptr);

    // Another game ends the drill.
    press(board, Qt::Key_M);
    ASSERT_TRUE(window->practice().drill().asking());
    ASSERT_TRUE(window->takeRecord(QStringLiteral("d3d4")));
    EXPECT_FALSE(window->practice().drill().active());
    EXPECT_FALSE(model().valuesHidden(model().shown()));
}

}  // namespace
