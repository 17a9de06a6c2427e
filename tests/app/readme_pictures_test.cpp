// Makes the README's pictures of a board that reads well: two pieces on one
// square, a pinned title deed, and the Game Log beside the board. It plays
// a short game on scripted dice and saves PNGs into the folder named by
// TYCORA_README_PICTURES; scripts/readme-pictures runs it under Xvfb.
// Without that variable it has nothing to do and is skipped.

#include "app/application.h"
#include "app/scripted_setup.h"
#include "game/engine.h"
#include "game/manual_clock.h"
#include "mainwindow/control_lookup.h"
#include "shell/shell_test_support.h"
#include "tests/support/fake_services.h"
#include "ui/main/frm_main.h"
#include "ui/main/game_log_window.h"
#include "ui/shell/frm_menu.h"
#include "ui/shell/frm_players.h"
#include "ui/toolkit/command_button.h"
#include "ui/toolkit/message_box.h"
#include "ui/toolkit/picture.h"

#include <QDir>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

namespace tycora::app {
namespace {

bool save(const QImage &picture, const QDir &folder, const char *name)
{
    const QString file = folder.filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
    const bool saved = picture.save(file);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(file));
    return saved;
}

// Windows as they lie on the screen, drawn on a plain desktop: the smallest
// picture that holds them all.
QImage windowsAsPlaced(std::initializer_list<QWidget *> windows)
{
    QRect around;
    for (const QWidget *w : windows)
        around |= w->geometry();
    QImage picture(around.size(), QImage::Format_RGB32);
    picture.fill(QColor(96, 104, 112));
    QPainter p(&picture);
    for (QWidget *w : windows)
        p.drawPixmap(w->geometry().topLeft() - around.topLeft(), w->grab());
    return picture;
}

TEST(ReadmePictures, TwoPiecesOnASquareAPinnedDeedAndTheGameLog)
{
    const QString folder = qEnvironmentVariable("TYCORA_README_PICTURES");
    if (folder.isEmpty())
        GTEST_SKIP() << "set TYCORA_README_PICTURES to a folder to make the README's pictures";
    ASSERT_TRUE(QDir().mkpath(folder));

    testing::FakeServices services;
    // The throws, die by die: Ann buys King's Cross, Pall Mall and
    // Northumberland Avenue; Ben and Cleo buy what they stop on and pay
    // their rent; at last Cleo joins Ann on Northumberland Avenue.
    for (const int face : {2, 3, 4, 5, 1, 2, 2, 4, 1, 3, 3, 5, 1, 2, 1, 2, 1, 2})
        services.randoms.push_back((face - 0.5) / 6.0);
    ui::ScriptedMessageBoxes boxes;
    boxes.answers = {ui::MsgAnswer::Yes, ui::MsgAnswer::Yes, ui::MsgAnswer::Yes};
    ManualClock clock;
    Application game(services, boxes, clock);
    game.Main();
    game.frmMenu()->cmdNewGame->click();
    ui::FrmPlayers &players = *game.frmPlayers();
    enterPlayer(players, QStringLiteral("Ann"), QStringLiteral("Hat"), QStringLiteral("Red"), QStringLiteral("Human"));
    enterPlayer(players, QStringLiteral("Ben"), QStringLiteral("Car "), QStringLiteral("Blue"), QStringLiteral("Computer"));
    enterPlayer(players, QStringLiteral("Cleo"), QStringLiteral("Shoe"), QStringLiteral("Yellow"),
                QStringLiteral("Computer"));
    players.cmdNext->click();

    ui::FrmMain &board = *game.frmMain();
    auto *roll = testing::control<ui::CommandButton>(board, "cmdRoll");
    const auto untilAnnThrows = [&] {
        for (int tick = 0; tick < 100000 && !roll->isEnabled(); ++tick)
            clock.advanceToNextTick();
    };
    for (int turn = 0; turn < 3; ++turn) {
        untilAnnThrows();
        QTest::mouseClick(roll, Qt::LeftButton);
    }
    untilAnnThrows();
    ASSERT_EQ(game.state().Players[0].Square, 14);
    ASSERT_EQ(game.state().Players[2].Square, 14);

    auto *deedSign = testing::control<ui::Picture>(board, "imgInfo", 14);
    QTest::mouseClick(deedSign, Qt::LeftButton, Qt::NoModifier, deedSign->rect().center());
    board.Form_MouseMove();   // the mouse moves off: the card stays
    QCoreApplication::processEvents();
    const QDir out(folder);
    EXPECT_TRUE(save(board.grab().toImage(), out, "board-shared-square"));

    testing::control<ui::CommandButton>(board, "cmdGameLog")->click();
    QCoreApplication::processEvents();
    EXPECT_TRUE(save(windowsAsPlaced({&board, &board.gameLog()}), out, "game-log"));
}

} // namespace
} // namespace tycora::app
