// Tournaments between the computer levels: prints win rates with their 95%
// intervals and the time the hard computer takes per decision.
//
//   tycora_bench_levels [seeds per pairing] [turn limit]
//
// Every seed is played twice, the seats swapped, so a pairing plays twice
// as many games as seeds.

#include "bench/level_tournament.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace tycora::bench;

namespace {

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t at = std::min(values.size() - 1, static_cast<std::size_t>(p / 100.0 * values.size()));
    return values[at];
}

void report(const PairingResult &r, double seconds)
{
    const Share s = firstShare(r);
    std::printf("| %s vs %s | %d | %d | %d-%d | %d | %.1f%% | %.1f%%-%.1f%% |", contenderName(r.first).c_str(),
                contenderName(r.second).c_str(), r.players, r.games, r.firstWins, r.secondWins, r.undecided,
                100 * s.rate, 100 * s.low, 100 * s.high);
    if (!r.hardDecisionMs.empty())
        std::printf(" %zu decisions: median %.1f ms, 99th %.1f ms |", r.hardDecisionMs.size(),
                    percentile(r.hardDecisionMs, 50), percentile(r.hardDecisionMs, 99));
    else
        std::printf(" |");
    std::printf(" %.0f s\n", seconds);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    const int seeds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 500;
    const long long turnLimit = argc > 2 ? std::max(1, std::atoi(argv[2])) : 2000;
    const std::string only = argc > 3 ? argv[3] : "";
    struct Pairing {
        Contender first, second;
        int players;
    };
    const Pairing pairings[] = {
        {Contender::Normal, Contender::Easy, 2},      {Contender::Hard, Contender::Normal, 2},
        {Contender::Hard, Contender::Reference, 2},   {Contender::Hard, Contender::Easy, 2},
        {Contender::Normal, Contender::Easy, 4},      {Contender::Hard, Contender::Normal, 4},
        {Contender::Hard, Contender::Reference, 4},   {Contender::Hard, Contender::Easy, 4},
    };
    std::printf("| pairing | players | games | wins | undecided | first's share | 95%% interval | hard decisions | time |\n");
    std::printf("|---|---|---|---|---|---|---|---|---|\n");
    for (const Pairing &p : pairings) {
        const std::string name = contenderName(p.first) + contenderName(p.second) + std::to_string(p.players);
        if (!only.empty() && name.find(only) == std::string::npos)
            continue;
        const auto begin = std::chrono::steady_clock::now();
        const PairingResult r = playPairing(p.first, p.second, p.players, seeds, 0x1e7e'0000ULL, turnLimit);
        report(r, std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count());
    }
    return 0;
}
