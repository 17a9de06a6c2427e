#include "app/launch_options.h"
#include "app/simulate_command.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

namespace tycora::testing {
namespace {

using app::LaunchOptions;
using Mode = LaunchOptions::Mode;

LaunchOptions parse(std::vector<std::string> args) { return app::parseLaunchOptions(args); }

TEST(LaunchOptions, PlayIsTheDefaultAndPlainWordsAreTheLogsBusiness)
{
    EXPECT_EQ(parse({}).mode, Mode::Play);
    EXPECT_EQ(parse({"debug"}).mode, Mode::Play);
    EXPECT_EQ(parse({"/fast", "/Debug/", "debug.txt"}).mode, Mode::Play);
    EXPECT_EQ(parse({"--help"}).mode, Mode::Help);
    EXPECT_EQ(parse({"debug", "-h"}).mode, Mode::Help);
    EXPECT_EQ(parse({"--version"}).mode, Mode::Version);
}

TEST(LaunchOptions, UnknownOptionsAreRefusedWithAHint)
{
    const LaunchOptions bad = parse({"--fullscreen"});
    EXPECT_EQ(bad.mode, Mode::Error);
    EXPECT_NE(bad.error.find("--fullscreen"), std::string::npos);
    const LaunchOptions hyphen = parse({"-debug"});
    EXPECT_EQ(hyphen.mode, Mode::Error);
    EXPECT_NE(hyphen.error.find("plain word debug"), std::string::npos);
    // The window system's own options pass, with their values.
    EXPECT_EQ(parse({"-platform", "offscreen", "debug"}).mode, Mode::Play);
    EXPECT_EQ(parse({"--style=fusion", "-reverse", "-geometry", "800x600"}).mode, Mode::Play);
    EXPECT_EQ(parse({"-platformx"}).mode, Mode::Error);
    EXPECT_EQ(parse({"-reverse=1"}).mode, Mode::Error);
    // A value-taking option at the very end has no value to take.
    EXPECT_EQ(parse({"debug", "-platform"}).error, "option '-platform' needs a value");
    EXPECT_EQ(parse({"--style"}).error, "option '--style' needs a value");
    EXPECT_EQ(parse({"-platform", "-reverse"}).mode, Mode::Play);
    EXPECT_TRUE(app::namesPlatform({"debug", "-platform", "offscreen"}));
    EXPECT_TRUE(app::namesPlatform({"--platform=xcb"}));
    EXPECT_FALSE(app::namesPlatform({"-platformtheme", "gtk3", "platform"}));
    // Many switches, a slash-separated Debug among them, are plain words.
    EXPECT_EQ(parse({"/a", "/b/c", "/ Debug ", "x/y/z", "debug.txt", "de/bug", "/DEBUG/"}).mode, Mode::Play);
}

TEST(LaunchOptions, SimulationOptions)
{
    const LaunchOptions o = parse({"--simulate", "--players", "3", "--turns=250", "--seed", "42", "--dice", "3,4,6,6",
                                   "--log", "/tmp/x.txt"});
    ASSERT_EQ(o.mode, Mode::Simulate) << o.error;
    EXPECT_EQ(o.simulation.players, 3);
    EXPECT_EQ(o.simulation.turns, 250);
    EXPECT_EQ(o.simulation.seed, 42u);
    EXPECT_TRUE(o.seedGiven);
    EXPECT_EQ(o.simulation.dice, (std::vector<int>{3, 4, 6, 6}));
    EXPECT_EQ(o.logFile, "/tmp/x.txt");
    const LaunchOptions d = parse({"--simulate"});
    EXPECT_EQ(d.simulation.players, 4);
    EXPECT_EQ(d.simulation.turns, 100);
    EXPECT_FALSE(d.seedGiven);
    EXPECT_EQ(d.simulation.game, GameOptions{});
}

TEST(LaunchOptions, TheHouseOptionsAndTheRuleSet)
{
    const LaunchOptions o =
        parse({"--simulate", "--no-first-round-buying", "--double-go", "--free-parking", "--rules", "full"});
    ASSERT_EQ(o.mode, Mode::Simulate) << o.error;
    EXPECT_FALSE(o.simulation.game.firstRoundBuying);
    EXPECT_TRUE(o.simulation.game.doubleGoSalary);
    EXPECT_TRUE(o.simulation.game.freeParkingPot);
    EXPECT_EQ(o.simulation.game.rules, RuleSet::Full);
    EXPECT_EQ(parse({"--simulate", "--rules=classic"}).simulation.game.rules, RuleSet::Classic);
    EXPECT_EQ(parse({"--simulate", "--rules", "fuller"}).mode, Mode::Error);
    EXPECT_EQ(parse({"--simulate", "--rules"}).mode, Mode::Error);
    for (const char *option : {"--no-first-round-buying", "--double-go", "--free-parking", "--rules"})
        EXPECT_NE(app::usageText().find(option), std::string::npos) << option;
}

TEST(LaunchOptions, BadSimulationNumbersAndDiceAreClearErrors)
{
    for (const std::vector<std::string> &args : std::vector<std::vector<std::string>>{
             {"--simulate", "--players", "5"},
             {"--simulate", "--players", "1"},
             {"--simulate", "--players", "two"},
             {"--simulate", "--turns", "-1"},
             {"--simulate", "--turns", "99999999999999999999"},
             {"--simulate", "--turns", "12abc"},
             {"--simulate", "--seed", "-3"},
             {"--simulate", "--dice", "3,7"},
             {"--simulate", "--dice", "0"},
             {"--simulate", "--dice", "3,,4"},
             {"--simulate", "--dice", "3,4,"},
             {"--simulate", "--dice", ""},
             {"--simulate", "--players"},
             {"--simulate", "--colour", "red"},
             {"--simulate", "--log", ""},
             {"debug", "--simulate"},
         }) {
        const LaunchOptions o = parse(args);
        EXPECT_EQ(o.mode, Mode::Error) << args.back();
        EXPECT_FALSE(o.error.empty());
    }
}

TEST(SimulateCommand, WritesTheLogAsDebugTxtWouldAndPrintsJson)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    LaunchOptions o = parse({"--simulate", "--players", "2", "--turns", "3", "--seed", "5", "--dice", "2,3,1,2",
                             "--log", dir.filePath("game.txt").toStdString()});
    ASSERT_EQ(o.mode, Mode::Simulate);
    std::ostringstream out, err;
    EXPECT_EQ(app::runSimulation(o, out, err), 0) << err.str();
    EXPECT_EQ(out.str().front(), '{');
    EXPECT_NE(out.str().find("\"seed\":5"), std::string::npos);

    QFile file(dir.filePath("game.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    ASSERT_GE(lines.size(), 8);
    EXPECT_TRUE(lines[0].startsWith("Game Started:  "));
    EXPECT_EQ(lines[1], "Player 0:  Player 1, Dog , Red, Computer\r");
    EXPECT_EQ(lines[2], "Player 1:  Player 2, Hat, Blue, Computer\r");
    EXPECT_EQ(lines[3], "Player 1 (\xC2\xA3" "1500) rolls:  2,3\r");
    // The end line, one empty line, then nothing after the last line end.
    EXPECT_TRUE(lines[lines.size() - 3].startsWith("Game Ended:  "));
    EXPECT_EQ(lines[lines.size() - 2], "\r");
    EXPECT_EQ(lines.back(), "");
    for (int i = 0; i + 1 < lines.size(); ++i)
        EXPECT_TRUE(lines[i].endsWith('\r')) << i;
}

TEST(SimulateCommand, AnUnopenableLogFileIsAnError)
{
    LaunchOptions o = parse({"--simulate", "--log", "/nonexistent-folder/x/game.txt"});
    std::ostringstream out, err;
    EXPECT_EQ(app::runSimulation(o, out, err), 2);
    EXPECT_NE(err.str().find("cannot open"), std::string::npos);
    EXPECT_TRUE(out.str().empty());
}

} // namespace
} // namespace tycora::testing

namespace tycora {
namespace {

TEST(LaunchOptions, TheComputersLevelsOneForEachPlayer)
{
    using app::LaunchOptions;
    using Mode = LaunchOptions::Mode;
    const LaunchOptions o = app::parseLaunchOptions(
        {"--simulate", "--rules", "full", "--computers", "easy,Normal,HARD,hard"});
    ASSERT_EQ(o.mode, Mode::Simulate) << o.error;
    EXPECT_EQ(o.simulation.levels, (std::vector<ComputerLevel>{ComputerLevel::Easy, ComputerLevel::Normal,
                                                                ComputerLevel::Hard, ComputerLevel::Hard}));
    EXPECT_TRUE(app::parseLaunchOptions({"--simulate", "--rules", "full"}).simulation.levels.empty());
    EXPECT_EQ(app::parseLaunchOptions({"--simulate", "--computers=hard,easy", "--players", "2", "--rules=full"})
                  .simulation.levels,
              (std::vector<ComputerLevel>{ComputerLevel::Hard, ComputerLevel::Easy}));
    EXPECT_NE(app::usageText().find("--computers"), std::string::npos);

    const struct {
        std::vector<std::string> args;
        std::string error;
    } refused[] = {
        {{"--simulate", "--rules", "full", "--players", "2", "--computers", "easy,expert"},
         "--computers takes easy, normal or hard for each player, separated by commas (e.g. easy,normal,hard,hard), "
         "not 'easy,expert'"},
        {{"--simulate", "--rules", "full", "--players", "2", "--computers", "easy,,hard"},
         "--computers takes easy, normal or hard for each player, separated by commas (e.g. easy,normal,hard,hard), "
         "not 'easy,,hard'"},
        {{"--simulate", "--rules", "full", "--computers", "easy,hard"}, "--computers gives 2 levels for 4 players"},
        {{"--simulate", "--rules", "full", "--players", "3", "--computers", "easy,hard,hard,normal"},
         "--computers gives 4 levels for 3 players"},
        {{"--simulate", "--players", "2", "--computers", "easy,hard"},
         "--computers needs --rules full: under classic rules every computer plays the classic rule"},
        {{"--simulate", "--computers"}, "--computers needs a value"},
    };
    for (const auto &c : refused) {
        const LaunchOptions bad = app::parseLaunchOptions(c.args);
        EXPECT_EQ(bad.mode, Mode::Error) << c.args.back();
        EXPECT_EQ(bad.error, c.error);
    }
}

} // namespace
} // namespace tycora
