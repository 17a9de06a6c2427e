#include "net/protocol.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

namespace tycora::net {

ParsedCommand parseCommand(const QByteArray &bytes)
{
    ParsedCommand parsed;
    if (bytes.size() > MaxMessageBytes) {
        parsed.error = QStringLiteral("the message is larger than %1 bytes").arg(MaxMessageBytes);
        return parsed;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        parsed.error = QStringLiteral("the message is not JSON: %1").arg(error.errorString());
        return parsed;
    }
    if (!document.isObject()) {
        parsed.error = QStringLiteral("the message is not a JSON object");
        return parsed;
    }
    const QJsonValue type = document.object().value(QLatin1String("type"));
    if (!type.isString() || type.toString().isEmpty()) {
        parsed.error = QStringLiteral("the message has no type");
        return parsed;
    }
    parsed.command = {type.toString(), document.object()};
    return parsed;
}

QByteArray messageBytes(const QJsonObject &message) { return QJsonDocument(message).toJson(QJsonDocument::Compact); }

QJsonObject errorMessage(const QString &what) { return {{"type", "error"}, {"message", what}}; }

QJsonObject publicState(const GameState &s)
{
    QJsonArray players;
    for (int i = 0; i < s.PlayerCount; ++i) {
        const Player &p = s.Players[static_cast<std::size_t>(i)];
        players.append(QJsonObject{{"name", QString::fromStdString(p.Name)},
                                   {"piece", QString::fromStdString(p.Piece).trimmed()},
                                   {"colour", int(p.Colour)},
                                   {"computer", p.PlayerType == Computer},
                                   {"money", qint64(p.Money)},
                                   {"square", p.Square},
                                   {"place", p.Place},
                                   {"inJail", p.InJail},
                                   {"jailThrows", p.JailThrows},
                                   {"jailCards", s.jailCards(i)},
                                   {"bankrupt", p.Bankrupt}});
    }
    QJsonArray squares;
    for (int sq = 0; sq < BoardSize; ++sq) {
        const Property &d = s.Properties[static_cast<std::size_t>(sq)];
        const Building &b = s.Buildings[static_cast<std::size_t>(sq)];
        squares.append(QJsonObject{{"owner", d.Owned ? QJsonValue(int(d.Owner)) : QJsonValue(QJsonValue::Null)},
                                   {"mortgaged", d.Mortgaged},
                                   {"houses", b.Hotel ? 0 : int(b.Houses)},
                                   {"hotel", b.Hotel}});
    }
    return {{"players", players},
            {"squares", squares},
            {"currentPlayer", s.CurrentPlayer},
            {"freeParking", qint64(s.FreeParking)},
            {"housesLeft", s.HousesLeft},
            {"hotelsLeft", s.HotelsLeft}};
}

} // namespace tycora::net
