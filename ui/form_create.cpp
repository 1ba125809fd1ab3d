// The creation step of the window, run once after every control exists and before it shows.
#include "tform1.h"

#include "clock_seed.h"
#include "flip_pictures.h"
#include "game_state.h"
#include "opening_book.h"
#include "radio_group.h"
#include "random_cell.h"

#include <QLabel>

void TForm1::FormCreate()
{
    // 1. The score before the first move, an empty journal, the direction lists and the
    //    starting board. No candidate list yet: that comes with the first game.
    startUpSetUp();

    // 2. Both choices open, and selected: the person moves first, the computer is weak.
    RadioGroup1->setEnabled(true);
    RadioGroup2->setEnabled(true);
    RadioGroup1->setItemIndex(0);
    RadioGroup2->setItemIndex(0);

    // 3. The opening book, from its built-in lines. It has no fault; were it to have one, the
    //    computer would play without a book rather than not at all.
    if (const auto fault = loadOpeningBook()) qWarning("opening book: %s", fault->c_str());

    // 4. The random moves follow the clock.
    seedRandom(millisecondsSinceMidnightUtc(std::chrono::system_clock::now()));

    // 5. The flip pictures: Image5 for a black disc turning, Image6 for a white one.
    Image5->setPixmap(transparentByBottomLeftPixel(drawFlipPicture(Image5->size(), Qt::white, Qt::black)));
    Image6->setPixmap(transparentByBottomLeftPixel(drawFlipPicture(Image6->size(), Qt::black, Qt::white)));
}
