// What a screen reader is told in the review window beyond the control that has the focus: each
// step through the game or a variation with its values, and the values that come after it; the
// board's cursor cell; a record typed or pasted, taken or refused; and what a drill or a game
// played on says, in place of the steps they make.
#pragma once

#include "review_line.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <optional>
#include <vector>

class ReviewModel;
class ReviewWindow;
class StatusAnnouncements;

class ReviewSpeech : public QObject {
public:
    // Listens to the window's model, board and record field; deleted with the window.
    explicit ReviewSpeech(ReviewWindow& window);

    // Tells the shown position again after lead, as a step to it tells it.
    void tellShown(const QString& lead) { tellStep(lead); }
    // Tells text as it stands: what a drill or a game played on says, which then tell every step.
    void say(const QString& text);

private:
    void modelChanged();
    // Tells the shown position after lead and notes which of its values it told.
    void tellStep(const QString& lead);
    // Tells the values of the told position that have come since.
    void tellArrivals();

    ReviewWindow& window;
    ReviewModel& model;
    StatusAnnouncements* announcements;
    // A record is told once the field's edits pause: the fault, or the game taken.
    QTimer recordPause;
    QString fault;

    // What was told last, to find what the next change is.
    QString record;
    std::int32_t at;
    std::vector<std::int32_t> variation;
    std::vector<LinePosition> variationBefore;  // the position before each variation move
    LinePosition shown;
    // The move that led to the shown position, none at the game's start.
    std::optional<LinePosition> lastBefore;
    std::int32_t lastCell = 0;
    bool moveValueTold = true;
    bool bestTold = true;
};
