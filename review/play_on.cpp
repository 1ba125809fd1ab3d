#include "play_on.h"

#include "game_words.h"
#include "grade_colours.h"
#include "practice.h"
#include "review_model.h"

#include <algorithm>

PlayOn::PlayOn(ReviewModel& reviewModel, QObject* parent) : QObject(parent), model(reviewModel)
{
    // Once every part of the window has seen the change: a move played in answer is a change of its
    // own, after it, never one in the middle of another.
    connect(&model, &ReviewModel::changed, this, &PlayOn::modelChanged, Qt::QueuedConnection);
    // Another game ends the one played on at once.
    connect(&model, &ReviewModel::changed, this, [this] {
        if (playing && model.record() != record) {
            playing = false;
            model.hideValuesFrom(std::nullopt);
        }
    });
}

void PlayOn::start()
{
    const LinePosition& shown = model.shown();
    if (shown.mover == EMPTY) return tell(QStringLiteral("この局面で対局はおわっています。"));
    from = shown;
    record = model.record();
    side = shown.mover;
    turns.clear();
    pending.clear();
    left = false;
    playing = true;
    model.hideValuesFrom(model.gameIndex());
    tell(QStringLiteral("ここから対局: あなたは%1です。%1のばん。").arg(colourName(side)));
}

void PlayOn::leave()
{
    if (!playing) return;
    playing = false;
    left = true;
    keptIndex = model.gameIndex();
    kept = model.variation();
    model.hideValuesFrom(std::nullopt);
    tell(QStringLiteral("対局を中断しました。「再開」でもどります。"));
}

void PlayOn::resume()
{
    if (!resumable()) return;
    model.hideValuesFrom(keptIndex);
    model.goTo(keptIndex);
    for (const std::int32_t cell : kept) model.play(cell);
    left = false;
    playing = true;
    tell(QStringLiteral("再開します。") + (model.shown().mover == side ? colourName(side) + QStringLiteral("のばん。") : QString()));
    answer();
}

bool PlayOn::resumable() const { return left && record == model.record(); }

void PlayOn::modelChanged()
{
    if (playing && !answering) answer();
}

bool PlayOn::play(std::int32_t cell)
{
    const LinePosition before = model.shown();
    if (!playing || before.mover != side) return false;
    const auto* values = model.solvedValues(before);
    if (values == nullptr) {
        tell(QStringLiteral("まだ計算中です。少し待ってからうってください。"));
        return false;
    }
    const std::size_t length = model.variation().size();
    const std::int32_t value = valueOf(*values, cell), away = givenAwayBy(*values, cell);
    answering = true;
    const bool played = model.play(cell);
    answering = false;
    if (!played) return false;
    turns.push_back(length);
    pending = QStringLiteral("%1 %2、評価 %3、").arg(colourName(side), cellLabel(cell)).arg(value) +
              (away == 0 ? QStringLiteral("最善。") : QStringLiteral("%1 損 %2（最善 %3）。").arg(away).arg(gradeMark(gradeOf(away)), bestMovesOf(*values))) +
              afterMove();
    answer();
    return true;
}

void PlayOn::answer()
{
    for (;;) {
        const LinePosition& shown = model.shown();
        if (shown.mover == EMPTY) {
            // The result beside what perfect play would have made of the position played from.
            const std::int32_t sign = side == BLACK ? 1 : -1, best = model.solvedValues(from)->front().value;
            playing = false;
            model.hideValuesFrom(std::nullopt);
            return tell(pending + QStringLiteral("%1から見て 結果 %2、はじめの局面の最善 %3。")
                                      .arg(colourName(side), signedValue(sign * shown.discs.blackLead()), signedValue(best)));
        }
        if (shown.mover == side) {
            if (!pending.isEmpty()) tell(pending + colourName(side) + QStringLiteral("のばん。"));
            pending.clear();
            return;
        }
        const auto* values = model.solvedValues(shown);
        if (values == nullptr) return;
        const std::int32_t cell = bestAnswer(*values, random);
        const QString answered = QStringLiteral("%1 %2。").arg(colourName(shown.mover), cellLabel(cell));
        answering = true;
        model.play(cell);
        answering = false;
        pending += answered + afterMove();
    }
}

QString PlayOn::afterMove() const
{
    const LinePosition& shown = model.shown();
    if (shown.mover == EMPTY || shown.mover == shown.due) return {};
    return colourName(shown.due) + QStringLiteral("はパス。");
}

void PlayOn::takeBack()
{
    if (!playing || turns.empty()) return;
    answering = true;
    while (model.variation().size() > turns.back()) model.step(-1);
    answering = false;
    turns.pop_back();
    pending.clear();
    tell(QStringLiteral("1手もどしました。%1のばん。").arg(colourName(side)));
}

void PlayOn::tell(const QString& text)
{
    said = text;
    emit told(text);
}
