// Derives the opening book from the strong computer's own choices, and either writes the source
// file that holds it or compares it with the book built into the program.
//
//   book_builder --write ai/book_text.cpp [--workers N]
//   book_builder --check [--workers N]

#include "book_source.h"
#include "book_tree.h"
#include "builder_options.h"
#include "game_state.h"
#include "opening_book.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Tells every line that differs from the built-in one; true when none does.
bool matchesBuiltInBook(const std::vector<BookLine>& book)
{
    std::size_t differences = 0;
    if (book.size() != BuiltInLineCount) {
        std::fprintf(stderr, "derived %zu lines, the built-in book has %zu\n", book.size(), BuiltInLineCount);
        ++differences;
    }
    for (std::size_t entry = 0; entry < std::min(book.size(), BuiltInLineCount); ++entry) {
        const std::string derived = lineText(book[entry]);
        if (derived == BookTextLines[entry]) continue;
        std::fprintf(stderr, "entry %zu: derived %s, built in %.*s\n", entry, derived.c_str(),
                     static_cast<int>(BookTextLines[entry].size()), BookTextLines[entry].data());
        ++differences;
    }
    if (differences == 0)
        std::printf("every derived line equals the built-in one\n");
    else
        std::printf("%zu lines differ\n", differences);
    return differences == 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const auto options = builderOptionsOf(std::vector<std::string_view>(argv + 1, argv + argc));
    if (!options) {
        std::fprintf(stderr, "usage: book_builder --write FILE | --check  [--workers N]\n");
        return 2;
    }
    startUpSetUp();
    try {
        const std::vector<BookLine> book = deriveBook(options->workers);
        if (options->check) return matchesBuiltInBook(book) ? 0 : 1;
        return writeSource("book_builder", options->output, sourceFile(book)) ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "book_builder: %s\n", e.what());
        return 1;
    }
}
