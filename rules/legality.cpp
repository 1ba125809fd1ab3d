#include "legality.h"

void Mazu_Yusen()
{
    // 1.-2. The array, ended by 0; slots above the 0 are left alone.
    std::int32_t count = 0;
    for (std::int32_t cell : PriorityOrder)
        if (State.Board[cell].Upper == EMPTY) State.Candidates[count++] = cell;
    State.CandidateCount = count;
    State.Candidates[count] = 0;
    if (count == 0) return;

    // 3.-6. The links, from the head sentinel through the cells to the tail sentinel.
    State.NextCand[HeadSentinel] = State.Candidates[0];
    State.PrevCand[State.Candidates[0]] = HeadSentinel;
    for (std::int32_t j = 0; j + 1 < count; ++j) {
        State.NextCand[State.Candidates[j]] = State.Candidates[j + 1];
        State.PrevCand[State.Candidates[j + 1]] = State.Candidates[j];
    }
    State.NextCand[State.Candidates[count - 1]] = TailSentinel;
    State.PrevCand[TailSentinel] = State.Candidates[count - 1];
}
