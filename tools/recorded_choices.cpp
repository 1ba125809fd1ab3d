#include "recorded_choices.h"

#include "game_state.h"
#include "played_move.h"

#include <charconv>
#include <fstream>
#include <stdexcept>

namespace {

template <class Number>
bool readNumber(std::string_view text, Number& number)
{
    const auto [end, fault] = std::from_chars(text.data(), text.data() + text.size(), number);
    return fault == std::errc{} && end == text.data() + text.size();
}

// The fields of a line, split at single spaces.
std::vector<std::string_view> fieldsOf(std::string_view line)
{
    std::vector<std::string_view> fields;
    for (std::size_t at = 0; at <= line.size();) {
        const std::size_t end = std::min(line.find(' ', at), line.size());
        fields.push_back(line.substr(at, end - at));
        at = end + 1;
    }
    return fields;
}

}  // namespace

std::string choiceLine(const BookLine& choice)
{
    std::string line;
    for (std::int32_t cell : choice.moves) line += cellName(cell);
    line += choice.com == BLACK ? " black " : " white ";
    return line + cellName(choice.answer) + ' ' + std::to_string(choice.value) + ' ' + std::to_string(choice.nodes);
}

std::optional<BookLine> parseChoiceLine(std::string_view line)
{
    const std::vector<std::string_view> fields = fieldsOf(line);
    if (fields.size() != 5) return std::nullopt;
    BookLine choice;
    choice.moves = parseRecord(fields[0]);
    if (choice.moves.empty() && !fields[0].empty()) return std::nullopt;
    if (fields[1] != "black" && fields[1] != "white") return std::nullopt;
    choice.com = fields[1] == "black" ? BLACK : WHITE;
    choice.answer = cellIndex(fields[2]);
    if (choice.answer == 0 || !readNumber(fields[3], choice.value) || !readNumber(fields[4], choice.nodes))
        return std::nullopt;
    return choice;
}

std::vector<BookLine> readChoices(const std::string& path)
{
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::vector<BookLine> choices;
    std::string line;
    for (std::size_t number = 1; std::getline(in, line); ++number) {
        if (line.empty() || line.front() == '#') continue;
        auto choice = parseChoiceLine(line);
        if (!choice) throw std::runtime_error(path + ":" + std::to_string(number) + ": not a recorded choice");
        choices.push_back(std::move(*choice));
    }
    return choices;
}
