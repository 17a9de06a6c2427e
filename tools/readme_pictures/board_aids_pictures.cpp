// Makes the README's pictures of two pieces on one square, a pinned deed and
// the Game Log beside the board, from a short game on scripted dice, into
// the folder TYCORA_README_PICTURES names (scripts/screenshots runs it
// under Xvfb). Without that variable it is skipped.

#include "app/application.h"
#include "tools/scripted_setup.h"
#include "game/manual_clock.h"
#include "mainwindow/control_lookup.h"
#include "shell/shell_test_support.h"
#include "tests/support/fake_services.h"
#include "ui/main/frm_main.h"
#include "ui/main/game_log_window.h"
#include "ui/shell/frm_menu.h"
#include "ui/shell/frm_players.h"
#include "toolkit/command_button.h"
#include "toolkit/picture.h"
#include "support/find_control.h"

#include <QDir>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

namespace tycora::app {
namespace {

TEST(ReadmePictures, TwoPiecesOnASquareAPinnedDeedAndTheGameLog)
{
    const QDir folder(qEnvironmentVariable("TYCORA_README_PICTURES"));
    if (!qEnvironmentVariableIsSet("TYCORA_README_PICTURES"))
        GTEST_SKIP() << "set TYCORA_README_PICTURES to a folder to make the README's pictures";
    ASSERT_TRUE(QDir().mkpath(folder.path()));

    testing::FakeServices services;
    // Ann buys King's Cross, Pall Mall and Northumberland Avenue, Ben and
    // Cleo what they stop on; at last Cleo joins Ann on Northumberland Avenue.
    for (const int face : {2, 3, 4, 5, 1, 2, 2, 4, 1, 3, 3, 5, 1, 2, 1, 2, 1, 2})
        services.randoms.push_back((face - 0.5) / 6.0);
    ui::ScriptedMessageBoxes boxes;
    boxes.answers = {ui::MsgAnswer::Yes, ui::MsgAnswer::Yes, ui::MsgAnswer::Yes};
    ManualClock clock;
    Application game(services, boxes, clock);
    game.Main();
    testing::control<ui::CommandButton>(*game.frmMenu(), "cmdNewGame")->click();
    tools::enterPlayer(*game.frmPlayers(), "Ann", "Hat", "Red", "Human");
    tools::enterPlayer(*game.frmPlayers(), "Ben", "Car ", "Blue", "Computer");
    tools::enterPlayer(*game.frmPlayers(), "Cleo", "Shoe", "Yellow", "Computer");
    testing::clickButton(*game.frmPlayers(), "cmdNext");

    ui::FrmMain &board = *game.frmMain();
    auto *roll = testing::control<ui::CommandButton>(board, "cmdRoll");
    for (int turn = 0; turn < 4; ++turn) {
        while (!roll->isEnabled() && clock.advanceToNextTick()) {
        }
        if (turn < 3)
            QTest::mouseClick(roll, Qt::LeftButton);
    }
    ASSERT_EQ(game.state().Players[2].Square, game.state().Players[0].Square);

    auto *sign = testing::control<ui::Picture>(board, "imgInfo", 14);
    QTest::mouseClick(sign, Qt::LeftButton, Qt::NoModifier, sign->rect().center());
    board.Form_MouseMove();   // the mouse moves off; the card stays
    EXPECT_TRUE(board.grab().save(folder.filePath("board-shared-square.png")));

    // Both windows where they lie on the screen, on a plain desktop.
    testing::control<ui::CommandButton>(board, "cmdGameLog")->click();
    QCoreApplication::processEvents();
    const QRect around = board.geometry() | board.gameLog().geometry();
    QImage both(around.size(), QImage::Format_RGB32);
    both.fill(QColor(96, 104, 112));
    QPainter p(&both);
    for (QWidget *window : {static_cast<QWidget *>(&board), static_cast<QWidget *>(&board.gameLog())})
        p.drawPixmap(window->geometry().topLeft() - around.topLeft(), window->grab());
    EXPECT_TRUE(both.save(folder.filePath("game-log.png")));
}

} // namespace
} // namespace tycora::app
