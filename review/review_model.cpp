#include "review_model.h"

#include "game_words.h"
#include "played_move.h"
#include "practice.h"
#include "record_reading.h"

#include <QMetaObject>

#include <algorithm>
#include <cstdlib>
#include <ranges>

namespace {

// The one line that refuses a record, as "7手目「b2」: 白はここにうてません（うてるのは a1 c1 a3）".
QString faultText(const RecordRefusal& stop)
{
    const QString where = QStringLiteral("%1手目「%2」: ").arg(stop.ply).arg(QString::fromStdString(stop.quote));
    const QString cells = QString::fromStdString(writtenRecord(stop.legal, " "));
    switch (stop.fault) {
    case RecordFault::HalfMove: return where + QStringLiteral("手は a2 のように二文字で書きます");
    case RecordFault::NotACell: return where + QStringLiteral("マスは a〜d と 1〜4 で書きます");
    case RecordFault::UnknownCharacter: return where + QStringLiteral("棋譜に書けるのはマス、パスと区切りだけです");
    case RecordFault::NeedlessPass:
        return where + colourName(stop.mover) + QStringLiteral("はうてる手があるのでパスできません（%1）").arg(cells);
    case RecordFault::GameOver: return where + QStringLiteral("この手の前に対局はおわっています");
    case RecordFault::NotPlayable:
        return where + (stop.mover != stop.due ? colourName(stop.due) + QStringLiteral("はパスで、") : QString()) +
               colourName(stop.mover) + QStringLiteral("はここにうてません（うてるのは %1）").arg(cells);
    case RecordFault::None: break;
    }
    return {};
}

// "終局 黒9 白7、黒の2石がちです".
QString resultText(TopDiscs discs)
{
    const QString count = QStringLiteral("終局 黒%1 白%2、").arg(discs.black).arg(discs.white);
    if (discs.leader() == EMPTY) return count + QStringLiteral("ひきわけです");
    return count + colourName(discs.leader()) + QStringLiteral("の%1石がちです").arg(std::abs(discs.blackLead()));
}
}  // namespace

ReviewModel::ReviewModel(QObject* parent)
    : QObject(parent),
      solver([this](const Position& position, std::vector<MoveValue> values) {
          // On the solving thread: the values wait under our own lock, and the window's thread is
          // woken to take them. A queued call that carried them would hand them over under Qt's
          // locks, which a ThreadSanitizer build of ours cannot see.
          {
              const std::lock_guard lock(arrivedMutex);
              arrived.emplace_back(position, std::move(values));
          }
          QMetaObject::invokeMethod(this, "takeArrived", Qt::QueuedConnection);
      })
{
    line = linePositions({});
    showChanged();
}

void ReviewModel::takeArrived()
{
    std::vector<std::pair<Position, std::vector<MoveValue>>> taken;
    {
        const std::lock_guard lock(arrivedMutex);
        taken.swap(arrived);
    }
    bool seen = false;
    for (auto& [position, values] : taken) {
        solved.emplace(position, std::move(values));
        // The best line goes on where it ended; its next position comes first. It is shown whole:
        // a position on its way changes nothing else on the screen, and a screen reader is not
        // sent a change for each.
        const bool shownElsewhere =
            position == shown().position || std::ranges::find(line, position, &LinePosition::position) != line.end();
        if (position == bestLineEnd.position) {
            followBestLine();
            askForValues();
            if (bestLineEnd.mover != EMPTY && !shownElsewhere) continue;
        }
        seen = true;
    }
    if (seen) emit changed();
}

RecordReading ReviewModel::read(const QString& text)
{
    // The one replay of the review on the game state, whose rules judge the record.
    const KeptGameState kept;
    return readRecord(text.toStdString());
}

QString ReviewModel::recordFault(const QString& text)
{
    const RecordReading reading = read(text);
    return reading.refusal ? faultText(*reading.refusal) : QString();
}

QString ReviewModel::setRecord(const QString& text)
{
    RecordReading reading = read(text);
    if (reading.refusal) return faultText(*reading.refusal);
    moves = std::move(reading.moves);
    recordText = QString::fromStdString(writtenRecord(moves));
    line = linePositions(moves);
    shownIndex = 0;
    variationMoves.clear();
    variationLine.clear();
    showChanged();
    return {};
}

const LinePosition& ReviewModel::shown() const
{
    return variationLine.empty() ? line[shownIndex] : variationLine.back();
}

const std::vector<MoveValue>* ReviewModel::valuesOf(const LinePosition& position) const
{
    return valuesHidden(position) ? nullptr : solvedValues(position);
}

const std::vector<MoveValue>* ReviewModel::solvedValues(const LinePosition& position) const
{
    const auto found = solved.find(position.position);
    return found == solved.end() ? nullptr : &found->second;
}

void ReviewModel::showValues(bool shown)
{
    allHidden = !shown;
    emit changed();
}

void ReviewModel::hideValuesFrom(std::optional<std::int32_t> index)
{
    hiddenFrom = index;
    emit changed();
}

bool ReviewModel::valuesHidden(const LinePosition& position) const
{
    if (allHidden) return true;
    if (!hiddenFrom) return false;
    // The game's positions before the hidden one are the only ones shown; no game passes through
    // a position twice, as every move adds a disc.
    const auto shown = std::ranges::subrange(line.begin(), line.begin() + std::min(*hiddenFrom, moveCount() + 1));
    return std::ranges::find(shown, position.position, &LinePosition::position) == shown.end();
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
    const auto* values = valuesOf(line[number - 1]);
    if (values == nullptr) return {};
    return givenAwayBy(*values, gameMove(number));
}

std::optional<std::int32_t> ReviewModel::blackLead(std::int32_t index) const
{
    const LinePosition& position = line[index];
    if (valuesHidden(position)) return {};
    if (position.mover == EMPTY) return position.discs.blackLead();
    const auto* values = valuesOf(position);
    if (values == nullptr) return {};
    return position.mover == BLACK ? values->front().value : -values->front().value;
}

QString ReviewModel::cellText(std::int32_t cell) const
{
    QString text = accessibleCellName(shown().board, cell);
    const LinePosition& position = shown();
    if (std::ranges::find(position.legal, cell) == position.legal.end()) return text;
    if (valuesHidden(position)) return text;
    const auto* values = valuesOf(position);
    if (values == nullptr) return text + QStringLiteral("、計算中");
    const std::int32_t value = valueOf(*values, cell);
    text += QStringLiteral("、%1").arg(value);
    if (value == values->front().value) text += QStringLiteral("、最善");
    if (variationMoves.empty() && shownIndex < moveCount() && gameMove(shownIndex + 1) == cell) text += QStringLiteral("、本譜の手");
    return text;
}

QString ReviewModel::statusText() const
{
    const LinePosition& position = shown();
    if (position.mover == EMPTY) return resultText(position.discs);
    QString text = QStringLiteral("%1手目、").arg(position.ply);
    if (position.mover != position.due) text += colourName(position.due) + QStringLiteral("はパスで、");
    return text + colourName(position.mover) + QStringLiteral("のばんです");
}

QString ReviewModel::bestLineText() const
{
    if (shown().mover == EMPTY || valuesHidden(shown())) return {};
    if (bestLineEnd.mover != EMPTY) return QStringLiteral("最善手順: 計算中…");
    QStringList cells;
    for (const std::int32_t cell : bestMoves) cells << cellLabel(cell);
    return QStringLiteral("最善手順: ") + cells.join(u' ') + QStringLiteral("、") + resultText(bestLineEnd.discs);
}

void ReviewModel::goTo(std::int32_t index)
{
    shownIndex = std::clamp(index, 0, moveCount());
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
    goTo(shownIndex + by);
}

bool ReviewModel::play(std::int32_t cell)
{
    const std::vector<std::int32_t>& legal = shown().legal;
    if (std::ranges::find(legal, cell) == legal.end()) return false;
    variationMoves.push_back(cell);
    variationLine.push_back(positionAfter(shownMoves()));
    showChanged();
    return true;
}

void ReviewModel::backToGame() { goTo(shownIndex); }

std::vector<std::int32_t> ReviewModel::shownMoves() const
{
    std::vector<std::int32_t> played(moves.begin(), moves.begin() + shownIndex);
    played.insert(played.end(), variationMoves.begin(), variationMoves.end());
    return played;
}

void ReviewModel::showChanged()
{
    followBestLine();
    askForValues();
    emit changed();
}

void ReviewModel::followBestLine()
{
    bestMoves.clear();
    bestLineEnd = shown();
    std::vector<std::int32_t> played = shownMoves();
    for (const auto* values = solvedValues(bestLineEnd); values != nullptr; values = solvedValues(bestLineEnd)) {
        bestMoves.push_back(values->front().cell);
        played.push_back(bestMoves.back());
        bestLineEnd = positionAfter(played);
    }
}

ReviewModel::BestLine ReviewModel::bestLine() const
{
    if (valuesHidden(shown())) return {};
    if (bestLineEnd.mover != EMPTY) return {bestMoves, std::nullopt};
    return {bestMoves, bestLineEnd.discs};
}

void ReviewModel::askForValues()
{
    // The shown position first, then where its best line has reached, then the rest of the game
    // for its graph, from its start.
    std::vector<Position> jobs;
    const auto ask = [&](const LinePosition& position) {
        if (position.mover == EMPTY || solvedValues(position) != nullptr) return;
        if (std::ranges::find(jobs, position.position) == jobs.end()) jobs.push_back(position.position);
    };
    ask(shown());
    ask(bestLineEnd);
    std::ranges::for_each(line, ask);
    solver.solve(std::move(jobs));
}

// ---- What a screen reader is told of a step ----

QString ReviewModel::moveValueText(const LinePosition& before, std::int32_t cell) const
{
    const QString name = cellLabel(cell);
    const auto* values = valuesOf(before);
    if (values == nullptr) return name;
    const std::int32_t value = valueOf(*values, cell), away = givenAwayBy(*values, cell);
    return QStringLiteral("%1、%2、").arg(name).arg(value) + (away == 0 ? QStringLiteral("最善") : QStringLiteral("%1 損").arg(away));
}

QString signedValue(std::int32_t value) { return value > 0 ? QStringLiteral("+%1").arg(value) : QString::number(value); }

QString bestMovesOf(const std::vector<MoveValue>& values)
{
    QStringList best;
    for (const MoveValue& move : values)
        if (move.value == values.front().value) best << QStringLiteral("%1 %2").arg(cellLabel(move.cell)).arg(move.value);
    return best.join(u'、');
}

QString ReviewModel::bestMovesText() const
{
    const auto* values = valuesOf(shown());
    return values == nullptr ? QString() : QStringLiteral("最善 ") + bestMovesOf(*values);
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
