// The tree of games the book answers, derived from the strong computer's own choices.
#pragma once

#include "book_line.h"

#include <vector>

// Every line of the book in its order: the computer black after its a2, and white after the
// person's a2, answering every reply of the person from move 3 to move 9. Prints progress to
// stderr, and the nodes searched and the time taken. Throws std::runtime_error when the lines do
// not fall into the book's groups.
std::vector<BookLine> deriveBook(unsigned workers);
