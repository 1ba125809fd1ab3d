#include "review_speech.h"

#include "status_announcement.h"
#include "practice_bar.h"
#include "review_board.h"
#include "review_window.h"

#include <algorithm>

namespace {

// Typing a record passes through faults at every half move: only the one the typing stops at is
// told.
constexpr int RecordPauseMs = 800;

}  // namespace

ReviewSpeech::ReviewSpeech(ReviewWindow& reviewWindow)
    : QObject(&reviewWindow),
      window(reviewWindow),
      model(reviewWindow.reviewModel()),
      announcements(new StatusAnnouncements(&reviewWindow)),
      record(model.record()),
      at(model.gameIndex()),
      variation(model.variation()),
      shown(model.shown())
{
    recordPause.setSingleShot(true);
    recordPause.setInterval(RecordPauseMs);
    connect(&recordPause, &QTimer::timeout, this, [this] {
        if (!fault.isEmpty()) announcements->announce(fault);
        else tellStep(QStringLiteral("%1手の棋譜です。").arg(model.moveCount()));
    });
    connect(&window, &ReviewWindow::recordRead, this, [this](const QString& readFault) {
        // A record given before the window shows is heard with the window.
        if (!window.isVisible()) return;
        fault = readFault;
        recordPause.start();
    });
    connect(&window.board(), &ReviewBoard::cursorMoved, this,
            [this] { announcements->announce(model.cellText(window.board().cursorCell())); });
    connect(&model, &ReviewModel::changed, this, &ReviewSpeech::modelChanged);
}

void ReviewSpeech::modelChanged()
{
    const std::vector<std::int32_t>& now = model.variation();
    const bool sameGame = model.record() == record, samePosition = sameGame && model.gameIndex() == at;
    if (samePosition && now == variation) return tellArrivals();

    // 1. The positions before the variation's moves: it grows and shrinks by one move from the
    // shown position, and is left whole.
    const std::size_t told = variation.size();
    if (samePosition && now.size() == told + 1) variationBefore.push_back(shown);
    else variationBefore.resize(samePosition ? std::min(now.size(), told) : 0);
    record = model.record();
    at = model.gameIndex();
    variation = now;
    shown = model.shown();

    // 2. The move that led here.
    if (!now.empty()) {
        lastBefore = variationBefore.back();
        lastCell = now.back();
    } else if (at > 0) {
        lastBefore = model.gamePosition(at - 1);
        lastCell = model.gameMove(at);
    } else {
        lastBefore.reset();
    }

    // 3. A new game is told once the record's edits pause; a drill or a game played on tells its
    // own steps.
    if (!sameGame || window.practice().practising()) {
        moveValueTold = bestTold = true;
        return;
    }
    if (now.size() > told) tellStep(QStringLiteral("変化 "));
    else if (!now.empty()) tellStep(QStringLiteral("1手もどしました。変化 "));
    else if (told > 0 && samePosition) tellStep(QStringLiteral("本譜にもどりました。"));
    else tellStep({});
}

void ReviewSpeech::say(const QString& text)
{
    if (!text.isEmpty()) announcements->announce(text);
}

void ReviewSpeech::tellStep(const QString& lead)
{
    announcements->announce(lead + model.stepText(lastBefore ? &*lastBefore : nullptr, lastCell));
    moveValueTold = !lastBefore || model.valuesOf(*lastBefore) != nullptr;
    bestTold = model.shown().mover == EMPTY || model.valuesOf(model.shown()) != nullptr;
}

void ReviewSpeech::tellArrivals()
{
    if (window.practice().practising()) return;
    QStringList arrived;
    if (!moveValueTold && model.valuesOf(*lastBefore) != nullptr) {
        arrived << model.moveValueText(*lastBefore, lastCell);
        moveValueTold = true;
    }
    if (!bestTold && model.valuesOf(model.shown()) != nullptr) {
        arrived << model.bestMovesText();
        bestTold = true;
    }
    if (!arrived.isEmpty()) announcements->announce(arrived.join(u'。'));
}
