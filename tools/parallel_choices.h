// The strong computer's choice for many games at once, one process per core.
#pragma once

#include "book_line.h"

#include <cstdint>
#include <span>

// Sets the answer, value and nodes of every line to the strong choice for its game, with up to workers
// processes searching at once, and prints progress to stderr. Returns the nodes searched. Throws
// std::runtime_error when a worker fails.
std::uint64_t answerInParallel(std::span<BookLine> lines, unsigned workers);
