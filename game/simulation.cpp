#include "game/simulation.h"

#include "game/board.h"
#include "game/computer_levels.h"
#include "game/computer_players.h"
#include "game/decks.h"
#include "game/player_setup.h"
#include "game/rules.h"

#include <sstream>

namespace tycora {

std::string jsonString(const std::string &text)
{
    std::string out = "\"";
    for (const unsigned char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20) {
                static const char hex[] = "0123456789abcdef";
                out += "\\u00";
                out += hex[c >> 4];
                out += hex[c & 15];
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out + "\"";
}

std::string jsonShare(long long part, long long whole)
{
    // Whole millionths, so that the text is the same on every machine.
    const long long millionths = whole > 0 ? (part * 1'000'000 + whole / 2) / whole : 0;
    std::string digits = std::to_string(millionths % 1'000'000);
    return std::to_string(millionths / 1'000'000) + "." + std::string(6 - digits.size(), '0') + digits;
}

Simulation::Simulation(const SimulationOptions &options, EventLog &log, Screen *screen)
    : options_(options), log_(log), random_(options.seed), randomDice_(random_), dice_(randomDice_)
{
    for (int v : options_.dice)
        dice_.push(v);
    engine_ = std::make_unique<Engine>(state_, screen ? *screen : nullScreen_, clock_, log_, dice_, options_.game);
    for (const int player : options_.classicComputers)
        engine_->setController(player, std::make_unique<ClassicComputer>());
    if (options_.recordHistory)
        engine_->setDecisionObserver([this](const Decision &d) { history_.push_back(d); });
}

SimulationOptions optionsToResume(const SavedGame &game, long long moreTurns)
{
    SimulationOptions options;
    options.players = static_cast<int>(game.players.size());
    options.turns = game.progress.handOvers + moreTurns;
    options.seed = game.dice.seed;
    options.dice = std::vector<int>(game.dice.givenDice.begin(), game.dice.givenDice.end());
    options.game = game.options;
    options.recordHistory = true;
    for (const NewPlayer &player : game.players)
        options.levels.push_back(player.level);
    return options;
}

void Simulation::resumeFrom(const SavedGame &game)
{
    state_ = game.state;
    random_.skip(game.dice.draws);
    history_ = game.history;
    // Without a window nobody can answer for a person: the computer of the
    // rule set plays their seat. The set-up still names them as people.
    for (int i = 0; i < state_.PlayerCount; ++i) {
        if (state_.Players[i].PlayerType == Computer)
            continue;
        if (game.options.rules == RuleSet::Full)
            engine_->setController(i, makeFullRulesComputer(ComputerLevel::Normal));
        else
            engine_->setController(i, std::make_unique<ClassicComputer>());
    }
    engine_->setPace(game.pace);
    engine_->resume(game.progress);
}

SavedGame Simulation::capture() const
{
    DicePosition dice{options_.seed, random_.draws(), {}};
    dice.givenDice.assign(dice_.remaining().begin(), dice_.remaining().end());
    return captureGame(*engine_, std::move(dice), history_);
}

void Simulation::setUp()
{
    fillChanceDeck(state_);
    fillCommunityDeck(state_);
    loadBoard(state_);
    for (int i = 0; i < options_.players && i < MaxPlayers; ++i) {
        const PieceAndColour &choice = ComputerPlayerChoices[i];
        const ComputerLevel level =
            i < static_cast<int>(options_.levels.size()) ? options_.levels[i] : ComputerLevel::Normal;
        const NewPlayer player{defaultPlayerName(i), std::string(choice.piece), std::string(choice.colour),
                               std::string(TypeNames[1]), level};
        fillPlayerRecord(state_, i, player);
        if (log_.isOn())
            log_.writeLog(playerAddedLogLine(i, player));
        state_.PlayerCount = static_cast<Integer>(i + 1);
    }
    loadBoard(state_);
    engine_->startGame();
}

bool Simulation::finished() const
{
    return engine_->handOvers() >= options_.turns || engine_->phase() == Engine::Phase::Over;
}

bool Simulation::playTick() { return clock_.advanceToNextTick(); }

bool Simulation::run()
{
    while (!finished()) {
        if (!playTick())
            return false;
    }
    return true;
}

std::string Simulation::reportJson() const
{
    std::ostringstream out;
    long long landings = 0;
    for (const SquareStat &st : state_.SquareStats)
        landings += st.Landed;
    out << "{\"squares\":[";
    for (int sq = 0; sq < BoardSize; ++sq) {
        const Property &p = state_.Properties[sq];
        const Building &b = state_.Buildings[sq];
        const SquareStat &st = state_.SquareStats[sq];
        if (sq)
            out << ',';
        out << "{\"square\":" << sq << ",\"name\":" << jsonString(std::string(squareInfo(sq).name)) << ",\"owner\":";
        if (p.Owned)
            out << p.Owner;
        else
            out << "null";
        out << ",\"houses\":" << b.Houses << ",\"hotel\":" << (b.Hotel ? "true" : "false")
            << ",\"mortgaged\":" << (p.Mortgaged ? "true" : "false") << ",\"landings\":" << st.Landed
            << ",\"landingShare\":" << jsonShare(st.Landed, landings) << ",\"totalRent\":" << st.TotalRent << '}';
    }
    out << "],\"players\":[";
    for (int i = 0; i < state_.PlayerCount; ++i) {
        const Player &pl = state_.Players[i];
        if (i)
            out << ',';
        out << "{\"name\":" << jsonString(pl.Name) << ",\"money\":" << pl.Money << ",\"square\":" << pl.Square
            << ",\"bankrupt\":" << (pl.Bankrupt ? "true" : "false") << ",\"netWorth\":" << netWorth(state_, i)
            << ",\"inJail\":" << (pl.InJail ? "true" : "false") << ",\"jailCards\":" << state_.jailCards(i) << '}';
    }
    out << "],\"freeParking\":" << state_.FreeParking << ",\"housesLeft\":" << state_.HousesLeft
        << ",\"hotelsLeft\":" << state_.HotelsLeft << ",\"winner\":";
    if (const int w = engine_->winner(); w >= 0)
        out << w;
    else
        out << "null";
    out << ",\"throws\":" << engine_->throws() << ",\"turns\":" << engine_->handOvers();
    if (options_.game.trading)
        out << ",\"trades\":" << engine_->trades();
    out << ",\"seed\":" << options_.seed << "}";
    return out.str();
}

} // namespace tycora
