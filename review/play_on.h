// 「ここから対局」: the player takes the side to move in the shown position and plays on against
// perfect play, each move judged by its exact value, the values on the screen hidden meanwhile.
// Stepping away leaves the game, which can be taken up again where it was left.
#pragma once

#include "review_line.h"

#include <QObject>
#include <QString>

#include <random>
#include <vector>

class ReviewModel;

class PlayOn : public QObject {
    Q_OBJECT

public:
    explicit PlayOn(ReviewModel& model, QObject* parent = nullptr);

    // Starts from the shown position, the player to move there; the game there must not be over.
    void start();
    // Leaves the game as it stands, to be resumed; every value shown again.
    void leave();
    // Back to the game that was left, where it was left.
    void resume();

    bool active() const { return playing; }
    bool resumable() const;
    Colour player() const { return side; }

    // The player's move: false, with nothing changed, when it is not the player's turn, the move is
    // not legal, or the position's values have not arrived yet.
    bool play(std::int32_t cell);
    // Takes back the player's last move and the answer to it.
    void takeBack();

    // What the game says now: the verdict on the player's move, the answer, whose turn, the result.
    QString text() const { return said; }

signals:
    void told(const QString& text);

private:
    void modelChanged();
    // Plays the program's best moves while it is its turn and their values are known.
    void answer();
    // The other side must pass, or the game is over, after a move: said after it.
    QString afterMove() const;
    void tell(const QString& text);

    ReviewModel& model;
    std::mt19937 random{std::random_device{}()};
    bool playing = false;
    bool answering = false;
    Colour side = BLACK;
    QString record;                      // the game played on from
    LinePosition from;                   // where the game began
    std::vector<std::size_t> turns;      // the variation's length before each of the player's moves
    QString pending;                     // said with the answer to the player's move
    // The game left, as the game's position and the moves played from it.
    bool left = false;
    std::int32_t keptIndex = 0;
    std::vector<std::int32_t> kept;
    QString said;
};
