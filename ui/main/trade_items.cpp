#include "ui/main/trade_items.h"

#include "assets/art_catalog.h"
#include "assets/full_rules_art.h"
#include "game/board.h"
#include "game/game_state.h"
#include "game/square_table.h"
#include "game/trading.h"
#include "toolkit/game_text.h"
#include "toolkit/text_box.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRegularExpressionValidator>
#include <QScrollArea>

namespace tycora::ui {

namespace {

// The mini deed the players' panels show for the square, struck through
// when it is mortgaged.
Art miniOf(const GameState &state, int square)
{
    const SquareInfo &info = squareInfo(square);
    Art mini;
    if (info.kind == SquareKind::Street)
        mini = art::miniDeed(2 + info.group);
    else if (info.kind == SquareKind::Station)
        mini = art::miniStation(true);
    else if (square == squares::ElectricCompany)
        mini = art::miniElectric(true);
    else
        mini = art::miniWater(true);
    return state.Properties[square].Mortgaged ? art::mortgagedMini(mini) : mini;
}

} // namespace

TradeItems::TradeItems(const GameState &state, const QString &name, QWidget *parent)
    : QWidget(parent), state_(state), name_(name)
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("scr") + name);
    scroll->setWidgetResizable(true);
    scroll->setMinimumHeight(220);
    auto *deeds = new QWidget(scroll);
    deedList_ = new QVBoxLayout(deeds);
    deedList_->setContentsMargins(4, 4, 4, 4);
    deedList_->setSpacing(2);
    lblNoDeeds_ = new QLabel(tr("No deed to trade"), deeds);
    deedList_->addWidget(lblNoDeeds_);
    deedList_->addStretch(1);
    scroll->setWidget(deeds);
    column->addWidget(scroll, 1);

    auto *cashRow = new QHBoxLayout;
    cashRow->addWidget(new QLabel(tr("Cash %1").arg(qtext(PoundSign)), this));
    txtCash_ = new TextBox(this);
    txtCash_->setObjectName(QStringLiteral("txtCash") + name);
    txtCash_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,7}")), txtCash_));
    cashRow->addWidget(txtCash_, 1);
    column->addLayout(cashRow);
    connect(txtCash_, &QLineEdit::textChanged, this, &TradeItems::changed);

    cardList_ = new QVBoxLayout;
    column->addLayout(cardList_);
}

void TradeItems::showPlayer(int player)
{
    player_ = player;
    for (auto &[square, box] : deeds_)
        delete box;
    deeds_.clear();
    for (QCheckBox *box : cards_)
        delete box;
    cards_.clear();
    const std::vector<int> tradeable = tradeableDeeds(state_, player);
    lblNoDeeds_->setVisible(tradeable.empty());
    for (const int sq : tradeable) {
        auto *box = new QCheckBox(qtext(std::string(squareInfo(sq).name)), deedList_->parentWidget());
        box->setObjectName(QStringLiteral("chk%1Deed%2").arg(name_).arg(sq));
        box->setIcon(miniOf(state_, sq).icon());
        box->setIconSize(QSize(26, 15));
        if (state_.Properties[sq].Mortgaged)
            box->setToolTip(tr("Mortgaged: its new holder pays the bank a tenth of its mortgage value"));
        deedList_->insertWidget(deedList_->count() - 1, box);
        box->show();   // the window may be open already
        connect(box, &QCheckBox::toggled, this, &TradeItems::changed);
        deeds_.emplace_back(sq, box);
    }
    for (int i = 0; i < state_.jailCards(player); ++i) {
        auto *box = new QCheckBox(tr("Get Out of Jail Free card"), this);
        box->setObjectName(QStringLiteral("chk%1Card%2").arg(name_).arg(i));
        cardList_->addWidget(box);
        box->show();
        connect(box, &QCheckBox::toggled, this, &TradeItems::changed);
        cards_.push_back(box);
    }
    txtCash_->clear();
    // Laid out at once, so each tick box stands where it is drawn.
    deedList_->activate();
    emit changed();
}

void TradeItems::setSide(const TradeSide &side)
{
    for (auto &[square, box] : deeds_)
        box->setChecked(std::find(side.deeds.begin(), side.deeds.end(), square) != side.deeds.end());
    for (std::size_t i = 0; i < cards_.size(); ++i)
        cards_[i]->setChecked(static_cast<int>(i) < side.jailCards);
    txtCash_->setText(side.cash > 0 ? QString::number(side.cash) : QString());
}

TradeSide TradeItems::side() const
{
    TradeSide side;
    for (const auto &[square, box] : deeds_)
        if (box->isChecked())
            side.deeds.push_back(square);
    side.cash = txtCash_->text().toLongLong();
    for (const QCheckBox *box : cards_)
        side.jailCards += box->isChecked();
    return side;
}

void TradeItems::clear() { setSide({}); }

} // namespace tycora::ui
