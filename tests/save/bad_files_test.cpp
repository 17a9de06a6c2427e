// Files that are not saved games, or saved games that no game could have
// reached: each one is refused with a message that names the file and the
// first problem.

#include "save/game_file.h"
#include "saved_game_support.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <functional>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace tycora::testing {
namespace {

using Edit = std::function<void(QJsonObject &)>;

// A two-player game under Full rules in which only Old Kent Road is owned.
QJsonObject goodDocument()
{
    static const QJsonObject root = [] {
        SavedGame game = playedGame(RuleSet::Full, 40, 21, 2);
        // The board cleared, but for Old Kent Road, so the cases below do not
        // hang on how the computers played.
        for (int sq = 0; sq < BoardSize; ++sq) {
            game.state.Properties[sq].Owned = sq == 1;
            game.state.Properties[sq].Owner = 0;
            game.state.Properties[sq].Mortgaged = false;
            game.state.Buildings[sq] = Building{};
        }
        game.state.HousesLeft = HouseStock;
        game.state.HotelsLeft = HotelStock;
        return QJsonDocument::fromJson(save::gameDocument(game, TestProvenance)).object();
    }();
    return root;
}

// Edits a value deep in the document along a path of keys and indexes.
void setAt(QJsonObject &root, const QStringList &path, const QJsonValue &value)
{
    std::function<QJsonValue(QJsonValue, int)> edit = [&](QJsonValue node, int depth) -> QJsonValue {
        if (depth == path.size())
            return value;
        bool isIndex = false;
        const int index = path[depth].toInt(&isIndex);
        if (isIndex) {
            QJsonArray a = node.toArray();
            while (a.size() <= index)
                a.append(QJsonValue());
            a[index] = edit(a[index], depth + 1);
            return a;
        }
        QJsonObject o = node.toObject();
        o[path[depth]] = edit(o[path[depth]], depth + 1);
        return o;
    };
    root = edit(root, 0).toObject();
}

QJsonValue valueAt(const QJsonObject &root, const QStringList &path)
{
    QJsonValue node = root;
    for (const QString &step : path) {
        bool isIndex = false;
        const int index = step.toInt(&isIndex);
        node = isIndex ? node.toArray()[index] : node.toObject()[step];
    }
    return node;
}

void removeAt(QJsonObject &root, const QStringList &path, const QString &key)
{
    QJsonObject changed = valueAt(root, path).toObject();
    changed.remove(key);
    setAt(root, path, changed);
}

struct BadDocument {
    const char *what;
    Edit edit;
    std::string message;   // after '"bad.tycora" cannot be loaded: '
};

std::string moneyLimits()
{
    return "from " + std::to_string(-MaxSavedMoney) + " to " + std::to_string(MaxSavedMoney);
}

std::vector<BadDocument> badDocuments()
{
    return {
        {"another format", [](QJsonObject &r) { r["format"] = "spreadsheet"; }, "it is not a saved game of this program."},
        {"a newer version", [](QJsonObject &r) { r["version"] = 7; },
         "it was saved in version 7 of the format, and this program reads only up to version 1."},
        {"a version that is no number", [](QJsonObject &r) { r["version"] = "one"; }, "version is not a whole number."},
        {"an unknown level", [](QJsonObject &r) { setAt(r, {"setup", "players", "1", "level"}, "Expert"); },
         "setup.players[1].level is \"Expert\", which this program does not know."},
        {"a level that is no text", [](QJsonObject &r) { setAt(r, {"setup", "players", "0", "level"}, 2); },
         "setup.players[0].level is not a text."},
        {"money beyond the limits", [](QJsonObject &r) { setAt(r, {"snapshot", "players", "0", "money"}, 1e13); },
         "snapshot.players[0].money is 10000000000000; it must be " + moneyLimits() + "."},
        {"classic money past its range",
         [](QJsonObject &r) {
             setAt(r, {"setup", "rules"}, "Classic");
             setAt(r, {"snapshot", "players", "0", "money"}, 40000);
         },
         "Player 1 holds £40000, beyond what the Classic rules allow."},
        {"an owner who does not exist", [](QJsonObject &r) { setAt(r, {"snapshot", "squares", "1", "owner"}, 3); },
         "square 1 (Old Kent Road) is owned by player 4, who does not exist."},
        {"six houses", [](QJsonObject &r) { setAt(r, {"snapshot", "squares", "1", "houses"}, 6); },
         "snapshot.squares[1].houses is 6; it must be from 0 to 4."},
        {"a hotel with houses",
         [](QJsonObject &r) {
             setAt(r, {"snapshot", "squares", "1", "hotel"}, true);
             setAt(r, {"snapshot", "squares", "1", "houses"}, 2);
         },
         "snapshot.squares[1].hotel stands beside 2 houses."},
        {"houses on a street whose group is split",
         [](QJsonObject &r) {
             setAt(r, {"snapshot", "squares", "39", "owner"}, 0);
             setAt(r, {"snapshot", "squares", "37", "owner"}, 1);
             setAt(r, {"snapshot", "squares", "39", "houses"}, 1);
         },
         "square 39 (Mayfair) has buildings but its colour group is not all one player's."},
        {"a card in two places",
         [](QJsonObject &r) {
             setAt(r, {"snapshot", "chance", "cards", "1"}, valueAt(r, {"snapshot", "chance", "cards", "0"}));
         },
         "the Chance deck holds AdvanceToMayfair 2 times."},
        {"a card of the other deck",
         [](QJsonObject &r) { setAt(r, {"snapshot", "chance", "cards", "0"}, "BankError"); },
         "the Chance deck holds AdvanceToMayfair nowhere."},
        {"a piece on square 40", [](QJsonObject &r) { setAt(r, {"snapshot", "players", "1", "square"}, 40); },
         "snapshot.players[1].square is 40; it must be from -1 to 39."},
        {"a piece's place on its square below the first",
         [](QJsonObject &r) { setAt(r, {"snapshot", "players", "1", "place"}, -1); },
         "snapshot.players[1].place is -1; it must be from 0 to 32767."},
        {"a player in jail outside it",
         [](QJsonObject &r) {
             setAt(r, {"snapshot", "players", "0", "inJail"}, true);
             setAt(r, {"snapshot", "players", "0", "square"}, 5);
         },
         "Player 1 is in jail but stands on square 5 (King's Cross Station)."},
        {"a player without a jail state", [](QJsonObject &r) { removeAt(r, {"snapshot", "players", "0"}, "inJail"); },
         "snapshot.players[0].inJail is missing."},
        {"five players",
         [](QJsonObject &r) {
             for (int i = 2; i < 5; ++i)
                 setAt(r, {"setup", "players", QString::number(i)}, valueAt(r, {"setup", "players", "0"}));
         },
         "5 players: a game has 2 to 4."},
        {"a name with control characters",
         [](QJsonObject &r) { setAt(r, {"setup", "players", "1", "name"}, QString("Bob\u0007")); },
         "player 2's name contains a control character."},
        {"a name with a hidden direction mark",
         [](QJsonObject &r) { setAt(r, {"setup", "players", "1", "name"}, QString("Bob\u202Eeno")); },
         "player 2's name contains a control character."},
        {"a name that passes for part of an event line",
         [](QJsonObject &r) { setAt(r, {"setup", "players", "1", "name"}, QString("Game Ended: Bob")); },
         "player 2's name holds \": \" or \"-->\"."},
        {"an unknown rule set", [](QJsonObject &r) { setAt(r, {"setup", "rules"}, "Medium"); },
         "setup.rules is \"Medium\", which this program does not know."},
        {"two players with one piece",
         [](QJsonObject &r) { setAt(r, {"setup", "players", "1", "piece"}, valueAt(r, {"setup", "players", "0", "piece"})); },
         "Player 1 and Player 2 have the same piece."},
        {"the turn of a player who does not exist", [](QJsonObject &r) { setAt(r, {"snapshot", "currentPlayer"}, 3); },
         "the turn is player 4's, who does not exist."},
        {"houses the bank cannot account for", [](QJsonObject &r) { setAt(r, {"snapshot", "bank", "houses"}, 31); },
         "the bank has 31 houses and the board 0; together they are 32."},
        {"a die of seven", [](QJsonObject &r) { setAt(r, {"history", "0", "throw", "1"}, 7); },
         "history[0].throw[1] is 7; it must be from 1 to 6."},
        {"a decision of nobody", [](QJsonObject &r) { setAt(r, {"history", "0"}, QJsonObject{{"player", 0}}); },
         "history[0] holds no decision."},
        {"a log that is no list", [](QJsonObject &r) { r["log"] = "Game Started"; }, "log is not a list."},
        {"a log line that is no text", [](QJsonObject &r) { r["log"] = QJsonArray{"Game Started", 7}; },
         "log[1] is not a text."},
        {"a log line with control characters",
         [](QJsonObject &r) { r["log"] = QJsonArray{"Ann rolls:  3,4\x1b[2J"}; },
         "log line 1 contains a control character."},
        {"a log line too long", [](QJsonObject &r) { r["log"] = QJsonArray{QString(1001, 'x')}; },
         "log[0] is longer than 1000 characters."},
        {"a seed that is no number", [](QJsonObject &r) { setAt(r, {"snapshot", "dice", "seed"}, "-1"); },
         "snapshot.dice.seed is \"-1\"; it must be a whole number from 0 to 18446744073709551615."},
    };
}

class BadFile : public ::testing::TestWithParam<BadDocument> {};

TEST_P(BadFile, IsRefusedWithItsFirstProblem)
{
    QJsonObject root = goodDocument();
    GetParam().edit(root);
    QTemporaryDir dir;
    const QString path = dir.filePath("bad.tycora");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QJsonDocument(root).toJson());
    file.close();
    EXPECT_EQ(save::loadGameFile(path).error.toStdString(), "\"" + path.toStdString() + "\" cannot be loaded: " + GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(Documents, BadFile, ::testing::ValuesIn(badDocuments()),
                         [](const auto &info) {
                             std::string name;
                             for (const char c : std::string(info.param.what))
                                 if (std::isalnum(static_cast<unsigned char>(c)))
                                     name += c;
                             return name;
                         });

TEST(GoodFile, LoadsWithUnknownFieldsIgnored)
{
    QJsonObject root = goodDocument();
    root["comment"] = "written by hand";
    setAt(root, {"snapshot", "players", "0", "mood"}, "cheerful");
    const save::ReadGame read = save::readGameDocument(QJsonDocument(root).toJson());
    EXPECT_EQ(read.problem, "");
}

// Writes bytes to a file of the folder and loads it.
std::string loadBytes(const QTemporaryDir &dir, const QByteArray &bytes)
{
    const QString path = dir.filePath("bad.tycora");
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    const std::string error = save::loadGameFile(path).error.toStdString();
    const std::string prefix = "\"" + path.toStdString() + "\" cannot be loaded: ";
    EXPECT_EQ(error.rfind(prefix, 0), 0u) << error;
    return error.substr(std::min(error.size(), prefix.size()));
}

TEST(BadBytes, AreNotASavedGame)
{
    QTemporaryDir dir;
    const QByteArray good = QJsonDocument(goodDocument()).toJson();
    EXPECT_EQ(loadBytes(dir, good.left(good.size() / 2)).rfind("it is not a saved game: ", 0), 0u);
    EXPECT_EQ(loadBytes(dir, "Monday's shopping list"), "it is not a saved game: illegal value at byte 1.");
    EXPECT_EQ(loadBytes(dir, "[1, 2, 3]"), "it is not a saved game.");
    EXPECT_EQ(loadBytes(dir, ""), "it is not a saved game: illegal value at byte 0.");
}

TEST(BadPlaces, AreRefusedWithoutWaiting)
{
    QTemporaryDir dir;
    const auto error = [&](const QString &name) {
        const QString path = dir.filePath(name);
        return save::loadGameFile(path).error.toStdString().substr(path.size() + 2 + 19);
    };
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.tycora"));
    EXPECT_EQ(error("folder.tycora"), "it is a folder.");
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("pipe.tycora")).constData(), 0600), 0);
    EXPECT_EQ(error("pipe.tycora"), "it is not a regular file.");
    EXPECT_EQ(error("missing.tycora"), "there is no such file.");

    QTemporaryDir elsewhere;
    const QString outside = elsewhere.filePath("game.tycora");
    ASSERT_EQ(save::saveGameFile(outside, playedGame(RuleSet::Classic, 2, 1), TestProvenance), "");
    ASSERT_TRUE(QFile::link(outside, dir.filePath("link.tycora")));
    EXPECT_EQ(error("link.tycora"), "it is a link to a file in another folder.");
    ASSERT_TRUE(QFile::copy(outside, dir.filePath("beside.tycora")));
    ASSERT_TRUE(QFile::link(dir.filePath("beside.tycora"), dir.filePath("near.tycora")));
    EXPECT_EQ(save::loadGameFile(dir.filePath("near.tycora")).error, "");

    QFile huge(dir.filePath("huge.tycora"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(100LL * 1024 * 1024));
    huge.close();
    EXPECT_EQ(error("huge.tycora"), "it is larger than 4 MB.");

    if (::geteuid() != 0) {
        const QString locked = dir.filePath("locked.tycora");
        ASSERT_TRUE(QFile::copy(outside, locked));
        ASSERT_EQ(::chmod(QFile::encodeName(locked).constData(), 0), 0);
        EXPECT_EQ(error("locked.tycora"), "it cannot be opened: Permission denied.");
    }
}

} // namespace
} // namespace tycora::testing
