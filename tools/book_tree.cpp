#include "book_tree.h"

#include "book_games.h"
#include "legality.h"
#include "parallel_choices.h"
#include "played_move.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <iterator>
#include <stdexcept>
#include <string_view>

namespace {

constexpr std::int32_t A2 = 11;           // every line begins with it
constexpr std::int32_t LastAnswer = 9;    // the book answers at moves 3 to 9
constexpr std::size_t OpeningLines = 16;  // the answers at moves 3 and 4 come first

// Five of the first sixteen lines stand at entries of their own; the other answers at move 4
// fill the free entries in the order of the tree.
struct FixedEntry {
    std::size_t entry;
    std::string_view moves;
};
constexpr std::array<FixedEntry, 5> FixedOpenings = {{
    {0, "a2a3a4"}, {4, "a2a3"}, {6, "a2a1a2"}, {10, "a2a1"}, {15, "a2c1"},
}};

// After them the groups of lines, by move number and the computer's colour; an odd move of the
// computer white follows a pass of the person.
struct Group {
    std::int32_t moveNumber;
    Colour com;
};
constexpr std::array<Group, 7> LaterGroups = {{
    {5, BLACK}, {7, BLACK}, {9, BLACK},
    {6, WHITE}, {7, WHITE}, {8, WHITE}, {9, WHITE},
}};

// The games that follow the computer's move in line, up to move 9: each reply of the person, to
// be answered two moves later, or, when the person must pass, the game itself, to be answered
// again at the next move.
std::vector<BookLine> continuations(const BookLine& line)
{
    std::vector<std::int32_t> played = line.moves;
    played.push_back(line.answer);
    replay(played, line.com);
    const Colour person = opponentOf(line.com);

    std::vector<BookLine> next;
    if (!Uteruka(person)) {
        if (Uteruka(line.com) && State.Ply <= LastAnswer) next.push_back({played, line.com});
        return next;
    }
    if (State.Ply + 1 > LastAnswer) return next;
    for (std::int32_t reply : legalCells(person)) {
        std::vector<std::int32_t> game = played;
        game.push_back(reply);
        replay(game, line.com);
        if (Uteruka(line.com)) next.push_back({game, line.com});
    }
    return next;
}

// The first games to answer: the computer's random first moves in the form the lookup maps them
// to, black's a2 and each move 2 that white might draw after the person's a2, then every reply.
std::vector<BookLine> firstGames()
{
    std::vector<BookLine> drawn = {{{}, BLACK, A2}};
    replay({A2}, WHITE);
    for (std::int32_t cell : legalCells(WHITE)) drawn.push_back({{A2}, WHITE, cell});

    std::vector<BookLine> games;
    for (const BookLine& line : drawn) std::ranges::move(continuations(line), std::back_inserter(games));
    return games;
}

std::vector<BookLine> inBookOrder(std::vector<BookLine> derived)
{
    const std::size_t total = derived.size();
    std::vector<BookLine> book(OpeningLines);
    for (const auto& [entry, moves] : FixedOpenings) {
        const auto line = std::ranges::find(derived, parseRecord(moves), &BookLine::moves);
        if (line == derived.end()) throw std::runtime_error("the tree has no line " + std::string(moves));
        book[entry] = *line;
        derived.erase(line);
    }
    auto free = book.begin();
    for (const BookLine& line : derived) {
        if (line.moveNumber() > 4) continue;
        free = std::find_if(free, book.end(), [](const BookLine& entry) { return entry.moves.empty(); });
        if (free == book.end()) throw std::runtime_error("more than 16 answers at moves 3 and 4");
        *free = line;
    }
    if (std::ranges::any_of(book, [](const BookLine& line) { return line.moves.empty(); }))
        throw std::runtime_error("fewer than 16 answers at moves 3 and 4");
    for (const Group& group : LaterGroups)
        for (const BookLine& line : derived)
            if (line.moveNumber() == group.moveNumber && line.com == group.com) book.push_back(line);
    if (book.size() != total)
        throw std::runtime_error(std::to_string(total - book.size()) + " derived lines fall into no group of the book");
    return book;
}

}  // namespace

std::vector<BookLine> deriveBook(unsigned workers)
{
    const auto start = std::chrono::steady_clock::now();
    const auto seconds = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    std::uint64_t nodes = 0;

    // Each generation answers the games that the answers of the one before it lead to.
    std::vector<BookLine> derived;
    for (std::vector<BookLine> generation = firstGames(); !generation.empty();) {
        const std::uint64_t searched = answerInParallel(generation, workers);
        nodes += searched;
        const auto [earliest, latest] = std::ranges::minmax_element(generation, {}, &BookLine::moveNumber);
        std::fprintf(stderr, "%zu games answered at moves %d to %d: %llu nodes; %.1f s so far\n", generation.size(),
                     earliest->moveNumber(), latest->moveNumber(), static_cast<unsigned long long>(searched), seconds());
        std::vector<BookLine> next;
        for (const BookLine& line : generation) std::ranges::move(continuations(line), std::back_inserter(next));
        std::ranges::move(generation, std::back_inserter(derived));
        generation = std::move(next);
    }
    std::fprintf(stderr, "%zu lines derived: %llu nodes in %.1f s\n", derived.size(),
                 static_cast<unsigned long long>(nodes), seconds());
    return inBookOrder(std::move(derived));
}
