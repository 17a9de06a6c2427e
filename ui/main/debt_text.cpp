#include "ui/main/debt_text.h"

#include "game/square_table.h"
#include "game/text.h"
#include "ui/main/translated_text.h"

namespace tycora::ui {

namespace {

// Where money paid to someone other than a player goes.
std::string destination(const Creditor &creditor)
{
    return creditor.kind == MoneyChange::Other::FreeParking ? translatedText("DebtText", " into Free Parking")
                                                            : translatedText("DebtText", " to the bank");
}

} // namespace

std::string raisingText(const GameState &state, int debtor, int owed, const Creditor &creditor, const OwedFor &what)
{
    const Player &p = state.Players[debtor];
    const bool toPlayer = creditor.kind == MoneyChange::Other::Player && creditor.player >= 0 &&
                          creditor.player < MaxPlayers;
    // Who is paid and how much: "Bob £950", or "£950" paid away.
    const std::string payment =
        toPlayer ? translatedText("DebtText", "%1 %2").arg(state.Players[creditor.player].Name, pounds(owed))
                 : pounds(owed);
    const std::string start =
        translatedText("DebtText", "%1 must raise %2 to pay %3").arg(p.Name, pounds(owed - p.Money), payment);
    const std::string away = toPlayer ? std::string() : destination(creditor);
    const std::string title = onBoard(what.square) ? std::string(squareInfo(what.square).title) : std::string();
    switch (what.what) {
    case OwedFor::What::Rent:
        if (!title.empty())
            return translatedText("DebtText", "%1 rent for %2").arg(start, title);
        break;
    case OwedFor::What::Tax:
        if (!title.empty())
            return translatedText("DebtText", "%1 %2%3").arg(start, title, away);
        break;
    case OwedFor::What::Card:
        if (!title.empty())
            return translatedText("DebtText", "%1 for a %2 card%3").arg(start, title, away);
        break;
    case OwedFor::What::JailFine: return translatedText("DebtText", "%1 to leave Jail").arg(start);
    case OwedFor::What::Payment: break;
    }
    return start + away;
}

} // namespace tycora::ui
