// The book's lines as text, and the C++ source file that holds them.
#pragma once

#include "book_line.h"

#include <span>
#include <string>

// The line in the book's format: "@", NN in two digits, ",", the moves, ",", the answer, ",", then
// for the answers at moves 3 and 4 "+" and the size of the value in two digits; then "&" and,
// for those answers, what the value means, in Shift-JIS.
std::string lineText(const BookLine& line);

// ai/book_text.cpp: every line as a C++ string literal, its Shift-JIS bytes as escapes with the
// Japanese in a comment beside them, the groups of lines headed by their entries.
std::string sourceFile(std::span<const BookLine> book);
