#include "bench/level_tournament.h"

#include "bench/reference_computer.h"
#include "game/computer_levels.h"
#include "game/event_log.h"
#include "game/hard_computer.h"
#include "game/simulation.h"

#include <cmath>

namespace tycora::bench {

std::string contenderName(Contender c)
{
    switch (c) {
    case Contender::Easy: return "Easy";
    case Contender::Normal: return "Normal";
    case Contender::Hard: return "Hard";
    case Contender::Reference: return "Reference";
    }
    return "?";
}

namespace {

std::unique_ptr<PlayerController> controllerFor(Contender c, std::vector<double> &times)
{
    switch (c) {
    case Contender::Easy: return makeFullRulesComputer(ComputerLevel::Easy);
    case Contender::Normal: return makeFullRulesComputer(ComputerLevel::Normal);
    case Contender::Hard: {
        auto hard = std::make_unique<HardComputer>();
        hard->setDecisionTimer([&times](double ms) { times.push_back(ms); });
        return hard;
    }
    case Contender::Reference: return std::make_unique<ReferenceComputer>();
    }
    return nullptr;
}

// The winner's seat, or -1.
int playGame(const std::vector<Contender> &seats, std::uint64_t seed, long long turnLimit, std::vector<double> &times)
{
    SimulationOptions options;
    options.players = static_cast<int>(seats.size());
    options.turns = turnLimit;
    options.seed = seed;
    options.game.rules = RuleSet::Full;
    NoEventLog log;
    Simulation sim(options, log);
    for (std::size_t i = 0; i < seats.size(); ++i)
        sim.engine().setController(static_cast<int>(i), controllerFor(seats[i], times));
    sim.setUp();
    sim.run();
    return sim.engine().winner();
}

} // namespace

PairingResult playPairing(Contender first, Contender second, int players, int seeds, std::uint64_t seedBase,
                          long long turnLimit)
{
    PairingResult result{first, second, players};
    for (int s = 0; s < seeds; ++s) {
        for (int swapped = 0; swapped < 2; ++swapped) {
            std::vector<Contender> seats;
            for (int i = 0; i < players; ++i)
                seats.push_back((i + swapped) % 2 == 0 ? first : second);
            const int winner = playGame(seats, seedBase + static_cast<std::uint64_t>(s), turnLimit, result.hardDecisionMs);
            ++result.games;
            if (winner < 0)
                ++result.undecided;
            else if (seats[winner] == first)
                ++result.firstWins;
            else
                ++result.secondWins;
        }
    }
    return result;
}

Share firstShare(const PairingResult &r)
{
    const double n = r.firstWins + r.secondWins;
    if (n <= 0)
        return {};
    const double p = r.firstWins / n;
    const double z = 1.96;
    const double centre = (p + z * z / (2 * n)) / (1 + z * z / n);
    const double half = z * std::sqrt(p * (1 - p) / n + z * z / (4 * n * n)) / (1 + z * z / n);
    return {p, centre - half, centre + half};
}

} // namespace tycora::bench
