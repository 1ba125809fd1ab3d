// The review window: the record field, the board with its values, the move list, the graph, and
// the keys that step through the game and back from a variation.
#pragma once

#include "review_model.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QTableWidget;
class ReviewBoard;
class LeadGraph;

class ReviewWindow : public QWidget {
    Q_OBJECT

public:
    explicit ReviewWindow(QWidget* parent = nullptr);

    // Takes the record and shows it in the field; a bad one is said in the window's one line of
    // complaint and changes nothing else. True when it was taken.
    bool takeRecord(const QString& record);

    ReviewModel& reviewModel() { return model; }
    ReviewBoard& board() { return *boardView; }
    QTableWidget& moveList() { return *moves; }

signals:
    // A record given to takeRecord was taken (fault is empty) or refused with fault.
    void recordRead(const QString& fault);

private:
    void fillMoveList();
    void showPosition();

    ReviewModel model;
    QString listedRecord;  // the game the move list holds
    QLineEdit* recordField;
    QLabel* complaint;
    ReviewBoard* boardView;
    QLabel* status;
    QLabel* variationLine;
    QTableWidget* moves;
    LeadGraph* graph;
};
