// The list of saved games to resume: the autosave first, then the files of
// the folders newest first; a broken file listed with its reason; a won
// game's autosave not offered.

#include "save/game_file.h"
#include "save/saved_game_list.h"
#include "saved_game_support.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace tycora::testing {
namespace {

void touch(const QString &path, int secondsAgo)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-secondsAgo), QFileDevice::FileModificationTime));
}

TEST(SavedGameList, AutosaveFirstThenNewestFirstWithBrokenFilesGreyed)
{
    QTemporaryDir data, documents;
    const QString autosave = data.filePath("autosave.tycora");
    ASSERT_EQ(save::saveGameFile(autosave, playedGame(RuleSet::Classic, 30, 1, 2), TestProvenance), "");
    ASSERT_EQ(save::saveGameFile(data.filePath("old.tycora"), playedGame(RuleSet::Full, 12, 2, 3), TestProvenance), "");
    ASSERT_EQ(save::saveGameFile(documents.filePath("new.tycora"), playedGame(RuleSet::Classic, 9, 3, 4), TestProvenance),
              "");
    QFile broken(documents.filePath("broken.tycora"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("{\"format\": \"tycora-game\", \"version\": 9}");
    broken.close();
    QFile other(documents.filePath("notes.txt"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.close();
    touch(data.filePath("old.tycora"), 3000);
    touch(documents.filePath("new.tycora"), 60);
    touch(documents.filePath("broken.tycora"), 600);

    const auto list = save::listSavedGames(autosave, {data.path(), documents.path()});
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[0].title, "Resume the last game");
    EXPECT_EQ(list[0].players, "Player 1, Player 2");
    EXPECT_EQ(list[0].rules, "Classic");
    EXPECT_EQ(list[0].round, 16);
    EXPECT_EQ(list[0].saved, "2026-12-07T12:00:00Z");
    EXPECT_EQ(list[1].title, "new.tycora");
    EXPECT_EQ(list[1].players, "Player 1, Player 2, Player 3, Player 4");
    EXPECT_EQ(list[2].title, "broken.tycora");
    EXPECT_EQ(list[2].problem, "\"" + documents.filePath("broken.tycora") +
                                   "\" cannot be loaded: it was saved in version 9 of the format, and this program "
                                   "reads only up to version 1.");
    EXPECT_EQ(list[3].title, "old.tycora");
    EXPECT_EQ(list[3].rules, "Full");
    for (const auto &entry : {list[0], list[1], list[3]})
        EXPECT_EQ(entry.problem, "") << entry.title.toStdString();
}

TEST(SavedGameList, AWonGameIsNotOfferedForResuming)
{
    QTemporaryDir data;
    const QString autosave = data.filePath("autosave.tycora");
    const SavedGame won = playedGame(RuleSet::Full, 5000, 4, 2);
    ASSERT_EQ(won.state.Players[0].Bankrupt + won.state.Players[1].Bankrupt, 1);
    ASSERT_EQ(save::saveGameFile(autosave, won, TestProvenance), "");
    EXPECT_TRUE(save::listSavedGames(autosave, {data.path()}).empty());
}

} // namespace
} // namespace tycora::testing
