#include "net/protocol.h"

#include "game/engine.h"
#include "game/engine_commands.h"

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

std::optional<Pace> paceNamed(const QString &name)
{
    for (const Pace pace : AllPaces)
        if (name == QLatin1String(paceName(pace)))
            return pace;
    return std::nullopt;
}

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

namespace {

// The entries of these lists change one by one; every other field whole.
bool isList(const QString &key) { return key == QLatin1String("players") || key == QLatin1String("squares"); }

} // namespace

QJsonObject stateChange(const QJsonObject &before, const QJsonObject &after)
{
    QJsonObject change;
    for (auto field = after.begin(); field != after.end(); ++field) {
        const QJsonValue old = before.value(field.key());
        if (!isList(field.key())) {
            if (old != field.value())
                change.insert(field.key(), field.value());
            continue;
        }
        const QJsonArray was = old.toArray(), now = field.value().toArray();
        QJsonObject changed;
        for (qsizetype i = 0; i < now.size(); ++i)
            if (i >= was.size() || was[i] != now[i])
                changed.insert(QString::number(i), now[i]);
        if (!changed.isEmpty())
            change.insert(field.key(), changed);
    }
    return change;
}

QJsonObject withChange(QJsonObject state, const QJsonObject &change)
{
    // No game has more entries than the board has squares.
    constexpr qsizetype MaxEntries = BoardSize;
    for (auto field = change.begin(); field != change.end(); ++field) {
        if (!isList(field.key())) {
            state.insert(field.key(), field.value());
            continue;
        }
        QJsonArray list = state.value(field.key()).toArray();
        const QJsonObject entries = field.value().toObject();
        for (auto entry = entries.begin(); entry != entries.end(); ++entry) {
            bool number = false;
            const int index = entry.key().toInt(&number);
            if (!number || index < 0 || index >= MaxEntries || !entry.value().isObject())
                continue;
            while (list.size() <= index)
                list.append(QJsonObject());
            list[index] = entry.value();
        }
        state.insert(field.key(), list);
    }
    return state;
}

QJsonObject openMoves(const Engine &engine)
{
    const auto squares = [](const std::vector<int> &list) {
        QJsonArray array;
        for (const int square : list)
            array.append(square);
        return array;
    };
    const int actor = deedActorOf(engine);
    QJsonObject moves{{"actor", actor},
                      {"raising", engine.phase() == Engine::Phase::RaisingMoney},
                      {"trade", QString::fromStdString(engine.whyNoTrade(engine.state().CurrentPlayer))}};
    if (actor >= 0) {
        moves.insert("build", squares(engine.buildableSquares(actor)));
        moves.insert("sell", squares(engine.sellableSquares(actor)));
        moves.insert("mortgage", squares(engine.mortgageableSquares(actor)));
        moves.insert("unmortgage", squares(engine.unmortgageableSquares(actor)));
    }
    return moves;
}

} // namespace tycora::net
