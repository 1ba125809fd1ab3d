#include "record_reading.h"

#include "game_state.h"

#include <array>

namespace {

// A byte that starts no well-formed UTF-8 character.
constexpr char32_t NoCharacter = 0xFFFFFFFF;

// What stands for such a byte, and for a control character, in a quote: U+FFFD in UTF-8.
constexpr std::string_view Replacement = "\xEF\xBF\xBD";

constexpr std::u32string_view Spaces = U" \t\n\v\f\r\u0085\u00A0\u2028\u2029";
constexpr std::u32string_view Commas = U",、､・･";
constexpr std::u32string_view Dashes = U"-\u2010\u2011\u2012\u2013\u2014\u2015\u2212\u30FC\uFF70";
constexpr std::array<std::u32string_view, 5> PassWords = {U"pass", U"ps", U"パス", U"ぱす", U"ﾊﾟｽ"};

// One character of the text, folded: full-width forms to ASCII, the ideographic space to a space,
// upper case to lower; or one byte that starts no character, as NoCharacter.
struct Unit {
    char32_t code;
    std::size_t end;  // the byte after it
};

char32_t folded(char32_t code)
{
    if (code >= U'！' && code <= U'～') code -= U'！' - U'!';
    if (code == U'\u3000') return U' ';
    return code >= U'A' && code <= U'Z' ? code - U'A' + U'a' : code;
}

// The character that starts at byte at, which must lie inside the text; a sequence that is not
// well-formed (over-long, a surrogate, above U+10FFFF, cut short) is a lone byte.
Unit unitAt(std::string_view text, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80) return {folded(lead), at + 1};
    // The length, and the range of the second byte, from the lead byte (Unicode's table of
    // well-formed sequences); every later byte lies in 80..BF.
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) length = 2;
    if (lead >= 0xE0 && lead <= 0xEF) length = 3;
    if (lead >= 0xF0 && lead <= 0xF4) length = 4;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
    if (length == 0 || text.size() - at < length) return {NoCharacter, at + 1};
    char32_t code = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const unsigned char next = byte(at + i);
        if (next < (i == 1 ? low : 0x80) || next > (i == 1 ? high : 0xBF)) return {NoCharacter, at + 1};
        code = code << 6 | (next & 0x3F);
    }
    return {folded(code), at + length};
}

bool isDash(char32_t code) { return Dashes.find(code) != Dashes.npos; }
bool isSeparator(char32_t code)
{
    return isDash(code) || Spaces.find(code) != Spaces.npos || Commas.find(code) != Commas.npos;
}
bool isLetterOrDigit(char32_t code) { return (code >= U'a' && code <= U'z') || (code >= U'0' && code <= U'9'); }
bool isControl(char32_t code) { return code < 0x20 || (code >= 0x7F && code <= 0x9F); }

// The first byte after the separators from at; a dash followed by another is a pass, not one.
std::size_t pastSeparators(std::string_view text, std::size_t at)
{
    while (at < text.size()) {
        const Unit unit = unitAt(text, at);
        if (!isSeparator(unit.code)) break;
        if (isDash(unit.code) && unit.end < text.size() && isDash(unitAt(text, unit.end).code)) break;
        at = unit.end;
    }
    return at;
}

// The byte after word when the text spells it from at, else 0.
std::size_t pastWord(std::string_view text, std::size_t at, std::u32string_view word)
{
    for (const char32_t code : word) {
        if (at == text.size()) return 0;
        const Unit unit = unitAt(text, at);
        if (unit.code != code) return 0;
        at = unit.end;
    }
    return at;
}

// A move of the record, read but not yet played: a cell, a pass (cell 0), or a fault of the text.
struct Token {
    RecordFault fault;
    std::int32_t cell;
    std::size_t at, end;  // what a refusal quotes; the next token starts at end
};

Token tokenAt(std::string_view text, std::size_t at)
{
    // 1. A pass: one of its words, or a run of dashes.
    for (const std::u32string_view word : PassWords)
        if (const std::size_t end = pastWord(text, at, word); end != 0) return {RecordFault::None, 0, at, end};
    const Unit first = unitAt(text, at);
    if (isDash(first.code)) {
        std::size_t end = first.end;
        while (end < text.size() && isDash(unitAt(text, end).code)) end = unitAt(text, end).end;
        return {RecordFault::None, 0, at, end};
    }
    // 2. A cell: two letters or digits, which must name one.
    if (!isLetterOrDigit(first.code)) return {RecordFault::UnknownCharacter, 0, at, first.end};
    if (first.end == text.size()) return {RecordFault::HalfMove, 0, at, first.end};
    const Unit second = unitAt(text, first.end);
    if (isSeparator(second.code)) return {RecordFault::HalfMove, 0, at, first.end};
    if (!isLetterOrDigit(second.code)) return {RecordFault::UnknownCharacter, 0, first.end, second.end};
    const std::int32_t cell = cellIndex(std::string{static_cast<char>(first.code), static_cast<char>(second.code)});
    return {cell == 0 ? RecordFault::NotACell : RecordFault::None, cell, at, second.end};
}

std::string quoted(std::string_view text)
{
    std::string quote;
    for (std::size_t at = 0; at < text.size();) {
        const Unit unit = unitAt(text, at);
        quote += unit.code == NoCharacter || isControl(unit.code) ? Replacement : text.substr(at, unit.end - at);
        at = unit.end;
    }
    return quote;
}

}  // namespace

RecordReading readRecord(std::string_view text)
{
    RecordReading reading;
    startGame(WHITE);
    bool passWritten = false;  // for the side due at this move
    for (std::size_t at = pastSeparators(text, 0); at < text.size(); at = pastSeparators(text, at)) {
        const Token token = tokenAt(text, at);
        const Colour due = colourDue(), mover = sideToMove();
        RecordFault fault = token.fault;
        if (fault == RecordFault::None && token.cell == 0) {
            if (mover == EMPTY) {
                fault = RecordFault::GameOver;
            } else if (mover == due || passWritten) {
                fault = RecordFault::NeedlessPass;
            }
            passWritten = true;
        } else if (fault == RecordFault::None) {
            fault = playRecordedMove(token.cell);
            passWritten = false;
        }
        if (fault != RecordFault::None) {
            const std::string_view move = text.substr(token.at, token.end - token.at);
            reading.refusal = RecordRefusal{fault, State.Ply, quoted(move), token.at, move.size(), mover, due,
                                            mover == EMPTY ? std::vector<std::int32_t>{} : legalCells(mover)};
            return reading;
        }
        if (token.cell != 0) reading.moves.push_back(token.cell);
        at = token.end;
    }
    return reading;
}

std::string writtenRecord(std::span<const std::int32_t> cells, std::string_view between)
{
    std::string text;
    for (const std::int32_t cell : cells) text.append(text.empty() ? "" : between).append(cellName(cell));
    return text;
}
