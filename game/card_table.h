#pragma once

// The Chance and Community Chest cards: who they are, what their faces say
// and what they do. The decks are filled with these identifiers, the engine
// looks each card's effect up here, and the art prints the instructions.
// Each card has an effect under each rule set: under Classic rules most
// cards only show their face.

#include <array>
#include <string>
#include <string_view>

namespace tycora {

enum class Deck { Chance, CommunityChest };

enum class CardId {
    AdvanceToMayfair,
    AdvanceToPallMall,
    AdvanceToNearestStation,
    AdvanceToGO,
    AdvanceToTrafalgarSquare,
    AdvanceToNearestUtility,
    GoBack3Spaces,
    BankDividend,
    BuildingLoadMatures,
    GoJail,
    HouseRepairs,
    PoorTax,
    TripMarylebone,
    GetOutJailCard,
    GoBackToOldKentRoad,
    BankError,
    BeautyContest,
    DoctorsFee,
    Inherit100,
    LifeInsuranceMatures,
    PayHospital,
    SaleOfStock,
    PaySchoolTax,
    StreetRepairs,
    IncomeTaxRefund,
    XmasFundMatures,
};

// The identifier as the event log writes it ("AdvanceToMayfair").
std::string_view cardName(CardId id);

struct CardEffect {
    enum class Kind {
        None,         // the card only shows its face
        AdvanceTo,    // walk forward to `square`
        NearestOf,    // walk forward to the next station or utility (`square` holds the SquareKind)
        WalkBack,     // walk backwards `amount` squares
        BackTo,       // walk backwards to `square`, collecting nothing
        Money,        // receive `amount` (negative: pay)
        Jail,         // go to jail
        Repairs,      // pay `amount` a house and `perHotel` a hotel
        KeepToLeaveJail,
    };
    Kind kind = Kind::None;
    int square = 0;
    int amount = 0;
    int perHotel = 0;
};

struct CardInfo {
    CardId id;
    // The face's text, in capitals, with its figures left as marks that
    // cardFace() fills from the effect: {pounds} the effect's amount of
    // money, {perHotel} its sum a hotel, {salary} what GO pays, {squares}
    // how far the card walks. '\n' breaks a line.
    std::string_view wording;
    CardEffect classic;             // under Classic rules
    CardEffect full;                // under Full rules
    Deck loggedAs;                  // the deck its Classic line names
};

inline constexpr int CardsPerDeck = 14;

// The cards of a deck in drawing order.
const std::array<CardInfo, CardsPerDeck> &deckCards(Deck deck);

// The text printed on the card, its figures taken from what the card does
// under Full rules (where every card acts), so that the face can never
// promise another sum than the one paid.
std::string cardFace(const CardInfo &card);

} // namespace tycora
