// Filling the title-deed card and the statistics card of a square.

#include "game/game_state.h"
#include "game/rules.h"
#include "game/board.h"
#include "ui/main/frm_main.h"
#include "ui/main/main_screen.h"
#include "ui/main/player_colours.h"
#include "ui/toolkit/label.h"
#include "ui/toolkit/shape.h"

namespace tycora::ui {

namespace {

// Stations and utilities have no colour group; their strip is a dark slate.
const QColor UngroupedStrip(58, 64, 74);

QString pounds(long amount) { return QStringLiteral("£%1").arg(amount); }

// The square's name stays readable on every strip colour.
void paintStrip(Shape *strip, Label *name, const QColor &colour)
{
    strip->setBackColour(colour);
    name->setForeColour(colour.lightnessF() < 0.45 ? Qt::white : Qt::black);
}

QString timesDice(int factor) { return QStringLiteral("%1 x dice").arg(factor); }

} // namespace

int averagePayment(int totalRent, int landed)
{
    if (landed <= 0 || totalRent <= landed)
        return 0;
    const int whole = totalRent / landed;
    const int twiceRest = 2 * (totalRent % landed);
    if (twiceRest > landed || (twiceRest == landed && whole % 2 == 1))
        return whole + 1;
    return whole;
}

void MainScreen::setPropertyCardColour(long group) { paintStrip(form_.shpTitle, form_.lblWhere, GroupColour(group)); }

void MainScreen::setStatsCardColour(long group)
{
    paintStrip(form_.shpStatsTitle, form_.lblStatsWhere, GroupColour(group));
}

void MainScreen::setDeedLayout(DeedLayout layout)
{
    FrmMain &f = form_;
    const bool street = layout == DeedLayout::Street;
    const bool station = layout == DeedLayout::Station;
    f.lblDescRent1House->setCaption(street ? QStringLiteral("With 1 House")
                                    : station ? QStringLiteral("With 2 Stations")
                                              : QStringLiteral("With both Utilities"));
    f.lblDescRent2Houses->setCaption(street ? QStringLiteral("With 2 Houses") : QStringLiteral("With 3 Stations"));
    f.lblDescRent3Houses->setCaption(street ? QStringLiteral("With 3 Houses") : QStringLiteral("With 4 Stations"));
    for (Label *row : {f.lblDescRent2Houses, f.lblRent2Houses, f.lblDescRent3Houses, f.lblRent3Houses})
        row->setVisible(street || station);
    for (Label *row : {f.lblDescRent4Houses, f.lblRent4Houses, f.lblDescRentHotel, f.lblRentHotel, f.lblDescHouse,
                       f.lblHouse, f.lblDescHotel, f.lblHotel})
        row->setVisible(street);
}

void MainScreen::showPropertyCard(int square)
{
    if (square < 0 || square >= SquareCount)
        return;
    if (isStationSquare(square))
        return showStationCard(square);
    if (isUtilitySquare(square))
        return showUtilityCard(square);
    const Property &d = state_.Properties[square];
    FrmMain &f = form_;
    setDeedLayout(DeedLayout::Street);
    setPropertyCardColour(d.Group);
    f.lblWhere->setCaption(QString::fromStdString(d.Name));
    f.lblRent->setCaption(pounds(d.Rent));
    f.lblRent1House->setCaption(pounds(d.Rent1House));
    f.lblRent2Houses->setCaption(pounds(d.Rent2Houses));
    f.lblRent3Houses->setCaption(pounds(d.Rent3Houses));
    f.lblRent4Houses->setCaption(pounds(d.Rent4Houses));
    f.lblRentHotel->setCaption(pounds(d.RentHotel));
    f.lblMorgage->setCaption(pounds(d.MortgageValue));
    f.lblHouse->setCaption(pounds(d.HouseCost));
    f.lblHotel->setCaption(pounds(d.HotelCost));
}

void MainScreen::showStationCard(int square)
{
    FrmMain &f = form_;
    setDeedLayout(DeedLayout::Station);
    paintStrip(f.shpTitle, f.lblWhere, UngroupedStrip);
    f.lblWhere->setCaption(QString::fromStdString(state_.Properties[square].Name));
    f.lblRent->setCaption(pounds(stationRentForHeld(1)));
    f.lblRent1House->setCaption(pounds(stationRentForHeld(2)));
    f.lblRent2Houses->setCaption(pounds(stationRentForHeld(3)));
    f.lblRent3Houses->setCaption(pounds(stationRentForHeld(4)));
    f.lblMorgage->setCaption(pounds(state_.Properties[square].MortgageValue));
}

void MainScreen::showUtilityCard(int square)
{
    FrmMain &f = form_;
    setDeedLayout(DeedLayout::Utility);
    paintStrip(f.shpTitle, f.lblWhere, UngroupedStrip);
    f.lblWhere->setCaption(QString::fromStdString(state_.Properties[square].Name));
    f.lblRent->setCaption(timesDice(UtilityFactorOne));
    f.lblRent1House->setCaption(timesDice(UtilityFactorBoth));
    f.lblMorgage->setCaption(pounds(state_.Properties[square].MortgageValue));
}

void MainScreen::showStatsCard(int square)
{
    if (square < 0 || square >= SquareCount)
        return;
    const Property &d = state_.Properties[square];
    const SquareStat &stats = state_.SquareStats[square];
    FrmMain &f = form_;
    if (isStationSquare(square) || isUtilitySquare(square))
        paintStrip(f.shpStatsTitle, f.lblStatsWhere, UngroupedStrip);
    else
        setStatsCardColour(d.Group);
    f.lblStatsWhere->setCaption(QString::fromStdString(d.Name));
    f.lblStatsLanded->setCaption(QString::number(stats.Landed));
    f.lblStatsTotal->setCaption(pounds(stats.TotalRent));
    // A station's rent is what its owner's stations earn now (a lone
    // station's while unowned); a utility's is a multiple of the dice.
    if (isStationSquare(square))
        f.lblStatsCurrent->setCaption(pounds(d.Owned ? stationRent(state_, square) : stationRentForHeld(1)));
    else if (isUtilitySquare(square))
        f.lblStatsCurrent->setCaption(timesDice(d.Owned && bothUtilitiesHeldByOne(state_) ? UtilityFactorBoth
                                                                                           : UtilityFactorOne));
    else
        f.lblStatsCurrent->setCaption(pounds(stats.CurrentRent));
    f.lblStatsAverage->setCaption(pounds(averagePayment(stats.TotalRent, stats.Landed)));
}

} // namespace tycora::ui
