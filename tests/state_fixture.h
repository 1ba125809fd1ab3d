// Test helpers: a fresh game state for every case, and boards written as pictures.
#pragma once

#include "game_state.h"
#include "legality.h"
#include "played_move.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <string_view>

// Every case starts from the state the program has right after start-up.
class FreshState : public ::testing::Test {
protected:
    void SetUp() override
    {
        State = GameState{};
        startUpSetUp();
    }
};

// Sets the 16 playing cells from four rows of four two-letter cells, lower then upper layer:
// "." nothing, "b" black, "w" white. {"..  b.  bw  w.", ...}: row 1 first, column a first.
// Then rebuilds the candidate list and gives the person and the computer their colours.
void setBoard(const std::array<std::string_view, 4>& rows, Colour humanColour = WHITE);

// The cells of the linked candidate list, head to tail.
std::vector<std::int32_t> linkedCandidates();

// Cells from a record text, "a2a1" as {11, 6}.
std::vector<std::int32_t> cells(std::string_view record);
