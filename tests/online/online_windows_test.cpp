// Two players' windows in one game on a server in this process: one hosts,
// one joins with the code, and they play a few turns through the board's
// own buttons. The server's games run on a manual clock; the sockets on
// 127.0.0.1 are waited for by spinning the event loop, never by sleeping.

#include "app/online_game.h"
#include "game/board_pieces.h"
#include "support/shell_controls.h"
#include "game/manual_clock.h"
#include "net/game_server.h"
#include "ui/main/connection_banner.h"
#include "ui/main/control_names.h"
#include "ui/main/frm_main.h"
#include "ui/main/game_log_window.h"
#include "ui/main/piece_art.h"
#include "ui/main/piece_spot.h"
#include "ui/main/statistics_window.h"
#include "ui/shell/frm_online.h"
#include "toolkit/command_button.h"
#include "toolkit/message_box.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace tycora::testing {
namespace {

constexpr std::uint64_t Seed = 0x5EED5EED12345678ull;

bool waitFor(const std::function<bool()> &condition, int deadlineMs = 5000)
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (!condition()) {
        if (elapsed.elapsed() > deadlineMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
    }
    return true;
}

QStringList gameLogOf(ui::FrmMain &board)
{
    QStringList lines;
    for (int row = 0; row < board.gameLog().lineCount(); ++row)
        lines << board.gameLog().line(row);
    return lines;
}

class OnlineWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        server = std::make_unique<net::GameServer>(clock);
        server->setSeedSource([] { return Seed; });
        QString problem;
        ASSERT_TRUE(server->listen(QStringLiteral("127.0.0.1"), 0, &problem)) << problem.toStdString();
        address = QStringLiteral("ws://127.0.0.1:%1").arg(server->port());
    }

    std::unique_ptr<app::OnlineGame> player(ui::ScriptedMessageBoxes &boxes)
    {
        auto game = std::make_unique<app::OnlineGame>(boxes, clock, noLog, ui::QuitContext{});
        game->open(nullptr);
        return game;
    }

    // Types the seat into the window and presses Create Game or Join Game.
    static void sitDown(ui::FrmOnline &window, const QString &server, const QString &name, int piece, int colour)
    {
        const OnlineControls controls(window);
        controls.txtServer->setText(server);
        controls.txtName->setText(name);
        controls.cboPiece->setCurrentIndex(piece);
        controls.cboColour->setCurrentIndex(colour);
        controls.cmdGo->click();
    }

    ManualClock clock;
    std::unique_ptr<net::GameServer> server;
    QString address;
    NoEventLog noLog;
    ui::ScriptedMessageBoxes annBoxes, benBoxes;
};

TEST_F(OnlineWindows, HostAndJoinerPlayAFewTurnsAndSeeTheSameGameLog)
{
    auto ann = player(annBoxes);
    ui::FrmOnline &annWindow = *ann->setupWindow();
    const OnlineControls annSeat(annWindow);
    annSeat.cmdHost->click();
    EXPECT_TRUE(annSeat.options.cboPace->isVisibleTo(&annWindow));
    annSeat.options.cboPace->setCurrentText(QStringLiteral("Instant"));
    sitDown(annWindow, address, QStringLiteral("Ann"), 0, 0);
    ASSERT_TRUE(waitFor([&] { return ann->client().seated(); }));
    const QString code = ann->client().code();
    ASSERT_EQ(code.size(), 6);
    EXPECT_EQ(annSeat.lblCode->text(), QStringLiteral("Join code: %1").arg(code));
    EXPECT_TRUE(annSeat.cmdStart->isVisibleTo(&annWindow));
    EXPECT_FALSE(annSeat.cmdStart->isEnabled());

    auto ben = player(benBoxes);
    ui::FrmOnline &benWindow = *ben->setupWindow();
    const OnlineControls benSeat(benWindow);
    benSeat.cmdJoin->click();
    EXPECT_FALSE(benSeat.options.cboPace->isVisibleTo(&benWindow));
    benSeat.txtCode->setText(code.toLower());
    sitDown(benWindow, address, QStringLiteral("Ben"), 1, 1);
    ASSERT_TRUE(waitFor([&] { return annSeat.lstSeats->count() == 2; }));
    EXPECT_EQ(annSeat.lstSeats->item(1)->text(), QStringLiteral("Ben  (Car, Blue)"));
    EXPECT_EQ(benSeat.lstSeats->count(), 2);
    EXPECT_FALSE(benSeat.cmdStart->isVisibleTo(&benWindow));
    EXPECT_EQ(benSeat.lblLobbyNote->text(), QStringLiteral("Waiting for the host to start the game."));

    ASSERT_TRUE(annSeat.cmdStart->isEnabled());
    annSeat.cmdStart->click();
    ASSERT_TRUE(waitFor([&] { return ann->board()->isVisible() && ben->board()->isVisible(); }));
    EXPECT_FALSE(annWindow.isVisible());

    // Each person throws on their own turn with the board's Roll Dice; the
    // other's button stays off meanwhile.
    const auto throwsLogged = [&] { return int(gameLogOf(*ann->board()).filter(QStringLiteral(" rolls:  ")).size()); };
    int throws = 0;
    for (int step = 0; step < 4000 && throwsLogged() < 6; ++step) {
        for (app::OnlineGame *seat : {ann.get(), ben.get()}) {
            ui::FrmMain &board = *seat->board();
            if (!board.rollEnabled())
                continue;
            EXPECT_EQ(seat->state().CurrentPlayer, seat->client().seat());
            const app::OnlineGame *other = seat == ann.get() ? ben.get() : ann.get();
            EXPECT_FALSE(other->board()->rollEnabled());
            board.pressRoll();
            ++throws;
        }
        if (!clock.advanceToNextTick())
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
        else
            QCoreApplication::processEvents();
    }
    EXPECT_GE(throwsLogged(), 6);
    // Every press was a throw the server took.
    EXPECT_EQ(throws, throwsLogged());
    // Both saw every line, the same lines, in the same order.
    ASSERT_TRUE(waitFor([&] { return gameLogOf(*ann->board()) == gameLogOf(*ben->board()); }));
    const QStringList lines = gameLogOf(*ann->board());
    ASSERT_GE(lines.size(), 6);
    EXPECT_EQ(lines[0], QStringLiteral("Player 0:  Ann, Dog , Red, Human"));
    EXPECT_EQ(lines[1], QStringLiteral("Player 1:  Ben, Car , Blue, Human"));
    EXPECT_EQ(int(ann->logLines().size()), lines.size());
    if (qEnvironmentVariableIsSet("TYCORA_GRAB_DIR"))
        ben->board()->grab().save(qEnvironmentVariable("TYCORA_GRAB_DIR") + QStringLiteral("/online-board.png"));
    // The statistics sampled the game at its start and at each hand-over.
    for (app::OnlineGame *seat : {ann.get(), ben.get()})
        EXPECT_EQ(seat->board()->statistics().history().samples(),
                  std::size_t(server->room(code)->engine()->handOvers()) + 1);
    // The board shows the money the server's game holds.
    const GameState &held = server->room(code)->state();
    for (app::OnlineGame *seat : {ann.get(), ben.get()})
        for (int p = 0; p < 2; ++p)
            EXPECT_EQ(seat->state().Players[p].Money, held.Players[p].Money);
    // And, once the last events have come, the pieces where the server's
    // game has them, in the order they came.
    const auto caughtUp = [&](const app::OnlineGame &seat) {
        for (int p = 0; p < 2; ++p)
            if (seat.state().Players[p].Square != held.Players[p].Square ||
                seat.state().Players[p].Place != held.Players[p].Place)
                return false;
        return true;
    };
    ASSERT_TRUE(waitFor([&] { return caughtUp(*ann) && caughtUp(*ben); }));
    for (app::OnlineGame *seat : {ann.get(), ben.get()})
        for (int sq = 0; sq < BoardSize; ++sq) {
            std::vector<ui::Art> expected;
            for (const int p : piecesOn(held, sq))
                expected.push_back(ui::pieceArt(held.Players[p]));
            std::vector<ui::Art> shown;
            const auto *spot = seat->board()->findChild<ui::PieceSpot *>(ui::controlName(QStringLiteral("imgSquare"), sq));
            ASSERT_TRUE(spot) << sq;
            for (const ui::StandingPiece &piece : spot->pieces())
                shown.push_back(piece.piece);
            EXPECT_EQ(shown, expected) << sq;
        }
}

TEST_F(OnlineWindows, ALostConnectionShowsABannerAndTheSeatComesBackWithItsToken)
{
    auto ann = player(annBoxes);
    const OnlineControls annSeat(*ann->setupWindow());
    annSeat.cmdHost->click();
    annSeat.options.cboPace->setCurrentText(QStringLiteral("Instant"));
    sitDown(*ann->setupWindow(), address, QStringLiteral("Ann"), 0, 0);
    ASSERT_TRUE(waitFor([&] { return ann->client().seated(); }));
    ann->client().addComputer();
    ASSERT_TRUE(waitFor([&] { return annSeat.lstSeats->count() == 2; }));
    annSeat.cmdStart->click();
    ASSERT_TRUE(waitFor([&] { return ann->board()->isVisible() && ann->board()->rollEnabled(); }));
    ui::ConnectionBanner &banner = *ann->banner();
    EXPECT_FALSE(banner.isVisible());

    ann->client().abortConnection();
    ASSERT_TRUE(waitFor([&] { return banner.isVisible(); }));
    EXPECT_EQ(banner.text(), ui::ConnectionBanner::LostText);
    EXPECT_TRUE(ann->client().lost());
    // The press made while away is sent once the seat is back.
    ann->board()->pressRoll();
    const QStringList before = gameLogOf(*ann->board());
    ann->client().retryNow();
    ASSERT_TRUE(waitFor([&] { return !banner.isVisible(); }));
    EXPECT_EQ(ann->client().seat(), 0);
    ASSERT_TRUE(waitFor([&] { return gameLogOf(*ann->board()).size() > before.size(); }));
    EXPECT_TRUE(gameLogOf(*ann->board()).last().startsWith(QStringLiteral("Ann (£1500) rolls:  ")))
        << gameLogOf(*ann->board()).last().toStdString();
}

TEST_F(OnlineWindows, TheHostEndsTheGameForEveryoneAndARefusalShowsOnTheBoard)
{
    auto ann = player(annBoxes);
    const OnlineControls annSeat(*ann->setupWindow());
    annSeat.cmdHost->click();
    sitDown(*ann->setupWindow(), address, QStringLiteral("Ann"), 0, 0);
    ASSERT_TRUE(waitFor([&] { return ann->client().seated(); }));
    const QString code = ann->client().code();
    auto ben = player(benBoxes);
    const OnlineControls benSeat(*ben->setupWindow());
    benSeat.cmdJoin->click();
    benSeat.txtCode->setText(code);
    sitDown(*ben->setupWindow(), address, QStringLiteral("Ben"), 1, 1);
    ASSERT_TRUE(waitFor([&] { return annSeat.lstSeats->count() == 2; }));
    annSeat.cmdStart->click();
    ASSERT_TRUE(waitFor([&] { return ben->board()->isVisible() && ann->board()->rollEnabled(); }));

    auto *annEnd = control<ui::CommandButton>(*ann->board(), QStringLiteral("cmdEndGame"));
    auto *benEnd = control<ui::CommandButton>(*ben->board(), QStringLiteral("cmdEndGame"));
    EXPECT_TRUE(annEnd->isVisible());
    EXPECT_FALSE(benEnd->isVisible()) << "only the host ends the game";
    if (qEnvironmentVariableIsSet("TYCORA_GRAB_DIR"))
        ann->board()->grab().save(qEnvironmentVariable("TYCORA_GRAB_DIR") + QStringLiteral("/online-host-board.png"));

    // What the server refuses is said on the board the person looks at.
    ben->client().send({{"type", "throw"}});
    auto *status = control<QLabel>(*ben->board(), QStringLiteral("lblStatus"));
    ASSERT_TRUE(waitFor([&] { return status->text() == QStringLiteral("Not done: it is not your throw"); }));
    EXPECT_TRUE(status->isVisible());

    // The pace key: the host's sets the pace for every player; anyone
    // else's is refused.
    const auto pressP = [](ui::FrmMain *board) {
        board->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(board));
        QTest::keyClick(board, Qt::Key_P);
    };
    pressP(ben->board());
    ASSERT_TRUE(waitFor([&] { return status->text() == QStringLiteral("Not done: only the host sets the pace"); }));
    const auto serverPace = [&] { return server->room(code)->wholeGame().value("pace").toString(); };
    EXPECT_EQ(serverPace(), QStringLiteral("Classic"));
    pressP(ann->board());
    auto *annPace = control<QLabel>(*ann->board(), QStringLiteral("lblPace"));
    auto *benPace = control<QLabel>(*ben->board(), QStringLiteral("lblPace"));
    ASSERT_TRUE(waitFor([&] { return benPace->isVisible() && annPace->isVisible(); }));
    EXPECT_EQ(benPace->text(), QStringLiteral("Pace: Fast"));
    EXPECT_EQ(annPace->text(), QStringLiteral("Pace: Fast"));
    EXPECT_EQ(ben->table().pace(), Pace::Fast);
    EXPECT_EQ(serverPace(), QStringLiteral("Fast"));
    pressP(ann->board());
    ASSERT_TRUE(waitFor([&] { return benPace->text() == QStringLiteral("Pace: Instant"); }));

    // The host is asked first; No leaves the game going.
    annEnd->click();
    ASSERT_EQ(annBoxes.shown.size(), 1u);
    EXPECT_EQ(annBoxes.shown[0].text, QStringLiteral("End the game for every player?"));
    EXPECT_EQ(annBoxes.shown[0].buttons, ui::MsgButtons::YesNo);
    EXPECT_EQ(annBoxes.shown[0].defaultAnswer, ui::MsgAnswer::No);
    QCoreApplication::processEvents();
    ASSERT_NE(server->room(code), nullptr);
    EXPECT_FALSE(server->room(code)->over());

    annBoxes.answers = {ui::MsgAnswer::Yes};
    annEnd->click();
    const auto told = [](const ui::ScriptedMessageBoxes &boxes) {
        return !boxes.shown.empty() && boxes.shown.back().text == QStringLiteral("Ann has ended the game.");
    };
    ASSERT_TRUE(waitFor([&] { return told(annBoxes) && told(benBoxes); }));
    EXPECT_FALSE(annEnd->isVisible());
    EXPECT_FALSE(ann->board()->rollEnabled());
    // Everyone has gone: the server forgets the game.
    EXPECT_TRUE(waitFor([&] { return server->room(code) == nullptr; }));
}

} // namespace
} // namespace tycora::testing
