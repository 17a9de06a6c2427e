#include "net/game_room.h"

#include "game/board.h"
#include "game/computer_players.h"
#include "game/decision.h"
#include "game/decks.h"
#include "game/human_controller.h"
#include "game/player_name_rule.h"
#include "game/player_setup.h"
#include "names/player_names.h"
#include "net/trade_message.h"

#include <QJsonArray>
#include <QRandomGenerator>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace tycora::net {

namespace {

QString trimmedName(std::string_view name) { return QString::fromUtf8(name.data(), qsizetype(name.size())).trimmed(); }

// The name the game's tables give a piece or colour chosen by a player.
std::string listedName(const QString &chosen, bool pieces)
{
    const auto find = [&](const auto &names) -> std::string {
        for (const std::string_view name : names)
            if (trimmedName(name).compare(chosen.trimmed(), Qt::CaseInsensitive) == 0)
                return std::string(name);
        return {};
    };
    return pieces ? find(PieceNames) : find(ColourNames);
}

// Why a name cannot be a player's, in the words the joining player reads;
// empty when it can.
QString nameProblem(const QString &name)
{
    switch (nameFault(name.toStdString())) {
    case NameFault::None:
        return {};
    case NameFault::Blank:
    case NameFault::TooLong:
        return QStringLiteral("a name is 1 to %1 characters").arg(MaxNameLength);
    case NameFault::HiddenCharacter:
        return QStringLiteral("a name may not hold control or invisible characters");
    case NameFault::EventMark:
        return QStringLiteral("a name may not hold \": \" or \"-->\"");
    }
    return {};
}

QString newToken()
{
    // The system's own random numbers: a token is a secret, not a game's chance.
    QString token;
    for (int i = 0; i < 4; ++i)
        token += QString::number(QRandomGenerator::system()->generate(), 16).rightJustified(8, '0');
    return token;
}

std::unique_ptr<PlayerController> computerFor(RuleSet rules)
{
    if (rules == RuleSet::Full)
        return std::make_unique<FullRulesComputer>();
    return std::make_unique<ClassicComputer>();
}

} // namespace

// The game's lines go to the players in order with everything else shown.
class GameRoom::RoomLog final : public EventLog {
public:
    explicit RoomLog(GameRoom &room) : room_(room) {}
    bool isOn() const override { return true; }
    void writeLog(const std::string &message) override
    {
        room_.queueEvent({{"call", "log"}, {"line", QString::fromStdString(message)}});
    }

private:
    GameRoom &room_;
};

GameRoom::GameRoom(QString code, Clock &clock, std::uint64_t seed, Outbox outbox)
    : code_(std::move(code)), clock_(clock), outbox_(std::move(outbox)), random_(seed), dice_(random_),
      log_(std::make_unique<RoomLog>(*this)), screen_(state_, [this](QJsonObject e) { queueEvent(std::move(e)); })
{
}

GameRoom::~GameRoom()
{
    if (engine_)
        engine_->stopTimers();
}

void GameRoom::setChoices(const GameOptions &options, Pace pace)
{
    if (started())
        return;
    options_ = options;
    pace_ = pace;
}

int GameRoom::addPerson(const QString &name, const QString &piece, const QString &colour, QString *problem)
{
    const QString trimmed = name.trimmed();
    if (started())
        *problem = QStringLiteral("the game has started");
    else if (seats_.size() >= MaxPlayers)
        *problem = QStringLiteral("the game has %1 players already").arg(MaxPlayers);
    else if (const QString fault = nameProblem(trimmed); !fault.isEmpty())
        *problem = fault;
    else if (listedName(piece, true).empty())
        *problem = QStringLiteral("\"%1\" is not a piece of the game").arg(piece.left(40));
    else if (listedName(colour, false).empty())
        *problem = QStringLiteral("\"%1\" is not a colour of the game").arg(colour.left(40));
    else if (const auto same = std::find_if(seats_.begin(), seats_.end(),
                                            [&](const Seat &s) { return isSameName(s.name, trimmed); });
             same != seats_.end())
        *problem = QStringLiteral("%1 is playing already").arg(same->name);
    else if (std::any_of(seats_.begin(), seats_.end(), [&](const Seat &s) {
                 return s.piece.compare(piece.trimmed(), Qt::CaseInsensitive) == 0;
             }))
        *problem = QStringLiteral("the %1 is taken").arg(piece.trimmed());
    else if (std::any_of(seats_.begin(), seats_.end(), [&](const Seat &s) {
                 return s.colour.compare(colour.trimmed(), Qt::CaseInsensitive) == 0;
             }))
        *problem = QStringLiteral("%1 is taken").arg(colour.trimmed());
    if (!problem->isEmpty())
        return -1;
    seats_.push_back({trimmed, trimmedName(listedName(piece, true)), trimmedName(listedName(colour, false)), false,
                      newToken(), true, false});
    sendLobby();
    return int(seats_.size()) - 1;
}

int GameRoom::freeChoice(const std::vector<QString> &taken, bool pieces) const
{
    const auto &names = pieces ? std::vector<std::string_view>(PieceNames.begin(), PieceNames.end())
                               : std::vector<std::string_view>(ColourNames.begin(), ColourNames.end());
    for (std::size_t i = 0; i < names.size(); ++i)
        if (std::find(taken.begin(), taken.end(), trimmedName(names[i])) == taken.end())
            return int(i);
    return -1;
}

int GameRoom::addComputer(QString *problem)
{
    if (started()) {
        *problem = QStringLiteral("the game has started");
        return -1;
    }
    if (seats_.size() >= MaxPlayers) {
        *problem = QStringLiteral("the game has %1 players already").arg(MaxPlayers);
        return -1;
    }
    std::vector<QString> pieces, colours;
    for (const Seat &s : seats_) {
        pieces.push_back(s.piece);
        colours.push_back(s.colour);
    }
    const int piece = freeChoice(pieces, true);
    const int colour = freeChoice(colours, false);
    // Computer 1, Computer 2, ... as the set-up names them.
    int number = 1;
    while (std::any_of(seats_.begin(), seats_.end(),
                       [&](const Seat &s) { return s.name == QStringLiteral("Computer %1").arg(number); }))
        ++number;
    seats_.push_back({QStringLiteral("Computer %1").arg(number), trimmedName(PieceNames[std::size_t(piece)]),
                      trimmedName(ColourNames[std::size_t(colour)]), true, {}, false, false});
    sendLobby();
    return int(seats_.size()) - 1;
}

int GameRoom::seatOfToken(const QString &token) const
{
    if (token.isEmpty())
        return -1;
    for (std::size_t i = 0; i < seats_.size(); ++i)
        if (seats_[i].token == token)
            return int(i);
    return -1;
}

QString GameRoom::command(int seat, const Command &c)
{
    if (seat < 0 || seat >= int(seats_.size()))
        return QStringLiteral("you have no seat in this game");
    if (ended_)
        return QStringLiteral("the game is over");
    QString problem;
    if (c.type == QLatin1String("addComputer")) {
        if (seat != 0)
            return QStringLiteral("only the host adds computers");
        addComputer(&problem);
    } else if (c.type == QLatin1String("start")) {
        problem = start(seat);
    } else if (c.type == QLatin1String("end")) {
        if (seat != 0)
            return QStringLiteral("only the host ends the game");
        ended_ = true;
        if (engine_)
            engine_->stopTimers();
        flush();
        outbox_(-1, {{"type", "ended"}, {"by", seats_[0].name}});
        if (settled_)
            settled_();
    } else if (c.type == QLatin1String("pace")) {
        problem = changePace(seat, c.body.value(QLatin1String("pace")));
    } else if (!started()) {
        problem = QStringLiteral("the game has not started");
    } else {
        problem = playerCommand(seat, c);
    }
    flush();
    return problem;
}

QString GameRoom::start(int seat)
{
    if (seat != 0)
        return QStringLiteral("only the host starts the game");
    if (started())
        return QStringLiteral("the game has started");
    if (seats_.size() < 2)
        return QStringLiteral("a game needs 2 to 4 players");
    fillChanceDeck(state_);
    fillCommunityDeck(state_);
    loadBoard(state_);
    for (std::size_t i = 0; i < seats_.size(); ++i) {
        const Seat &s = seats_[i];
        const NewPlayer player{s.name.toStdString(), listedName(s.piece, true), listedName(s.colour, false),
                               std::string(TypeNames[s.computer ? 1 : 0])};
        fillPlayerRecord(state_, int(i), player);
        log_->writeLog(playerAddedLogLine(int(i), player));
        state_.PlayerCount = static_cast<Integer>(i + 1);
    }
    loadBoard(state_);
    createEngine();
    outbox_(-1, wholeGame());
    engine_->startGame();
    return {};
}

// The host sets the game's pace for everyone, in the lobby or in play: the
// walks and the countdowns on every screen follow it.
QString GameRoom::changePace(int seat, const QJsonValue &name)
{
    if (seat != 0)
        return QStringLiteral("only the host sets the pace");
    const auto pace = paceNamed(name.toString());
    if (!name.isString() || !pace)
        return QString::fromLatin1(PaceProblem);
    pace_ = *pace;
    if (!engine_) {
        sendLobby();
        return {};
    }
    engine_->setPace(pace_);
    queueEvent({{"call", "showPace"}, {"pace", paceName(pace_)}});
    return {};
}

void GameRoom::createEngine()
{
    engine_ = std::make_unique<Engine>(state_, screen_, clock_, *log_, dice_, options_);
    engine_->setPace(pace_);
    engine_->setDecisionObserver([this](const Decision &d) { history_.push_back(d); });
    // The moments the players' windows sample the game's figures.
    engine_->setHandOverObserver([this] { queueEvent({{"call", "handOver"}}); });
    engine_->setSettledObserver([this] {
        if (settled_)
            settled_();
    });
}

SavedGame GameRoom::capture() const
{
    return captureGame(*engine_, DicePosition{random_.seed(), random_.draws(), {}}, history_);
}

void GameRoom::resumeFrom(const SavedGame &game, std::vector<Seat> seats)
{
    seats_ = std::move(seats);
    for (Seat &s : seats_)
        s.connected = false;
    options_ = game.options;
    pace_ = game.pace;
    state_ = game.state;
    history_ = game.history;
    random_ = SeededRandom(game.dice.seed);
    random_.skip(game.dice.draws);
    createEngine();
    engine_->resume(game.progress);
}

QString GameRoom::playerCommand(int seat, const Command &c)
{
    const QString &type = c.type;
    const QJsonValue square = c.body.value(QLatin1String("square"));
    const auto squareNumber = [&]() -> int {
        const double d = square.toDouble(-1);
        return square.isDouble() && d >= 0 && d < BoardSize && d == int(d) ? int(d) : -1;
    };
    const bool deedCommand = type == QLatin1String("build") || type == QLatin1String("sell") ||
                             type == QLatin1String("mortgage") || type == QLatin1String("unmortgage");
    if (over())
        return QStringLiteral("the game is over");
    if (seats_[std::size_t(seat)].standIn)
        return QStringLiteral("a computer plays your seat until you come back");
    if (type == QLatin1String("throw")) {
        // Not while an offer of a trade waits for its answer either.
        if (!screen_.mayThrow(seat) || engine_->phase() != Engine::Phase::ToThrow)
            return QStringLiteral("it is not your throw");
        screen_.takeThrow();
        engine_->rollDice(seat);
    } else if (type == QLatin1String("answer")) {
        const QJsonValue yes = c.body.value(QLatin1String("yes"));
        if (!yes.isBool())
            return QStringLiteral("an answer is yes: true or false");
        if (!screen_.answerYesNo(seat, yes.toBool()))
            return QStringLiteral("you were not asked");
    } else if (type == QLatin1String("jail")) {
        const QString choice = c.body.value(QLatin1String("choice")).toString();
        int index = -1;
        for (std::size_t i = 0; i < JailChoiceNames.size(); ++i)
            if (choice == trimmedName(JailChoiceNames[i]))
                index = int(i);
        if (index < 0)
            return QStringLiteral("a choice in jail is PayFine, UseCard or Throw");
        if (index == int(JailChoice::UseCard) && state_.jailCards(seat) == 0)
            return QStringLiteral("you hold no Get Out of Jail Free card");
        if (!screen_.answerJail(seat, static_cast<JailChoice>(index)))
            return QStringLiteral("you were not asked");
    } else if (type == QLatin1String("bid")) {
        const QJsonValue amount = c.body.value(QLatin1String("amount"));
        const double d = amount.toDouble(-1);
        if (!amount.isDouble() || d < 0 || d > 1e9 || d != double(qint64(d)))
            return QStringLiteral("a bid is a whole number of pounds, 0 to pass");
        if (!screen_.answerBid(seat, int(d)))
            return QStringLiteral("it is not your bid");
    } else if (deedCommand) {
        const int sq = squareNumber();
        if (sq < 0)
            return QStringLiteral("a square is a number from 0 to 39");
        const bool done = type == QLatin1String("build")  ? engine_->build(seat, sq)
                          : type == QLatin1String("sell") ? engine_->sellBuilding(seat, sq)
                          : type == QLatin1String("mortgage") ? engine_->mortgage(seat, sq)
                                                              : engine_->unmortgage(seat, sq);
        if (!done)
            return QStringLiteral("the rules do not allow that now");
    } else if (type == QLatin1String("bankrupt")) {
        if (!engine_->declareBankruptcy(seat))
            return QStringLiteral("the rules do not allow that now");
    } else if (type == QLatin1String("trade")) {
        QString problem;
        const auto offer = tradeOfferFrom(c.body.value(QLatin1String("offer")), &problem);
        if (!offer)
            return problem;
        if (offer->from != seat)
            return QStringLiteral("an offer is made by its proposer");
        if (const std::string why = engine_->offerProblem(*offer); !why.empty())
            return QString::fromStdString(why);
        engine_->proposeTrade(*offer);
    } else if (type == QLatin1String("tradeReply")) {
        QString problem;
        const auto reply = tradeReplyFrom(c.body, &problem);
        if (!reply)
            return problem;
        if (!screen_.answerTrade(seat, *reply))
            return QStringLiteral("you were not asked");
    } else {
        return QStringLiteral("\"%1\" is no command of the game").arg(type.left(40));
    }
    return {};
}

void GameRoom::seatLeft(int seat)
{
    if (seat < 0 || seat >= int(seats_.size()))
        return;
    seats_[std::size_t(seat)].connected = false;
    outbox_(-1, {{"type", "seatLeft"}, {"seat", seat}});
}

void GameRoom::seatReturned(int seat)
{
    if (seat < 0 || seat >= int(seats_.size()))
        return;
    Seat &s = seats_[std::size_t(seat)];
    s.connected = true;
    if (s.standIn && engine_) {
        // Their own decisions again from the next question on.
        s.standIn = false;
        engine_->setController(seat, std::make_unique<HumanController>(screen_));
    }
    outbox_(-1, {{"type", "seatReturned"}, {"seat", seat}});
    // Everyone holds the state as it is, the returning player whole, so the
    // next change is made to the same state on every screen.
    flush();
    outbox_(seat, wholeGame());
}

void GameRoom::standIn(int seat)
{
    if (seat < 0 || seat >= int(seats_.size()) || !engine_ || over())
        return;
    Seat &s = seats_[std::size_t(seat)];
    if (s.connected || s.computer || s.standIn)
        return;
    s.standIn = true;
    engine_->setController(seat, computerFor(options_.rules));
    outbox_(-1, {{"type", "standIn"}, {"seat", seat}});
    // What the seat was asked while away is answered for it; a throw it
    // was given is taken.
    screen_.answerForAbsent(seat);
    if (screen_.mayThrow(seat)) {
        screen_.takeThrow();
        engine_->rollDice(seat);
    }
    flush();
}

QJsonObject GameRoom::wholeGame() const
{
    QJsonArray seats;
    for (const Seat &s : seats_)
        seats.append(QJsonObject{{"name", s.name},
                                 {"piece", s.piece},
                                 {"colour", s.colour},
                                 {"computer", s.computer},
                                 {"connected", s.computer || s.connected},
                                 {"standIn", s.standIn}});
    QJsonObject game{{"type", "game"},
                     {"code", code_},
                     {"seats", seats},
                     {"rules", ruleSetName(options_.rules)},
                     {"pace", paceName(pace_)},
                     {"options",
                      QJsonObject{{"firstRoundBuying", options_.firstRoundBuying},
                                  {"doubleGoSalary", options_.doubleGoSalary},
                                  {"freeParkingPot", options_.freeParkingPot},
                                  {"trading", options_.trading}}},
                     {"started", started()}};
    if (!started())
        return game;
    game.insert("state", publicState(state_));
    game.insert("moves", openMoves(*engine_));
    // The dice as the last throw left them, for a player who comes back.
    for (auto d = history_.rbegin(); d != history_.rend(); ++d)
        if (d->kind == Decision::Kind::Throw) {
            game.insert("lastThrow", QJsonObject{{"player", d->player}, {"die1", d->value}, {"die2", d->second}});
            break;
        }
    return game;
}

void GameRoom::sendLobby() { outbox_(-1, wholeGame()); }

void GameRoom::queueEvent(QJsonObject event)
{
    events_.append(std::move(event));
    // Everything shown in one turn of the event loop goes out together,
    // with the state it left.
    if (!flushPosted_) {
        flushPosted_ = true;
        QTimer::singleShot(0, this, [this] { flush(); });
    }
}

void GameRoom::flush()
{
    flushPosted_ = false;
    if (!engine_)
        return;
    const QJsonArray events = std::exchange(events_, {});
    QJsonObject batch{{"type", "events"}, {"events", events}};
    // What changed in the state goes with the events, and what is open
    // when it changed: every player then holds the state as it now is.
    QJsonObject state = publicState(state_);
    const QJsonObject change = stateChange(lastState_, state);
    if (!change.isEmpty()) {
        batch.insert("change", change);
        lastState_ = std::move(state);
    }
    QJsonObject moves = openMoves(*engine_);
    const bool movesChanged = moves != lastMoves_;
    if (movesChanged) {
        batch.insert("moves", moves);
        lastMoves_ = std::move(moves);
    }
    if (!events.isEmpty() || !change.isEmpty() || movesChanged)
        outbox_(-1, batch);
}

} // namespace tycora::net
