#include "search_fixture.h"

// Every recorded choice, in parts that can run side by side.
constexpr int RecordedParts = 8;

class RecordedChoices : public FreshState, public ::testing::WithParamInterface<int> {};

TEST_P(RecordedChoices, AreSearchedAlike) { expectRecordedChoices(static_cast<std::size_t>(GetParam()), RecordedParts); }

TEST_P(RecordedChoices, AreTheExactSolversBest)
{
    expectRecordedChoicesSolved(static_cast<std::size_t>(GetParam()), RecordedParts);
}

INSTANTIATE_TEST_SUITE_P(Parts, RecordedChoices, ::testing::Range(0, RecordedParts));
