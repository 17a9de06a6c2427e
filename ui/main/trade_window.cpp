#include "ui/main/trade_window.h"

#include "game/game_state.h"
#include "game/trading.h"
#include "ui/main/trade_items.h"
#include "toolkit/command_button.h"
#include "toolkit/fonts.h"
#include "toolkit/form.h"
#include "toolkit/game_text.h"
#include "toolkit/twips.h"

#include <QComboBox>
#include <QGridLayout>
#include "toolkit/game_window_look.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace tycora::ui {

TradeWindow::TradeWindow(const GameState &state, QWidget *owner) : QDialog(owner), state_(state)
{
    setObjectName(QStringLiteral("frmTrade"));
    setWindowTitle(tr("Trade"));
    setWindowModality(Qt::WindowModal);
    keepPlacedOver(*this);
    giveGameWindowLook(*this);

    auto *layout = new QVBoxLayout(this);
    lblHeading_ = new QLabel(this);
    lblHeading_->setObjectName(QStringLiteral("lblTradeHeading"));
    lblHeading_->setFont(tahoma(9.75, true));
    layout->addWidget(lblHeading_);

    auto *chooser = new QHBoxLayout;
    chooser->addWidget(new QLabel(tr("Trade with:"), this));
    cboReceiver_ = new QComboBox(this);
    cboReceiver_->setObjectName(QStringLiteral("cboTradeWith"));
    chooser->addWidget(cboReceiver_, 1);
    layout->addLayout(chooser);
    connect(cboReceiver_, &QComboBox::currentIndexChanged, this, &TradeWindow::receiverChosen);

    auto *columns = new QGridLayout;
    auto *lblGive = new QLabel(tr("You give"), this);
    lblGive->setFont(tahoma(8.25, true));
    lblGet_ = new QLabel(tr("You get"), this);
    lblGet_->setFont(tahoma(8.25, true));
    give_ = new TradeItems(state_, QStringLiteral("Give"), this);
    get_ = new TradeItems(state_, QStringLiteral("Get"), this);
    columns->addWidget(lblGive, 0, 0);
    columns->addWidget(lblGet_, 0, 1);
    columns->addWidget(give_, 1, 0);
    columns->addWidget(get_, 1, 1);
    layout->addLayout(columns, 1);
    connect(give_, &TradeItems::changed, this, &TradeWindow::update);
    connect(get_, &TradeItems::changed, this, &TradeWindow::update);

    lblSummary_ = new QLabel(this);
    lblSummary_->setObjectName(QStringLiteral("lblTradeSummary"));
    lblSummary_->setWordWrap(true);
    layout->addWidget(lblSummary_);
    lblHint_ = new QLabel(this);
    lblHint_->setObjectName(QStringLiteral("lblTradeHint"));
    lblHint_->setWordWrap(true);
    QPalette red = lblHint_->palette();
    red.setColor(QPalette::WindowText, QColor(170, 20, 20));
    lblHint_->setPalette(red);
    layout->addWidget(lblHint_);

    auto *buttons = new QHBoxLayout;
    cmdSend_ = new CommandButton(tr("Send"), this);
    cmdSend_->setObjectName(QStringLiteral("cmdTradeSend"));
    cmdClear_ = new CommandButton(tr("Clear"), this);
    cmdClear_->setObjectName(QStringLiteral("cmdTradeClear"));
    cmdCancel_ = new CommandButton(tr("Cancel"), this);
    cmdCancel_->setObjectName(QStringLiteral("cmdTradeCancel"));
    // Enter sends; Escape cancels.
    cmdSend_->setDefault(true);
    cmdClear_->setAutoDefault(false);
    cmdCancel_->setAutoDefault(false);
    buttons->addStretch(1);
    for (CommandButton *b : {cmdSend_, cmdClear_, cmdCancel_}) {
        b->setMinimumWidth(90);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);
    connect(cmdSend_, &QPushButton::clicked, this, &TradeWindow::sendOffer);
    connect(cmdClear_, &QPushButton::clicked, this, [this] {
        give_->clear();
        get_->clear();
    });
    connect(cmdCancel_, &QPushButton::clicked, this, &TradeWindow::reject);
    setFixedSize(520, 440);
}

void TradeWindow::propose(int proposer, Handlers handlers)
{
    proposer_ = proposer;
    handlers_ = std::move(handlers);
    lblHeading_->setText(tr("%1 offers a trade").arg(qtext(state_.Players[proposer].Name)));
    const QSignalBlocker quiet(cboReceiver_);
    cboReceiver_->clear();
    for (int i = 0; i < state_.PlayerCount; ++i)
        if (i != proposer && !state_.Players[i].Bankrupt)
            cboReceiver_->addItem(qtext(state_.Players[i].Name), i);
    cboReceiver_->setEnabled(true);
    give_->showPlayer(proposer);
    receiverChosen();
    show();
    raise();
    activateWindow();
}

void TradeWindow::fill(const TradeOffer &offer, bool fixedReceiver)
{
    const int at = cboReceiver_->findData(offer.to);
    if (at >= 0)
        cboReceiver_->setCurrentIndex(at);
    cboReceiver_->setEnabled(!fixedReceiver);
    give_->setSide(offer.gives);
    get_->setSide(offer.gets);
    update();
}

void TradeWindow::receiverChosen()
{
    const int receiver = cboReceiver_->currentData().toInt();
    if (receiver < 0 || receiver >= state_.PlayerCount || cboReceiver_->count() == 0)
        return;
    lblGet_->setText(tr("You get from %1").arg(qtext(state_.Players[receiver].Name)));
    get_->showPlayer(receiver);
    update();
}

TradeOffer TradeWindow::offer() const
{
    TradeOffer o;
    o.from = proposer_;
    o.to = cboReceiver_->count() ? cboReceiver_->currentData().toInt() : -1;
    o.gives = give_->side();
    o.gets = get_->side();
    return o;
}


void TradeWindow::update()
{
    const TradeOffer o = offer();
    if (o.to < 0) {
        lblSummary_->clear();
        return;
    }
    lblSummary_->setText(qtext(tradeSummary(state_, o)));
    lblHint_->clear();
}

void TradeWindow::sendOffer()
{
    const TradeOffer o = offer();
    const std::string problem = handlers_.problem ? handlers_.problem(o) : std::string();
    if (!problem.empty()) {
        lblHint_->setText(qtext(problem));
        return;
    }
    // Closed first: the answer may open the receiver's window at once.
    auto send = handlers_.send;
    handlers_ = {};
    hide();
    if (send)
        send(o);
}

void TradeWindow::reject()
{
    auto cancelled = handlers_.cancelled;
    handlers_ = {};
    QDialog::reject();
    if (cancelled)
        cancelled();
}

} // namespace tycora::ui
