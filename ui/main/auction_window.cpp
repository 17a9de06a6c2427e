#include "ui/main/auction_window.h"

#include "game/game_state.h"
#include "game/square_table.h"
#include "game/text.h"
#include "ui/main/control_names.h"
#include "ui/main/deed_card.h"
#include "ui/main/player_colours.h"
#include "toolkit/command_button.h"
#include "toolkit/fonts.h"
#include "toolkit/form.h"
#include "toolkit/label.h"
#include "toolkit/shape.h"
#include "toolkit/text_box.h"
#include "toolkit/twips.h"
#include "toolkit/game_text.h"

#include <QLabel>
#include <QRegularExpressionValidator>

#include <algorithm>
#include <utility>

namespace tycora::ui {

namespace {

const QColor Refused(170, 20, 20);



// The title deed as the board's deed card shows it, drawn by a card of its
// own that lives only for the picture, so no control of the board's window
// is named twice.
QPixmap deedPicture(int square, const QFont &windowFont)
{
    DeedCard card(nullptr);
    // The font the board's card inherits from its window.
    card.setFont(windowFont);
    card.showDeed(squareInfo(square));
    return card.grab();
}

} // namespace

AuctionWindow::AuctionWindow(const GameState &state, QWidget *window) : QDialog(window), state_(state)
{
    setObjectName(QStringLiteral("frmAuction"));
    setWindowTitle(tr("Auction"));
    keepPlacedOver(*this);
    setFont(tahoma(8.25));
    setFixedSize(px(7260), px(4290));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, boardGreen());
    setPalette(pal);
    setAutoFillBackground(true);

    imgAuctionDeed_ = named(new QLabel(this), QStringLiteral("imgAuctionDeed"));
    place(imgAuctionDeed_, 180, 180, 3090, 3930);

    constexpr int Left = 3510;
    constexpr int Width = 3570;
    lblAuctionTitle_ = named(new Label(this), QStringLiteral("lblAuctionTitle"));
    lblAuctionTitle_->setFont(tahoma(9.75, true));
    place(lblAuctionTitle_, Left, 180, Width, 300);
    lblHighestBid_ = named(new Label(this), QStringLiteral("lblHighestBid"));
    lblHighestBid_->setFont(tahoma(8.25, true));
    place(lblHighestBid_, Left, 570, Width, 255);

    for (int i = 0; i < MaxPlayers; ++i) {
        const int top = 960 + i * 285;
        shpBidder_[i] = named(new Shape(this, Shape::Kind::Rectangle), QStringLiteral("shpBidder"), i);
        shpBidder_[i]->setBackOpaque(true);
        place(shpBidder_[i], Left, top + 30, 165, 165);
        lblBidder_[i] = named(new Label(this), QStringLiteral("lblBidder"), i);
        place(lblBidder_[i], Left + 255, top, Width - 255, 255);
    }

    lblAuctionTurn_ = named(new Label(this), QStringLiteral("lblAuctionTurn"));
    lblAuctionTurn_->setFont(tahoma(8.25, true));
    place(lblAuctionTurn_, Left, 2160, Width, 255);

    lblBidPound_ = named(new Label(this, QString::fromUtf8(PoundSign)), QStringLiteral("lblBidPound"));
    place(lblBidPound_, Left, 2535, 150, 255);
    txtBid_ = named(new TextBox(this), QStringLiteral("txtBid"));
    // Whole pounds only; an amount beyond the cash is typed, then refused
    // with the reason.
    txtBid_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,5}")), txtBid_));
    place(txtBid_, Left + 165, 2475, 1110, 345);
    connect(txtBid_, &QLineEdit::textChanged, this, &AuctionWindow::amountChanged);
    for (std::size_t i = 0; i < Steps.size(); ++i) {
        const int by = Steps[i];
        cmdBidStep_[i] =
            named(new CommandButton(QStringLiteral("+%1").arg(qmoney(by)), this), QStringLiteral("cmdBidStep"), by);
        cmdBidStep_[i]->setAutoDefault(false);
        place(cmdBidStep_[i], Left + 1365 + static_cast<int>(i) * 735, 2475, 675, 345);
        connect(cmdBidStep_[i], &QPushButton::clicked, this, [this, by] { step(by); });
    }

    lblBidHint_ = named(new Label(this), QStringLiteral("lblBidHint"));
    place(lblBidHint_, Left, 2925, Width, 255);

    cmdBid_ = named(new CommandButton(tr("Bid"), this), QStringLiteral("cmdBid"));
    cmdPass_ = named(new CommandButton(tr("Pass"), this), QStringLiteral("cmdPass"));
    // Enter bids, and only while the amount may be bid.
    cmdBid_->setDefault(true);
    cmdPass_->setAutoDefault(false);
    place(cmdBid_, Left, 3540, 1695, 450);
    place(cmdPass_, Left + 1875, 3540, 1695, 450);
    connect(cmdBid_, &QPushButton::clicked, this, &AuctionWindow::bid);
    connect(cmdPass_, &QPushButton::clicked, this, [this] { giveAnswer(0); });

    enableBidding(false);
}

void AuctionWindow::showAuction(const Auction &auction)
{
    // A new turn: any question still open belongs to a turn that is over.
    answer_ = nullptr;
    if (auction.square != square_)
        showSquare(auction.square);
    if (auction.highestBidder >= 0)
        lastBid_[static_cast<std::size_t>(auction.highestBidder)] = auction.highestBid;
    bidder_ = auction.bidder;
    highestBid_ = auction.highestBid;
    lblHighestBid_->setCaption(auction.highestBidder < 0 ? tr("No bid yet")
                                                         : tr("Highest bid: %1 by %2")
                                                               .arg(qmoney(auction.highestBid),
                                                                    qtext(state_.Players[auction.highestBidder].Name)));
    showBidders(auction);
    // Whoever bids decides now; a person is asked at once (askBid), which
    // puts their own question in this line.
    lblAuctionTurn_->setCaption(tr("%1 is bidding").arg(qtext(state_.Players[auction.bidder].Name)));
    enableBidding(false);
}

void AuctionWindow::showSquare(int square)
{
    square_ = square;
    lastBid_.fill(0);
    lblAuctionTitle_->setCaption(tr("Auction for %1").arg(qtext(squareInfo(square).name)));
    imgAuctionDeed_->setPixmap(deedPicture(square, parentWidget() ? parentWidget()->font() : font()));
}

void AuctionWindow::showBidders(const Auction &auction)
{
    for (int i = 0; i < MaxPlayers; ++i) {
        const bool playing = i < state_.PlayerCount && i < static_cast<int>(auction.bidding.size());
        shpBidder_[i]->setVisible(playing);
        lblBidder_[i]->setVisible(playing);
        if (!playing)
            continue;
        const Player &p = state_.Players[i];
        QString where;
        if (p.Bankrupt)
            where = tr("out of the game");
        else if (i == auction.highestBidder)
            where = tr("highest bid");
        else if (!auction.bidding[i])
            where = tr("passed");
        else if (i == auction.bidder)
            where = tr("to bid");
        else
            where = tr("bidding");
        // A player who was outbid sees what they bid last.
        if (const int last = lastBid_[static_cast<std::size_t>(i)]; last > 0 && i != auction.highestBidder)
            where += tr(", last bid %1").arg(qmoney(last));
        shpBidder_[i]->setBackColour(lightColour(p.Colour));
        shpBidder_[i]->setBorderColour(strongColour(p.Colour));
        lblBidder_[i]->setFont(tahoma(8.25, i == auction.bidder));
        lblBidder_[i]->setForeColour(auction.bidding[i] ? Qt::black : Qt::darkGray);
        lblBidder_[i]->setCaption(QStringLiteral("%1 (%2): %3").arg(qtext(p.Name), qmoney(p.Money), where));
    }
}

void AuctionWindow::askBid(const Auction &auction, std::function<void(int)> answer)
{
    showAuction(auction);
    answer_ = std::move(answer);
    cash_ = state_.Players[auction.bidder].Money;
    const QString name = qtext(state_.Players[auction.bidder].Name);
    const int last = lastBid_[static_cast<std::size_t>(auction.bidder)];
    lblAuctionTurn_->setCaption(last > 0 ? tr("%1, your bid (your last: %2)").arg(name, qmoney(last))
                                         : tr("%1, your bid").arg(name));
    enableBidding(true);
    if (isHidden())
        QDialog::open();
    // The lowest bid that beats the highest, ready to raise or to type over.
    showAmount(std::min(highestBid_ + 1, std::max(cash_, 0)));
    txtBid_->setFocus();
    txtBid_->selectAll();
}

void AuctionWindow::endAuction()
{
    answer_ = nullptr;
    square_ = -1;
    enableBidding(false);
    hide();
}

void AuctionWindow::reject()
{
    // Closing the window on a person's turn passes; otherwise it stays open
    // until the auction ends.
    if (asking())
        giveAnswer(0);
}

void AuctionWindow::enableBidding(bool on)
{
    for (QWidget *control :
         {static_cast<QWidget *>(txtBid_), static_cast<QWidget *>(cmdPass_), static_cast<QWidget *>(lblBidPound_)})
        control->setEnabled(on);
    if (!on) {
        txtBid_->clear();
        lblBidHint_->clear();
        cmdBid_->setEnabled(false);
        for (CommandButton *b : cmdBidStep_)
            b->setEnabled(false);
    }
}

void AuctionWindow::showAmount(int amount) { txtBid_->setText(QString::number(amount)); }

std::optional<int> AuctionWindow::typedAmount() const
{
    bool ok = false;
    const int amount = txtBid_->text().toInt(&ok);
    return ok ? std::optional<int>(amount) : std::nullopt;
}

void AuctionWindow::amountChanged()
{
    if (!asking())
        return;
    const int lowest = highestBid_ + 1;
    const std::optional<int> amount = typedAmount();
    const QString name = qtext(state_.Players[bidder_].Name);
    QString hint;
    bool refused = true;
    if (cash_ < lowest)
        hint = tr("%1 has only %2: no bid can beat %3").arg(name, qmoney(cash_), qmoney(highestBid_));
    else if (!amount)
        hint = tr("Type a bid of %1 to %2").arg(qmoney(lowest), qmoney(cash_));
    else if (*amount < lowest)
        hint = tr("A bid must be at least %1").arg(qmoney(lowest));
    else if (*amount > cash_)
        hint = tr("%1 has only %2").arg(name, qmoney(cash_));
    else {
        hint = tr("%1 may bid %2 to %3").arg(name, qmoney(lowest), qmoney(cash_));
        refused = false;
    }
    lblBidHint_->setForeColour(refused ? Refused : Qt::black);
    lblBidHint_->setCaption(hint);
    cmdBid_->setEnabled(!refused);
    // A step raises the amount, or the highest bid when the amount is lower.
    const int from = std::max(amount.value_or(0), highestBid_);
    for (std::size_t i = 0; i < Steps.size(); ++i)
        cmdBidStep_[i]->setEnabled(from + Steps[i] <= cash_);
}

void AuctionWindow::step(int by)
{
    if (!asking())
        return;
    const int amount = std::max(typedAmount().value_or(0), highestBid_) + by;
    if (amount <= cash_)
        showAmount(amount);
}

void AuctionWindow::bid()
{
    const std::optional<int> amount = typedAmount();
    if (!asking() || !amount || *amount <= highestBid_ || *amount > cash_)
        return;
    giveAnswer(*amount);
}

void AuctionWindow::giveAnswer(int amount)
{
    if (!answer_)
        return;
    // Taken before answering: the engine goes on to the next bidder, and
    // may ask this window again, before this returns.
    auto answer = std::exchange(answer_, nullptr);
    enableBidding(false);
    answer(amount);
}

} // namespace tycora::ui
