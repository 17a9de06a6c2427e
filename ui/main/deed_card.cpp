#include "ui/main/deed_card.h"

#include "game/rules.h"
#include "game/square_table.h"
#include "toolkit/fonts.h"
#include "toolkit/label.h"
#include "toolkit/game_text.h"

#include <QCoreApplication>

namespace tycora::ui {

namespace {

// In the order of DeedCard's rows.
constexpr CardRow DeedRows[] = {
    {"lblTitleRent", QT_TRANSLATE_NOOP("SquareCard", "Rent"), 450, 1080, "lblRent"},
    {"lblDescRent1House", QT_TRANSLATE_NOOP("SquareCard", "With 1 House"), 465, 1470, "lblRent1House"},
    {"lblDescRent2Houses", QT_TRANSLATE_NOOP("SquareCard", "With 2 Houses"), 465, 1725, "lblRent2Houses"},
    {"lblDescRent3Houses", QT_TRANSLATE_NOOP("SquareCard", "With 3 Houses"), 465, 1980, "lblRent3Houses"},
    {"lblDescRent4Houses", QT_TRANSLATE_NOOP("SquareCard", "With 4 Houses"), 465, 2235, "lblRent4Houses"},
    {"lblDescRentHotel", QT_TRANSLATE_NOOP("SquareCard", "With a Hotel"), 465, 2490, "lblRentHotel"},
    {"lblDescHouse", QT_TRANSLATE_NOOP("SquareCard", "House Price:"), 840, 2925, "lblHouse", 1875},
    {"lblDescHotel", QT_TRANSLATE_NOOP("SquareCard", "Hotel Price:"), 930, 3135, "lblHotel", 1875},
    {"lblDescMorgage", QT_TRANSLATE_NOOP("SquareCard", "Morgage Value:"), 480, 3480, "lblMorgage", 1905},
};

} // namespace

DeedCard::DeedCard(QWidget *window)
    : SquareCard(window, 11655, {"frmProperty", "shpBorder", "shpTitle", "lblWhere"})
{
    for (int row = 0; row < Rows; ++row) {
        const RowLabels labels = addRow(DeedRows[row]);
        captions_[row] = labels.caption;
        figures_[row] = labels.figure;
    }
    for (Label *rent : {captions_[Rent], figures_[Rent]})
        rent->setFont(tahoma(8.25, true));
}

void DeedCard::showDeed(const SquareInfo &square)
{
    switch (square.kind) {
    case SquareKind::Station: showStation(square); break;
    case SquareKind::Utility: showUtility(square); break;
    default: showStreet(square); break;
    }
}

void DeedCard::setLayout(Layout layout)
{
    const bool street = layout == Layout::Street;
    const bool station = layout == Layout::Station;
    captions_[OneHouse]->setCaption(street    ? QCoreApplication::translate("SquareCard", "With 1 House")
                                    : station ? QCoreApplication::translate("SquareCard", "With 2 Stations")
                                              : QCoreApplication::translate("SquareCard", "With both Utilities"));
    captions_[TwoHouses]->setCaption(street ? QCoreApplication::translate("SquareCard", "With 2 Houses")
                                            : QCoreApplication::translate("SquareCard", "With 3 Stations"));
    captions_[ThreeHouses]->setCaption(street ? QCoreApplication::translate("SquareCard", "With 3 Houses")
                                              : QCoreApplication::translate("SquareCard", "With 4 Stations"));
    for (const Row row : {TwoHouses, ThreeHouses}) {
        captions_[row]->setVisible(street || station);
        figures_[row]->setVisible(street || station);
    }
    for (const Row row : {FourHouses, Hotel, HousePrice, HotelPrice}) {
        captions_[row]->setVisible(street);
        figures_[row]->setVisible(street);
    }
}

void DeedCard::setFigure(Row row, const QString &text) { figures_[row]->setCaption(text); }

void DeedCard::showStreet(const SquareInfo &square)
{
    setLayout(Layout::Street);
    showTitle(square, square.name);
    const StreetRents &rents = square.rents;
    setFigure(Rent, qmoney(rents.bare));
    setFigure(OneHouse, qmoney(rents.oneHouse));
    setFigure(TwoHouses, qmoney(rents.twoHouses));
    setFigure(ThreeHouses, qmoney(rents.threeHouses));
    setFigure(FourHouses, qmoney(rents.fourHouses));
    setFigure(Hotel, qmoney(rents.hotel));
    setFigure(Mortgage, qmoney(square.mortgageValue));
    setFigure(HousePrice, qmoney(square.houseCost));
    setFigure(HotelPrice, qmoney(square.hotelCost));
}

void DeedCard::showStation(const SquareInfo &square)
{
    setLayout(Layout::Station);
    showTitle(square, square.name);
    // The rent rows read "Rent" (one station held), then two, three and four.
    for (const Row row : {Rent, OneHouse, TwoHouses, ThreeHouses})
        setFigure(row, qmoney(stationRentForHeld(row - Rent + 1)));
    setFigure(Mortgage, qmoney(square.mortgageValue));
}

void DeedCard::showUtility(const SquareInfo &square)
{
    setLayout(Layout::Utility);
    showTitle(square, square.name);
    setFigure(Rent, timesDice(UtilityFactorOne));
    setFigure(OneHouse, timesDice(UtilityFactorBoth));
    setFigure(Mortgage, qmoney(square.mortgageValue));
}

} // namespace tycora::ui
