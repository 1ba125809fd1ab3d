// The seed of the computer's random moves, taken from the clock once at start-up.
#pragma once

#include <chrono>
#include <cstdint>

// Milliseconds since midnight UTC of now: ((hour * 60 + minute) * 60 + second) * 1000 + ms.
inline std::uint32_t millisecondsSinceMidnightUtc(std::chrono::system_clock::time_point now)
{
    using namespace std::chrono;
    const auto sinceEpoch = duration_cast<milliseconds>(now.time_since_epoch());
    return static_cast<std::uint32_t>((sinceEpoch - floor<days>(sinceEpoch)).count());
}
