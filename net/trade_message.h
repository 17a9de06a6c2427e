#pragma once

// An offer of a trade and its answer as they travel between a player and
// the game server. What a client sends is read as hostile: every number is
// checked for its kind and range before it becomes an offer.

#include "game/trade_offer.h"

#include <QJsonObject>
#include <QString>

#include <optional>

namespace tycora::net {

QJsonObject tradeOfferJson(const TradeOffer &offer);
// The offer, or nothing with the reason in `problem`.
std::optional<TradeOffer> tradeOfferFrom(const QJsonValue &value, QString *problem);

QJsonObject tradeReplyJson(const TradeReply &reply);
std::optional<TradeReply> tradeReplyFrom(const QJsonObject &message, QString *problem);

} // namespace tycora::net
