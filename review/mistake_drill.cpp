#include "mistake_drill.h"

#include "game_words.h"
#include "practice.h"
#include "review_model.h"

#include <algorithm>

namespace {

// How long a move that was no better stays on the board with the reply that punishes it.
constexpr int ReplyShownMs = 2500;

}  // namespace

MistakeDrill::MistakeDrill(ReviewModel& reviewModel, QObject* parent) : QObject(parent), model(reviewModel)
{
    backToQuestion.setSingleShot(true);
    backToQuestion.setInterval(ReplyShownMs);
    connect(&backToQuestion, &QTimer::timeout, this, [this] {
        if (stage == Stage::Punished) goOn();
    });
    // Once every part of the window has seen the change: a move played in answer is a change of its
    // own, after it, never one in the middle of another.
    connect(&model, &ReviewModel::changed, this, &MistakeDrill::modelChanged, Qt::QueuedConnection);
    // Another game ends the drill at once, before anything can ask of its questions.
    connect(&model, &ReviewModel::changed, this, [this] {
        if (active() && model.record() != record) stop();
    });
}

void MistakeDrill::start(std::optional<Colour> side)
{
    wanted = side;
    record = model.record();
    stage = Stage::Waiting;
    tell(QStringLiteral("まちがいから学ぶ: 計算中…"));
    begin();
}

void MistakeDrill::stop()
{
    if (stage == Stage::Off) return;
    stage = Stage::Off;
    backToQuestion.stop();
    model.hideValuesFrom(std::nullopt);
    tell({});
}

std::optional<std::int32_t> MistakeDrill::question() const
{
    if (!asking()) return {};
    return asked[current];
}

void MistakeDrill::modelChanged()
{
    if (stage == Stage::Waiting) begin();
    else if (stage == Stage::Punished && model.variation().size() == 1) punish();
}

void MistakeDrill::begin()
{
    std::vector<SolvedMove> game;
    for (std::int32_t number = 1; number <= model.moveCount(); ++number) {
        const LinePosition& before = model.gamePosition(number - 1);
        const auto* values = model.solvedValues(before);
        if (values == nullptr) return;
        game.push_back({before.mover, model.gameMove(number), *values});
    }
    sideAsked = wanted.value_or(drillSide(game));
    asked = drillQuestions(game, sideAsked);
    outcomes.assign(asked.size(), Outcome::Open);
    if (asked.empty()) {
        stage = Stage::Summary;
        tell(colourName(sideAsked) + QStringLiteral("には 3 石以上損した手も、勝ち負けをかえた手もありません。"));
        return;
    }
    ask(0);
}

const LinePosition& MistakeDrill::questionPosition() const { return model.gamePosition(asked[current] - 1); }

const std::vector<MoveValue>& MistakeDrill::questionValues() const { return *model.solvedValues(questionPosition()); }

void MistakeDrill::ask(std::size_t index)
{
    current = index;
    hints = 0;
    stage = Stage::Asking;
    // Hidden before the position is shown, so that none of its values is drawn or told.
    model.hideValuesFrom(asked[current] - 1);
    model.goTo(asked[current] - 1);
    tell(QStringLiteral("問題 %1/%2。%3手目: %4は %5 にうちました。もっとよい手は?")
             .arg(current + 1)
             .arg(asked.size())
             .arg(asked[current])
             .arg(colourName(sideAsked), cellLabel(model.gameMove(asked[current]))));
}

void MistakeDrill::answer(std::int32_t cell)
{
    if (stage == Stage::Punished) goOn();
    const std::vector<std::int32_t>& legal = questionPosition().legal;
    if (stage != Stage::Asking || std::ranges::find(legal, cell) == legal.end()) return;
    const std::int32_t played = model.gameMove(asked[current]);
    switch (judgeAnswer(questionValues(), played, cell)) {
    case Answer::Best:
        if (hints < 2 && outcomes[current] == Outcome::Open) outcomes[current] = Outcome::Found;
        stage = Stage::Answered;
        model.play(cell);
        model.hideValuesFrom(std::nullopt);
        tell(QStringLiteral("正解です。%1 は最善の手です（最善 %2）。Return でつぎへ。").arg(cellLabel(cell), bestMovesOf(questionValues())));
        return;
    case Answer::Better:
        tell(QStringLiteral("%1 は本譜の %2 よりよい手ですが、もっとよい手があります。もう一度どうぞ。").arg(cellLabel(cell), cellLabel(played)));
        return;
    case Answer::NoBetter:
        wrongAnswer = cell;
        stage = Stage::Punished;
        model.play(cell);
        punish();
        return;
    }
}

void MistakeDrill::punish()
{
    // The reply that punishes the move, once its position is solved; none when the other side
    // must pass or the game is over.
    const Colour replier = model.shown().mover;
    const bool replies = replier != EMPTY && replier != sideAsked;
    const auto* values = model.solvedValues(model.shown());
    if (replies && values == nullptr) return;
    QString text = QStringLiteral("%1 は %2 損です。").arg(cellLabel(wrongAnswer)).arg(givenAwayBy(questionValues(), wrongAnswer));
    if (replies) {
        const std::int32_t reply = values->front().cell;
        text += QStringLiteral("%1は %2 でこたえます。").arg(colourName(replier), cellLabel(reply));
        model.play(reply);
    }
    tell(text + QStringLiteral("もう一度どうぞ。"));
    backToQuestion.start();
}

void MistakeDrill::hint()
{
    if (stage != Stage::Asking) return;
    if (++hints == 2) return showAnswer();
    tell(QStringLiteral("ヒント: 最善の手の評価は %1 です。").arg(questionValues().front().value));
}

void MistakeDrill::showAnswer()
{
    if (!asking()) return;
    if (stage == Stage::Punished) goOn();
    outcomes[current] = Outcome::Shown;
    stage = Stage::Answered;
    model.hideValuesFrom(std::nullopt);
    const std::int32_t played = model.gameMove(asked[current]);
    tell(QStringLiteral("答え: 最善 %1。本譜の %2 は %3 損。Return でつぎへ。")
             .arg(bestMovesOf(questionValues()), cellLabel(played))
             .arg(givenAwayBy(questionValues(), played)));
}

void MistakeDrill::skip()
{
    if (!asking()) return;
    backToQuestion.stop();
    outcomes[current] = Outcome::Skipped;
    stage = Stage::Answered;
    goOn();
}

void MistakeDrill::goOn()
{
    if (stage == Stage::Punished) {
        backToQuestion.stop();
        stage = Stage::Asking;
        model.goTo(asked[current] - 1);
    } else if (stage == Stage::Answered) {
        if (current + 1 < asked.size()) ask(current + 1);
        else summarise();
    }
}

void MistakeDrill::summarise()
{
    stage = Stage::Summary;
    model.hideValuesFrom(std::nullopt);
    QStringList each;
    for (std::size_t index = 0; index < asked.size(); ++index) {
        const QString how = outcomes[index] == Outcome::Found   ? QStringLiteral("正解")
                            : outcomes[index] == Outcome::Shown ? QStringLiteral("答えを見た")
                                                                : QStringLiteral("とばした");
        each << QStringLiteral("%1手目 %2: %3").arg(asked[index]).arg(cellLabel(model.gameMove(asked[index])), how);
    }
    const auto found = std::ranges::count(outcomes, Outcome::Found);
    tell(QStringLiteral("%1問中 %2問 正解。").arg(asked.size()).arg(found) + each.join(QStringLiteral("、")) + QStringLiteral("。"));
}

void MistakeDrill::again() { start(sideAsked); }

void MistakeDrill::otherSide() { start(sideAsked == BLACK ? WHITE : BLACK); }

void MistakeDrill::tell(const QString& text)
{
    said = text;
    emit told(text);
}
