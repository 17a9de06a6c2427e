#include "app/launch_options.h"

#include "game/computer_level.h"

#include <charconv>
#include <limits>

namespace tycora::app {

namespace {

constexpr long long MaxTurns = 1'000'000'000;
constexpr long long MaxGames = 1'000'000;

template<typename Number>
bool parseWhole(const std::string &text, Number &value, Number lo, Number hi)
{
    if (text.empty())
        return false;
    Number parsed{};
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (ec != std::errc() || end != text.data() + text.size() || parsed < lo || parsed > hi)
        return false;
    value = parsed;
    return true;
}

bool parseDice(const std::string &text, std::vector<int> &dice)
{
    dice.clear();
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        const std::string item = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        int die = 0;
        if (!parseWhole(item, die, 1, 6))
            return false;
        dice.push_back(die);
        if (comma == std::string::npos)
            return true;
        start = comma + 1;
    }
}

LaunchOptions failure(std::string message)
{
    LaunchOptions o;
    o.mode = LaunchOptions::Mode::Error;
    o.error = std::move(message);
    return o;
}

// Splits "--name=value" into name and value.
bool splitInline(const std::string &arg, std::string &name, std::string &value)
{
    const std::size_t eq = arg.find('=');
    if (arg.rfind("--", 0) != 0 || eq == std::string::npos)
        return false;
    name = arg.substr(0, eq);
    value = arg.substr(eq + 1);
    return true;
}

// "easy,normal,hard": a level for each player; false for an unknown word.
bool parseLevels(const std::string &text, std::vector<ComputerLevel> &levels)
{
    levels.clear();
    std::size_t from = 0;
    while (true) {
        const std::size_t comma = text.find(',', from);
        const std::optional<ComputerLevel> level = levelFromName(text.substr(from, comma - from));
        if (!level)
            return false;
        levels.push_back(*level);
        if (comma == std::string::npos)
            return true;
        from = comma + 1;
    }
}

LaunchOptions parseSimulation(const std::vector<std::string> &args, std::size_t from)
{
    LaunchOptions o;
    o.mode = LaunchOptions::Mode::Simulate;
    std::vector<std::string> given;
    bool noTrading = false;
    for (std::size_t i = from; i < args.size(); ++i) {
        std::string name = args[i], value;
        // The house options take no value.
        if (name == "--no-first-round-buying") {
            o.simulation.game.firstRoundBuying = false;
            given.push_back(name);
            continue;
        }
        if (name == "--double-go") {
            o.simulation.game.doubleGoSalary = true;
            given.push_back(name);
            continue;
        }
        if (name == "--free-parking") {
            o.simulation.game.freeParkingPot = true;
            given.push_back(name);
            continue;
        }
        if (name == "--no-trading") {
            noTrading = true;
            given.push_back(name);
            continue;
        }
        if (!splitInline(args[i], name, value)) {
            if (name != "--players" && name != "--turns" && name != "--seed" && name != "--dice" && name != "--log" &&
                name != "--rules" && name != "--save" && name != "--load" &&
                name != "--games" && name != "--heatmap" && name != "--computers")
                return failure("unknown simulation option '" + args[i] + "'");
            if (i + 1 >= args.size())
                return failure(name + " needs a value");
            value = args[++i];
        }
        if (name == "--players") {
            if (!parseWhole(value, o.simulation.players, 2, 4))
                return failure("--players must be a whole number from 2 to 4, not '" + value + "'");
        } else if (name == "--turns") {
            if (!parseWhole(value, o.simulation.turns, 0LL, MaxTurns))
                return failure("--turns must be a whole number from 0 to " + std::to_string(MaxTurns) + ", not '" +
                               value + "'");
        } else if (name == "--seed") {
            if (!parseWhole(value, o.simulation.seed, std::uint64_t{0}, std::numeric_limits<std::uint64_t>::max()))
                return failure("--seed must be a whole number from 0 to 18446744073709551615, not '" + value + "'");
            o.seedGiven = true;
        } else if (name == "--dice") {
            if (!parseDice(value, o.simulation.dice))
                return failure("--dice must be whole numbers from 1 to 6 separated by commas (e.g. 3,4,6,6), not '" +
                               value + "'");
        } else if (name == "--log") {
            if (value.empty())
                return failure("--log needs a file name");
            o.logFile = value;
        } else if (name == "--save" || name == "--load") {
            if (value.empty())
                return failure(name + " needs a file name");
            (name == "--save" ? o.saveFile : o.loadFile) = value;
        } else if (name == "--games") {
            if (!parseWhole(value, o.games, 1LL, MaxGames))
                return failure("--games must be a whole number from 1 to " + std::to_string(MaxGames) + ", not '" +
                               value + "'");
        } else if (name == "--heatmap") {
            if (value.size() < 5 || value.compare(value.size() - 4, 4, ".png") != 0)
                return failure("--heatmap needs a file name ending in .png, not '" + value + "'");
            o.heatMapFile = value;
        } else if (name == "--computers") {
            if (!parseLevels(value, o.simulation.levels))
                return failure("--computers takes easy, normal or hard for each player, separated by commas "
                               "(e.g. easy,normal,hard,hard), not '" + value + "'");
        } else if (name == "--rules") {
            if (value == "classic")
                o.simulation.game.rules = RuleSet::Classic;
            else if (value == "full")
                o.simulation.game.rules = RuleSet::Full;
            else
                return failure("--rules must be classic or full, not '" + value + "'");
        } else {
            return failure("unknown simulation option '" + name + "'");
        }
        given.push_back(name);
    }
    // Computers trade under the Full rules unless told not to.
    o.simulation.game.trading = o.simulation.game.rules == RuleSet::Full && !noTrading;
    if (!o.loadFile.empty()) {
        // The saved game brings its own players, rules, options and dice.
        for (const std::string &name : given)
            if (name != "--turns" && name != "--log" && name != "--save" && name != "--load")
                return failure(name + " cannot be given with --load: the saved game has its own");
    }
    if (!o.simulation.levels.empty()) {
        if (static_cast<int>(o.simulation.levels.size()) != o.simulation.players)
            return failure("--computers gives " + std::to_string(o.simulation.levels.size()) + " levels for " +
                           std::to_string(o.simulation.players) + " players");
        if (o.simulation.game.rules != RuleSet::Full)
            return failure("--computers needs --rules full: under classic rules every computer plays the classic rule");
    }
    if (o.games > 1 && !o.logFile.empty())
        return failure("--log writes the log of one game; leave it out with --games");
    if (o.games > 1 && !o.saveFile.empty())
        return failure("--save writes one game; leave it out with --games");
    return o;
}

LaunchOptions parseReplay(const std::vector<std::string> &args)
{
    if (args.size() != 2 || args[1].empty())
        return failure("--replay takes one file name and nothing else");
    LaunchOptions o;
    o.mode = LaunchOptions::Mode::Replay;
    o.replayFile = args[1];
    return o;
}

LaunchOptions withMode(LaunchOptions::Mode mode)
{
    LaunchOptions options;
    options.mode = mode;
    return options;
}

// Help, version or a simulation, wherever asked for; play otherwise.
LaunchOptions classifyLaunch(const std::vector<std::string> &args)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &a = args[i];
        if (a == "--help" || a == "-h" || a == "-?")
            return withMode(LaunchOptions::Mode::Help);
        if (a == "--version" || a == "-v")
            return withMode(LaunchOptions::Mode::Version);
        if (a == "--simulate")
            return i == 0 ? parseSimulation(args, 1) : failure("--simulate must come first");
        if (a == "--replay")
            return i == 0 ? parseReplay(args) : failure("--replay must come first");
    }
    return {};
}

// The options that Qt and the X window system take for themselves, with one
// or two leading hyphens; those of the first list are followed by a value
// (or carry it after "=").
bool isToolkitOption(const std::string &arg, bool &takesValue)
{
    static const char *const withValue[] = {"platform", "platformpluginpath", "platformtheme", "plugin",
                                            "qwindowgeometry", "qwindowicon", "qwindowtitle", "session",
                                            "display", "geometry", "style", "stylesheet", "title", "name",
                                            "qmljsdebugger"};
    static const char *const flags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
    std::string name = arg.substr(arg.rfind("--", 0) == 0 ? 2 : 1);
    const std::size_t eq = name.find('=');
    const bool inlineValue = eq != std::string::npos;
    if (inlineValue)
        name.resize(eq);
    for (const char *option : withValue) {
        if (name == option) {
            takesValue = !inlineValue;
            return true;
        }
    }
    for (const char *option : flags) {
        if (name == option && !inlineValue) {
            takesValue = false;
            return true;
        }
    }
    return false;
}

// An error message for an option the game does not know, or empty.
std::string checkPlayArguments(const std::vector<std::string> &args)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &a = args[i];
        // Plain words (debug, /debug, anything else) are left to the event
        // log's rule; options the game does not know are refused.
        if (a.size() > 1 && a[0] == '-') {
            bool takesValue = false;
            if (isToolkitOption(a, takesValue)) {
                // Qt would take a missing value as an empty one and fail
                // later, far from the cause.
                if (takesValue && i + 1 >= args.size())
                    return "option '" + a + "' needs a value";
                i += takesValue ? 1 : 0;
                continue;
            }
            if (a == "-debug" || a == "--debug")
                return "unknown option '" + a + "'; the event log is turned on by the plain word debug";
            return "unknown option '" + a + "'";
        }
    }
    return {};
}

} // namespace

LaunchOptions parseLaunchOptions(const std::vector<std::string> &args)
{
    LaunchOptions o = classifyLaunch(args);
    if (o.mode == LaunchOptions::Mode::Play) {
        if (std::string error = checkPlayArguments(args); !error.empty())
            return failure(std::move(error));
    }
    return o;
}

bool namesPlatform(const std::vector<std::string> &args)
{
    for (const std::string &a : args) {
        for (const char *option : {"-platform", "--platform"}) {
            const std::string o(option);
            if (a == o || a.rfind(o + "=", 0) == 0)
                return true;
        }
    }
    return false;
}

std::string usageText()
{
    return "Usage: tycora [debug]\n"
           "       tycora --simulate [--players N] [--turns T] [--seed S] [--dice D] [--log FILE]\n"
           "                         [--rules classic|full] [--no-first-round-buying]\n"
           "                         [--double-go] [--free-parking] [--no-trading] [--save FILE]\n"
           "                         [--games N] [--heatmap FILE.png]\n"
           "                         [--computers L,L,...]\n"
           "       tycora --simulate --load FILE [--turns T] [--log FILE] [--save FILE]\n"
           "       tycora --replay FILE\n"
           "       tycora --help | --version\n"
           "\n"
           "Tycora is a property-trading board game on the streets of London for two to\n"
           "four players, people or computers.\n"
           "\n"
           "  debug          write every event of the game to debug.txt in the program's\n"
           "                 folder (the word may also stand between slashes: /debug/)\n"
           "  --simulate     play a game of computer players without a window and print\n"
           "                 the result as one JSON object\n"
           "    --players N  number of computer players, 2 to 4 (default 4)\n"
           "    --turns T    hand-overs of the turn to play (default 100); a game under\n"
           "                 full rules ends sooner when a player has won\n"
           "    --seed S     seed of the dice (default: from the clock)\n"
           "    --dice D     the first throws, die by die, e.g. 3,4,6,6,2,5\n"
           "    --log FILE   write the game's event log to FILE\n"
           "    --games N    play N games, on seeds S, S+1, ..., and print their landings\n"
           "    --heatmap FILE.png  draw the board tinted by the landings of the games\n"
           "                 into FILE.png, and as a vector drawing into FILE.svg\n"
           "    --rules R    classic (the default) or full: building, mortgages, debts\n"
           "                 and bankruptcy, a winner, jail, every card, auctions\n"
           "    --computers L  under full rules, the level of each player's computer,\n"
           "                 easy, normal or hard, one for each player (default: all\n"
           "                 normal), e.g. easy,normal,hard,hard\n"
           "    --no-first-round-buying  nobody buys before their piece has been once\n"
           "                 round the board\n"
           "    --double-go  " "\xC2\xA3" "400 for ending a move on GO\n"
           "    --free-parking  taxes and card payments go into a pot that the next\n"
           "                 player to stop on Free Parking takes\n"
           "    --no-trading  under full rules, the computers make no trades\n"
           "    --save FILE  write the game to FILE as it stands when the simulation stops\n"
           "    --load FILE  go on with the saved game in FILE for T more turns, with its\n"
           "                 own players, rules, options and dice\n"
           "  --replay FILE  play the saved game in FILE again from its history and check\n"
           "                 that it comes to the same point (status 0), or name the first\n"
           "                 difference (status 1)\n"
           "  --help         show this text\n"
           "  --version      show the version\n";
}

std::string versionText() { return "tycora " TYCORA_VERSION "\n"; }

} // namespace tycora::app
