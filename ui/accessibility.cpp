#include "accessibility.h"

#include "board_control.h"
#include "board_drawing.h"
#include "clickable_picture.h"
#include "game_state.h"
#include "game_words.h"
#include "message_box.h"

#include <QAccessibleWidget>

#include <array>

namespace {

constexpr int Columns = 4;

// The children of the board run row by row from a1, in the order the cells are drawn.
int childIndexOf(std::int32_t cell) { return Columns * (rowOf(cell) - 1) + columnOf(cell) - 1; }
std::int32_t cellOfChild(int index) { return cellOf(index / Columns + 1, index % Columns + 1); }

// The cursor cell of the focused board becomes the object that has the screen reader's focus.
void reportCursorFocus(BoardControl& board)
{
    if (!QAccessible::isActive() || !board.hasFocus()) return;
    QAccessibleEvent focus(&board, QAccessible::Focus);
    focus.setChild(childIndexOf(board.cursorCell()));
    QAccessible::updateAccessibility(&focus);
}

class BoardAccessible;

// One cell of the board: a name, a place on the screen, and the focus when it is the cursor's.
// An item of a list, not a cell of a table: readers speak one list item as the focus reaches it,
// where they read the whole row of a table whenever the row changes.
class CellAccessible : public QAccessibleInterface {
public:
    CellAccessible(BoardAccessible* owner, std::int32_t playingCell) : board(owner), cell(playingCell) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QString text(QAccessible::Text t) const override { return t == QAccessible::Name ? accessibleCellName(State.Board, cell) : QString(); }
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;

private:
    BoardAccessible* board;
    std::int32_t cell;
};

// The board: a list of its 16 cells, row by row from a1, nothing selectable. Its cells are made
// with it, handed to Qt's registry of interfaces and deleted with it. Each time the cursor cell
// becomes the focused one anew, it is reported as the focus.
class BoardAccessible : public QAccessibleWidget {
public:
    explicit BoardAccessible(BoardControl* control) : QAccessibleWidget(control, QAccessible::List)
    {
        for (int i = 0; i < PlayingCellCount; ++i)
            cells[i] = QAccessible::registerAccessibleInterface(new CellAccessible(this, cellOfChild(i)));
        QObject::connect(control, &BoardControl::cursorFocused, control, [control] { reportCursorFocus(*control); });
    }
    ~BoardAccessible() override
    {
        for (QAccessible::Id id : cells) QAccessible::deleteAccessibleInterface(id);
    }

    BoardControl* control() const { return static_cast<BoardControl*>(widget()); }

    QAccessibleInterface* child(int index) const override
    {
        return index >= 0 && index < PlayingCellCount ? QAccessible::accessibleInterface(cells[index]) : nullptr;
    }
    int childCount() const override { return PlayingCellCount; }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int i = 0; i < PlayingCellCount; ++i)
            if (QAccessible::accessibleInterface(cells[i]) == child) return i;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const std::int32_t cell = cellAtPoint(control()->parentWidget()->mapFromGlobal(QPoint(x, y)));
        return cell == 0 ? nullptr : child(childIndexOf(cell));
    }
    QAccessibleInterface* focusChild() const override
    {
        return control()->hasFocus() ? child(childIndexOf(control()->cursorCell())) : nullptr;
    }

private:
    std::array<QAccessible::Id, PlayingCellCount> cells{};
};

bool CellAccessible::isValid() const { return board->isValid(); }

QWindow* CellAccessible::window() const { return board->window(); }

QAccessibleInterface* CellAccessible::parent() const { return board; }

QRect CellAccessible::rect() const
{
    const BoardControl* control = board->control();
    const QPoint corner((columnOf(cell) - 1) * CellSize, (rowOf(cell) - 1) * CellSize);
    return QRect(control->mapToGlobal(corner), QSize(CellSize, CellSize));
}

QAccessible::State CellAccessible::state() const
{
    const BoardControl* control = board->control();
    QAccessible::State state;
    state.focusable = true;
    state.focused = control->hasFocus() && control->cursorCell() == cell;
    state.invisible = !control->isVisible();
    return state;
}

// A picture that is clicked to do something, pressed by a screen reader as a button is. The press
// is refused while a message box holds the window's input, as a click is.
class PictureButtonAccessible : public QAccessibleWidget {
public:
    explicit PictureButtonAccessible(ClickablePicture* picture) : QAccessibleWidget(picture, QAccessible::Button) {}

    QStringList actionNames() const override { return QAccessibleWidget::actionNames() << pressAction(); }
    void doAction(const QString& action) override
    {
        if (action != pressAction()) return QAccessibleWidget::doAction(action);
        auto* picture = static_cast<ClickablePicture*>(widget());
        if (!messageBoxIsOpen(picture->window())) picture->click();
    }
};

QAccessibleInterface* interfaceFor(const QString& className, QObject* object)
{
    if (className == QLatin1String("BoardControl")) return new BoardAccessible(static_cast<BoardControl*>(object));
    if (className == QLatin1String("ClickablePicture"))
        return new PictureButtonAccessible(static_cast<ClickablePicture*>(object));
    return nullptr;
}

}  // namespace

void installAccessibleInterfaces() { QAccessible::installFactory(interfaceFor); }

QString playedMoveText(std::int32_t ply)
{
    const std::int32_t* changed = State.JournalCell + State.JournalTop - State.ChangedCount[ply];
    const std::int32_t placed = changed[0];
    QString text = colourName(topDisc(State.Board[placed])) + QStringLiteral("が ") + cellLabel(placed) +
                   QStringLiteral(" にうちました。");
    QStringList turned;
    for (std::int32_t i = 1; i < State.ChangedCount[ply]; ++i) turned << cellLabel(changed[i]);
    return text + turned.join(u'、') + QStringLiteral(" がかえりました");
}

void reportNewNames(BoardControl& board, std::span<const std::int32_t> cells)
{
    if (!QAccessible::isActive()) return;
    for (std::int32_t cell : cells) {
        QAccessibleEvent changed(&board, QAccessible::NameChanged);
        changed.setChild(childIndexOf(cell));
        QAccessible::updateAccessibility(&changed);
    }
}
