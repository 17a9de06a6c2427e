#pragma once

// The title-deed card (frmProperty): a street's rents with houses and a
// hotel and its building prices, a station's rent by stations held, or a
// utility's multiples of the dice; and the mortgage value.

#include "ui/main/square_card.h"

#include <array>

namespace tycora::ui {

class DeedCard final : public SquareCard {
    Q_OBJECT
public:
    explicit DeedCard(QWidget *window);

    // A square without a deed shows an empty street deed.
    void showDeed(const SquareInfo &square);

private:
    // The rows from the top: the rent, then five rows that a street fills
    // with houses and a hotel and a station with stations held, then the
    // prices of a house and a hotel and the mortgage value.
    enum Row { Rent, OneHouse, TwoHouses, ThreeHouses, FourHouses, Hotel, HousePrice, HotelPrice, Mortgage, Rows };
    enum class Layout { Street, Station, Utility };

    void setLayout(Layout layout);
    void showStreet(const SquareInfo &square);
    void showStation(const SquareInfo &square);
    void showUtility(const SquareInfo &square);
    void setFigure(Row row, const QString &text);

    std::array<Label *, Rows> captions_{};
    std::array<Label *, Rows> figures_{};
};

} // namespace tycora::ui
