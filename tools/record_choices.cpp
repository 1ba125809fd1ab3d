// Records the strong computer's choices, with their values and node counts, for the tests that
// hold the search to the tree it has today:
//
//   record_choices --write tests/data/strong_choices.txt [--workers N]
//
// The games are every game the book leads to where the strong computer must first search, and
// random games at moves 10 to 28.

#include "book_games.h"
#include "legality.h"
#include "opening_book.h"
#include "parallel_choices.h"
#include "played_move.h"
#include "recorded_choices.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <random>
#include <set>
#include <stdexcept>
#include <string>
#include <thread>

namespace {

// Random games: so many at each move number from FirstRandomMove to the last move, drawn from
// one fixed seed so that the file can be written again.
constexpr std::int32_t FirstRandomMove = 10;
constexpr int RandomGamesPerMove = 16;
constexpr std::uint32_t RandomSeed = 20260301;

// Adds to found every game that goes on from game, the person moving, up to the computer's
// next move, where the book has no answer for it. The computer's turn takes the same answer.
void searchedAfter(std::vector<std::int32_t>& game, Colour com, std::vector<BookLine>& found,
                   std::set<std::vector<std::int32_t>>& seen)
{
    replay(game, com);
    const Colour mover = sideToMove();
    if (mover == EMPTY) return;
    if (mover == com) {
        const std::int32_t answer = bookLookup();
        if ((answer == 0 || !Sokouteruka(com, answer)) && seen.insert(game).second) found.push_back({game, com});
        return;
    }
    for (std::int32_t reply : legalCells(mover)) {
        game.push_back(reply);
        searchedAfter(game, com, found, seen);
        game.pop_back();
    }
}

// Every game of the built-in book's lines, their answers played, continued to where the strong
// computer must search, in the order of the lines.
std::vector<BookLine> pastTheBook()
{
    std::vector<BookLine> found;
    std::set<std::vector<std::int32_t>> seen;
    for (std::int32_t entry = 0; entry < BookLines && State.BookTable[0][entry] != 0; ++entry) {
        const std::int32_t nn = State.BookTable[0][entry];
        std::vector<std::int32_t> game;
        for (std::int32_t k = 1; k < nn; ++k) game.push_back(State.BookTable[k][entry]);
        replay(game, WHITE);
        const Colour com = sideToMove();
        game.push_back(State.BookTable[nn][entry]);
        searchedAfter(game, com, found, seen);
    }
    return found;
}

// Games of random legal moves, both colours for the computer, ending where it is to move.
std::vector<BookLine> randomGames()
{
    std::mt19937 rng(RandomSeed);
    std::vector<BookLine> games;
    for (std::int32_t target = FirstRandomMove; target <= MaxMoves; ++target)
        for (int found = 0; found < RandomGamesPerMove;) {
            startGame(rng() % 2 ? BLACK : WHITE);
            std::vector<std::int32_t> moves;
            for (Colour mover = sideToMove(); State.Ply < target && mover != EMPTY; mover = sideToMove()) {
                const std::vector<std::int32_t> legal = legalCells(mover);
                moves.push_back(legal[rng() % legal.size()]);
                playMove(mover, moves.back());
                ++State.Ply;
                Mazu_Yusen();
            }
            if (State.Ply != target || sideToMove() != State.ComColour) continue;
            games.push_back({moves, State.ComColour});
            ++found;
        }
    return games;
}

bool write(const std::string& path, const std::vector<BookLine>& choices)
{
    std::ofstream out(path, std::ios::binary);
    out << "# The strong computer's choices, written by tools/record_choices: every game the book leads to\n"
           "# where the computer first searches, then random games at moves "
        << FirstRandomMove << " to " << MaxMoves
        << ".\n"
           "# The moves (black first, passes left out), the computer's colour, its choice, the value, the nodes.\n";
    for (const BookLine& choice : choices) out << choiceLine(choice) << '\n';
    out.close();
    if (!out) std::fprintf(stderr, "record_choices: cannot write %s\n", path.c_str());
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    unsigned workers = std::max(std::thread::hardware_concurrency(), 1u);
    if (args.size() == 4 && args[2] == "--workers") workers = static_cast<unsigned>(std::max(std::atoi(args[3].c_str()), 1));
    if ((args.size() != 2 && args.size() != 4) || args[0] != "--write") {
        std::fprintf(stderr, "usage: record_choices --write FILE [--workers N]\n");
        return 2;
    }
    startUpSetUp();
    try {
        if (auto fault = loadOpeningBook()) throw std::runtime_error(*fault);
        std::vector<BookLine> choices = pastTheBook();
        const std::size_t fromTheBook = choices.size();
        std::ranges::move(randomGames(), std::back_inserter(choices));
        std::fprintf(stderr, "%zu games past the book, %zu random games\n", fromTheBook, choices.size() - fromTheBook);
        const std::uint64_t nodes = answerInParallel(choices, workers);
        std::fprintf(stderr, "%llu nodes\n", static_cast<unsigned long long>(nodes));
        return write(args[1], choices) ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "record_choices: %s\n", e.what());
        return 1;
    }
}
