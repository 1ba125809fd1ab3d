// The end of a game: the result announced, and the board and the window back to waiting for OK.
#include "accessibility.h"
#include "game_state.h"
#include "invariants.h"
#include "radio_group.h"
#include "status_announcement.h"
#include "tform1.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The result with the person ahead by lead top discs (behind when it is negative).
std::string resultText(std::int32_t lead)
{
    if (lead == 0) return "ひきわけです";
    if (lead < 0) return "コンピュータの" + std::to_string(-lead) + "石がちです";
    return "あなたの" + std::to_string(lead) + "石がちです";
}

}  // namespace

void TForm1::Kekka()
{
    // 1. No status while the result is shown.
    Edit1->clear();

    // 2.-3. The top discs counted over the 16 playing cells, a cell of two discs once; the final
    //       position stays on the screen until the message is closed. A closed window leaves
    //       the game as it is.
    if (!showMessage(resultText(-topDiscLead()))) return;

    // 4. The same reset as the restart picture's.
    Image15Click();
}

void TForm1::Image15Click()
{
    // 1. The cells painted over, then the board as it still stands.
    ALLMarukesi();

    // 2.-6. The start position, Ply 1, all 16 cells listed, an empty journal.
    resetToStart();

    // 7.-8. Waiting for OK, with the choices open again as they were left.
    Button1->show();
    Image2->show();
    RadioGroup1->setEnabled(true);
    RadioGroup2->setEnabled(true);

    // 9.
    repaint();
    reportNewNames(*boardControl, PriorityOrder);
    // The keys start the next game from OK; a screen reader hears it there, then the restart.
    Button1->setFocus();
    statusAnnouncements->announce(QStringLiteral("さいしょにもどりました"));
}
