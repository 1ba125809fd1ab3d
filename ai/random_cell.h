// The pseudo-random generator of the computer's random moves, seeded once at start-up.
#pragma once

#include <cstdint>

void seedRandom(std::uint32_t seed);

// A position of the candidate array, uniformly from 0..15.
std::int32_t randomCell();
