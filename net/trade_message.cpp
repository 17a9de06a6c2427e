#include "net/trade_message.h"

#include "game/decision.h"
#include "game/game_state.h"

#include <QJsonArray>

namespace tycora::net {

namespace {

// Far beyond any game's money, and exact as a JSON number.
constexpr double MaxTradeCash = 1e12;

QJsonArray squaresJson(const std::vector<int> &squares)
{
    QJsonArray array;
    for (const int square : squares)
        array.append(square);
    return array;
}

bool wholeIn(const QJsonValue &value, double low, double high)
{
    const double d = value.toDouble(-1);
    return value.isDouble() && d >= low && d <= high && d == double(qint64(d));
}

std::optional<std::vector<int>> squaresFrom(const QJsonValue &value)
{
    if (value.isUndefined())
        return std::vector<int>{};
    if (!value.isArray() || value.toArray().size() > BoardSize)
        return std::nullopt;
    std::vector<int> squares;
    for (const QJsonValue square : value.toArray()) {
        if (!wholeIn(square, 0, BoardSize - 1))
            return std::nullopt;
        squares.push_back(square.toInt());
    }
    return squares;
}

QJsonObject sideJson(const TradeSide &side)
{
    return {{"deeds", squaresJson(side.deeds)}, {"cash", double(side.cash)}, {"jailCards", side.jailCards}};
}

std::optional<TradeSide> sideFrom(const QJsonValue &value)
{
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject side = value.toObject();
    const auto deeds = squaresFrom(side.value(QLatin1String("deeds")));
    const QJsonValue cash = side.value(QLatin1String("cash"));
    const QJsonValue cards = side.value(QLatin1String("jailCards"));
    if (!deeds || !wholeIn(cash, 0, MaxTradeCash) || !wholeIn(cards, 0, 2))
        return std::nullopt;
    return TradeSide{*deeds, std::int64_t(cash.toDouble()), cards.toInt()};
}

} // namespace

QJsonObject tradeOfferJson(const TradeOffer &offer)
{
    return {{"from", offer.from},
            {"to", offer.to},
            {"gives", sideJson(offer.gives)},
            {"gets", sideJson(offer.gets)},
            {"lifts", squaresJson(offer.lifts)}};
}

std::optional<TradeOffer> tradeOfferFrom(const QJsonValue &value, QString *problem)
{
    const QJsonObject offer = value.toObject();
    const QJsonValue from = offer.value(QLatin1String("from"));
    const QJsonValue to = offer.value(QLatin1String("to"));
    const auto gives = sideFrom(offer.value(QLatin1String("gives")));
    const auto gets = sideFrom(offer.value(QLatin1String("gets")));
    const auto lifts = squaresFrom(offer.value(QLatin1String("lifts")));
    if (!value.isObject() || !wholeIn(from, 0, MaxPlayers - 1) || !wholeIn(to, 0, MaxPlayers - 1) || !gives ||
        !gets || !lifts) {
        *problem = QStringLiteral("an offer names two players and what each gives: deeds, cash and cards");
        return std::nullopt;
    }
    TradeOffer read;
    read.from = from.toInt();
    read.to = to.toInt();
    read.gives = *gives;
    read.gets = *gets;
    read.lifts = *lifts;
    return read;
}

QJsonObject tradeReplyJson(const TradeReply &reply)
{
    const std::string_view choice = TradeChoiceNames[std::size_t(reply.choice)];
    QJsonObject message{{"type", "tradeReply"},
                        {"choice", QString::fromLatin1(choice.data(), qsizetype(choice.size()))},
                        {"lifts", squaresJson(reply.lifts)}};
    if (reply.choice == TradeChoice::Counter)
        message.insert("counter", tradeOfferJson(reply.counter));
    return message;
}

std::optional<TradeReply> tradeReplyFrom(const QJsonObject &message, QString *problem)
{
    const QString choice = message.value(QLatin1String("choice")).toString();
    int index = -1;
    for (std::size_t i = 0; i < TradeChoiceNames.size(); ++i)
        if (choice == QLatin1String(TradeChoiceNames[i].data(), qsizetype(TradeChoiceNames[i].size())))
            index = int(i);
    const auto lifts = squaresFrom(message.value(QLatin1String("lifts")));
    if (index < 0 || !lifts) {
        *problem = QStringLiteral("an answer to an offer is Accept, Reject or Counter");
        return std::nullopt;
    }
    TradeReply reply;
    reply.choice = static_cast<TradeChoice>(index);
    reply.lifts = *lifts;
    if (reply.choice == TradeChoice::Counter) {
        const auto counter = tradeOfferFrom(message.value(QLatin1String("counter")), problem);
        if (!counter)
            return std::nullopt;
        reply.counter = *counter;
    }
    return reply;
}

} // namespace tycora::net
