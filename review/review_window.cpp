#include "review_window.h"

#include "game_words.h"
#include "grade_colours.h"
#include "lead_graph.h"
#include "move_list.h"
#include "practice_bar.h"
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
#include <QMessageBox>
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

// Every key of the window, as F1 lists them.
const char16_t* const KeyList = u"← →: 1手もどす・すすめる（ここから対局では ←: 1手もどす）\n"
                                u"Home End: 開始へ・終局へ\n"
                                u"N / Shift+N: つぎの・まえの損した手へ\n"
                                u"↑ ↓: 盤のカーソル（最善から順に）　Return: カーソルの手をうつ\n"
                                u"Space / B: 最善手をうつ\n"
                                u"Esc: 本譜にもどる、練習をやめる\n"
                                u"L: 評価をかくす・見せる\n"
                                u"M: まちがいから学ぶ　H: ヒント　A: 答えを見る　S: とばす　Return: つぎへ　G: もう一度　O: 相手の側で\n"
                                u"P: ここから対局　R: 再開\n"
                                u"Tab: つぎの欄　Alt+K: 棋譜の欄\n"
                                u"Ctrl+C: 棋譜をコピー　Ctrl+V: はりつけ　Ctrl+Shift+C: 盤の画像をコピー　Ctrl+S: 画像を保存\n"
                                u"Ctrl+W / Ctrl+Q: とじる　F1 / ?: この一覧";

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
      practiceBar(new PracticeBar(model, this)),
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
                                             "← →: 手をすすめる・もどす　↑ ↓ Return: 変化をためす　Space: 最善手　"
                                             "N: 損した手へ　L: 評価をかくす　F1 / ?: キーの一覧"),
                              this);
    auto* back = new QPushButton(QStringLiteral("本譜にもどる (Esc)"), this);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(legend, 1);
    bottom->addWidget(back, 0, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(complaint);
    layout->addWidget(panes, 1);
    layout->addWidget(practiceBar);
    layout->addLayout(bottom);

    // Tab goes from part to part in the order they stand; the graph takes no keys of its own.
    setTabOrder(recordField, boardView);
    setTabOrder(boardView, moves);
    setTabOrder(moves, back);
    QWidget* before = back;
    for (QWidget* control : practiceBar->controls()) {
        setTabOrder(before, control);
        before = control;
    }

    connect(recordField, &QLineEdit::textEdited, this, &ReviewWindow::takeRecord);
    connect(back, &QPushButton::clicked, this, [this] { stepAway([this] { model.backToGame(); }); });
    connect(moves, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (row >= 0 && row != model.gameIndex()) stepAway([this, row] { model.goTo(row); });
    });
    connect(graph, &LeadGraph::positionChosen, this, [this](std::int32_t index) { stepAway([this, index] { model.goTo(index); }); });
    connect(boardView, &ReviewBoard::cellChosen, this, [this](std::int32_t cell) {
        if (!practiceBar->choose(cell)) stepAway([this, cell] { model.play(cell); });
    });
    connect(&model, &ReviewModel::changed, this, &ReviewWindow::showPosition);
    moves->installEventFilter(this);

    // The record field keeps its own copy and paste while it has the focus.
    const auto key = [this](auto keys, auto action) { return new QShortcut(keys, this, this, action); };
    key(Qt::Key_Left, [this] {
        if (practiceBar->playOn().active()) practiceBar->playOn().takeBack();
        else stepAway([this] { model.step(-1); });
    });
    key(Qt::Key_Right, [this] { stepAway([this] { model.step(1); }); });
    key(Qt::Key_Home, [this] { stepAway([this] { model.goTo(0); }); });
    key(Qt::Key_End, [this] { stepAway([this] { model.goTo(model.moveCount()); }); });
    key(Qt::Key_Escape, [this] {
        if (practiceBar->leave()) return;
        // On the game's line already: the reader hears where it is.
        if (model.variation().empty()) speech->tellShown(QStringLiteral("本譜です。"));
        model.backToGame();
    });
    key(Qt::Key_B, [this] { playBest(); });
    // Space is the buttons' own key while one has the focus.
    new QShortcut(Qt::Key_Space, panes, this, [this] { playBest(); }, Qt::WidgetWithChildrenShortcut);
    key(Qt::Key_N, [this] { toGivenAway(1); });
    key(QKeySequence(Qt::SHIFT | Qt::Key_N), [this] { toGivenAway(-1); });
    key(Qt::Key_L, [this] {
        model.showValues(!model.valuesShown());
        speech->say(model.valuesShown() ? QStringLiteral("評価を見せます。") : QStringLiteral("評価をかくしました。"));
    });
    key(QKeySequence::HelpContents, [this] { showKeys(); });
    key(Qt::Key_Question, [this] { showKeys(); });
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
    connect(practiceBar, &PracticeBar::told, speech, &ReviewSpeech::say);
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
        for (const int column : {Mover, Move, Value, Best, GivenAway}) item(number, column, {});
    }
}

void ReviewWindow::showPosition()
{
    if (listedRecord != model.record() || moves->rowCount() == 0) fillMoveList();
    // The values known so far, the worse moves marked in their colour with dark text; none where
    // they are hidden, and no move after the one a question asks of.
    const auto asked = practiceBar->drill().question();
    for (std::int32_t number = 1; number <= model.moveCount(); ++number) {
        const bool later = asked && number > *asked, hidden = model.valuesHidden(model.gamePosition(number - 1));
        moves->item(number, Mover)->setText(later ? QString() : colourName(model.gamePosition(number - 1).mover));
        moves->item(number, Move)->setText(later ? QString() : cellLabel(model.gameMove(number)));
        const QString unknown = hidden ? QString() : QStringLiteral("…");
        moves->item(number, Value)->setText(hidden ? unknown : optionalNumber(model.moveValue(number)));
        moves->item(number, Best)->setText(hidden ? unknown : optionalNumber(model.bestValue(number)));
        const auto away = model.givenAway(number);
        const Grade grade = away ? gradeOf(*away) : Grade::Best;
        moves->item(number, GivenAway)->setText(!away ? unknown
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
    if (model.solvedValues(model.shown()) == nullptr && model.shown().mover != EMPTY) shown += QStringLiteral("（計算中…）");
    status->setText(shown);
    bestLine->setText(model.bestLineText());
    bestLine->setAccessibleDescription(bestLine->text());
    QStringList tried;
    for (const std::int32_t cell : model.variation()) tried << cellLabel(cell);
    variationLine->setText(tried.isEmpty() ? QStringLiteral("本譜")
                                           : QStringLiteral("変化（%1手目から）: %2").arg(model.gameIndex() + 1).arg(tried.join(u' ')));
}

void ReviewWindow::stepAway(const std::function<void()>& step)
{
    if (practiceBar->leaveForStep()) step();
    else showPosition();  // the list back on the position of the question
}

void ReviewWindow::toGivenAway(std::int32_t by)
{
    for (std::int32_t number = model.gameIndex() + by; number >= 1 && number <= model.moveCount(); number += by)
        if (model.givenAway(number).value_or(0) > 0) return stepAway([this, number] { model.goTo(number); });
    speech->say(by > 0 ? QStringLiteral("この先に損した手はありません。") : QStringLiteral("この前に損した手はありません。"));
}

void ReviewWindow::playBest()
{
    if (practiceBar->practising()) return;
    if (const auto* values = model.solvedValues(model.shown()); values != nullptr) model.play(values->front().cell);
}

void ReviewWindow::showKeys() { QMessageBox::information(this, QStringLiteral("キーの一覧"), QString::fromUtf16(KeyList)); }

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
    for (const std::int32_t cell : model.shownMoves()) record += cellLabel(cell);
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
