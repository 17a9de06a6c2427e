// What a saved game must look like to be played on: every figure one that a
// game played by the rules could reach. A file is hostile until checked, so
// everything the engine relies on is checked here, and the first problem
// is named in words.

#include "game/saved_game.h"

#include "game/card_table.h"
#include "game/figures.h"
#include "game/player_name_rule.h"
#include "game/rules.h"
#include "game/square_table.h"
#include "game/text.h"

#include <algorithm>

namespace tycora {

namespace {

constexpr int MaxGivenDice = 100'000;

std::string count(long long n, const std::string &what) { return std::to_string(n) + " " + what; }

bool hasControlCharacter(const std::string &text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c == 0x7F)
            return true;
        // U+0080..U+009F in UTF-8.
        if (c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) < 0xA0)
            return true;
    }
    return false;
}

std::string squareName(int square)
{
    const SquareInfo &info = squareInfo(square);
    return "square " + std::to_string(square) + " (" + std::string(info.title) + ")";
}

template<std::size_t N>
bool listed(const std::array<std::string_view, N> &names, const std::string &name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

std::string setupProblem(const SavedGame &game)
{
    const auto &players = game.players;
    if (players.size() < 2 || players.size() > MaxPlayers)
        return count(static_cast<long long>(players.size()), "players") + ": a game has 2 to 4";
    for (std::size_t i = 0; i < players.size(); ++i) {
        const NewPlayer &p = players[i];
        const std::string who = "player " + std::to_string(i + 1);
        switch (nameFault(p.name)) {
        case NameFault::None:
            break;
        case NameFault::HiddenCharacter:
            return who + "'s name contains a control character";
        case NameFault::Blank:
            return who + "'s name is empty";
        case NameFault::TooLong:
            return who + "'s name is longer than " + std::to_string(MaxNameLength) + " characters";
        case NameFault::EventMark:
            return who + "'s name holds \": \" or \"-->\"";
        }
        if (!listed(PieceNames, p.piece))
            return who + " has no piece of the game";
        if (!listed(ColourNames, p.colour))
            return who + " has no colour of the game";
        if (!listed(TypeNames, p.type))
            return who + " is neither a person nor a computer";
        for (std::size_t j = 0; j < i; ++j) {
            if (players[j].piece == p.piece)
                return players[j].name + " and " + p.name + " have the same piece";
            if (players[j].colour == p.colour)
                return players[j].name + " and " + p.name + " have the same colour";
        }
    }
    if (game.state.PlayerCount != static_cast<int>(players.size()))
        return "the snapshot has " + count(game.state.PlayerCount, "players") + " and the set-up " +
               std::to_string(players.size());
    return {};
}

std::string playerProblem(const SavedGame &game, int i)
{
    const GameState &s = game.state;
    const bool full = game.options.rules == RuleSet::Full;
    const Player &p = s.Players[i];
    const std::string &name = p.Name;
    if (p.Square < -1 || p.Square >= BoardSize)
        return name + " stands on square " + std::to_string(p.Square) + "; the squares are 0 to 39";
    if (p.TargetSquare != p.Square && !(p.Square == -1 && p.TargetSquare == 0))
        return name + " is on the way to another square";
    if (p.DoublesCount < 0 || p.DoublesCount > 2)
        return name + " has thrown " + count(p.DoublesCount, "doubles in a row") + "; the third goes to jail";
    if (p.PassedGo)
        return name + " is passing GO";
    if (p.InJail && !full)
        return name + " is held in jail, which only the Full rules do";
    if (p.JailThrows < 0 || p.JailThrows >= ThrowsInJail)
        return name + " has failed " + count(p.JailThrows, "throws") + " in jail";
    if (p.JailThrows > 0 && !p.InJail)
        return name + " has throws in jail but is not in jail";
    if (p.InJail && p.Square != squares::Jail)
        return name + " is in jail but stands on " + squareName(p.Square);
    if (p.Bankrupt && !full)
        return name + " is bankrupt, which only the Full rules allow";
    if (p.Bankrupt && p.InJail)
        return name + " is bankrupt and in jail";
    if (p.Bankrupt != (p.BankruptOrder != 0))
        return name + (p.Bankrupt ? " is bankrupt without a place in the order of bankruptcy"
                                  : " has a place in the order of bankruptcy but is not bankrupt");
    if (p.BankruptOrder < 0 || p.BankruptOrder >= s.PlayerCount)
        return name + " went bankrupt in place " + std::to_string(p.BankruptOrder);
    for (int j = 0; j < i; ++j)
        if (p.Bankrupt && s.Players[j].BankruptOrder == p.BankruptOrder)
            return s.Players[j].Name + " and " + name + " went bankrupt in the same place";
    return {};
}

std::string squareProblem(const SavedGame &game, int sq)
{
    const GameState &s = game.state;
    const bool full = game.options.rules == RuleSet::Full;
    const Property &d = s.Properties[sq];
    const Building &b = s.Buildings[sq];
    const SquareStat &st = s.SquareStats[sq];
    const std::string where = squareName(sq);
    const SquareInfo &info = squareInfo(sq);
    if (st.Landed < 0 || st.TotalRent < 0)
        return where + " has a figure below zero in its statistics";
    if (!info.ownable() && (d.Owned || d.Mortgaged))
        return where + " cannot be owned";
    if (d.Owned && (d.Owner < 0 || d.Owner >= s.PlayerCount))
        return where + " is owned by player " + std::to_string(d.Owner + 1) + ", who does not exist";
    if (d.Owned && s.Players[d.Owner].Bankrupt)
        return where + " is owned by " + s.Players[d.Owner].Name + ", who is bankrupt";
    if (!d.Owned && d.Mortgaged)
        return where + " is mortgaged but owned by nobody";
    if (d.Mortgaged && !full)
        return where + " is mortgaged, which only the Full rules allow";
    const bool built = b.Houses != 0 || b.Hotel;
    if (b.Houses < 0 || b.Houses > 4)
        return where + " has " + count(b.Houses, "houses") + "; a street has at most 4";
    if (b.Hotel && b.Houses != 4)
        return where + " has a hotel beside houses";
    if (built && info.kind != SquareKind::Street)
        return where + " has buildings but is not a street";
    if (built && (!d.Owned || !ownsColourGroup(s, d.Owner, sq)))
        return where + " has buildings but its colour group is not all one player's";
    if (built && groupHasMortgage(s, sq))
        return where + " has buildings in a colour group with a mortgage";
    return {};
}

std::string deckProblem(const GameState &s, Deck deck)
{
    const auto &cards = deck == Deck::Chance ? s.ChanceCards : s.CommunityCards;
    const int position = deck == Deck::Chance ? s.ChancePos : s.CommunityPos;
    const int holder = s.JailCardHolder[deck == Deck::Chance ? 0 : 1];
    const std::string name = deck == Deck::Chance ? "the Chance deck" : "the Community Chest deck";
    const auto &printed = deckCards(deck);
    for (const CardInfo &card : printed) {
        const auto copies = std::count_if(cards.begin(), cards.end(), [&](const Card &c) { return c.CardId == card.id; });
        if (copies != 1)
            return name + " holds " + std::string(cardName(card.id)) + " " +
                   (copies == 0 ? std::string("nowhere") : count(copies, "times"));
    }
    if (position < 0 || position > DeckSize)
        return name + " is at card " + std::to_string(position) + "; its cards are 0 to " + std::to_string(DeckSize);
    if (holder < -1 || holder >= s.PlayerCount)
        return name + "'s Get Out of Jail Free card is held by player " + std::to_string(holder + 1) +
               ", who does not exist";
    if (holder >= 0 && s.Players[holder].Bankrupt)
        return name + "'s Get Out of Jail Free card is held by " + s.Players[holder].Name + ", who is bankrupt";
    return {};
}

std::string gameProblem(const SavedGame &game)
{
    const GameState &s = game.state;
    const bool full = game.options.rules == RuleSet::Full;
    int housesOnBoard = 0, hotelsOnBoard = 0, left = 0;
    for (int i = 0; i < s.PlayerCount; ++i) {
        if (std::string problem = playerProblem(game, i); !problem.empty())
            return problem;
        left += !s.Players[i].Bankrupt;
    }
    if (left == 0)
        return "every player is bankrupt";
    if (s.CurrentPlayer < 0 || s.CurrentPlayer >= s.PlayerCount)
        return "the turn is player " + std::to_string(s.CurrentPlayer + 1) + "'s, who does not exist";
    if (left > 1 && s.Players[s.CurrentPlayer].Bankrupt)
        return "the turn is " + s.Players[s.CurrentPlayer].Name + "'s, who is bankrupt";
    for (int sq = 0; sq < BoardSize; ++sq) {
        if (std::string problem = squareProblem(game, sq); !problem.empty())
            return problem;
        hotelsOnBoard += s.Buildings[sq].Hotel;
        housesOnBoard += s.Buildings[sq].Hotel ? 0 : s.Buildings[sq].Houses;
    }
    if (s.HousesLeft < 0 || s.HousesLeft + housesOnBoard != HouseStock)
        return "the bank has " + count(s.HousesLeft, "houses") + " and the board " + std::to_string(housesOnBoard) +
               "; together they are " + std::to_string(HouseStock);
    if (s.HotelsLeft < 0 || s.HotelsLeft + hotelsOnBoard != HotelStock)
        return "the bank has " + count(s.HotelsLeft, "hotels") + " and the board " + std::to_string(hotelsOnBoard) +
               "; together they are " + std::to_string(HotelStock);
    for (const Deck deck : {Deck::Chance, Deck::CommunityChest})
        if (std::string problem = deckProblem(s, deck); !problem.empty())
            return problem;
    // Under Classic rules money keeps to its 16-bit range.
    if (!full)
        for (int i = 0; i < s.PlayerCount; ++i)
            if (moneyAfter(s.Players[i].Money, 0, RuleSet::Classic) != s.Players[i].Money)
                return s.Players[i].Name + " holds " + pounds(s.Players[i].Money) + ", beyond what the Classic rules allow";
    if (s.FreeParking < 0)
        return "the Free Parking pot is below zero";
    if (s.FreeParking > 0 && !game.options.freeParkingPot)
        return "there is money on Free Parking, though payments do not go there";
    if (s.DiceTotal < 0 || s.DiceTotal > 12 || s.DiceTotal == 1)
        return "the dice show " + std::to_string(s.DiceTotal);
    if (s.MoveFlag)
        return "a piece is on the move";
    if (game.progress.handOvers < 0 || game.progress.throws < 0)
        return "the count of throws or turns is below zero";
    if (left == 1 && !full && s.PlayerCount > 1)
        return "only one player is left, which only the Full rules allow";
    return {};
}

std::string diceProblem(const DicePosition &dice)
{
    if (dice.draws > MaxDraws)
        return "the dice have been thrown more than " + std::to_string(MaxDraws) + " times";
    if (dice.givenDice.size() > MaxGivenDice)
        return "more than " + std::to_string(MaxGivenDice) + " given dice";
    for (const int die : dice.givenDice)
        if (die < 1 || die > 6)
            return "a given die shows " + std::to_string(die);
    return {};
}

// A list of squares in an offer: every one a deed.
std::string squaresProblem(const std::vector<int> &squares)
{
    for (const int sq : squares)
        if (sq < 0 || sq >= BoardSize || !squareInfo(sq).ownable())
            return "trades a square that cannot be owned";
    return {};
}

// An offer written in a history: from the player to another, with items
// that could be traded.
std::string offerProblem(const SavedGame &game, const TradeOffer &offer, int player)
{
    if (offer.from != player || offer.to < 0 || offer.to >= game.state.PlayerCount || offer.to == player)
        return "offers a trade between players that cannot trade";
    for (const TradeSide *side : {&offer.gives, &offer.gets}) {
        if (side->cash < 0 || side->cash > MaxSavedMoney || side->jailCards < 0 || side->jailCards > 2 ||
            side->deeds.size() > std::size_t(BoardSize))
            return "offers cash or cards that no player could hold";
        if (std::string problem = squaresProblem(side->deeds); !problem.empty())
            return problem;
    }
    return squaresProblem(offer.lifts);
}

std::string decisionProblem(const SavedGame &game, const Decision &d)
{
    using Kind = Decision::Kind;
    if (d.player < 0 || d.player >= game.state.PlayerCount)
        return "names player " + std::to_string(d.player + 1) + ", who does not exist";
    switch (d.kind) {
    case Kind::Throw:
        if (d.value < 1 || d.value > 6 || d.second < 1 || d.second > 6)
            return "throws a die that is not 1 to 6";
        break;
    case Kind::Buy:
        if (d.value != 0 && d.value != 1)
            return "answers neither yes nor no";
        break;
    case Kind::Jail:
        if (d.value < 0 || d.value >= static_cast<int>(JailChoiceNames.size()))
            return "makes no choice in jail";
        break;
    case Kind::Bid:
        if (d.value < 0)
            return "bids below zero";
        break;
    case Kind::Build:
    case Kind::Sell:
    case Kind::Mortgage:
    case Kind::Unmortgage:
        if (d.value < 0 || d.value >= BoardSize || !squareInfo(d.value).ownable())
            return "deals with a square that cannot be owned";
        break;
    case Kind::Bankrupt: break;
    case Kind::Offer:
        if (!d.trade.get())
            return "offers no trade";
        return offerProblem(game, *d.trade.get(), d.player);
    case Kind::Reply:
        if (d.value < 0 || d.value >= static_cast<int>(TradeChoiceNames.size()))
            return "answers a trade with no reply";
        if (d.value == static_cast<int>(TradeChoice::Counter))
            return d.trade.get() ? offerProblem(game, *d.trade.get(), d.player) : "counters with no offer";
        if (d.trade.get())
            return squaresProblem(d.trade.get()->lifts);
        break;
    }
    return {};
}

} // namespace

std::string firstProblem(const SavedGame &game)
{
    if (std::string problem = setupProblem(game); !problem.empty())
        return problem;
    if (std::string problem = gameProblem(game); !problem.empty())
        return problem;
    if (std::string problem = diceProblem(game.dice); !problem.empty())
        return problem;
    for (std::size_t i = 0; i < game.history.size(); ++i)
        if (std::string problem = decisionProblem(game, game.history[i]); !problem.empty())
            return "history entry " + std::to_string(i + 1) + " " + problem;
    for (std::size_t i = 0; i < game.log.size(); ++i)
        if (hasControlCharacter(game.log[i]))
            return "log line " + std::to_string(i + 1) + " contains a control character";
    return {};
}

} // namespace tycora
