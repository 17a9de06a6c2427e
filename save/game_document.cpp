#include "save/game_document.h"

#include "game/card_table.h"
#include "game/player_setup.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <limits>
#include <span>

namespace tycora::save {

namespace {


// ---- names -------------------------------------------------------------------

QString trimmed(std::string_view name) { return QString::fromUtf8(name.data(), qsizetype(name.size())).trimmed(); }
QString trimmed(const QString &name) { return name.trimmed(); }

QString pieceName(const std::string &piece) { return trimmed(piece); }

// Every card of both decks, each once, and their names.
const std::vector<CardId> &allCards()
{
    static const std::vector<CardId> cards = [] {
        std::vector<CardId> all;
        for (const Deck deck : {Deck::Chance, Deck::CommunityChest})
            for (const CardInfo &c : deckCards(deck))
                if (std::find(all.begin(), all.end(), c.id) == all.end())
                    all.push_back(c.id);
        return all;
    }();
    return cards;
}

QString cardText(CardId id) { return trimmed(cardName(id)); }

const std::vector<QString> &allCardNames()
{
    static const std::vector<QString> names = [] {
        std::vector<QString> all;
        for (const CardId id : allCards())
            all.push_back(cardText(id));
        return all;
    }();
    return names;
}

// ---- writing -------------------------------------------------------------------

QJsonArray deckJson(const std::array<Card, DeckSize> &cards)
{
    QJsonArray names;
    for (const Card &c : cards)
        names.append(cardText(c.CardId));
    return names;
}

QJsonValue playerOrNull(int player) { return player < 0 ? QJsonValue(QJsonValue::Null) : QJsonValue(player); }

QJsonArray squaresJson(const std::vector<int> &squares)
{
    QJsonArray list;
    for (const int sq : squares)
        list.append(sq);
    return list;
}

QJsonObject tradeSideJson(const TradeSide &side)
{
    return {{"deeds", squaresJson(side.deeds)}, {"cash", qint64(side.cash)}, {"jailCards", side.jailCards}};
}

// The proposer is the decision's player.
QJsonObject offerJson(const TradeOffer &offer)
{
    return {{"to", offer.to},
            {"gives", tradeSideJson(offer.gives)},
            {"gets", tradeSideJson(offer.gets)},
            {"lifts", squaresJson(offer.lifts)},
            {"counters", offer.counters}};
}

QJsonObject decisionJson(const Decision &d)
{
    QJsonObject entry{{"player", d.player}};
    const QString kind = trimmed(DecisionKindNames[static_cast<std::size_t>(d.kind)]);
    switch (d.kind) {
    case Decision::Kind::Throw: entry[kind] = QJsonArray{d.value, d.second}; break;
    case Decision::Kind::Buy: entry[kind] = d.value != 0; break;
    case Decision::Kind::Jail: entry[kind] = trimmed(JailChoiceNames[static_cast<std::size_t>(d.value)]); break;
    case Decision::Kind::Bankrupt: entry[kind] = true; break;
    case Decision::Kind::Offer: entry[kind] = d.trade.get() ? offerJson(*d.trade.get()) : QJsonObject(); break;
    case Decision::Kind::Reply:
        entry[kind] = trimmed(TradeChoiceNames[static_cast<std::size_t>(d.value)]);
        if (d.trade.get() && d.value == static_cast<int>(TradeChoice::Counter))
            entry["counter"] = offerJson(*d.trade.get());
        else if (d.trade.get())
            entry["lifts"] = squaresJson(d.trade.get()->lifts);
        break;
    default: entry[kind] = d.value; break;
    }
    return entry;
}

QJsonObject setupJson(const SavedGame &game)
{
    QJsonArray players;
    for (const NewPlayer &p : game.players) {
        QJsonObject player{{"name", QString::fromStdString(p.name)},
                           {"piece", pieceName(p.piece)},
                           {"colour", QString::fromStdString(p.colour)},
                           {"type", QString::fromStdString(p.type)}};
        // A computer's level; a game saved before levels existed has none
        // and its computers play Normal.
        if (p.type == TypeNames[1])
            player.insert("level", QString::fromUtf8(levelName(p.level).data(), qsizetype(levelName(p.level).size())));
        players.append(player);
    }
    QJsonObject options{{"firstRoundBuying", game.options.firstRoundBuying},
                        {"doubleGoSalary", game.options.doubleGoSalary},
                        {"freeParkingPot", game.options.freeParkingPot}};
    // Written only for a game that trades: games written before trading
    // existed read as games without it.
    if (game.options.trading)
        options["trading"] = true;
    return {{"players", players},
            {"options", options},
            {"rules", ruleSetName(game.options.rules)},
            {"pace", paceName(game.pace)}};
}

QJsonArray fingerprintsJson(const std::vector<std::uint64_t> &prints)
{
    QJsonArray list;
    for (const std::uint64_t print : prints)
        list.append(QString::number(print));
    return list;
}

// This turn's offers and the computers' memory of their own: only a game
// that trades has any.
QJsonObject tradingJson(const TradeMemory &memory, int players)
{
    QJsonArray rejected;
    for (const TradeOffer &offer : memory.rejectedThisTurn) {
        QJsonObject o = offerJson(offer);
        o.insert("from", offer.from);
        rejected.append(o);
    }
    QJsonArray computers;
    for (int i = 0; i < players; ++i) {
        const ComputerTradeMemory &c = memory.computers[static_cast<std::size_t>(i)];
        computers.append(QJsonObject{{"sentOffers", fingerprintsJson(c.sentOffers)},
                                     {"askedTurn", qint64(c.askedTurn)},
                                     {"asked", squaresJson(c.asked)},
                                     {"judged", fingerprintsJson(c.judged)}});
    }
    return {{"offersTurn", qint64(memory.offersTurn)},
            {"offersThisTurn", memory.offersThisTurn},
            {"rejected", rejected},
            {"computers", computers}};
}

QJsonObject snapshotJson(const SavedGame &game)
{
    const GameState &s = game.state;
    QJsonArray players;
    for (int i = 0; i < s.PlayerCount; ++i) {
        const Player &p = s.Players[i];
        players.append(QJsonObject{{"money", qint64(p.Money)},
                                   {"square", p.Square},
                                   {"place", p.Place},
                                   {"doubles", p.DoublesCount},
                                   {"beenRound", p.BeenRound},
                                   {"inJail", p.InJail},
                                   {"jailThrows", p.JailThrows},
                                   {"bankrupt", p.Bankrupt},
                                   {"bankruptOrder", p.BankruptOrder}});
    }
    QJsonArray squares;
    for (int sq = 0; sq < BoardSize; ++sq) {
        const Property &d = s.Properties[sq];
        const Building &b = s.Buildings[sq];
        squares.append(QJsonObject{{"owner", playerOrNull(d.Owned ? d.Owner : -1)},
                                   {"mortgaged", d.Mortgaged},
                                   {"houses", b.Hotel ? 0 : b.Houses},
                                   {"hotel", b.Hotel},
                                   {"landed", s.SquareStats[sq].Landed},
                                   {"totalRent", s.SquareStats[sq].TotalRent}});
    }
    QJsonArray given;
    for (const int die : game.dice.givenDice)
        given.append(die);
    QJsonObject snapshot{{"currentPlayer", s.CurrentPlayer},
            {"handOvers", qint64(game.progress.handOvers)},
            {"throws", qint64(game.progress.throws)},
            {"diceTotal", s.DiceTotal},
            {"players", players},
            {"squares", squares},
            {"bank", QJsonObject{{"houses", s.HousesLeft}, {"hotels", s.HotelsLeft}}},
            {"freeParking", qint64(s.FreeParking)},
            {"chance",
             QJsonObject{{"cards", deckJson(s.ChanceCards)},
                         {"position", s.ChancePos},
                         {"jailCardHolder", playerOrNull(s.JailCardHolder[0])}}},
            {"communityChest",
             QJsonObject{{"cards", deckJson(s.CommunityCards)},
                         {"position", s.CommunityPos},
                         {"jailCardHolder", playerOrNull(s.JailCardHolder[1])}}},
            {"dice",
             QJsonObject{{"seed", QString::number(game.dice.seed)},
                         {"draws", QString::number(game.dice.draws)},
                         {"given", given}}}};
    if (game.options.trading)
        snapshot.insert("trading", tradingJson(s.Trading, s.PlayerCount));
    return snapshot;
}

// ---- reading -------------------------------------------------------------------

// The path of a list's entry: "setup.players[2].".
QString at(const QString &path, const char *key, qsizetype index)
{
    return path + key + "[" + QString::number(index) + "].";
}

// Reads fields and keeps the first problem, named by the field's path.
class Fields {
public:
    bool failed() const { return !problem_.isEmpty(); }
    const QString &problem() const { return problem_; }
    void fail(const QString &problem)
    {
        if (problem_.isEmpty())
            problem_ = problem;
    }

    QJsonValue value(const QJsonObject &o, const QString &path, const char *key)
    {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isUndefined())
            fail(path + key + " is missing");
        return v;
    }

    QJsonObject object(const QJsonObject &o, const QString &path, const char *key)
    {
        const QJsonValue v = value(o, path, key);
        if (!v.isUndefined() && !v.isObject())
            fail(path + key + " is not an object");
        return v.toObject();
    }

    // Entry `index` of the list `key`, which must be an object.
    QJsonObject entry(const QJsonArray &list, const QString &path, const char *key, qsizetype index)
    {
        if (!list[index].isObject())
            fail(at(path, key, index).chopped(1) + " is not an object");
        return list[index].toObject();
    }

    QJsonArray array(const QJsonObject &o, const QString &path, const char *key, qsizetype lo, qsizetype hi)
    {
        const QJsonValue v = value(o, path, key);
        if (v.isUndefined())
            return {};
        if (!v.isArray()) {
            fail(path + key + " is not a list");
            return {};
        }
        const QJsonArray a = v.toArray();
        if (a.size() < lo || a.size() > hi)
            fail(path + key + " has " + QString::number(a.size()) + " entries; it must have " +
                 (lo == hi ? QString::number(lo) : QString::number(lo) + " to " + QString::number(hi)));
        return a;
    }

    long long whole(const QJsonValue &v, const QString &name, long long lo, long long hi)
    {
        if (failed() || v.isUndefined())
            return lo < 0 && hi >= 0 ? 0 : lo;
        const double d = v.toDouble(std::nan(""));
        if (!v.isDouble() || std::isnan(d) || std::floor(d) != d) {
            fail(name + " is not a whole number");
            return 0;
        }
        if (d < double(lo) || d > double(hi)) {
            fail(name + " is " + QString::number(d, 'f', 0) + "; it must be from " + QString::number(lo) + " to " +
                 QString::number(hi));
            return 0;
        }
        return static_cast<long long>(d);
    }
    long long whole(const QJsonObject &o, const QString &path, const char *key, long long lo, long long hi)
    {
        return whole(value(o, path, key), path + key, lo, hi);
    }

    bool flag(const QJsonObject &o, const QString &path, const char *key)
    {
        const QJsonValue v = value(o, path, key);
        if (!v.isUndefined() && !v.isBool())
            fail(path + key + " is neither true nor false");
        return v.toBool();
    }

    QString text(const QJsonValue &v, const QString &name)
    {
        if (!v.isUndefined() && !v.isString())
            fail(name + " is not a text");
        return v.toString();
    }
    QString text(const QJsonObject &o, const QString &path, const char *key)
    {
        return text(value(o, path, key), path + key);
    }

    // A name from the list; its index.
    template<typename Names>
    int oneOf(const QJsonValue &v, const QString &name, const Names &names)
    {
        const QString t = text(v, name);
        if (failed())
            return 0;
        for (std::size_t i = 0; i < std::size(names); ++i)
            if (t == trimmed(names[i]))
                return static_cast<int>(i);
        fail(name + " is \"" + t + "\", which this program does not know");
        return 0;
    }
    template<typename Names>
    int oneOf(const QJsonObject &o, const QString &path, const char *key, const Names &names)
    {
        return oneOf(value(o, path, key), path + key, names);
    }

    // A player's number, or -1 for null.
    int playerOrNobody(const QJsonObject &o, const QString &path, const char *key)
    {
        const QJsonValue v = value(o, path, key);
        if (v.isNull())
            return -1;
        return static_cast<int>(whole(v, path + key, 0, MaxPlayers - 1));
    }

    std::uint64_t bigWhole(const QJsonObject &o, const QString &path, const char *key, std::uint64_t hi)
    {
        const QString t = text(o, path, key);
        if (failed())
            return 0;
        bool ok = false;
        const qulonglong n = t.toULongLong(&ok);
        if (!ok || t.isEmpty() || !t.front().isDigit() || n > hi)
            fail(path + key + " is \"" + t + "\"; it must be a whole number from 0 to " + QString::number(hi));
        return ok ? n : 0;
    }

private:
    QString problem_;
};

constexpr std::array<std::string_view, 2> RuleNames{"Classic", "Full"};
constexpr std::array<std::string_view, 3> PaceNames{"Classic", "Fast", "Instant"};

void readSetup(Fields &f, const QJsonObject &root, SavedGame &game)
{
    const QString path = "setup.";
    const QJsonObject setup = f.object(root, "", "setup");
    const QJsonArray players = f.array(setup, path, "players", 0, 64);
    for (qsizetype i = 0; i < players.size() && !f.failed(); ++i) {
        const QString p = at(path, "players", i);
        const QJsonObject o = f.entry(players, path, "players", i);
        if (f.failed())
            break;
        NewPlayer np;
        np.name = f.text(o, p, "name").toStdString();
        np.piece = std::string(PieceNames[static_cast<std::size_t>(f.oneOf(o, p, "piece", PieceNames))]);
        np.colour = std::string(ColourNames[static_cast<std::size_t>(f.oneOf(o, p, "colour", ColourNames))]);
        np.type = std::string(TypeNames[static_cast<std::size_t>(f.oneOf(o, p, "type", TypeNames))]);
        if (o.contains("level"))
            np.level = static_cast<ComputerLevel>(f.oneOf(o, p, "level", ComputerLevelNames));
        game.players.push_back(np);
    }
    const QJsonObject options = f.object(setup, path, "options");
    game.options.firstRoundBuying = f.flag(options, path + "options.", "firstRoundBuying");
    game.options.doubleGoSalary = f.flag(options, path + "options.", "doubleGoSalary");
    game.options.freeParkingPot = f.flag(options, path + "options.", "freeParkingPot");
    if (options.contains(QLatin1String("trading")))
        game.options.trading = f.flag(options, path + "options.", "trading");
    game.options.rules = AllRuleSets[f.oneOf(setup, path, "rules", RuleNames)];
    game.pace = AllPaces[f.oneOf(setup, path, "pace", PaceNames)];
}

template<typename Figure>
Figure figure(Fields &f, const QJsonObject &o, const QString &path, const char *key, long long lo = 0)
{
    constexpr long long hi = std::numeric_limits<Figure>::max();
    lo = std::max<long long>(lo, std::numeric_limits<Figure>::min());
    return static_cast<Figure>(f.whole(o, path, key, lo, hi));
}

void readDeck(Fields &f, const QJsonObject &snapshot, const char *key, std::array<Card, DeckSize> &cards,
              Integer &position, int &holder)
{
    const QString path = QString("snapshot.") + key + ".";
    const QJsonObject deck = f.object(snapshot, "snapshot.", key);
    const QJsonArray names = f.array(deck, path, "cards", DeckSize, DeckSize);
    for (qsizetype i = 0; i < names.size() && i < DeckSize && !f.failed(); ++i) {
        const int which = f.oneOf(names[i], path + "cards[" + QString::number(i) + "]", allCardNames());
        cards[static_cast<std::size_t>(i)].CardId = allCards()[static_cast<std::size_t>(which)];
    }
    position = static_cast<Integer>(f.whole(deck, path, "position", 0, DeckSize));
    holder = f.playerOrNobody(deck, path, "jailCardHolder");
}

void readTrading(Fields &f, const QJsonObject &snap, SavedGame &game);

void readSnapshot(Fields &f, const QJsonObject &root, SavedGame &game)
{
    const QString path = "snapshot.";
    const QJsonObject snap = f.object(root, "", "snapshot");
    GameState &s = game.state;
    const int count = s.PlayerCount;
    s.CurrentPlayer = static_cast<Integer>(f.whole(snap, path, "currentPlayer", 0, MaxPlayers - 1));
    game.progress.handOvers = f.whole(snap, path, "handOvers", 0, 1LL << 50);
    game.progress.throws = f.whole(snap, path, "throws", 0, 1LL << 50);
    s.DiceTotal = static_cast<Integer>(f.whole(snap, path, "diceTotal", 0, 12));

    const QJsonArray players = f.array(snap, path, "players", count, count);
    for (qsizetype i = 0; i < players.size() && i < count && !f.failed(); ++i) {
        const QString p = at(path, "players", i);
        const QJsonObject o = f.entry(players, path, "players", i);
        Player &pl = s.Players[static_cast<std::size_t>(i)];
        pl.Money = f.whole(o, p, "money", -MaxSavedMoney, MaxSavedMoney);
        pl.Square = static_cast<Integer>(f.whole(o, p, "square", -1, BoardSize - 1));
        pl.TargetSquare = static_cast<Integer>(std::max<int>(pl.Square, 0));
        // Where the piece stands among those on its square; games saved
        // before it was kept draw theirs in player order.
        if (o.contains(QLatin1String("place")))
            pl.Place = static_cast<Integer>(f.whole(o, p, "place", 0, std::numeric_limits<Integer>::max()));
        pl.DoublesCount = static_cast<Integer>(f.whole(o, p, "doubles", 0, 2));
        pl.BeenRound = f.flag(o, p, "beenRound");
        pl.InJail = f.flag(o, p, "inJail");
        pl.JailThrows = static_cast<Integer>(f.whole(o, p, "jailThrows", 0, 2));
        pl.Bankrupt = f.flag(o, p, "bankrupt");
        pl.BankruptOrder = static_cast<Integer>(f.whole(o, p, "bankruptOrder", 0, MaxPlayers - 1));
    }

    const QJsonArray squares = f.array(snap, path, "squares", BoardSize, BoardSize);
    for (qsizetype sq = 0; sq < squares.size() && sq < BoardSize && !f.failed(); ++sq) {
        const QString p = at(path, "squares", sq);
        const QJsonObject o = f.entry(squares, path, "squares", sq);
        Property &d = s.Properties[static_cast<std::size_t>(sq)];
        Building &b = s.Buildings[static_cast<std::size_t>(sq)];
        const int owner = f.playerOrNobody(o, p, "owner");
        d.Owned = owner >= 0;
        d.Owner = static_cast<Integer>(owner >= 0 ? owner : 0);
        d.Mortgaged = f.flag(o, p, "mortgaged");
        const int houses = static_cast<int>(f.whole(o, p, "houses", 0, 4));
        b.Hotel = f.flag(o, p, "hotel");
        if (b.Hotel && houses != 0 && !f.failed())
            f.fail(p + "hotel stands beside " + QString::number(houses) + " houses");
        // The game keeps a hotel's four houses under it.
        b.Houses = static_cast<Integer>(b.Hotel ? 4 : houses);
        s.SquareStats[static_cast<std::size_t>(sq)].Landed = figure<Integer>(f, o, p, "landed");
        s.SquareStats[static_cast<std::size_t>(sq)].TotalRent = figure<Integer>(f, o, p, "totalRent");
    }

    const QJsonObject bank = f.object(snap, path, "bank");
    s.HousesLeft = static_cast<Integer>(f.whole(bank, path + "bank.", "houses", 0, HouseStock));
    s.HotelsLeft = static_cast<Integer>(f.whole(bank, path + "bank.", "hotels", 0, HotelStock));
    s.FreeParking = f.whole(snap, path, "freeParking", 0, MaxSavedMoney);
    readDeck(f, snap, "chance", s.ChanceCards, s.ChancePos, s.JailCardHolder[0]);
    readDeck(f, snap, "communityChest", s.CommunityCards, s.CommunityPos, s.JailCardHolder[1]);

    // Files of the first version also hold the rent countdown on the screen
    // when they were written: only a picture, not part of the game.

    const QJsonObject dice = f.object(snap, path, "dice");
    const QString d = path + "dice.";
    game.dice.seed = f.bigWhole(dice, d, "seed", std::numeric_limits<std::uint64_t>::max());
    game.dice.draws = f.bigWhole(dice, d, "draws", MaxDraws);
    const QJsonArray given = f.array(dice, d, "given", 0, 100'000);
    for (qsizetype i = 0; i < given.size() && !f.failed(); ++i)
        game.dice.givenDice.push_back(static_cast<int>(f.whole(given[i], d + "given[" + QString::number(i) + "]", 1, 6)));
    if (!f.failed())
        readTrading(f, snap, game);
}

std::vector<int> readSquares(Fields &f, const QJsonObject &o, const QString &path, const char *key)
{
    std::vector<int> squares;
    const QJsonArray list = f.array(o, path, key, 0, BoardSize);
    for (qsizetype i = 0; i < list.size() && !f.failed(); ++i)
        squares.push_back(static_cast<int>(f.whole(list[i], path + key + "[" + QString::number(i) + "]", 0, BoardSize - 1)));
    return squares;
}

TradeSide readTradeSide(Fields &f, const QJsonObject &offer, const QString &path, const char *key)
{
    const QJsonObject o = f.object(offer, path, key);
    const QString p = path + key + ".";
    TradeSide side;
    side.deeds = readSquares(f, o, p, "deeds");
    side.cash = f.whole(o, p, "cash", 0, MaxSavedMoney);
    side.jailCards = static_cast<int>(f.whole(o, p, "jailCards", 0, 2));
    return side;
}

TradeOffer readOffer(Fields &f, const QJsonValue &v, const QString &name, int from, int players)
{
    TradeOffer offer;
    if (!v.isObject()) {
        f.fail(name + " is not an object");
        return offer;
    }
    const QJsonObject o = v.toObject();
    const QString p = name + ".";
    offer.from = from;
    offer.to = static_cast<int>(f.whole(o, p, "to", 0, players - 1));
    offer.gives = readTradeSide(f, o, p, "gives");
    offer.gets = readTradeSide(f, o, p, "gets");
    offer.lifts = readSquares(f, o, p, "lifts");
    offer.counters = static_cast<int>(f.whole(o, p, "counters", 0, 1'000'000));
    return offer;
}

std::vector<std::uint64_t> readFingerprints(Fields &f, const QJsonObject &o, const QString &path, const char *key,
                                            std::size_t most)
{
    std::vector<std::uint64_t> prints;
    const QJsonArray list = f.array(o, path, key, 0, qsizetype(most));
    for (qsizetype i = 0; i < list.size() && !f.failed(); ++i) {
        const QString name = path + key + "[" + QString::number(i) + "]";
        const QString t = f.text(list[i], name);
        bool ok = false;
        const qulonglong print = t.toULongLong(&ok);
        if (!ok || t.isEmpty() || !t.front().isDigit())
            f.fail(name + " is \"" + t + "\"; it must be a whole number");
        prints.push_back(print);
    }
    return prints;
}

// This turn's offers and the computers' memory of their own, written only
// for a game that trades; a game saved without them goes on with none.
void readTrading(Fields &f, const QJsonObject &snap, SavedGame &game)
{
    if (!game.options.trading || !snap.contains(QLatin1String("trading")))
        return;
    const QString path = "snapshot.trading.";
    const QJsonObject o = f.object(snap, "snapshot.", "trading");
    const int count = game.state.PlayerCount;
    TradeMemory &memory = game.state.Trading;
    memory.offersTurn = f.whole(o, path, "offersTurn", -1, game.progress.handOvers);
    memory.offersThisTurn = static_cast<int>(f.whole(o, path, "offersThisTurn", 0, 1'000'000));
    const QJsonArray rejected = f.array(o, path, "rejected", 0, 1'000);
    for (qsizetype i = 0; i < rejected.size() && !f.failed(); ++i) {
        const QString name = at(path, "rejected", i).chopped(1);
        const int from = static_cast<int>(f.whole(rejected[i].toObject(), name + ".", "from", 0, count - 1));
        memory.rejectedThisTurn.push_back(readOffer(f, rejected[i], name, from, count));
    }
    const QJsonArray computers = f.array(o, path, "computers", count, count);
    for (qsizetype i = 0; i < computers.size() && !f.failed(); ++i) {
        const QString p = at(path, "computers", i);
        const QJsonObject c = f.entry(computers, path, "computers", i);
        if (f.failed())
            break;
        ComputerTradeMemory &m = memory.computers[static_cast<std::size_t>(i)];
        m.sentOffers = readFingerprints(f, c, p, "sentOffers", ComputerTradeMemory::MaxSent);
        m.askedTurn = f.whole(c, p, "askedTurn", -1, game.progress.handOvers);
        const QJsonArray asked = f.array(c, p, "asked", 0, count - 1);
        for (qsizetype k = 0; k < asked.size() && !f.failed(); ++k)
            m.asked.push_back(static_cast<int>(f.whole(asked[k], p + "asked[" + QString::number(k) + "]", 0, count - 1)));
        m.judged = readFingerprints(f, c, p, "judged", ComputerTradeMemory::MaxJudged);
    }
}

void readHistory(Fields &f, const QJsonObject &root, SavedGame &game)
{
    const QJsonArray history = f.array(root, "", "history", 0, 10'000'000);
    game.history.reserve(static_cast<std::size_t>(history.size()));
    const int count = game.state.PlayerCount;
    for (qsizetype i = 0; i < history.size() && !f.failed(); ++i) {
        const QString p = at("", "history", i);
        const QJsonObject o = f.entry(history, "", "history", i);
        if (f.failed())
            break;
        Decision d;
        d.player = static_cast<int>(f.whole(o, p, "player", 0, count - 1));
        int kinds = 0;
        for (std::size_t k = 0; k < DecisionKindNames.size(); ++k) {
            const QString key = trimmed(DecisionKindNames[k]);
            const QJsonValue v = o.value(key);
            if (v.isUndefined())
                continue;
            ++kinds;
            d.kind = static_cast<Decision::Kind>(k);
            const QString name = p + key;
            switch (d.kind) {
            case Decision::Kind::Throw: {
                const QJsonArray dice = v.toArray();
                if (!v.isArray() || dice.size() != 2) {
                    f.fail(name + " is not a pair of dice");
                    break;
                }
                d.value = static_cast<int>(f.whole(dice[0], name + "[0]", 1, 6));
                d.second = static_cast<int>(f.whole(dice[1], name + "[1]", 1, 6));
                break;
            }
            case Decision::Kind::Buy:
            case Decision::Kind::Bankrupt:
                if (!v.isBool())
                    f.fail(name + " is neither true nor false");
                d.value = d.kind == Decision::Kind::Buy && v.toBool();
                if (d.kind == Decision::Kind::Bankrupt && !v.toBool())
                    f.fail(name + " is false");
                break;
            case Decision::Kind::Jail: d.value = f.oneOf(v, name, JailChoiceNames); break;
            case Decision::Kind::Bid: d.value = static_cast<int>(f.whole(v, name, 0, 1'000'000'000)); break;
            case Decision::Kind::Offer: d.trade = TradeRecord(readOffer(f, v, name, d.player, count)); break;
            case Decision::Kind::Reply:
                d.value = f.oneOf(v, name, TradeChoiceNames);
                if (d.value == static_cast<int>(TradeChoice::Counter)) {
                    d.trade = TradeRecord(readOffer(f, o.value("counter"), p + "counter", d.player, count));
                } else if (d.value == static_cast<int>(TradeChoice::Accept)) {
                    TradeOffer lifts;
                    lifts.lifts = readSquares(f, o, p, "lifts");
                    d.trade = TradeRecord(std::move(lifts));
                }
                break;
            default: d.value = static_cast<int>(f.whole(v, name, 0, BoardSize - 1)); break;
            }
        }
        if (kinds != 1 && !f.failed())
            f.fail(p.chopped(1) + (kinds == 0 ? " holds no decision" : " holds more than one decision"));
        game.history.push_back(d);
    }
}

// The log is optional: a game saved without one opens with an empty Game Log.
void readLog(Fields &f, const QJsonObject &root, SavedGame &game)
{
    if (!root.contains(QLatin1String("log")))
        return;
    const QJsonArray lines = f.array(root, "", "log", 0, qsizetype(MaxSavedLogLines));
    game.log.reserve(static_cast<std::size_t>(lines.size()));
    for (qsizetype i = 0; i < lines.size() && !f.failed(); ++i) {
        const QString name = "log[" + QString::number(i) + "]";
        const QString line = f.text(lines[i], name);
        if (line.size() > qsizetype(MaxSavedLogLineLength))
            f.fail(name + " is longer than " + QString::number(MaxSavedLogLineLength) + " characters");
        game.log.push_back(line.toStdString());
    }
}

} // namespace

QByteArray gameDocument(const SavedGame &game, const Provenance &provenance)
{
    QJsonArray history;
    for (const Decision &d : game.history)
        history.append(decisionJson(d));
    QJsonObject root{{"format", FormatName},
                     {"version", FormatVersion},
                     {"program", provenance.program},
                     {"saved", provenance.saved},
                     {"setup", setupJson(game)},
                     {"snapshot", snapshotJson(game)},
                     {"history", history}};
    if (!game.log.empty()) {
        QJsonArray log;
        for (const std::string &line : game.log)
            log.append(QString::fromStdString(line));
        root.insert("log", log);
    }
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

ReadGame readGameDocument(const QByteArray &bytes)
{
    ReadGame read;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        read.problem = "it is not a saved game: " + error.errorString() + " at byte " + QString::number(error.offset);
        return read;
    }
    if (!document.isObject()) {
        read.problem = "it is not a saved game";
        return read;
    }
    const QJsonObject root = document.object();
    if (root.value("format").toString() != FormatName) {
        read.problem = "it is not a saved game of this program";
        return read;
    }
    Fields f;
    const long long version = f.whole(root, "", "version", 1, std::numeric_limits<int>::max());
    if (f.failed()) {
        read.problem = f.problem();
        return read;
    }
    if (version > FormatVersion) {
        read.problem = "it was saved in version " + QString::number(version) +
                       " of the format, and this program reads only up to version " + QString::number(FormatVersion);
        return read;
    }
    read.provenance.program = f.text(root, "", "program");
    read.provenance.saved = f.text(root, "", "saved");
    readSetup(f, root, read.game);
    if (!f.failed() && (read.game.players.size() < 2 || read.game.players.size() > MaxPlayers))
        f.fail(QString::number(read.game.players.size()) + " players: a game has 2 to 4");
    if (!f.failed())
        read.game.state = stateForSetup(read.game.players);
    if (!f.failed())
        readSnapshot(f, root, read.game);
    if (!f.failed())
        readHistory(f, root, read.game);
    if (!f.failed())
        readLog(f, root, read.game);
    if (f.failed()) {
        read.problem = f.problem();
        return read;
    }
    read.problem = QString::fromStdString(firstProblem(read.game));
    return read;
}

} // namespace tycora::save
