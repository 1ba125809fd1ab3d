#include "computer_turn.h"

#include "legality.h"
#include "opening_book.h"
#include "random_cell.h"
#include "search.h"

std::int32_t computerChoice(std::int32_t strength)
{
    // A book answer that is not legal here would put a disc that turns nothing: go on without it.
    if (const std::int32_t answer = bookLookup(); answer > 0 && Sokouteruka(State.ComColour, answer)) return answer;
    if (strength != 0 && State.Ply > 2) return strongChoice().cell;

    // Candidates holds 0 from CandidateCount up to slot 15, so every legal cell is equally likely;
    // with none the draw would never end.
    if (!UterukaC()) return 0;
    for (;;) {
        const std::int32_t cell = State.Candidates[randomCell()];
        if (cell != 0 && Sokouteruka(State.ComColour, cell)) return cell;
    }
}

void Com_Utu(ComputerTurnWindow& window)
{
    // A pass of the person sends the turn round again, at most once per move of the game.
    for (;;) {
        // 1.-4. The list, the message that the computer is thinking, the pause.
        Mazu_Yusen();
        window.setStatus(ComputerThinking);
        window.Matu(200);

        // 5.-10. The choice, played on the board as the next move. A refused move leaves the game
        //        where it was: no move number without a move behind it, and no hand-on.
        if (!window.Jissai_Sokoutu(State.ComColour, computerChoice(window.strength()))) return;
        ++State.Ply;
        Mazu_Yusen();

        // 11. Hand on.
        if (UterukaM()) {
            window.setStatus(PersonToMove);
            return;
        }
        if (!UterukaC()) {
            window.Kekka();
            return;
        }
        if (!window.showMessage(PersonPasses)) return;
    }
}
