#include "review_window.h"

#include "game_words.h"
#include "grade_colours.h"
#include "lead_graph.h"
#include "move_list.h"
#include "review_board.h"
#include "review_speech.h"
#include "window_font.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QImageWriter>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Column { Number, Mover, Move, Value, Best, GivenAway, ColumnCount };

QString optionalNumber(std::optional<std::int32_t> value) { return value ? QString::number(*value) : QStringLiteral("…"); }

// The room around a column's text, and the largest window opened on a large screen.
constexpr int CellPadding = 8;
constexpr QSize LargestOpening(1600, 1000);

}  // namespace

ReviewWindow::ReviewWindow(ReviewModel& reviewModel, QWidget* parent)
    : QWidget(parent),
      model(reviewModel),
      recordField(new QLineEdit(this)),
      complaint(new QLabel(this)),
      boardView(new ReviewBoard(model, this)),
      status(new QLabel(this)),
      bestLine(new QLabel(this)),
      variationLine(new QLabel(this)),
      moves(new MoveList(0, ColumnCount, this)),
      graph(new LeadGraph(model, this)),
      panes(new QSplitter(this))
{
    setWindowTitle(QStringLiteral("ノルダモ 検討"));
    setFont(windowFont(15));

    auto* recordLabel = new QLabel(QStringLiteral("棋譜(&K)"), this);
    recordLabel->setBuddy(recordField);
    recordField->setPlaceholderText(QStringLiteral("a2a1c4… 対局の棋譜をはりつけてください"));
    auto* top = new QHBoxLayout;
    top->addWidget(recordLabel);
    top->addWidget(recordField, 1);

    // Every column a share of the list's width, none narrower than a value with its mark.
    moves->setHorizontalHeaderLabels({QStringLiteral("手"), QStringLiteral("色"), QStringLiteral("着手"),
                                      QStringLiteral("評価"), QStringLiteral("最善"), QStringLiteral("損")});
    moves->setAccessibleName(QStringLiteral("手順"));
    moves->verticalHeader()->hide();
    moves->setEditTriggers(QAbstractItemView::NoEditTriggers);
    moves->setSelectionBehavior(QAbstractItemView::SelectRows);
    moves->setSelectionMode(QAbstractItemView::SingleSelection);
    moves->setTabKeyNavigation(false);
    const int column = moves->fontMetrics().horizontalAdvance(QStringLiteral("-16 ??")) + 2 * CellPadding;
    moves->horizontalHeader()->setMinimumSectionSize(column);
    moves->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    moves->setMinimumWidth(ColumnCount * column + moves->verticalScrollBar()->sizeHint().width() + 2 * moves->frameWidth());

    boardView->setAccessibleName(QStringLiteral("盤"));
    complaint->setObjectName(QStringLiteral("complaint"));
    complaint->setAccessibleName(QStringLiteral("まちがい"));
    variationLine->setWordWrap(true);
    bestLine->setWordWrap(true);
    bestLine->setObjectName(QStringLiteral("bestLine"));
    bestLine->setAccessibleName(QStringLiteral("最善手順"));
    auto* boardSide = new QWidget(panes);
    auto* boardColumn = new QVBoxLayout(boardSide);
    boardColumn->setContentsMargins({});
    boardColumn->addWidget(boardView, 1);
    boardColumn->addWidget(status);
    boardColumn->addWidget(bestLine);
    boardColumn->addWidget(variationLine);

    // The list above the graph, beside the board; each keeps a usable size.
    auto* listSide = new QSplitter(Qt::Vertical, panes);
    listSide->addWidget(moves);
    listSide->addWidget(graph);
    listSide->setStretchFactor(0, 2);
    listSide->setStretchFactor(1, 1);
    listSide->setChildrenCollapsible(false);
    panes->addWidget(boardSide);
    panes->addWidget(listSide);
    panes->setChildrenCollapsible(false);

    auto* legend = new QLabel(QStringLiteral("数字: 最後の石差（打つ側から）　金: 最善　赤わく: 本譜の手\n"
                                             "← → Home End: 手をすすめる・もどす　↑ ↓ Return: 変化をためす　B: 最善手をうつ　Tab: つぎの欄\n"
                                             "Ctrl+C: 棋譜をコピー　Ctrl+V: はりつけ　Ctrl+Shift+C: 盤の画像をコピー　"
                                             "Ctrl+S: 画像を保存　Ctrl+W: とじる"),
                              this);
    auto* back = new QPushButton(QStringLiteral("本譜にもどる (Esc)"), this);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(legend, 1);
    bottom->addWidget(back, 0, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(complaint);
    layout->addWidget(panes, 1);
    layout->addLayout(bottom);

    // Tab goes from part to part in the order they stand; the graph takes no keys of its own.
    setTabOrder(recordField, boardView);
    setTabOrder(boardView, moves);
    setTabOrder(moves, back);

    connect(recordField, &QLineEdit::textEdited, this, &ReviewWindow::takeRecord);
    connect(back, &QPushButton::clicked, &model, &ReviewModel::backToGame);
    connect(moves, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (row >= 0 && row != model.gameIndex()) model.goTo(row);
    });
    connect(&model, &ReviewModel::changed, this, &ReviewWindow::showPosition);
    moves->installEventFilter(this);

    // The record field keeps its own copy and paste while it has the focus.
    const auto key = [this](auto keys, auto action) { return new QShortcut(keys, this, this, action); };
    key(Qt::Key_Left, [this] { model.step(-1); });
    key(Qt::Key_Right, [this] { model.step(1); });
    key(Qt::Key_Home, [this] { model.goTo(0); });
    key(Qt::Key_End, [this] { model.goTo(model.moveCount()); });
    key(Qt::Key_Escape, [this] {
        // On the game's line already: the reader hears where it is.
        if (model.variation().empty()) speech->tellShown(QStringLiteral("本譜です。"));
        model.backToGame();
    });
    key(Qt::Key_B, [this] {
        if (const auto best = model.bestLine(); !best.moves.empty()) model.play(best.moves.front());
    });
    key(QKeySequence::Paste, [this] { takeRecord(QApplication::clipboard()->text()); });
    key(QKeySequence::Copy, [this] { QApplication::clipboard()->setText(shownRecord()); });
    key(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), [this] { QApplication::clipboard()->setImage(boardView->picture()); });
    key(QKeySequence::Save, [this] { saveBoardPictureAs(); });
    key(QKeySequence::Close, [this] { close(); });
    // Windows' keys name none for quitting: Ctrl+Q there too.
    if (QShortcut* quit = key(QKeySequence::Quit, [this] { close(); }); quit->keys().isEmpty()) quit->setKey(Qt::CTRL | Qt::Key_Q);

    showPosition();
    markListFocus();
    // Most of the screen's free room, centred, with room to spare for a title bar of some 40
    // pixels on a screen 720 high.
    const QRect room = screen()->availableGeometry();
    resize(QSize(room.width() * 9 / 10, room.height() * 17 / 20).boundedTo(LargestOpening).expandedTo(minimumSizeHint()));
    move(room.center() - rect().center());
    speech = new ReviewSpeech(*this);
    // The keys step through the game at once; Alt+K reaches the record field.
    boardView->setFocus();
}

void ReviewWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // The board's side as wide as the board can be high, the rest to the list and the graph.
    QWidget* boardSide = panes->widget(0);
    const int wanted = panes->height() - boardSide->layout()->minimumSize().height() + boardView->minimumSizeHint().height();
    panes->setSizes({wanted, panes->width() - panes->handleWidth() - wanted});
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
    if (moves->currentRow() != model.gameIndex()) {
        const QSignalBlocker quiet(moves);
        moves->setCurrentCell(model.gameIndex(), 0);
        moves->selectRow(model.gameIndex());
    }
    moves->scrollToItem(moves->item(model.gameIndex(), 0));

    QString shown = model.statusText();
    if (model.valuesOf(model.shown()) == nullptr && model.shown().mover != EMPTY) shown += QStringLiteral("（計算中…）");
    status->setText(shown);
    bestLine->setText(model.bestLineText());
    bestLine->setAccessibleDescription(bestLine->text());
    QStringList tried;
    for (const std::int32_t cell : model.variation()) tried << QString::fromStdString(cellName(cell));
    variationLine->setText(tried.isEmpty() ? QStringLiteral("本譜")
                                           : QStringLiteral("変化（%1手目から）: %2").arg(model.gameIndex() + 1).arg(tried.join(u' ')));
}

bool ReviewWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == moves && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) markListFocus();
    return QWidget::eventFilter(watched, event);
}

void ReviewWindow::markListFocus()
{
    // The current row in the desktop's selection colour while the list has the focus, else in a
    // paler one with the plain text colour, so that where the focus is shows.
    QPalette colours = palette();
    if (!moves->hasFocus()) {
        const QColor selection = colours.color(QPalette::Highlight), ground = colours.color(QPalette::Base);
        colours.setColor(QPalette::Highlight, QColor((selection.red() + ground.red()) / 2, (selection.green() + ground.green()) / 2,
                                                     (selection.blue() + ground.blue()) / 2));
        colours.setColor(QPalette::HighlightedText, colours.color(QPalette::Text));
    }
    moves->setPalette(colours);
}

QString ReviewWindow::shownRecord() const
{
    QString record;
    for (const std::int32_t cell : model.shownMoves()) record += QString::fromStdString(cellName(cell));
    return record;
}

bool ReviewWindow::saveBoardPicture(const QString& path)
{
    QImageWriter writer(path, "png");
    if (writer.write(boardView->picture())) return true;
    complaint->setText(QStringLiteral("盤の画像を %1 に保存できません: %2").arg(QDir::toNativeSeparators(path), writer.errorString()));
    return false;
}

void ReviewWindow::saveBoardPictureAs()
{
    const int shownNumber = model.gameIndex() + static_cast<int>(model.variation().size());
    const QString suggested = QDir(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation))
                                  .filePath(QStringLiteral("nordamo-%1.png").arg(shownNumber, 2, 10, QLatin1Char('0')));
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("盤の画像を保存"), suggested, QStringLiteral("PNG (*.png)"));
    if (!path.isEmpty()) saveBoardPicture(path);
}
