#include "game/decks.h"

namespace tycora {

namespace {

constexpr const char *Chance[DeckSize] = {
    "AdvanceToMayfair",        "AdvanceToPallMall", "AdvanceToNearestStation", "AdvanceToGO",
    "AdvanceToTrafalgarSquare", "AdvanceToNearestUtility", "GoBack3Spaces",   "BankDividend",
    "BuildingLoadMatures",     "GoJail",            "HouseRepairs",            "PoorTax",
    "TripMarylebone",          "GetOutJailCard",
};

constexpr const char *Community[DeckSize] = {
    "AdvanceToGO",   "GoBackToOldKentRoad", "BankError",       "BeautyContest",   "DoctorsFee",
    "Inherit100",    "LifeInsuranceMatures", "PayHospital",    "SaleOfStock",     "PaySchoolTax",
    "StreetRepairs", "IncomeTaxRefund",     "XmasFundMatures", "GetOutJailCard",
};

} // namespace

void fillChanceDeck(GameState &state)
{
    for (int i = 0; i < DeckSize; ++i)
        state.ChanceCards[i].CardId = Chance[i];
}

void fillCommunityDeck(GameState &state)
{
    for (int i = 0; i < DeckSize; ++i)
        state.CommunityCards[i].CardId = Community[i];
}

} // namespace tycora
