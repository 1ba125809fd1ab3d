// The review window: the record field, the board with its values, the move list, the graph, the
// practice bar, and the keys that step through the game and back from a variation, copy the line
// shown and save the board's picture. It opens to fit the screen it is on and grows with it.
#pragma once

#include "review_model.h"

#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;
class QSplitter;
class QTableWidget;
class ReviewBoard;
class ReviewSpeech;
class LeadGraph;
class PracticeBar;

class ReviewWindow : public QWidget {
    Q_OBJECT

public:
    // Shows model, which must outlive the window: every part of the window refers to it.
    explicit ReviewWindow(ReviewModel& model, QWidget* parent = nullptr);

    // Takes the record and shows it in the field; a bad one is said in the window's one line of
    // complaint and changes nothing else. True when it was taken.
    bool takeRecord(const QString& record);
    // Writes the board's picture to path as PNG; a failure is said in the line of complaint.
    // True when it was written.
    bool saveBoardPicture(const QString& path);

    ReviewModel& reviewModel() { return model; }
    ReviewBoard& board() { return *boardView; }
    QTableWidget& moveList() { return *moves; }
    PracticeBar& practice() { return *practiceBar; }

signals:
    // A record given to takeRecord was taken (fault is empty) or refused with fault.
    void recordRead(const QString& fault);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillMoveList();
    void showPosition();
    void markListFocus();
    // A step through the game, unless a question of the drill is open; a drill that is not, or a
    // game played on, is left first.
    void stepAway(const std::function<void()>& step);
    // To the next (by 1) or the previous (by -1) move of the game that gave away.
    void toGivenAway(std::int32_t by);
    // The shown position's first best move played, outside the practice.
    void playBest();
    void showKeys();
    // The record of the game up to the shown position and of the variation from there.
    QString shownRecord() const;
    // Asks where to save the board's picture, then saves it there.
    void saveBoardPictureAs();

    ReviewModel& model;
    QString listedRecord;  // the game the move list holds
    QLineEdit* recordField;
    QLabel* complaint;
    ReviewBoard* boardView;
    QLabel* status;
    QLabel* bestLine;
    QLabel* variationLine;
    QTableWidget* moves;
    LeadGraph* graph;
    PracticeBar* practiceBar;
    ReviewSpeech* speech = nullptr;
    QSplitter* panes;  // the board's side and the list's
};
