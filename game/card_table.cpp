#include "game/card_table.h"

#include "game/square_table.h"
#include "game/text.h"

#include <cstdlib>
#include <utility>

namespace tycora {

namespace {

using Kind = CardEffect::Kind;

constexpr CardEffect nothing() { return {}; }
constexpr CardEffect advanceTo(int square) { return {Kind::AdvanceTo, square, 0, 0}; }
constexpr CardEffect nearest(SquareKind kind) { return {Kind::NearestOf, static_cast<int>(kind), 0, 0}; }
constexpr CardEffect walkBack(int squares) { return {Kind::WalkBack, 0, squares, 0}; }
constexpr CardEffect backTo(int square) { return {Kind::BackTo, square, 0, 0}; }
constexpr CardEffect receive(int amount) { return {Kind::Money, 0, amount, 0}; }
constexpr CardEffect pay(int amount) { return {Kind::Money, 0, -amount, 0}; }
constexpr CardEffect jail() { return {Kind::Jail, 0, 0, 0}; }
constexpr CardEffect repairs(int perHouse, int perHotel) { return {Kind::Repairs, 0, perHouse, perHotel}; }
constexpr CardEffect keepToLeaveJail() { return {Kind::KeepToLeaveJail, 0, 0, 0}; }

// A card that acts the same way under both rule sets.
constexpr CardInfo both(CardId id, std::string_view face, CardEffect effect, Deck deck)
{
    return {id, face, effect, effect, deck};
}
// A card that only shows its face under Classic rules.
constexpr CardInfo fullOnly(CardId id, std::string_view face, CardEffect effect, Deck deck)
{
    return {id, face, nothing(), effect, deck};
}

constexpr Deck C = Deck::Chance;
constexpr Deck CC = Deck::CommunityChest;

constexpr std::array<CardInfo, CardsPerDeck> Chance{{
    both(CardId::AdvanceToMayfair, "ADVANCE TO MAYFAIR", advanceTo(squares::Mayfair), C),
    both(CardId::AdvanceToPallMall, "ADVANCE TO PALL MALL", advanceTo(squares::PallMall), C),
    both(CardId::AdvanceToNearestStation, "ADVANCE TO THE NEAREST STATION", nearest(SquareKind::Station), C),
    both(CardId::AdvanceToGO, "ADVANCE TO GO,\nCOLLECT {salary}", advanceTo(squares::Go), C),
    both(CardId::AdvanceToTrafalgarSquare, "ADVANCE TO TRAFALGAR SQUARE", advanceTo(squares::TrafalgarSquare), C),
    both(CardId::AdvanceToNearestUtility, "ADVANCE TO THE NEAREST UTILITY", nearest(SquareKind::Utility), C),
    both(CardId::GoBack3Spaces, "GO BACK {squares} SPACES", walkBack(3), C),
    both(CardId::BankDividend, "THE BANK PAYS YOU A DIVIDEND OF {pounds}", receive(50), C),
    both(CardId::BuildingLoadMatures, "YOUR BUILDING LOAN MATURES: COLLECT {pounds}", receive(100), C),
    both(CardId::GoJail, "GO DIRECTLY TO JAIL", jail(), C),
    fullOnly(CardId::HouseRepairs,
             "REPAIRS TO ALL YOUR PROPERTY: PAY {pounds} FOR EACH HOUSE AND {perHotel} FOR EACH HOTEL", repairs(25, 100), C),
    both(CardId::PoorTax, "PAY A POOR TAX OF {pounds}", pay(15), C),
    fullOnly(CardId::TripMarylebone, "TAKE A TRIP TO MARYLEBONE STATION", advanceTo(squares::MaryleboneStation), C),
    fullOnly(CardId::GetOutJailCard, "GET OUT OF JAIL FREE.\nKEEP THIS CARD UNTIL YOU NEED IT", keepToLeaveJail(), C),
}};

constexpr std::array<CardInfo, CardsPerDeck> Community{{
    // Its log line has always named the Chance deck; readers of the log rely on it.
    both(CardId::AdvanceToGO, "ADVANCE TO GO,\nCOLLECT {salary}", advanceTo(squares::Go), C),
    fullOnly(CardId::GoBackToOldKentRoad, "GO BACK TO OLD KENT ROAD", backTo(squares::OldKentRoad), CC),
    fullOnly(CardId::BankError, "A BANK ERROR IN YOUR FAVOUR: COLLECT {pounds}", receive(200), CC),
    fullOnly(CardId::BeautyContest, "SECOND PRIZE IN A BEAUTY CONTEST: COLLECT {pounds}", receive(10), CC),
    fullOnly(CardId::DoctorsFee, "DOCTOR'S FEE: PAY {pounds}", pay(50), CC),
    fullOnly(CardId::Inherit100, "YOU INHERIT {pounds}", receive(100), CC),
    fullOnly(CardId::LifeInsuranceMatures, "YOUR LIFE INSURANCE MATURES: COLLECT {pounds}", receive(100), CC),
    fullOnly(CardId::PayHospital, "PAY THE HOSPITAL {pounds}", pay(100), CC),
    fullOnly(CardId::SaleOfStock, "FROM THE SALE OF STOCK YOU GET {pounds}", receive(50), CC),
    fullOnly(CardId::PaySchoolTax, "PAY YOUR SCHOOL TAX OF {pounds}", pay(150), CC),
    fullOnly(CardId::StreetRepairs, "YOU ARE ASSESSED FOR STREET REPAIRS: {pounds} A HOUSE, {perHotel} A HOTEL", repairs(40, 115),
             CC),
    fullOnly(CardId::IncomeTaxRefund, "INCOME TAX REFUND: COLLECT {pounds}", receive(20), CC),
    fullOnly(CardId::XmasFundMatures, "YOUR CHRISTMAS FUND MATURES: COLLECT {pounds}", receive(100), CC),
    fullOnly(CardId::GetOutJailCard, "GET OUT OF JAIL FREE.\nKEEP THIS CARD UNTIL YOU NEED IT", keepToLeaveJail(),
             CC),
}};

} // namespace

std::string_view cardName(CardId id)
{
    switch (id) {
    case CardId::AdvanceToMayfair: return "AdvanceToMayfair";
    case CardId::AdvanceToPallMall: return "AdvanceToPallMall";
    case CardId::AdvanceToNearestStation: return "AdvanceToNearestStation";
    case CardId::AdvanceToGO: return "AdvanceToGO";
    case CardId::AdvanceToTrafalgarSquare: return "AdvanceToTrafalgarSquare";
    case CardId::AdvanceToNearestUtility: return "AdvanceToNearestUtility";
    case CardId::GoBack3Spaces: return "GoBack3Spaces";
    case CardId::BankDividend: return "BankDividend";
    case CardId::BuildingLoadMatures: return "BuildingLoadMatures";
    case CardId::GoJail: return "GoJail";
    case CardId::HouseRepairs: return "HouseRepairs";
    case CardId::PoorTax: return "PoorTax";
    case CardId::TripMarylebone: return "TripMarylebone";
    case CardId::GetOutJailCard: return "GetOutJailCard";
    case CardId::GoBackToOldKentRoad: return "GoBackToOldKentRoad";
    case CardId::BankError: return "BankError";
    case CardId::BeautyContest: return "BeautyContest";
    case CardId::DoctorsFee: return "DoctorsFee";
    case CardId::Inherit100: return "Inherit100";
    case CardId::LifeInsuranceMatures: return "LifeInsuranceMatures";
    case CardId::PayHospital: return "PayHospital";
    case CardId::SaleOfStock: return "SaleOfStock";
    case CardId::PaySchoolTax: return "PaySchoolTax";
    case CardId::StreetRepairs: return "StreetRepairs";
    case CardId::IncomeTaxRefund: return "IncomeTaxRefund";
    case CardId::XmasFundMatures: return "XmasFundMatures";
    }
    return "";
}

const std::array<CardInfo, CardsPerDeck> &deckCards(Deck deck) { return deck == Deck::Chance ? Chance : Community; }

std::string cardFace(const CardInfo &card)
{
    const CardEffect &effect = card.full;
    const std::pair<std::string_view, std::string> figures[] = {
        {"{pounds}", pounds(std::abs(effect.amount))},
        {"{perHotel}", pounds(effect.perHotel)},
        {"{salary}", pounds(GoSalary)},
        {"{squares}", number(effect.amount)},
    };
    std::string face(card.wording);
    for (const auto &[mark, figure] : figures)
        for (auto at = face.find(mark); at != std::string::npos; at = face.find(mark, at + figure.size()))
            face.replace(at, mark.size(), figure);
    return face;
}

} // namespace tycora
