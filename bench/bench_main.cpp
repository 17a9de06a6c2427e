// tycora_bench: the game's performance figures, printed as a table.
//
//   tycora_bench [--start] [path/to/tycora-bench-game [path/to/tycora-bench-bare]]
//
// The window figures are taken of tycora-bench-game, the game as the
// program starts it playing a scenario by itself; they need a display (run
// under xvfb-run). Without its path only the engine is measured. The start
// is compared with tycora-bench-bare, looked for beside the game unless
// named. --start: the start and the opening of the board only.

#include "bench/engine_speed.h"
#include "bench/full_rules_games.h"
#include "bench/process_probe.h"
#include "bench/trading_games.h"

#include <cstdio>
#include <algorithm>
#include <cstring>
#include <string>

namespace {

using namespace tycora::bench;

void row(const char *measure, const std::string &result, const char *goal)
{
    std::printf("| %s | %s | %s |\n", measure, result.c_str(), goal);
}

std::string format(const char *pattern, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

} // namespace

std::string besideProgram(const std::string &program, const char *name)
{
    const std::size_t slash = program.rfind('/');
    return (slash == std::string::npos ? std::string() : program.substr(0, slash + 1)) + name;
}

constexpr int StartPairs = 15;
constexpr int OpeningRuns = 11;

// The start against a bare Qt program, and the opening of the set-up and
// the board.
bool measureStart(const std::string &game, const std::string &bare)
{
    for (const char *mode : {"with-full-screen", "menu-only"}) {
        const StartRatio start = measureStartRatio(game, bare, mode, StartPairs);
        if (!start.ok) {
            std::fprintf(stderr, "start ratio: %s\n", start.error.c_str());
            return false;
        }
        const bool fullScreen = std::strcmp(mode, "with-full-screen") == 0;
        char measure[256];
        std::snprintf(measure, sizeof measure,
                      "processor time from exec to the menu's first paint, against a bare Qt program showing %s "
                      "(median of %d alternating pairs)",
                      fullScreen ? "a full-screen window and one of the menu's size" : "one window of the menu's size",
                      start.pairs);
        char result[128];
        std::snprintf(result, sizeof result, "%.2f (%.0f ms against %.0f ms; wall %.0f / %.0f ms)", start.ratio,
                      start.gameCpuMs, start.bareCpuMs, start.gameWallMs, start.bareWallMs);
        row(measure, result, fullScreen ? "<= 1.15" : "(for reference)");
    }
    const Opening opening = measureOpening(game, OpeningRuns);
    if (!opening.ok) {
        std::fprintf(stderr, "open-board: no figures\n");
        return false;
    }
    char result[128];
    std::snprintf(result, sizeof result, "%.0f ms (processor %.0f ms)", opening.setUpWallMs, opening.setUpCpuMs);
    row("New Game to the set-up's first paint (median of 11)", result, "(for reference)");
    std::snprintf(result, sizeof result, "%.0f ms (processor %.0f ms)", opening.boardWallMs, opening.boardCpuMs);
    row("Next to the board's first paint, four computers listed (median of 11)", result, "no slower than before");
    return true;
}

int main(int argc, char **argv)
{
    const bool startOnly = argc > 1 && std::strcmp(argv[1], "--start") == 0;
    if (startOnly) {
        --argc;
        ++argv;
    }
    std::printf("| measure | result | goal |\n|---|---|---|\n");
    if (startOnly) {
        if (argc < 2)
            return 2;
        const std::string game = argv[1];
        return measureStart(game, argc > 2 ? argv[2] : besideProgram(game, "tycora-bench-bare")) ? 0 : 1;
    }
    const EngineSpeed speed = measureEngineSpeed(100000, 10);
    row("engine turns per second (headless, 4 computers, 10 games of 100000 turns)",
        format("%.0f", speed.turnsPerSecond()), "> 1000000");

    const GameLengths lengths = measureFullRulesGames(1000, 2000);
    row("full rules, 1000 games of four computers: ended with a winner within 2000 hand-overs",
        format("%.1f %%", 100.0 * lengths.won / lengths.games), ">= 95 %");
    std::printf("| full rules, hand-overs of the games won: median / 90th / 99th percentile / longest | %lld / %lld / "
                "%lld / %lld | (for reference) |\n",
                lengths.percentile(50), lengths.percentile(90), lengths.percentile(99), lengths.percentile(100));
    const HeadToHead duel = measureHeadToHead(1000, 2000);
    row("full rules, 1000 two-player games: the full-rules computer's wins against the classic computer's rule",
        format("%.1f %%", 100.0 * duel.fullWins / duel.games), "> 70 %");
    std::printf("| (the same games: classic rule's wins / undecided after 2000 hand-overs) | %d / %d | |\n",
                duel.classicWins, duel.undecided);
    const TradingGames trading = measureTradingGames(1000, 2000);
    row("full rules with trading, 1000 games of four computers: ended with a winner within 2000 hand-overs",
        format("%.1f %%", 100.0 * trading.won / trading.games), ">= 98 %");
    row("(the same games: trades per game)", format("%.2f", double(trading.trades) / trading.games),
        "(for reference)");
    const TradingDuel tradingDuel = measureTradingDuel(1000, 2000);
    row("full rules, 1000 two-player games: a trading computer's wins against one that never proposes a trade",
        format("%.1f %%", 100.0 * tradingDuel.traderWins / tradingDuel.games), "> 60 %");
    std::printf("| (the same games: the non-trader's wins / undecided / trades per game) | %d / %d / %.2f | |\n",
                tradingDuel.nonTraderWins, tradingDuel.undecided, double(tradingDuel.trades) / tradingDuel.games);
    if (argc < 2)
        return 0;

    const std::string program = argv[1];
    double best = 1e9;
    for (int run = 0; run < 5; ++run) {
        const ProbeResult start = probe(program, "startup", 0);
        if (!start.ok) {
            std::fprintf(stderr, "startup: %s\n", start.error.c_str());
            return 1;
        }
        best = std::min(best, start.readyAfterMs);
    }
    row("process start to menu shown (best of 5)", format("%.0f ms", best), "< 150 ms");
    if (!measureStart(program, argc > 2 ? argv[2] : besideProgram(program, "tycora-bench-bare")))
        return 1;

    const ProbeResult human = probe(program, "human-to-throw", 10);
    const ProbeResult computers = probe(program, "computer-pause", 10, Watch::PausesOnly);
    const ProbeResult play = probe(program, "computers-play", 10);
    if (!human.ok || !computers.ok || !play.ok) {
        std::fprintf(stderr, "probe failed: %s%s%s\n", human.error.c_str(), computers.error.c_str(), play.error.c_str());
        return 1;
    }
    row("CPU over 10 s while a human is to throw", format("%.2f %% of a core", human.cpuPercentOfCore), "< 1 %");
    row("CPU over 10 s of computer pauses (pauses only)", format("%.2f %% of a core", computers.cpuPercentOfCore), "< 1 %");
    row("CPU over 10 s of computers playing (pauses and walks)", format("%.2f %% of a core", play.cpuPercentOfCore),
        "(for reference)");
    const long peak = std::max({human.peakResidentKb, computers.peakResidentKb, play.peakResidentKb});
    row("peak resident memory in play", format("%.1f MB", peak / 1024.0), "< 80 MB");

    const NewGamesMemory games = measureNewGamesMemory(program);
    if (!games.ok) {
        std::fprintf(stderr, "new-games: no memory figures\n");
        return 1;
    }
    row("resident memory after ten New Games, against after the first",
        format("%+.1f MB", (games.afterTenth - games.afterFirst) / 1024.0), "within 3 MB");
    return 0;
}
