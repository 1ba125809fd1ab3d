// What the review window shows: a game and the variation tried from one of its positions, the
// exact values solved so far, and the texts that say them. It owns the game state, on the
// window's thread; the values are solved on a thread of their own and arrive as they are done.
#pragma once

#include "background_solver.h"
#include "record_reading.h"
#include "review_line.h"

#include <QObject>
#include <QString>

#include <mutex>
#include <optional>
#include <unordered_map>
#include <vector>

// "a1 10、c3 10": the best moves among values with their value.
QString bestMovesOf(const std::vector<MoveValue>& values);
// "+4", "0", "-4".
QString signedValue(std::int32_t value);

class ReviewModel : public QObject {
    Q_OBJECT

public:
    explicit ReviewModel(QObject* parent = nullptr);

    // Takes the record of a game, "a2a1c4…" or as readRecord reads it (record_reading.h), and
    // shows its start; record() holds it as the game writes it. Returns an empty text, or one line
    // that names the first bad move, what is wrong and what would do, in which case nothing changes.
    QString setRecord(const QString& text);
    // What setRecord would say of the record, without taking it.
    static QString recordFault(const QString& text);
    QString record() const { return recordText; }

    // The game's moves, and the position on its line that is shown, or that the variation left.
    std::int32_t moveCount() const { return static_cast<std::int32_t>(moves.size()); }
    std::int32_t gameIndex() const { return shownIndex; }
    const LinePosition& gamePosition(std::int32_t index) const { return line[index]; }
    std::int32_t gameMove(std::int32_t number) const { return moves[number - 1]; }

    // The variation's moves played from gameIndex(); empty on the game's line.
    const std::vector<std::int32_t>& variation() const { return variationMoves; }
    const LinePosition& shown() const;
    // The moves from the start to the shown position: the game's, then the variation's.
    std::vector<std::int32_t> shownMoves() const;

    // The solved values of a position, best first, as the window shows them: none until they
    // have arrived, and none while they are hidden.
    const std::vector<MoveValue>* valuesOf(const LinePosition& position) const;
    // The same, hidden or not: for a drill or a practice game to judge moves by.
    const std::vector<MoveValue>* solvedValues(const LinePosition& position) const;

    // Every value shown or hidden, as a player chooses.
    void showValues(bool shown);
    bool valuesShown() const { return !allHidden; }
    // Hides the values of the game's positions from index on and of every variation, while a
    // question about that position is open or a game is played on from it; none hides nothing.
    void hideValuesFrom(std::optional<std::int32_t> index);
    bool valuesHidden(const LinePosition& position) const;

    // For move number (1..moveCount()) of the game: its value and the best value there, for its
    // mover, and what it gave away; none until its position is solved.
    std::optional<std::int32_t> moveValue(std::int32_t number) const;
    std::optional<std::int32_t> bestValue(std::int32_t number) const;
    std::optional<std::int32_t> givenAway(std::int32_t number) const;
    // Black's final lead under perfect play from position index of the game, the lead itself
    // when the game is over there.
    std::optional<std::int32_t> blackLead(std::int32_t index) const;

    // The perfect continuation of the shown position as far as its values are known: at each
    // position the first of its best moves. It reaches the end of the game once every position on
    // it is solved, and then the result holds the final top discs.
    struct BestLine {
        std::vector<std::int32_t> moves;
        std::optional<TopDiscs> result;
    };
    BestLine bestLine() const;
    // "最善手順: a1 c1 b4 … d3、終局 黒3 白13、白の10石がちです" once the line reaches the end of the
    // game; empty where the game is over.
    QString bestLineText() const;

    // "a1 空き、10": the cell of the shown position, its discs and its value for the mover.
    QString cellText(std::int32_t cell) const;
    // Who is to move in the shown position, or the result there.
    QString statusText() const;

    // Moving through the game, which leaves a variation: to a position, a step (back within a
    // variation first), the start, the end.
    void goTo(std::int32_t index);
    void step(std::int32_t by);
    // Plays cell for the side to move in the shown position, as a variation; false, with nothing
    // changed, when it is not legal there.
    bool play(std::int32_t cell);
    // Back to the position of the game that the variation left.
    void backToGame();

signals:
    // The game, the shown position or the values known have changed.
    void changed();

private:
    // Takes, on the window's thread, the values the solving thread has left.
    Q_INVOKABLE void takeArrived();
    // The record read through the game's rules, the game state left as it was.
    static RecordReading read(const QString& text);
    void showChanged();
    // The best line's positions anew from the shown one, as far as their values reach.
    void followBestLine();
    void askForValues();

    QString recordText;
    std::vector<std::int32_t> moves;
    std::vector<LinePosition> line;
    std::int32_t shownIndex = 0;  // of the game position shown, or that the variation left
    std::vector<std::int32_t> variationMoves;
    std::vector<LinePosition> variationLine;  // after each variation move
    std::vector<std::int32_t> bestMoves;
    LinePosition bestLineEnd;  // the position the best line has reached
    std::unordered_map<Position, std::vector<MoveValue>> solved;
    std::mutex arrivedMutex;
    std::vector<std::pair<Position, std::vector<MoveValue>>> arrived;
    bool allHidden = false;
    std::optional<std::int32_t> hiddenFrom;
    BackgroundSolver solver;  // last, so that its thread has ended before the rest goes

    // ---- What a screen reader is told of a step: built from the public methods above alone ----
public:
    // "a2、-10、10 損": the move of cell from position before, with its value for its mover and
    // what it gave away ("、最善" when nothing); the cell alone until before is solved.
    QString moveValueText(const LinePosition& before, std::int32_t cell) const;
    // "最善 a1 10、c3 10": the shown position's best moves and their value; empty until it is
    // solved, and when the game is over there.
    QString bestMovesText() const;
    // The shown position as reached by the move of cell from before (at the start of the game,
    // before is null): "8手目 白 a2、-10、10 損。黒のばん。最善 a1 10、c3 10",
    // "開始。黒のばん。最善 …", the result where the game is over. What is not solved yet is left out.
    QString stepText(const LinePosition* before, std::int32_t cell) const;
};
