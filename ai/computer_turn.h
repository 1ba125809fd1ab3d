// The computer's whole turn: from the book, by search or at random, then handing the game on.
#pragma once

#include "board.h"

#include <cstdint>
#include <string_view>

// What the computer's turn needs of the window. Texts are UTF-8.
class ComputerTurnWindow {
public:
    virtual void setStatus(std::string_view text) = 0;
    virtual void Matu(std::int32_t count) = 0;
    virtual std::int32_t strength() const = 0;  // 0 weak, anything else strong
    // False, with nothing changed or shown, when the move would turn nothing.
    [[nodiscard]] virtual bool Jissai_Sokoutu(Colour colour, std::int32_t cell) = 0;
    // Returns when the person has closed it: true; false when the window was closed meanwhile.
    [[nodiscard]] virtual bool showMessage(std::string_view text) = 0;
    virtual void Kekka() = 0;

protected:
    ~ComputerTurnWindow() = default;
};

inline constexpr std::string_view ComputerThinking = "コンピュータのばんです";
inline constexpr std::string_view PersonToMove = "あなたのばんです";
inline constexpr std::string_view PersonPasses = "あなたはうつところがないのでパスです";

// The cell the computer plays at move Ply: the book's answer, else the strong search's choice
// (strong, from move 3 on), else a uniformly random legal cell; 0 when the computer has no legal
// move. The state is left unchanged.
std::int32_t computerChoice(std::int32_t strength);

// Plays the computer's move and hands on: to the person, to the computer again after the
// person's pass, or to the result. The computer must have a legal move; should the played move
// be refused, the turn ends there, the game as it was. A window closed while the person's pass is
// shown ends the turn as well.
void Com_Utu(ComputerTurnWindow& window);
