// Any bytes as a game record. Beside the sanitizers' faults, a finding is: more moves than a game
// holds; accepted moves that do not read back the same as the game writes them; a refusal whose
// quote is not the record's own whole characters, each byte that is no part of a character and
// each control character shown as U+FFFD.
#include "game_state.h"
#include "record_reading.h"

#include <clocale>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <cwctype>

namespace {

void require(bool holds, const char* what)
{
    if (holds) return;
    std::fprintf(stderr, "record reading: %s\n", what);
    std::abort();
}

// The C library's UTF-8 decoder, which the reading does not share, is the judge of characters:
// the length of the one at at, or 0 for a byte that starts none.
std::size_t characterAt(std::string_view text, std::size_t at, wchar_t& code)
{
    std::mbstate_t state{};
    const std::size_t length = std::mbrtowc(&code, text.data() + at, text.size() - at, &state);
    if (length == static_cast<std::size_t>(-1) || length == static_cast<std::size_t>(-2) || code > 0x10FFFF) return 0;
    return length == 0 ? 1 : length;  // a NUL character
}

// What a quote of the bytes from..to should be; "" when they do not begin and end between
// characters.
std::string quoteOf(std::string_view text, std::size_t from, std::size_t to)
{
    std::size_t at = 0;
    std::string quote;
    while (at < to) {
        wchar_t code = 0;
        const std::size_t length = characterAt(text, at, code);
        if (at >= from)
            quote += length == 0 || std::iswcntrl(static_cast<wint_t>(code)) ? "\uFFFD" : text.substr(at, length);
        at += length == 0 ? 1 : length;
        if (at > from && quote.empty()) return {};
    }
    return at == to ? quote : std::string{};
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    require(std::setlocale(LC_ALL, "C.UTF-8") != nullptr, "no C.UTF-8 locale to judge characters by");
    startUpSetUp();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const RecordReading reading = readRecord(text);
    require(reading.moves.size() <= MaxMoves, "more moves than a game holds");
    if (!reading.refusal) {
        const RecordReading again = readRecord(writtenRecord(reading.moves));
        require(!again.refusal && again.moves == reading.moves,
                "the moves read do not read back as the game writes them");
        return 0;
    }
    const RecordRefusal& stop = *reading.refusal;
    require(stop.size > 0 && stop.at + stop.size <= size, "the quote lies outside the record");
    require(stop.quote == quoteOf(text, stop.at, stop.at + stop.size),
            "the quote is not the record's own whole characters");
    return 0;
}
