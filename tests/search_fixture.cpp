#include "search_fixture.h"

#include "exact_solver.h"
#include "recorded_choices.h"
#include "search.h"

#include <algorithm>
#include <cstring>

bool Snapshot::operator==(const Snapshot& other) const { return std::memcmp(this, &other, sizeof *this) == 0; }

Snapshot snapshot(std::int32_t lastPly)
{
    Snapshot s{};
    std::memcpy(s.board, State.Board, sizeof s.board);
    s.journalTop = State.JournalTop;
    std::copy_n(State.JournalCell, s.journalTop, s.journal[0]);
    std::copy_n(State.JournalLower, s.journalTop, s.journal[1]);
    std::copy_n(State.JournalUpper, s.journalTop, s.journal[2]);
    std::memcpy(s.next, State.NextCand, sizeof s.next);
    std::memcpy(s.prev, State.PrevCand, sizeof s.prev);
    std::memcpy(s.candidates, State.Candidates, sizeof s.candidates);
    s.candidateCount = State.CandidateCount;
    s.ply = State.Ply;
    std::copy_n(State.Score, lastPly + 1, s.scores);
    std::copy_n(State.ChangedCount, lastPly + 1, s.changed);
    std::copy_n(State.MoveRecord, lastPly + 1, s.moves);
    return s;
}

void PrintTo(const SolvedPosition& p, std::ostream* os)
{
    *os << p.record << " with the computer " << (p.computer == BLACK ? "black" : "white");
}

namespace {

const std::vector<BookLine>& recordedChoices()
{
    static const std::vector<BookLine> recorded = readChoices(STRONG_CHOICES_FILE);
    return recorded;
}

}  // namespace

void expectRecordedChoices(std::size_t first, std::size_t stride)
{
    const std::vector<BookLine>& recorded = recordedChoices();
    ASSERT_EQ(recorded.size(), RecordedChoiceCount);
    for (std::size_t i = first; i < recorded.size(); i += stride) {
        const BookLine& r = recorded[i];
        SCOPED_TRACE(choiceLine(r));
        ASSERT_TRUE(replayRecord(r.moves, opponentOf(r.com)));
        ASSERT_EQ(sideToMove(), r.com);
        const Snapshot before = snapshot(State.Ply - 1);
        const StrongChoice choice = strongChoice();
        EXPECT_EQ(cellName(choice.cell), cellName(r.answer));
        EXPECT_EQ(choice.value, r.value);
        EXPECT_EQ(choice.nodes, r.nodes);
        EXPECT_TRUE(before == snapshot(State.Ply - 1));
    }
}

void expectRecordedChoicesSolved(std::size_t first, std::size_t stride)
{
    const std::vector<BookLine>& recorded = recordedChoices();
    ASSERT_EQ(recorded.size(), RecordedChoiceCount);
    ExactSolver solver;
    for (std::size_t i = first; i < recorded.size(); i += stride) {
        const BookLine& r = recorded[i];
        SCOPED_TRACE(choiceLine(r));
        ASSERT_TRUE(replayRecord(r.moves, opponentOf(r.com)));
        const Snapshot before = snapshot(State.Ply - 1);
        const std::vector<MoveValue> values = solver.moveValues(r.com);
        ASSERT_FALSE(values.empty());
        EXPECT_EQ(cellName(values.front().cell), cellName(r.answer));
        EXPECT_EQ(values.front().value, r.value);
        EXPECT_TRUE(before == snapshot(State.Ply - 1));
    }
}

void onEveryLineReading(const std::function<void()>& check)
{
    const LineReading before = lineReading();
    for (LineReading reading : {LineReading::Portable, LineReading::Pext}) {
        if (!canUse(reading)) continue;
        SCOPED_TRACE(reading == LineReading::Pext ? "pext" : "portable");
        useLineReading(reading);
        check();
    }
    useLineReading(before);
}
