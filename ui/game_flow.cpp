// The computer's turn played in the window.
#include "message_box.h"
#include "radio_group.h"
#include "tform1.h"

#include <QLineEdit>

namespace {

QString fromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

void TForm1::Com_Utu() { ::Com_Utu(*this); }

void TForm1::setStatus(std::string_view text)
{
    Edit1->setText(fromUtf8(text));
    // On the screen at once: the computer's pause and search follow without an event loop.
    Edit1->repaint();
}

std::int32_t TForm1::strength() const { return RadioGroup2->itemIndex(); }

void TForm1::showMessage(std::string_view text) { showCentredMessage(fromUtf8(text), this); }
