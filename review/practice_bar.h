// The practice under the board and the list: the buttons that start 「まちがいから学ぶ」 and
// 「ここから対局」 and those of the question open, each with a key of its own, and what the drill
// or the game played on says. Cells chosen on the board and steps through the game come here
// first, as a drill's answer or a player's move, or to leave the practice.
#pragma once

#include "mistake_drill.h"
#include "play_on.h"

#include <QWidget>

#include <functional>

class QComboBox;
class QLabel;
class QPushButton;
class QShortcut;

class PracticeBar : public QWidget {
    Q_OBJECT

public:
    explicit PracticeBar(ReviewModel& model, QWidget* parent = nullptr);

    MistakeDrill& drill() { return *mistakes; }
    PlayOn& playOn() { return *game; }
    // A drill or a game played on is under way, and says itself what happens.
    bool practising() const { return mistakes->active() || game->active(); }

    // A cell chosen on the board: true when it went to the drill or the game played on.
    bool choose(std::int32_t cell);
    // Before a step through the game: false while a question is open, which keeps the position;
    // else the drill or the game played on is left.
    bool leaveForStep();
    // Escape: leaves the drill or the game played on; false when there was none.
    bool leave();

    // The bar's controls in the order Tab visits them.
    QList<QWidget*> controls() const;

signals:
    // Something new to show and say.
    void told(const QString& text);

private:
    void showState();
    // A button with its text and the plain key that clicks it while it shows.
    QPushButton* button(const QString& text, Qt::Key key, const std::function<void()>& action);

    ReviewModel& model;
    MistakeDrill* mistakes;
    PlayOn* game;
    QLabel* said;
    QComboBox* side;
    QList<QPushButton*> buttons;
    QPushButton *learn, *playHere, *resumeButton, *hintButton, *answerButton, *skipButton, *nextButton, *againButton, *otherButton;
    QShortcut* nextKey;
};
