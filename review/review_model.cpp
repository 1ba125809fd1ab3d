#include "review_model.h"

#include "accessibility.h"
#include "played_move.h"

#include <QMetaObject>
#include <QRegularExpression>

#include <algorithm>
#include <cstdlib>

namespace {

QString colourName(Colour colour) { return colour == BLACK ? QStringLiteral("黒") : QStringLiteral("白"); }

// The one line that refuses a record, as "7手目「b2」は白のうてる手ではありません".
QString faultText(const RecordStop& stop)
{
    const QString where = QStringLiteral("%1手目「%2」").arg(stop.ply).arg(QString::fromUtf8(stop.move.data(), qsizetype(stop.move.size())));
    switch (stop.fault) {
    case RecordFault::HalfMove: return where + QStringLiteral("は手のとちゅうでおわっています");
    case RecordFault::NotACell: return where + QStringLiteral("は盤のマスではありません");
    case RecordFault::GameOver: return where + QStringLiteral("の前に対局はおわっています");
    case RecordFault::NotPlayable: return where + QStringLiteral("は") + colourName(stop.mover) + QStringLiteral("のうてる手ではありません");
    case RecordFault::None: break;
    }
    return {};
}

QString withoutSpace(QString text) { return text.remove(QRegularExpression(QStringLiteral("\\s"))); }

}  // namespace

ReviewModel::ReviewModel(QObject* parent)
    : QObject(parent),
      solver([this](const Position& position, std::vector<MoveValue> values) {
          // On the solving thread: the values are stored on the window's.
          QMetaObject::invokeMethod(
              this,
              [this, position, values = std::move(values)]() mutable {
                  solved.emplace(position, std::move(values));
                  emit changed();
              },
              Qt::QueuedConnection);
      })
{
    line = linePositions({});
    showChanged();
}

QString ReviewModel::recordFault(const QString& text)
{
    return faultText(replayRecordText(withoutSpace(text).toStdString(), WHITE));
}

QString ReviewModel::setRecord(const QString& text)
{
    const QString fault = recordFault(text);
    if (!fault.isEmpty()) {
        showChanged();  // the game state back at the shown position
        return fault;
    }
    recordText = withoutSpace(text);
    moves = parseRecord(recordText.toStdString());
    line = linePositions(moves);
    at = 0;
    variationMoves.clear();
    variationLine.clear();
    showChanged();
    return {};
}

const LinePosition& ReviewModel::shown() const
{
    return variationLine.empty() ? line[at] : variationLine.back();
}

const std::vector<MoveValue>* ReviewModel::valuesOf(const LinePosition& position) const
{
    const auto found = solved.find(position.position);
    return found == solved.end() ? nullptr : &found->second;
}

std::optional<std::int32_t> ReviewModel::bestValue(std::int32_t number) const
{
    const auto* values = valuesOf(line[number - 1]);
    if (values == nullptr) return {};
    return values->front().value;
}

std::optional<std::int32_t> ReviewModel::moveValue(std::int32_t number) const
{
    const auto* values = valuesOf(line[number - 1]);
    if (values == nullptr) return {};
    return valueOf(*values, gameMove(number));
}

std::optional<std::int32_t> ReviewModel::givenAway(std::int32_t number) const
{
    const auto best = bestValue(number), value = moveValue(number);
    if (!best || !value) return {};
    return *best - *value;
}

std::optional<std::int32_t> ReviewModel::blackLead(std::int32_t index) const
{
    const LinePosition& position = line[index];
    if (position.mover == EMPTY) return position.blackDiscs - position.whiteDiscs;
    const auto* values = valuesOf(position);
    if (values == nullptr) return {};
    return position.mover == BLACK ? values->front().value : -values->front().value;
}

bool ReviewModel::gameSolved() const
{
    return std::ranges::all_of(line, [this](const LinePosition& p) { return p.mover == EMPTY || valuesOf(p) != nullptr; });
}

QString ReviewModel::cellText(std::int32_t cell) const
{
    QString text = accessibleCellName(cell);
    const LinePosition& position = shown();
    if (std::ranges::find(position.legal, cell) == position.legal.end()) return text;
    const auto* values = valuesOf(position);
    if (values == nullptr) return text + QStringLiteral("、計算中");
    const std::int32_t value = valueOf(*values, cell);
    text += QStringLiteral("、%1").arg(value);
    if (value == values->front().value) text += QStringLiteral("、最善");
    if (variationMoves.empty() && at < moveCount() && gameMove(at + 1) == cell) text += QStringLiteral("、本譜の手");
    return text;
}

QString ReviewModel::statusText() const
{
    const LinePosition& position = shown();
    if (position.mover == EMPTY) {
        const std::int32_t lead = position.blackDiscs - position.whiteDiscs;
        const QString count = QStringLiteral("終局 黒%1 白%2、").arg(position.blackDiscs).arg(position.whiteDiscs);
        if (lead == 0) return count + QStringLiteral("ひきわけです");
        return count + colourName(lead > 0 ? BLACK : WHITE) + QStringLiteral("の%1石がちです").arg(std::abs(lead));
    }
    QString text = QStringLiteral("%1手目、").arg(position.ply);
    if (position.mover != position.due) text += colourName(position.due) + QStringLiteral("はパスで、");
    return text + colourName(position.mover) + QStringLiteral("のばんです");
}

void ReviewModel::goTo(std::int32_t index)
{
    at = std::clamp(index, 0, moveCount());
    variationMoves.clear();
    variationLine.clear();
    showChanged();
}

void ReviewModel::step(std::int32_t by)
{
    if (!variationMoves.empty() && by < 0) {
        variationMoves.pop_back();
        variationLine.pop_back();
        showChanged();
        return;
    }
    goTo(at + by);
}

bool ReviewModel::play(std::int32_t cell)
{
    const std::vector<std::int32_t>& legal = shown().legal;
    if (std::ranges::find(legal, cell) == legal.end()) return false;
    variationMoves.push_back(cell);
    variationLine.push_back(linePositions(shownMoves()).back());
    showChanged();
    return true;
}

void ReviewModel::backToGame() { goTo(at); }

std::vector<std::int32_t> ReviewModel::shownMoves() const
{
    std::vector<std::int32_t> played(moves.begin(), moves.begin() + at);
    played.insert(played.end(), variationMoves.begin(), variationMoves.end());
    return played;
}

void ReviewModel::showChanged()
{
    // The game state holds the shown position, whose cells the screen reader's names read.
    replayRecord(shownMoves(), WHITE);
    askForValues();
    emit changed();
}

void ReviewModel::askForValues()
{
    // The shown position first, then the rest of the game for its graph, from its start.
    std::vector<Position> jobs;
    const auto ask = [&](const LinePosition& position) {
        if (position.mover == EMPTY || valuesOf(position) != nullptr) return;
        if (std::ranges::find(jobs, position.position) == jobs.end()) jobs.push_back(position.position);
    };
    ask(shown());
    std::ranges::for_each(line, ask);
    solver.solve(std::move(jobs));
}

// ---- What a screen reader is told of a step ----

QString ReviewModel::moveValueText(const LinePosition& before, std::int32_t cell) const
{
    const QString name = QString::fromStdString(cellName(cell));
    const auto* values = valuesOf(before);
    if (values == nullptr) return name;
    const std::int32_t value = valueOf(*values, cell), away = values->front().value - value;
    return QStringLiteral("%1、%2、").arg(name).arg(value) + (away == 0 ? QStringLiteral("最善") : QStringLiteral("%1 損").arg(away));
}

QString ReviewModel::bestMovesText() const
{
    const auto* values = valuesOf(shown());
    if (values == nullptr) return {};
    QStringList best;
    for (const MoveValue& move : *values)
        if (move.value == values->front().value) best << QStringLiteral("%1 %2").arg(QString::fromStdString(cellName(move.cell))).arg(move.value);
    return QStringLiteral("最善 ") + best.join(u'、');
}

QString ReviewModel::stepText(const LinePosition* before, std::int32_t cell) const
{
    QStringList parts;
    if (before == nullptr) parts << QStringLiteral("開始");
    else parts << QStringLiteral("%1手目 %2 ").arg(before->ply).arg(colourName(before->mover)) + moveValueText(*before, cell);
    const LinePosition& position = shown();
    if (position.mover == EMPTY) {
        parts << statusText();
    } else {
        const QString passed = position.mover == position.due ? QString() : colourName(position.due) + QStringLiteral("はパス、");
        parts << passed + colourName(position.mover) + QStringLiteral("のばん");
    }
    if (const QString best = bestMovesText(); !best.isEmpty()) parts << best;
    return parts.join(u'。');
}
