#include "ui/main/trade_question.h"

#include "game/game_state.h"
#include "game/rules.h"
#include "game/trading.h"
#include "ui/main/trade_window.h"
#include "toolkit/command_button.h"
#include "toolkit/fonts.h"
#include "toolkit/form.h"
#include "toolkit/game_text.h"
#include "toolkit/twips.h"

#include <QCheckBox>
#include "toolkit/game_window_look.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace tycora::ui {

TradeQuestion::TradeQuestion(const GameState &state, QWidget *owner) : QDialog(owner), state_(state)
{
    setObjectName(QStringLiteral("frmTradeOffer"));
    setWindowTitle(tr("Trade offer"));
    setWindowModality(Qt::WindowModal);
    keepPlacedOver(*this);
    giveGameWindowLook(*this);

    auto *layout = new QVBoxLayout(this);
    lblHeading_ = new QLabel(this);
    lblHeading_->setObjectName(QStringLiteral("lblTradeOfferHeading"));
    lblHeading_->setFont(tahoma(9.75, true));
    layout->addWidget(lblHeading_);
    lblDetails_ = new QLabel(this);
    lblDetails_->setObjectName(QStringLiteral("lblTradeOfferDetails"));
    lblDetails_->setWordWrap(true);
    lblDetails_->setTextFormat(Qt::PlainText);
    lblDetails_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(lblDetails_, 1);
    liftList_ = new QVBoxLayout;
    layout->addLayout(liftList_);

    auto *buttons = new QHBoxLayout;
    cmdAccept_ = new CommandButton(tr("Accept"), this);
    cmdAccept_->setObjectName(QStringLiteral("cmdTradeAccept"));
    cmdReject_ = new CommandButton(tr("Reject"), this);
    cmdReject_->setObjectName(QStringLiteral("cmdTradeReject"));
    cmdCounter_ = new CommandButton(tr("Counter"), this);
    cmdCounter_->setObjectName(QStringLiteral("cmdTradeCounter"));
    for (CommandButton *b : {cmdAccept_, cmdReject_, cmdCounter_}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(90);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);
    connect(cmdAccept_, &QPushButton::clicked, this, [this] {
        std::vector<int> lifted;
        for (const auto &[square, box] : lifts_)
            if (box->isChecked())
                lifted.push_back(square);
        giveAnswer(TradeReply::accept(lifted));
    });
    connect(cmdReject_, &QPushButton::clicked, this, [this] { giveAnswer(TradeReply::reject()); });
    connect(cmdCounter_, &QPushButton::clicked, this, &TradeQuestion::counter);
    setFixedSize(440, 240);
}

void TradeQuestion::ask(const TradeOffer &offer, std::function<std::string(const TradeOffer &)> counterProblem,
                        std::function<void(TradeReply)> answer)
{
    offer_ = offer;
    counterProblem_ = std::move(counterProblem);
    answer_ = std::move(answer);
    const Player &from = state_.Players[offer.from];
    const Player &to = state_.Players[offer.to];
    lblHeading_->setText(tr("%1, %2 offers you a trade").arg(qtext(to.Name), qtext(from.Name)));
    QString details = tr("%1 gives: %2\n%3 gives: %4\n\n%5")
                          .arg(qtext(from.Name), qtext(tradeItemsText(state_, offer.gives)), qtext(to.Name),
                               qtext(tradeItemsText(state_, offer.gets)), qtext(tradeSummary(state_, offer)));
    for (auto &[square, box] : lifts_)
        delete box;
    lifts_.clear();
    for (const int sq : offer.gives.deeds) {
        if (sq < 0 || sq >= BoardSize || !state_.Properties[sq].Mortgaged)
            continue;
        const QString name = qtext(squareInfo(sq).name);
        details += QLatin1Char('\n') +
                   tr("%1 is mortgaged: you pay %2 interest on it.").arg(name, qmoney(mortgageInterest(sq)));
        auto *box = new QCheckBox(
            tr("Lift the mortgage on %1 at once instead (%2)").arg(name, qmoney(unmortgagePrice(sq))), this);
        box->setObjectName(QStringLiteral("chkLift%1").arg(sq));
        liftList_->addWidget(box);
        box->show();
        lifts_.emplace_back(sq, box);
    }
    lblDetails_->setText(details);
    show();
    raise();
    activateWindow();
}

TradeWindow &TradeQuestion::counterWindow()
{
    if (!counterWindow_)
        counterWindow_ = new TradeWindow(state_, parentWidget());
    return *counterWindow_;
}

void TradeQuestion::counter()
{
    if (!answer_)
        return;
    hide();
    TradeWindow &window = counterWindow();
    window.propose(offer_.to, {counterProblem_, [this](const TradeOffer &counter) {
                                   giveAnswer(TradeReply::counterWith(counter));
                               },
                               [this] {
                                   // Back to the offer, still to be answered.
                                   if (answer_)
                                       show();
                               }});
    window.fill(reversed(offer_), true);
}

void TradeQuestion::giveAnswer(const TradeReply &reply)
{
    auto answer = std::move(answer_);
    answer_ = nullptr;
    hide();
    if (answer)
        answer(reply);
}

void TradeQuestion::reject()
{
    if (answer_)
        giveAnswer(TradeReply::reject());
    else
        QDialog::reject();
}

} // namespace tycora::ui
