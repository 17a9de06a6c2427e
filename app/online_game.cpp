#include "app/online_game.h"

#include "game/square_table.h"
#include "ui/main/connection_banner.h"
#include "ui/main/frm_main.h"
#include "ui/main/game_log_window.h"
#include "ui/main/main_screen.h"
#include "ui/main/statistics_window.h"
#include "ui/shell/frm_online.h"
#include "toolkit/command_button.h"
#include "toolkit/fonts.h"
#include "toolkit/message_box.h"
#include "toolkit/twips.h"

#include <QCoreApplication>

namespace tycora::app {

OnlineGame::OnlineGame(ui::MessageBoxes &boxes, Clock &clock, EventLog &debugFile, const ui::QuitContext &quit)
    : boxes_(boxes), clock_(clock), log_(debugFile)
{
    board_ = new ui::FrmMain(state_, boxes_);
    board_->setQuitContext(quit);
    for (int n = 0; n < BoardSize; ++n) {
        const std::string_view name = squareInfo(n).name;
        board_->setSquareTooltip(n, QString::fromUtf8(name.data(), qsizetype(name.size())));
    }
    log_.setListener([this](const std::string &line) {
        if (board_)
            board_->gameLog().addLine(line);
    });
    table_ = std::make_unique<client::OnlineTable>(client_, state_, board_->screen(), log_);
    table_->setStartedAction([this] { begin(); });
    table_->setHandOverAction([this] {
        if (board_)
            board_->statistics().sample();
    });
    board_->setCommands(table_.get(), &table_->moves());
    // The host's pace key sets the pace for every player; the server says
    // why not to anyone else.
    board_->setRemotePaceKey([this] { table_->askForNextPace(); });
    table_->setPaceChangedAction([this](Pace pace) {
        if (!board_)
            return;
        board_->screen().setRemotePace(pace);
        board_->screen().showPace(pace);
    });
    createEndButton();

    banner_ = new ui::ConnectionBanner(board_);
    QObject::connect(&client_, &client::OnlineClient::connectionLost, banner_, &ui::ConnectionBanner::showLost);
    QObject::connect(&client_, &client::OnlineClient::connectionBack, banner_, &ui::ConnectionBanner::showBack);
    QObject::connect(&client_, &client::OnlineClient::gameEnded, board_, [this](const QString &by) { ended(by); });
    QObject::connect(&client_, &client::OnlineClient::refused, board_, [this](const QString &why) { showRefusal(why); });
}

void OnlineGame::createEndButton()
{
    // In the free corner beside the Statistics button; only the host has it.
    endGame_ = new ui::CommandButton(QCoreApplication::translate("OnlineGame", "End Game"), board_);
    endGame_->setObjectName(QStringLiteral("cmdEndGame"));
    endGame_->setFont(ui::tahoma(8.25));
    endGame_->setFocusPolicy(Qt::NoFocus);
    endGame_->setToolTip(QCoreApplication::translate("OnlineGame", "End the game for every player"));
    ui::place(endGame_, 10815, 10575, 1305, 270);
    endGame_->hide();
    QObject::connect(endGame_, &QPushButton::clicked, board_, [this] { endForAll(); });
}

void OnlineGame::endForAll()
{
    // A wrong Yes ends everyone's game: No is what Return answers.
    if (boxes_.show(board_, QCoreApplication::translate("OnlineGame", "End the game for every player?"), ui::MsgButtons::YesNo,
                    ui::MsgIcon::Question, ui::ApplicationTitle, ui::MsgAnswer::No) != ui::MsgAnswer::Yes)
        return;
    client_.send({{"type", "end"}});
}

void OnlineGame::ended(const QString &by)
{
    client_.leave();
    if (!board_)
        return;
    endGame_->hide();
    board_->screen().setRollEnabled(false);
    board_->screen().stopAnimations();
    if (board_->isVisible())
        boxes_.show(board_, QCoreApplication::translate("OnlineGame", "%1 has ended the game.").arg(by), ui::MsgButtons::Ok, ui::MsgIcon::None);
}

void OnlineGame::showRefusal(const QString &why)
{
    // Where the person is looking: the board's status line once it is up
    // (the Online Game window says it too).
    if (board_ && board_->isVisible())
        board_->screen().showStatus(QCoreApplication::translate("OnlineGame", "Not done: %1").arg(why).toStdString());
}

OnlineGame::~OnlineGame()
{
    client_.leave();
    delete setup_;
    // The board goes before the table that draws on it.
    delete board_;
}

ui::FrmOnline *OnlineGame::setupWindow() const { return setup_; }

ui::FrmMain *OnlineGame::board() const { return board_; }

void OnlineGame::open(QWidget *over)
{
    if (!setup_)
        setup_ = new ui::FrmOnline(client_, over);
    setup_->open();
}

void OnlineGame::begin()
{
    ui::MainScreen &screen = board_->screen();
    screen.setupPlayerPanels();
    screen.setRules(table_->options().rules);
    screen.setRemoteGame(clock_, table_->pace());
    screen.layoutPlayerPanels();
    endGame_->setVisible(client_.seat() == 0);
    board_->show();
    if (setup_)
        setup_->hide();
    if (started_)
        started_();
}

} // namespace tycora::app
