// 「まちがいから学ぶ」: the drill that asks a player again, one by one, the moves of one side that
// gave away 3 top discs or more or changed the result, each from the position it was played in,
// with the values of that position and of the game after it hidden until it is answered.
#pragma once

#include "review_line.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <optional>
#include <vector>

class ReviewModel;

class MistakeDrill : public QObject {
    Q_OBJECT

public:
    explicit MistakeDrill(ReviewModel& model, QObject* parent = nullptr);

    // Starts on the game shown, for side, or for the side that gave away more; it begins once the
    // game is solved.
    void start(std::optional<Colour> side);
    // Leaves the drill where it is, every value shown again.
    void stop();

    bool active() const { return stage != Stage::Off; }
    // A question is open: its values are hidden and the game may not be stepped through.
    bool asking() const { return stage == Stage::Asking || stage == Stage::Punished; }
    // A question is answered: its values show, and Return goes to the next.
    bool answered() const { return stage == Stage::Answered; }
    // A question is answered, or a move that was no better is shown with its reply: Return goes on.
    bool waitsToGoOn() const { return answered() || stage == Stage::Punished; }
    bool finished() const { return stage == Stage::Summary; }

    // The numbers of the moves asked, and the side whose moves they are.
    const std::vector<std::int32_t>& questions() const { return asked; }
    Colour side() const { return sideAsked; }
    // The number of the move asked now, none when no question is open.
    std::optional<std::int32_t> question() const;

    // A move of the side asked, in the question's position: judged, and answered.
    void answer(std::int32_t cell);
    // The best value, the first time; the answer the second.
    void hint();
    void showAnswer();
    void skip();
    // On to the next question, or back to the question after a move that was no better.
    void goOn();
    // The drill again, for the same side or for the other.
    void again();
    void otherSide();

    // What the drill says now: the question, the verdict, the summary.
    QString text() const { return said; }

signals:
    // The drill has something new to say, or has ended.
    void told(const QString& text);

private:
    enum class Stage { Off, Waiting, Asking, Punished, Answered, Summary };
    enum class Outcome { Open, Found, Shown, Skipped };

    void modelChanged();
    // Begins once every position of the game is solved.
    void begin();
    void ask(std::size_t index);
    void punish();
    void summarise();
    void tell(const QString& text);
    const LinePosition& questionPosition() const;
    const std::vector<MoveValue>& questionValues() const;

    ReviewModel& model;
    QString record;  // the game drilled
    Stage stage = Stage::Off;
    std::optional<Colour> wanted;  // the side asked for, none for the one that gave away more
    Colour sideAsked = BLACK;
    std::vector<std::int32_t> asked;
    std::vector<Outcome> outcomes;
    std::size_t current = 0;
    std::int32_t hints = 0;
    std::int32_t wrongAnswer = 0;  // a move no better than the game's, shown with its reply
    QTimer backToQuestion;
    QString said;
};
