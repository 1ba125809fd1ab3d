#include "pause.h"

#include "screen_flush.h"
#include "tform1.h"

#include <thread>

void pauseThread(std::int32_t count, std::chrono::milliseconds length)
{
    if (count <= 0) return;
    std::this_thread::sleep_for(length);
}

void TForm1::Matu(std::int32_t count)
{
    // Every pause follows a repaint that must be seen during it.
    sendDrawingToScreen();
    pauseThread(count, pauseLength);
}
