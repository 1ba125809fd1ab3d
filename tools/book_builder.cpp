// Derives the opening book from the strong computer's own choices, and either writes the source
// file that holds it or compares it with the book built into the program.
//
//   book_builder --write ai/book_text.cpp [--workers N]
//   book_builder --check [--workers N]

#include "book_source.h"
#include "book_tree.h"
#include "game_state.h"
#include "opening_book.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace {

struct Options {
    bool check = false;
    std::string output;
    unsigned workers = std::max(std::thread::hardware_concurrency(), 1u);
};

std::optional<Options> optionsOf(const std::vector<std::string_view>& args)
{
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        if (args[i] == "--check") {
            options.check = true;
        } else if (args[i] == "--write" && hasValue) {
            options.output = args[++i];
        } else if (args[i] == "--workers" && hasValue) {
            const int workers = std::atoi(std::string(args[++i]).c_str());
            if (workers < 1) return std::nullopt;
            options.workers = static_cast<unsigned>(workers);
        } else {
            return std::nullopt;
        }
    }
    if (options.check == !options.output.empty()) return std::nullopt;
    return options;
}

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

bool write(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
    out.close();
    if (!out) std::fprintf(stderr, "book_builder: cannot write %s\n", path.c_str());
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv)
{
    const auto options = optionsOf(std::vector<std::string_view>(argv + 1, argv + argc));
    if (!options) {
        std::fprintf(stderr, "usage: book_builder --write FILE | --check  [--workers N]\n");
        return 2;
    }
    startUpSetUp();
    try {
        const std::vector<BookLine> book = deriveBook(options->workers);
        if (options->check) return matchesBuiltInBook(book) ? 0 : 1;
        return write(options->output, sourceFile(book)) ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "book_builder: %s\n", e.what());
        return 1;
    }
}
