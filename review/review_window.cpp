#include "review_window.h"

#include "grade_colours.h"
#include "lead_graph.h"
#include "move_list.h"
#include "review_board.h"
#include "review_speech.h"
#include "window_font.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Column { Number, Mover, Move, Value, Best, GivenAway, ColumnCount };

QString colourName(Colour colour) { return colour == BLACK ? QStringLiteral("黒") : QStringLiteral("白"); }

QString optionalNumber(std::optional<std::int32_t> value) { return value ? QString::number(*value) : QStringLiteral("…"); }

}  // namespace

ReviewWindow::ReviewWindow(QWidget* parent)
    : QWidget(parent),
      recordField(new QLineEdit(this)),
      complaint(new QLabel(this)),
      boardView(new ReviewBoard(model, this)),
      status(new QLabel(this)),
      variationLine(new QLabel(this)),
      moves(new MoveList(0, ColumnCount, this)),
      graph(new LeadGraph(model, this))
{
    setWindowTitle(QStringLiteral("ノルダモ 検討"));
    setFont(windowFont(15));

    auto* recordLabel = new QLabel(QStringLiteral("棋譜(&K)"), this);
    recordLabel->setBuddy(recordField);
    recordField->setPlaceholderText(QStringLiteral("a2a1c4… 対局の棋譜をはりつけてください"));
    auto* back = new QPushButton(QStringLiteral("本譜にもどる (Esc)"), this);
    auto* top = new QHBoxLayout;
    top->addWidget(recordLabel);
    top->addWidget(recordField, 1);
    top->addWidget(back);

    moves->setHorizontalHeaderLabels({QStringLiteral("手"), QStringLiteral("色"), QStringLiteral("着手"),
                                      QStringLiteral("評価"), QStringLiteral("最善"), QStringLiteral("損")});
    moves->setAccessibleName(QStringLiteral("手順"));
    moves->verticalHeader()->hide();
    moves->setEditTriggers(QAbstractItemView::NoEditTriggers);
    moves->setSelectionBehavior(QAbstractItemView::SelectRows);
    moves->setSelectionMode(QAbstractItemView::SingleSelection);
    moves->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    moves->setMinimumWidth(330);

    boardView->setAccessibleName(QStringLiteral("盤"));
    complaint->setObjectName(QStringLiteral("complaint"));
    complaint->setAccessibleName(QStringLiteral("棋譜のまちがい"));
    auto* legend = new QLabel(QStringLiteral("数字: 最後の石差（打つ側から）　金: 最善　赤わく: 本譜の手\n"
                                             "← → Home End: 手をすすめる・もどす　↑ ↓ と Return: 変化をためす"),
                              this);
    auto* left = new QVBoxLayout;
    left->addWidget(boardView);
    left->addWidget(status);
    left->addWidget(variationLine);
    left->addWidget(legend);
    left->addStretch();
    auto* middle = new QHBoxLayout;
    middle->addLayout(left);
    middle->addWidget(moves, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(complaint);
    layout->addLayout(middle, 1);
    layout->addWidget(graph);

    connect(recordField, &QLineEdit::textEdited, this, &ReviewWindow::takeRecord);
    connect(back, &QPushButton::clicked, &model, &ReviewModel::backToGame);
    connect(moves, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (row >= 0 && row != model.position()) model.goTo(row);
    });
    connect(&model, &ReviewModel::changed, this, &ReviewWindow::showPosition);

    const auto key = [this](QKeySequence sequence, auto action) {
        connect(new QShortcut(sequence, this), &QShortcut::activated, this, action);
    };
    key(Qt::Key_Left, [this] { model.step(-1); });
    key(Qt::Key_Right, [this] { model.step(1); });
    key(Qt::Key_Home, [this] { model.goTo(0); });
    key(Qt::Key_End, [this] { model.goTo(model.moveCount()); });
    key(Qt::Key_Escape, [this] { model.backToGame(); });
    key(QKeySequence::Paste, [this] { takeRecord(QApplication::clipboard()->text()); });

    showPosition();
    new ReviewSpeech(*this);
    // The keys step through the game at once; Alt+K reaches the record field.
    boardView->setFocus();
}

bool ReviewWindow::takeRecord(const QString& record)
{
    const QString fault = model.setRecord(record);
    if (recordField->text() != record) recordField->setText(record);
    complaint->setText(fault);
    emit recordRead(fault);
    return fault.isEmpty();
}

void ReviewWindow::fillMoveList()
{
    listedRecord = model.record();
    moves->setRowCount(model.moveCount() + 1);
    const auto item = [this](int row, int column, const QString& text) {
        auto* cell = new QTableWidgetItem(text);
        cell->setTextAlignment(column == Move || column == Mover ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
        moves->setItem(row, column, cell);
    };
    item(0, Number, QStringLiteral("開始"));
    for (std::int32_t number = 1; number <= model.moveCount(); ++number) {
        item(number, Number, QString::number(number));
        item(number, Mover, colourName(model.gamePosition(number - 1).mover));
        item(number, Move, QString::fromStdString(cellName(model.gameMove(number))));
        for (const int column : {Value, Best, GivenAway}) item(number, column, {});
    }
}

void ReviewWindow::showPosition()
{
    if (listedRecord != model.record() || moves->rowCount() == 0) fillMoveList();
    // The values known so far, the worse moves marked in their colour with dark text.
    for (std::int32_t number = 1; number <= model.moveCount(); ++number) {
        moves->item(number, Value)->setText(optionalNumber(model.moveValue(number)));
        moves->item(number, Best)->setText(optionalNumber(model.bestValue(number)));
        const auto away = model.givenAway(number);
        const Grade grade = away ? gradeOf(*away) : Grade::Best;
        moves->item(number, GivenAway)->setText(!away ? QStringLiteral("…")
                                                : *away == 0 ? QString()
                                                             : QStringLiteral("%1 %2").arg(*away).arg(gradeMark(grade)));
        for (int column = 0; column < ColumnCount; ++column) {
            QTableWidgetItem* cell = moves->item(number, column);
            cell->setData(Qt::BackgroundRole, grade == Grade::Best ? QVariant() : QVariant(gradeColour(grade)));
            cell->setData(Qt::ForegroundRole, grade == Grade::Best ? QVariant() : QVariant(QColor(Qt::black)));
        }
    }
    if (moves->currentRow() != model.position()) {
        const QSignalBlocker quiet(moves);
        moves->setCurrentCell(model.position(), 0);
        moves->selectRow(model.position());
    }
    moves->scrollToItem(moves->item(model.position(), 0));

    QString shown = model.statusText();
    if (model.valuesOf(model.shown()) == nullptr && model.shown().mover != EMPTY) shown += QStringLiteral("（計算中…）");
    status->setText(shown);
    QStringList tried;
    for (const std::int32_t cell : model.variation()) tried << QString::fromStdString(cellName(cell));
    variationLine->setText(tried.isEmpty() ? QStringLiteral("本譜")
                                           : QStringLiteral("変化（%1手目から）: %2").arg(model.position() + 1).arg(tried.join(u' ')));
}
