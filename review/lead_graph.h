// Black's final lead under perfect play after every move of the game, from −16 to 16, with the
// shown position and the moves that gave something away marked; a click chooses that position.
#pragma once

#include <QWidget>

#include <cstdint>

class ReviewModel;

class LeadGraph : public QWidget {
    Q_OBJECT

public:
    explicit LeadGraph(ReviewModel& model, QWidget* parent = nullptr);

signals:
    // A position of the game is clicked.
    void positionChosen(std::int32_t index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // The plot's area and where a position of the game and a lead lie in it.
    QRect plot() const;
    int xOf(std::int32_t index) const;
    int yOf(std::int32_t lead) const;

    ReviewModel& model;
};
