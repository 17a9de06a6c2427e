// The Load Game window: the saved games listed with their players, rule
// set, round and time saved, a file that cannot be loaded greyed with its
// reason, and the game chosen reported; it opens centred over its parent.

#include "game/simulation.h"
#include "save/game_file.h"
#include "save/saved_game_list.h"
#include "shell/shell_test_support.h"
#include "support/shell_controls.h"
#include "ui/shell/frm_load_game.h"
#include "toolkit/command_button.h"

#include <QFile>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace tycora::ui {
namespace {

class LoadGameWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        SimulationOptions options;
        options.players = 3;
        options.turns = 9;
        options.seed = 5;
        options.recordHistory = true;
        NoEventLog log;
        Simulation game(options, log);
        game.setUp();
        ASSERT_TRUE(game.run());
        ASSERT_EQ(save::saveGameFile(dir.filePath("evening.tycora"), game.capture(),
                                     {"tycora 1.0.0", "2026-12-06T18:30:00Z"}),
                  QString());
        QFile broken(dir.filePath("broken.tycora"));
        ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
        broken.write("{\"format\": \"tycora-game\", \"version\": 1, ");
    }

    testing::LoadGameControls controls() const { return testing::LoadGameControls(*window); }

    QTreeWidgetItem *row(const QString &title) const
    {
        const auto found = controls().lstGames->findItems(title, Qt::MatchExactly, 0);
        return found.isEmpty() ? nullptr : found.front();
    }

    QTemporaryDir dir;
    QPointer<FrmLoadGame> window;
};

TEST_F(LoadGameWindow, ListsEachGameAndGreysAFileThatCannotBeLoaded)
{
    window = new FrmLoadGame(save::listSavedGames(dir.filePath("autosave.tycora"), {dir.path()}));
    window->open();
    ASSERT_EQ(controls().lstGames->topLevelItemCount(), 2);

    const QTreeWidgetItem *good = row("evening.tycora");
    ASSERT_NE(good, nullptr);
    EXPECT_TRUE(good->flags() & Qt::ItemIsEnabled);
    EXPECT_EQ(good->text(1), "Player 1, Player 2, Player 3");
    EXPECT_EQ(good->text(2), "Classic");
    EXPECT_EQ(good->text(3), "4");
    EXPECT_FALSE(good->text(4).isEmpty());

    const QTreeWidgetItem *bad = row("broken.tycora");
    ASSERT_NE(bad, nullptr);
    EXPECT_FALSE(bad->flags() & Qt::ItemIsEnabled) << "greyed";
    EXPECT_EQ(bad->text(1).toStdString(), "it is not a saved game: unterminated object at byte 40.");
    EXPECT_EQ(bad->toolTip(1), "\"" + dir.filePath("broken.tycora") + "\" cannot be loaded: " + bad->text(1));

    if (qEnvironmentVariableIsSet("TYCORA_KEEP_GRABS"))
        window->grab().save(qEnvironmentVariable("TYCORA_KEEP_GRABS") + "/load_game.png");

    // The game that can be loaded is chosen already; Load reports it.
    QSignalSpy chosen(window.data(), &FrmLoadGame::gameChosen);
    controls().cmdLoad->click();
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen.front().front().toString(), dir.filePath("evening.tycora"));
    EXPECT_FALSE(window->isVisible());
}

TEST_F(LoadGameWindow, AGreyedFileCannotBeChosenAndOpenFileReportsThePickedFile)
{
    window = new FrmLoadGame(save::listSavedGames(dir.filePath("autosave.tycora"), {dir.path()}));
    window->setFileAsker([this] { return dir.filePath("elsewhere.tycora"); });
    window->open();
    QSignalSpy chosen(window.data(), &FrmLoadGame::gameChosen);
    controls().lstGames->setCurrentItem(row("broken.tycora"));
    EXPECT_NE(controls().lstGames->currentItem(), row("broken.tycora"));
    controls().cmdOpenFile->click();
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen.front().front().toString(), dir.filePath("elsewhere.tycora"));
}

TEST_F(LoadGameWindow, OpensCentredOverItsParent)
{
    QWidget parent;
    parent.setGeometry(160, 120, 500, 400);   // well inside the offscreen screen
    parent.show();
    window = new FrmLoadGame({}, &parent);
    window->open();
    const QPoint offset = window->frameGeometry().center() - parent.frameGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 2) << offset.x() << "," << offset.y();
    window->close();
}

} // namespace
} // namespace tycora::ui
