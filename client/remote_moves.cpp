#include "client/remote_moves.h"

#include "game/trading.h"

#include <QJsonArray>

namespace tycora::client {

namespace {
std::vector<int> squaresOf(const QJsonObject &moves, const char *key)
{
    std::vector<int> squares;
    for (const QJsonValue square : moves.value(QLatin1String(key)).toArray())
        if (const int n = square.toInt(-1); n >= 0 && n < BoardSize)
            squares.push_back(n);
    return squares;
}
} // namespace

void RemoteMoves::update(const QJsonObject &moves)
{
    actor_ = moves.value(QLatin1String("actor")).toInt(-1);
    raising_ = moves.value(QLatin1String("raising")).toBool();
    build_ = squaresOf(moves, "build");
    sell_ = squaresOf(moves, "sell");
    mortgage_ = squaresOf(moves, "mortgage");
    unmortgage_ = squaresOf(moves, "unmortgage");
    whyNoTrade_ = moves.value(QLatin1String("trade")).toString().toStdString();
}

int RemoteMoves::deedActor() const { return actor_ >= 0 && actor_ == seat_ ? actor_ : -1; }

std::vector<int> RemoteMoves::mine(int player, const std::vector<int> &squares) const
{
    return player >= 0 && player == deedActor() ? squares : std::vector<int>{};
}

std::string RemoteMoves::whyNoTrade(int player) const
{
    if (!tradingOn())
        return "Trading is not part of this game";
    // Each person trades from their own machine, on their own turn.
    if (player != seat_ || player != state_.CurrentPlayer)
        return "Trade on your own turn";
    return whyNoTrade_;
}

std::string RemoteMoves::offerProblem(const TradeOffer &offer) const
{
    if (std::string why = whyNoTrade(offer.from); !why.empty())
        return why;
    // Whether the other side has turned these terms down this turn is the
    // server's to say.
    return tradeItemsProblem(state_, offer);
}

} // namespace tycora::client
