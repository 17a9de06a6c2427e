#include "ui/main/debt_text.h"

#include "game/square_table.h"
#include "game/text.h"

namespace tycora::ui {

namespace {

bool onBoard(int square) { return square >= 0 && square < BoardSize; }

// Where money paid to someone other than a player goes.
std::string destination(const Creditor &creditor)
{
    return creditor.kind == MoneyChange::Other::FreeParking ? " into Free Parking" : " to the bank";
}

} // namespace

std::string raisingText(const GameState &state, int debtor, int owed, const Creditor &creditor, const OwedFor &what)
{
    const Player &p = state.Players[debtor];
    const std::string start = p.Name + " must raise " + pounds(owed - p.Money) + " to pay ";
    const bool toPlayer = creditor.kind == MoneyChange::Other::Player && creditor.player >= 0 &&
                          creditor.player < MaxPlayers;
    const std::string payee = toPlayer ? state.Players[creditor.player].Name + " " : std::string();
    const std::string away = toPlayer ? std::string() : destination(creditor);
    const std::string title = onBoard(what.square) ? std::string(squareInfo(what.square).title) : std::string();
    switch (what.what) {
    case OwedFor::What::Rent:
        if (!title.empty())
            return start + payee + pounds(owed) + " rent for " + title;
        break;
    case OwedFor::What::Tax:
        if (!title.empty())
            return start + payee + pounds(owed) + " " + title + away;
        break;
    case OwedFor::What::Card:
        if (!title.empty())
            return start + payee + pounds(owed) + " for a " + title + " card" + away;
        break;
    case OwedFor::What::JailFine: return start + payee + pounds(owed) + " to leave Jail";
    case OwedFor::What::Payment: break;
    }
    return start + payee + pounds(owed) + away;
}

} // namespace tycora::ui
