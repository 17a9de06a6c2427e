#include "ui/main/deed_actions.h"

#include "game/player_commands.h"
#include "game/rules.h"
#include "game/square_table.h"
#include "game/text.h"
#include "ui/main/choice_dialog.h"
#include "ui/shell/frm_mortgage.h"
#include "toolkit/message_box.h"
#include "toolkit/game_text.h"

#include <algorithm>

namespace tycora::ui {

namespace {

QString deedName(const GameState &state, int square) { return qtext(squareInfo(square).name); }

bool listed(const std::vector<int> &squares, int square)
{
    return std::find(squares.begin(), squares.end(), square) != squares.end();
}

} // namespace

DeedActions::DeedActions(const GameState &state, MessageBoxes &boxes, QWidget &window)
    : state_(state), boxes_(boxes), window_(window)
{
}

DeedActions::~DeedActions() = default;

int DeedActions::actor() const { return commands_ && moves_ ? moves_->deedActor() : -1; }

bool DeedActions::personMayAct(int player) const
{
    return player >= 0 && player < state_.PlayerCount && player == actor();
}

ChoiceDialog &DeedActions::dialog(QPointer<ChoiceDialog> &slot, const char *name, const char *caption, bool building)
{
    if (!slot) {
        slot = new ChoiceDialog(QString::fromLatin1(name), tr(caption), &window_);
        connect(slot, &ChoiceDialog::chosen, this, building ? &DeedActions::chooseBuilding : &DeedActions::chooseSale);
    }
    return *slot;
}

void DeedActions::build()
{
    buildFor_ = actor();
    if (!personMayAct(buildFor_) || moves_->buildableSquares(buildFor_).empty())
        return;
    fillBuild();
    buildDialog_->show();
    buildDialog_->raise();
}

void DeedActions::sell()
{
    sellFor_ = actor();
    if (!personMayAct(sellFor_) || moves_->sellableSquares(sellFor_).empty())
        return;
    fillSell();
    sellDialog_->show();
    sellDialog_->raise();
}

void DeedActions::fillBuild()
{
    ChoiceDialog &d = dialog(buildDialog_, "frmBuild", QT_TR_NOOP("Build"), true);
    std::vector<ChoiceDialog::Choice> choices;
    for (const int square : moves_->buildableSquares(buildFor_)) {
        const SquareInfo &info = squareInfo(square);
        const bool hotel = state_.Buildings[square].Houses >= 4;
        choices.push_back({square, tr("%1 on %2 %3")
                                       .arg(hotel ? tr("Hotel") : tr("House"), deedName(state_, square),
                                            qmoney(hotel ? info.hotelCost : info.houseCost))});
    }
    const Player &p = state_.Players[buildFor_];
    d.showChoices(tr("%1 (%2), choose what to build:").arg(qtext(p.Name), qmoney(p.Money)), choices,
                  tr("%1 (%2) can build nothing more now.").arg(qtext(p.Name), qmoney(p.Money)));
}

void DeedActions::fillSell()
{
    ChoiceDialog &d = dialog(sellDialog_, "frmSell", QT_TR_NOOP("Sell Buildings"), false);
    std::vector<ChoiceDialog::Choice> choices;
    for (const int square : moves_->sellableSquares(sellFor_)) {
        const bool hotel = state_.Buildings[square].Hotel;
        choices.push_back({square, tr("%1 on %2 %3")
                                       .arg(hotel ? tr("Hotel") : tr("House"), deedName(state_, square),
                                            qmoney(nextSaleValue(state_, square)))});
    }
    const Player &p = state_.Players[sellFor_];
    d.showChoices(tr("%1 (%2), choose a building to sell for half its cost:").arg(qtext(p.Name), qmoney(p.Money)),
                  choices, tr("%1 (%2) has no building to sell now.").arg(qtext(p.Name), qmoney(p.Money)));
}

void DeedActions::chooseBuilding(int square)
{
    if (personMayAct(buildFor_) && actor() == buildFor_)
        commands_->build(buildFor_, square);
    refresh();
}

void DeedActions::chooseSale(int square)
{
    if (personMayAct(sellFor_) && actor() == sellFor_)
        commands_->sellBuilding(sellFor_, square);
    refresh();
}

void DeedActions::setMortgageWindow(FrmMortgage *window)
{
    if (mortgageWindow_)
        disconnect(mortgageWindow_, nullptr, this, nullptr);
    mortgageWindow_ = window;
    if (!window)
        return;
    connect(window, &FrmMortgage::deedChosen, this, &DeedActions::chooseDeed);
    // One mortgage window serves every board: it opens over this one.
    keepPlacedOver(*window, &window_);
    window->setWindowModality(Qt::ApplicationModal);
}

FrmMortgage &DeedActions::mortgageWindow()
{
    if (!mortgageWindow_) {
        ownMortgageWindow_ = std::make_unique<FrmMortgage>();
        setMortgageWindow(ownMortgageWindow_.get());
    }
    return *mortgageWindow_;
}

void DeedActions::mortgage() { openMortgageWindow(MortgageMode::Mortgage); }

void DeedActions::unmortgage() { openMortgageWindow(MortgageMode::Lift); }

void DeedActions::openMortgageWindow(MortgageMode mode)
{
    mortgageFor_ = actor();
    if (!personMayAct(mortgageFor_))
        return;
    const bool lifting = mode == MortgageMode::Lift;
    if ((lifting ? moves_->unmortgageableSquares(mortgageFor_) : moves_->mortgageableSquares(mortgageFor_)).empty())
        return;
    mode_ = mode;
    fillMortgage();
    mortgageWindow().showOver(&window_);
}

void DeedActions::fillMortgage()
{
    const int player = mortgageFor_;
    const bool lifting = mode_ == MortgageMode::Lift;
    const std::vector<int> open =
        lifting ? moves_->unmortgageableSquares(player) : moves_->mortgageableSquares(player);
    std::vector<FrmMortgage::Deed> deeds;
    for (const int square : ownableSquares()) {
        if (!state_.holds(player, square))
            continue;
        FrmMortgage::Deed d;
        d.square = square;
        d.mortgaged = state_.Properties[square].Mortgaged;
        d.choosable = listed(open, square);
        const QString name = deedName(state_, square);
        const int value = squareInfo(square).mortgageValue;
        const int price = unmortgagePrice(square);
        d.name = name;
        if (lifting) {
            if (d.choosable) {
                d.action = tr("Lift the mortgage for %1").arg(qmoney(price));
                d.note = tr("%1: lift the mortgage for %2").arg(name, qmoney(price));
            } else if (d.mortgaged) {
                d.action = tr("Lifting costs %1").arg(qmoney(price));
                d.note = tr("%1: lifting the mortgage costs %2").arg(name, qmoney(price));
            } else {
                d.action = tr("No mortgage to lift");
                d.note = tr("%1 is not mortgaged").arg(name);
            }
        } else {
            if (d.choosable) {
                d.action = tr("Mortgage for %1").arg(qmoney(value));
                d.note = tr("%1: mortgage for %2").arg(name, qmoney(value));
            } else if (d.mortgaged) {
                d.action = tr("Mortgaged for %1").arg(qmoney(value));
                d.note = tr("%1 is mortgaged").arg(name);
            } else if (groupHasBuildings(state_, square)) {
                d.action = tr("Sell its group's buildings first");
                d.note = tr("%1: sell the buildings of its group first").arg(name);
            } else {
                d.action = tr("Cannot be mortgaged now");
                d.note = tr("%1 cannot be mortgaged now").arg(name);
            }
        }
        deeds.push_back(d);
    }
    const Player &p = state_.Players[player];
    QString heading;
    if (open.empty())
        heading = lifting ? tr("%1 (%2) has no mortgage to lift now.") : tr("%1 (%2) has no deed to mortgage now.");
    else
        heading = lifting ? tr("%1 (%2), choose a mortgage to lift: its value and a tenth more.")
                          : tr("%1 (%2), choose a deed to mortgage for its mortgage value.");
    mortgageWindow().showDeeds(heading.arg(qtext(p.Name), qmoney(p.Money)), deeds);
}

void DeedActions::chooseDeed(int square)
{
    if (personMayAct(mortgageFor_) && actor() == mortgageFor_) {
        if (mode_ == MortgageMode::Lift)
            commands_->unmortgage(mortgageFor_, square);
        else
            commands_->mortgage(mortgageFor_, square);
    }
    refresh();
}

void DeedActions::declareBankruptcy()
{
    const int player = actor();
    if (!personMayAct(player) || !moves_->raisingMoney())
        return;
    const QString question =
        tr("%1, do you want to declare bankruptcy and leave the game?").arg(qtext(state_.Players[player].Name));
    // A wrong Yes ends the person's game: No is what Return answers.
    if (boxes_.show(&window_, question, MsgButtons::YesNo, MsgIcon::Question, ApplicationTitle, MsgAnswer::No) !=
        MsgAnswer::Yes)
        return;
    // The game may have moved on while the question was open.
    if (actor() == player && moves_->raisingMoney())
        commands_->declareBankruptcy(player);
}

void DeedActions::refresh()
{
    // Each open window follows its person while they may still act, and
    // closes when the game has moved on to someone else.
    const int now = actor();
    const auto follow = [&](QWidget *window, int openedFor, void (DeedActions::*fill)()) {
        if (!window || !window->isVisible())
            return;
        if (now == openedFor && personMayAct(now))
            (this->*fill)();
        else
            window->close();
    };
    follow(buildDialog_, buildFor_, &DeedActions::fillBuild);
    follow(sellDialog_, sellFor_, &DeedActions::fillSell);
    follow(mortgageWindow_, mortgageFor_, &DeedActions::fillMortgage);
}

} // namespace tycora::ui
