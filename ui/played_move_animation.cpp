// The move that stays on the board, shown step by step, and the record text under the board.
#include "accessibility.h"
#include "board_drawing.h"
#include "game_state.h"
#include "played_move.h"
#include "shape.h"
#include "status_announcement.h"
#include "tform1.h"

#include <QLabel>
#include <QPlainTextEdit>

namespace {

// The counts the animation passes to the pause; every positive count waits the same.
constexpr std::int32_t MarkerPause = 500000;
constexpr std::int32_t FlipPause = 600000;

// The marker stands this far right of the cell's corner; a disc in the lower layer, and with
// it the marker or the flip picture over it, lies this much lower than one in the upper layer.
constexpr int MarkerInset = 15;
constexpr int LayerStep = 8;

QPoint cornerOf(std::int32_t cell) { return cellCorner(rowOf(cell), columnOf(cell)); }

// Shows a played move as placeAndTurn makes it: the marker on the placed disc, then each
// captured disc off the board, its flip picture over the place, and back in the mover's colour.
struct AnimatedShow {
    TForm1& form;

    void placed(std::int32_t cell, std::int32_t kind)
    {
        const QPoint corner = cornerOf(cell);
        form.Shape1->move(corner.x() + MarkerInset, corner.y() + (kind == OnEmptyCell ? LayerStep : 0));
        form.Shape1->show();
        form.repaint();
        form.Matu(MarkerPause);
        form.Shape1->hide();
    }

    // The cell's turned layer is EMPTY now and takes the mover's colour when this returns; the
    // new colour and the hidden picture show at the next repaint.
    void turning(std::int32_t cell, bool upperLayer, Colour was)
    {
        form.repaint();
        QLabel* flip = was == BLACK ? form.Image5 : form.Image6;
        const QPoint corner = cornerOf(cell);
        flip->move(corner.x(), corner.y() - (upperLayer ? LayerStep : 0));
        flip->show();
        form.repaint();
        form.Matu(FlipPause);
        form.Image5->hide();
        form.Image6->hide();
    }
};

}  // namespace

bool TForm1::Jissai_Sokoutu(Colour colour, std::int32_t cell)
{
    // A move that would turn nothing is refused before anything changes or shows.
    if (!playMove(colour, cell, AnimatedShow{*this})) return false;
    Kifu();
    repaint();
    // The placed cell and the turned ones: the journal entries of this move.
    reportNewNames(*boardControl, std::span(State.JournalCell + State.JournalTop - State.ChangedCount[State.Ply],
                                            static_cast<std::size_t>(State.ChangedCount[State.Ply])));
    statusAnnouncements->announce(playedMoveText(State.Ply));
    return true;
}

void TForm1::Kifu()
{
    // Ply is at least 1 here: the move just played is in MoveRecord[Ply].
    std::string record;
    for (std::int32_t ply = 1; ply <= State.Ply; ++ply) record += cellName(State.MoveRecord[ply]);
    Memo1->setPlainText(QString::fromStdString(record));
}
