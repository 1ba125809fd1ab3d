// The one fixed pause of the move animation and of the computer's turn.
#pragma once

#include <chrono>
#include <cstdint>

// A brisk flip: long enough to see the marker and each turning disc, short enough not to drag.
inline constexpr std::chrono::milliseconds FixedPause{250};

// Blocks the calling thread for length when count is positive, whatever its size, and handles
// no event meanwhile: input waits in the window system's queue until the handler has returned.
// Returns at once when count is 0 or less.
void pauseThread(std::int32_t count, std::chrono::milliseconds length);
