#include "book_source.h"

#include "game_state.h"

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>

namespace {

// The answers at moves 3 and 4 tell what their value means for the computer.
struct Comment {
    std::string_view shiftJis;
    std::string_view japanese;
};
constexpr Comment ComFirstLoses = {"com\x90\xe6\x8e\xe8\x82\xc5"
                                   "com\x95\x89\x82\xaf\x82\xe9\x81\x42",
                                   "com先手でcom負ける。"};
constexpr Comment ComSecondWins = {"com\x8c\xe3\x8e\xe8\x82\xc5"
                                   "com\x8f\x9f\x82\xc2\x81\x42",
                                   "com後手でcom勝つ。"};

std::optional<Comment> commentOf(const BookLine& line)
{
    switch (line.moveNumber()) {
    case 3: return ComFirstLoses;
    case 4: return ComSecondWins;
    }
    return std::nullopt;
}

std::string twoDigits(std::int32_t number)
{
    return {static_cast<char>('0' + number / 10 % 10), static_cast<char>('0' + number % 10)};
}

bool isHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// text as a C++ string literal. A byte from 0x80 up begins a Shift-JIS character of two bytes,
// and both are written as escapes; since an escape takes in every hex digit after it, the literal
// is closed and opened again where one follows.
std::string cppLiteral(std::string_view text)
{
    std::string literal = "\"";
    bool afterEscape = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const std::size_t escaped = byte >= 0x80 ? 2 : 0;
        for (std::size_t k = 0; k < escaped && i + k < text.size(); ++k) {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\x%02x", static_cast<unsigned char>(text[i + k]));
            literal += escape;
        }
        if (escaped > 0) {
            i += escaped - 1;
            afterEscape = true;
            continue;
        }
        if (afterEscape && isHexDigit(text[i])) literal += "\" \"";
        if (text[i] == '"' || text[i] == '\\') literal += '\\';
        literal += text[i];
        afterEscape = false;
    }
    return literal + "\"";
}

// What a group of lines answers, for its heading in the source.
std::string groupHeading(const BookLine& first, std::size_t from, std::size_t to)
{
    const std::int32_t nn = first.moveNumber();
    std::string heading = "    // " + std::to_string(from) + "-" + std::to_string(to) + ": ";
    if (nn <= 4) return heading + "the answers at moves 3 and 4, with their values\n";
    heading += "the answers at move " + std::to_string(nn) + ", the computer ";
    heading += first.com == BLACK ? "black" : "white";
    if (first.com == WHITE && nn % 2 == 1) heading += ", after the person has passed";
    return heading + "\n";
}

bool sameGroup(const BookLine& a, const BookLine& b)
{
    return (a.moveNumber() <= 4 && b.moveNumber() <= 4) || (a.moveNumber() == b.moveNumber() && a.com == b.com);
}

}  // namespace

std::string lineText(const BookLine& line)
{
    std::string text = "@";
    text.append(twoDigits(line.moveNumber())).append(",");
    for (std::int32_t cell : line.moves) text += cellName(cell);
    text.append(",").append(cellName(line.answer)).append(",");
    const auto comment = commentOf(line);
    if (comment) text.append("+").append(twoDigits(std::abs(line.value)));
    text += "&";
    if (comment) text += comment->shiftJis;
    return text;
}

std::string sourceFile(std::span<const BookLine> book)
{
    std::string source =
        "// The lines of the opening book in their order. Written by tools/book_builder from the strong\n"
        "// computer's own choices; `book_builder --check` derives them again and compares.\n"
        "#include \"opening_book.h\"\n\n"
        "const std::array<std::string_view, BuiltInLineCount> BookTextLines = {\n";
    for (std::size_t from = 0, to; from < book.size(); from = to) {
        for (to = from + 1; to < book.size() && sameGroup(book[from], book[to]);) ++to;
        source += groupHeading(book[from], from, to - 1);
        for (std::size_t entry = from; entry < to; ++entry) {
            source += "    " + cppLiteral(lineText(book[entry])) + ",";
            if (const auto comment = commentOf(book[entry])) source += "  // " + std::string(comment->japanese);
            source += "\n";
        }
    }
    return source + "};\n";
}
