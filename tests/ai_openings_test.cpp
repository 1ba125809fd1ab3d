#include "search_fixture.h"

// The strong computer's first choices in the openings, searched from move 3 or 4 to the end of
// the game; the node counts are those of the search as first written.
const SolvedPosition Openings[] = {
    {"a2a1", BLACK, "c4", -10, 955380775},
    {"a2a3", BLACK, "d4", -2, 1790536387},
    {"a2c1", BLACK, "d1", -6, 819903091},
    {"a2a1a2", WHITE, "a1", 12, 231609410},
    {"a2a3a4", WHITE, "a1", 10, 674460080},
};
INSTANTIATE_TEST_SUITE_P(Openings, SolvedPositions, ::testing::ValuesIn(Openings));
