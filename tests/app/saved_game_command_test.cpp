// Saved games on the command line: a simulation saved at its end, a saved
// game played on for more turns with the same lines as the game that was
// never stopped, and the replay of a file.

#include "app/launch_options.h"
#include "app/simulate_command.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

namespace tycora::testing {
namespace {

using app::LaunchOptions;

LaunchOptions launch(std::vector<std::string> args) { return app::parseLaunchOptions(args); }

std::vector<std::string> logLines(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    std::vector<std::string> lines;
    for (const QByteArray &line : file.readAll().split('\n'))
        lines.push_back(line.chopped(line.endsWith('\r') ? 1 : 0).toStdString());
    return lines;
}

int run(const LaunchOptions &options, std::string *error = nullptr)
{
    std::ostringstream out, err;
    const int status = options.mode == LaunchOptions::Mode::Replay ? app::runReplay(options, out, err)
                                                                    : app::runSimulation(options, out, err);
    if (error)
        *error = err.str() + out.str();
    return status;
}

TEST(SavedGameCommand, ALoadedGameGoesOnWithTheLinesOfTheGameNeverStopped)
{
    QTemporaryDir dir;
    const std::string saved = dir.filePath("three.tycora").toStdString();
    const std::string wholeLog = dir.filePath("whole.txt").toStdString();
    const std::string laterLog = dir.filePath("later.txt").toStdString();
    const std::vector<std::string> game{"--simulate", "--players", "3", "--seed", "9", "--rules", "full",
                                        "--free-parking"};
    auto first = game, whole = game;
    first.insert(first.end(), {"--turns", "45", "--save", saved});
    whole.insert(whole.end(), {"--turns", "85", "--log", wholeLog});
    ASSERT_EQ(run(launch(first)), 0);
    ASSERT_EQ(run(launch(whole)), 0);
    ASSERT_EQ(run(launch({"--simulate", "--load", saved, "--turns", "40", "--log", laterLog})), 0);

    const std::vector<std::string> all = logLines(QString::fromStdString(wholeLog));
    const std::vector<std::string> later = logLines(QString::fromStdString(laterLog));
    ASSERT_GT(later.size(), 5u);
    EXPECT_EQ(later[0].rfind("Game Started:  ", 0), 0u);
    EXPECT_EQ(later[1], "Game Loaded:  three.tycora (round 16)");
    // The game's own lines, without the start and end lines of each run.
    const std::vector<std::string> tail(later.begin() + 2, later.end() - 3);
    ASSERT_LT(tail.size(), all.size());
    const std::vector<std::string> wholeTail(all.end() - 3 - static_cast<long>(tail.size()), all.end() - 3);
    EXPECT_EQ(tail, wholeTail);

    std::string message;
    EXPECT_EQ(run(launch({"--replay", saved}), &message), 0);
    EXPECT_EQ(message, "The replay of \"" + saved + "\" reaches the saved game.\n");
}

TEST(SavedGameCommand, TheComputersLevelsGoOnWithTheSavedGame)
{
    // The hard computer decides the same after the game was saved and loaded
    // as in the game never stopped: its levels came back with the file.
    QTemporaryDir dir;
    const std::string saved = dir.filePath("levels.tycora").toStdString();
    const std::string wholeLog = dir.filePath("whole.txt").toStdString();
    const std::string laterLog = dir.filePath("later.txt").toStdString();
    const std::vector<std::string> game{"--simulate", "--players", "3", "--seed", "12", "--rules", "full",
                                        "--computers", "easy,hard,normal"};
    auto first = game, whole = game;
    first.insert(first.end(), {"--turns", "20", "--save", saved});
    whole.insert(whole.end(), {"--turns", "50", "--log", wholeLog});
    ASSERT_EQ(run(launch(first)), 0);
    ASSERT_EQ(run(launch(whole)), 0);
    ASSERT_EQ(run(launch({"--simulate", "--load", saved, "--turns", "30", "--log", laterLog})), 0);

    const std::vector<std::string> all = logLines(QString::fromStdString(wholeLog));
    const std::vector<std::string> later = logLines(QString::fromStdString(laterLog));
    ASSERT_GT(later.size(), 5u);
    const std::vector<std::string> tail(later.begin() + 2, later.end() - 3);
    ASSERT_LT(tail.size(), all.size());
    const std::vector<std::string> wholeTail(all.end() - 3 - static_cast<long>(tail.size()), all.end() - 3);
    EXPECT_EQ(tail, wholeTail);
}

TEST(SavedGameCommand, APeoplesGameGoesOnWithTheComputerInTheirSeats)
{
    // A game among people (as the windows save it) played on headless.
    QTemporaryDir dir;
    const std::string saved = dir.filePath("people.tycora").toStdString();
    const std::string later = dir.filePath("later.tycora").toStdString();
    for (const char *rules : {"classic", "full"}) {
        ASSERT_EQ(run(launch({"--simulate", "--players", "2", "--seed", "4", "--rules", rules, "--turns", "20", "--save",
                              saved})),
                  0);
        QFile file(QString::fromStdString(saved));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
        file.close();
        QJsonObject setup = root["setup"].toObject();
        QJsonArray players = setup["players"].toArray();
        QJsonObject ann = players[0].toObject();
        ann["type"] = "Human";
        ann.remove("level");
        players[0] = ann;
        setup["players"] = players;
        root["setup"] = setup;
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QJsonDocument(root).toJson());
        file.close();

        std::string message;
        ASSERT_EQ(run(launch({"--simulate", "--load", saved, "--turns", "30", "--save", later}), &message), 0)
            << rules << ": " << message;
        EXPECT_NE(message.find("tycora: Player 1 is a person; without a window the computer plays their seat\n"),
                  std::string::npos)
            << message;
        QFile after(QString::fromStdString(later));
        ASSERT_TRUE(after.open(QIODevice::ReadOnly));
        const QJsonObject done = QJsonDocument::fromJson(after.readAll()).object();
        EXPECT_EQ(done["setup"]["players"][0]["type"].toString(), "Human") << "still a person's seat";
        EXPECT_GT(done["history"].toArray().size(), root["history"].toArray().size()) << rules << ": play went on";
    }
}

TEST(SavedGameCommand, FlagsThatTheSavedGameSetsAreRefused)
{
    for (const char *flag : {"--seed=3", "--players=2", "--rules=full", "--dice=1,2", "--double-go", "--free-parking",
                             "--no-first-round-buying"}) {
        const LaunchOptions o = launch({"--simulate", "--load", "game.tycora", flag});
        EXPECT_EQ(o.mode, LaunchOptions::Mode::Error) << flag;
        const std::string name = std::string(flag).substr(0, std::string(flag).find('='));
        EXPECT_EQ(o.error, name + " cannot be given with --load: the saved game has its own");
    }
    EXPECT_EQ(launch({"--simulate", "--load", "game.tycora", "--turns", "5", "--save", "b.tycora"}).mode,
              LaunchOptions::Mode::Simulate);
    EXPECT_EQ(launch({"--replay"}).error, "--replay takes one file name and nothing else");
    EXPECT_EQ(launch({"--replay", "a", "b"}).error, "--replay takes one file name and nothing else");
}

TEST(SavedGameCommand, BadFilesAndBrokenHistoriesEndWithStatusOne)
{
    QTemporaryDir dir;
    const std::string saved = dir.filePath("game.tycora").toStdString();
    ASSERT_EQ(run(launch({"--simulate", "--players", "2", "--seed", "5", "--turns", "30", "--save", saved})), 0);

    // One die of the history changed: the replay parts from the snapshot.
    QFile file(QString::fromStdString(saved));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray bytes = file.readAll();
    file.close();
    qsizetype digit = bytes.indexOf("\"throw\":[");
    ASSERT_GT(digit, 0);
    while (!std::isdigit(static_cast<unsigned char>(bytes[digit])))
        ++digit;
    bytes[digit] = bytes[digit] == '6' ? '5' : char(bytes[digit] + 1);
    const std::string broken = dir.filePath("broken.tycora").toStdString();
    QFile out(QString::fromStdString(broken));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(bytes);
    out.close();
    std::string message;
    EXPECT_EQ(run(launch({"--replay", broken}), &message), 1);
    EXPECT_EQ(message.rfind("tycora: the replay of \"" + broken + "\" differs from the saved game: ", 0), 0u) << message;

    EXPECT_EQ(run(launch({"--simulate", "--load", dir.filePath("none.tycora").toStdString()}), &message), 1);
    EXPECT_EQ(message, "tycora: \"" + dir.filePath("none.tycora").toStdString() +
                           "\" cannot be loaded: there is no such file.\n");
}

} // namespace
} // namespace tycora::testing
