#include "state_fixture.h"

#include <sstream>

namespace {

Colour colourOf(char c)
{
    switch (c) {
    case 'b': return BLACK;
    case 'w': return WHITE;
    case '.': return EMPTY;
    }
    ADD_FAILURE() << "unknown disc '" << c << "' in a board picture";
    return EMPTY;
}

}  // namespace

void setBoard(const std::array<std::string_view, 4>& rows, Colour humanColour)
{
    startGame(humanColour);
    for (std::int32_t r = 1; r <= 4; ++r) {
        std::istringstream in{std::string(rows[r - 1])};
        for (std::int32_t c = 1; c <= 4; ++c) {
            std::string token;
            in >> token;
            ASSERT_EQ(token.size(), 2u) << "row " << r << " column " << c;
            State.Board[5 * r + c] = {colourOf(token[0]), colourOf(token[1])};
        }
    }
    Mazu_Yusen();
}

std::vector<std::int32_t> linkedCandidates()
{
    std::vector<std::int32_t> list;
    for (std::int32_t c = State.NextCand[HeadSentinel]; c != TailSentinel && list.size() <= 16; c = State.NextCand[c])
        list.push_back(c);
    return list;
}

std::vector<std::int32_t> cells(std::string_view record)
{
    auto list = parseRecord(record);
    EXPECT_FALSE(list.empty() && !record.empty()) << "bad record " << record;
    return list;
}
