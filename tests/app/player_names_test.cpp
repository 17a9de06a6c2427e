// A player's name is one plain, visible line that cannot pass for another
// name or for an event line: line and paragraph separators and invisible
// characters never get into it, a name that differs from a listed one only
// by invisible characters, case or width is the same name, and the marks
// of an event line are refused. A right-to-left name keeps the words of a
// Game Log row and of the status line in order; the event log itself keeps
// its lines as they are.

#include "app/application.h"
#include "app/debug_log.h"
#include "game/manual_clock.h"
#include "support/shell_controls.h"
#include "tests/support/fake_services.h"
#include "tools/scripted_setup.h"
#include "ui/main/frm_main.h"
#include "ui/main/game_log_window.h"
#include "ui/main/main_screen.h"
#include "ui/shell/frm_menu.h"
#include "ui/shell/frm_players.h"
#include "toolkit/command_button.h"
#include "toolkit/label.h"
#include "toolkit/list_view.h"
#include "toolkit/message_box.h"
#include "support/find_control.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace tycora::app {
namespace {

const QString Hebrew = QStringLiteral("נועה");
const QChar FirstStrongIsolate(0x2068), PopIsolate(0x2069);

class PlayerNames : public ::testing::Test {
protected:
    void SetUp() override
    {
        services.arguments = QStringLiteral("debug");
        game = std::make_unique<Application>(services, boxes, clock);
        game->setSettingsFile({});
        game->Main();
        testing::control<ui::CommandButton>(*game->frmMenu(), "cmdNewGame")->click();
    }
    void TearDown() override
    {
        game.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    ui::FrmPlayers &players() { return *game->frmPlayers(); }
    testing::SetUpControls controls() { return testing::SetUpControls(players()); }
    QString hint() { return controls().lblAddHint->isVisible() ? controls().lblAddHint->text() : QString(); }

    testing::FakeServices services;
    ui::ScriptedMessageBoxes boxes;
    ManualClock clock;
    std::unique_ptr<Application> game;
};

TEST_F(PlayerNames, SeparatorsAndInvisibleCharactersNeverGetIn)
{
    const struct {
        QString given, kept;
    } cases[] = {
        {QStringLiteral("Ann\u2028Bob"), "AnnBob"},       {QStringLiteral("Ann\u2029"), "Ann"},
        {QStringLiteral("A\u200Bnn"), "Ann"},             {QStringLiteral("\uFEFFAnn\u2060"), "Ann"},
        {QStringLiteral("\u200EAnn\u200F"), "Ann"},       {QStringLiteral("An\u00ADn"), "Ann"},
        {QStringLiteral("Zoë 😀"), QStringLiteral("Zoë 😀")}, {Hebrew, Hebrew},
    };
    for (const auto &[given, kept] : cases) {
        controls().txtName->setText(given);
        EXPECT_EQ(controls().txtName->text(), kept) << given.toStdString();
    }
}

TEST_F(PlayerNames, ANameThatLooksLikeAListedOneIsTheSameName)
{
    tools::enterPlayer(players(), "Ann", "Hat", "Red", "Human");
    for (const QString &alike : {QStringLiteral("ann"), QStringLiteral("ANN"), QStringLiteral("Ａｎｎ"),
                                 QStringLiteral(" Ann "), QStringLiteral("Ann\uFE0F")}) {
        controls().txtName->setText(alike);
        EXPECT_EQ(hint(), "Another player has this name") << alike.toStdString();
    }
    controls().txtName->setText("Anne");
    EXPECT_EQ(hint(), "Pick a piece, a colour and a type");
}

TEST_F(PlayerNames, TheMarksOfAnEventLineAreRefused)
{
    for (const char *name : {"Game Ended:  x", "Options: none", "Bob:", "Ann  -->  £9", "-->"}) {
        tools::enterPlayer(players(), name, "Hat", "Red", "Human");
        EXPECT_EQ(hint(), "A name may not hold \": \" or \"-->\"") << name;
        EXPECT_FALSE(controls().cmdAdd->isEnabled()) << name;
        EXPECT_EQ(controls().lstPlayers->rowCount(), 0) << name;
    }
    for (const char *name : {"12:30", "Ann:Bob", "Ann->Bob"}) {
        controls().txtName->setText(name);
        EXPECT_EQ(hint(), "") << name;
        EXPECT_TRUE(controls().cmdAdd->isEnabled()) << name;
    }
}

TEST_F(PlayerNames, ARightToLeftNameIsIsolatedOnScreenOnly)
{
    tools::enterPlayer(players(), Hebrew, "Hat", "Red", "Human");
    tools::enterPlayer(players(), "Ben", "Car ", "Blue", "Computer");
    QTest::mouseClick(controls().cmdNext, Qt::LeftButton);
    ui::FrmMain &board = *game->frmMain();
    const QString isolated = FirstStrongIsolate + Hebrew + PopIsolate;

    const ui::GameLogWindow &log = board.gameLog();
    ASSERT_GE(log.lineCount(), 3);
    EXPECT_EQ(log.line(1), "Player 0:  " + isolated + ", Hat, Red, Human");
    EXPECT_EQ(log.line(2), "Player 1:  Ben, Car , Blue, Computer");
    // The event log's line is as the game wrote it.
    const QList<QByteArray> written = services.files.value(logFilePath(services.folder)).split('\n');
    ASSERT_GE(written.size(), 2);
    EXPECT_EQ(written[1], ("Player 0:  " + Hebrew + ", Hat, Red, Human\r").toUtf8());

    board.screen().showStatus((Hebrew + " Pays Ben £50 Rent for Bow Street").toStdString());
    EXPECT_EQ(board.findChild<ui::Label *>("lblStatus")->text(), isolated + " Pays Ben £50 Rent for Bow Street");
    board.screen().showStatus("Ben Pays Ann £50");
    EXPECT_EQ(board.findChild<ui::Label *>("lblStatus")->text(), "Ben Pays Ann £50");
}

} // namespace
} // namespace tycora::app
