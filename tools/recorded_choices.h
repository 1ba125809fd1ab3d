// The file of the strong computer's recorded choices: one game a line, with the computer's
// colour, its choice, the value and the nodes the search visited, the search's signature.
//
//   # a comment
//   a2a3c4c1a4d2b1a4d3 white d1 5 34457740
#pragma once

#include "book_line.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The line of one choice: the moves (black first, passes left out), "black" or "white", the
// cell, the value and the nodes, separated by single spaces.
std::string choiceLine(const BookLine& choice);

// The choice a line holds; nullopt when the line is not in that form.
std::optional<BookLine> parseChoiceLine(std::string_view line);

// Every choice in the file at path, skipping empty lines and those that begin with "#". Throws
// std::runtime_error, naming the line, when the file cannot be read or a line is not a choice.
std::vector<BookLine> readChoices(const std::string& path);
