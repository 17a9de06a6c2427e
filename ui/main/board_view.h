#pragma once

// The board ring: the forty printed tiles and the logo, the owner bars, the
// places where the pieces stand, the building and mortgage slots, and the
// two signs of each square that show its cards when the mouse is over them.
// Its controls lie directly on the window, under the panels and cards, so
// that the window's own background still gets the mouse between them.

#include "ui/main/piece_spot.h"
#include "toolkit/control_array.h"

#include <QColor>
#include <QObject>

#include <array>
#include <vector>

class QWidget;

namespace tycora::ui {

class Art;
class Picture;
class Shape;
class ShapeOutline;

class BoardView final : public QObject {
    Q_OBJECT
public:
    explicit BoardView(QWidget *window);

    // The pieces standing on a square (imgSquare), from the back to the
    // front; none clears it.
    void showPieces(int square, std::vector<StandingPiece> pieces);
    void clearSquare(int square);
    // The pieces in jail, inside the cell; those on the jail's square show
    // them just visiting.
    void showJailed(std::vector<StandingPiece> pieces);

    // Shows the owner bar of a square in the owner's colours, with an
    // outline around it in a valid outline colour. Squares without a bar
    // are ignored.
    void markOwner(int square, const QColor &fill, const QColor &border, const QColor &outline = QColor());
    // Hides the owner bar: nobody owns the square any more.
    void clearOwner(int square);

    // The building slots (board_slots.h): house 1..4 of a slot, or its
    // hotel. Other slots and houses are ignored.
    void showHouse(int slot, int house);
    void clearHouse(int slot, int house);
    void showHotel(int slot);
    // Every building of a slot at once: a hotel alone, or that many houses.
    void showBuildings(int slot, int houses, bool hotel);
    // The MORTGAGED banner of an ownable square, turned to its side.
    void showMortgaged(int square, bool mortgaged);

    // What the statistics sign of a square says when the mouse rests on it.
    void setSquareTooltip(int square, const QString &text);

signals:
    // The mouse is over the deed sign (imgInfo) or the statistics sign
    // (imgStats) of a square.
    void infoHovered(int square);
    void statsHovered(int square);
    // A click on one of those signs.
    void infoClicked(int square);
    void statsClicked(int square);

private:
    void createRing(QWidget *window);
    void createSlots(QWidget *window);
    void createSigns(QWidget *window);
    void createSources(QWidget *window);
    Picture *houseSlot(int slot, int house) const;

    // Only the controls that change after the window is made are kept; the
    // tiles, the logo and the deed signs are made once and left alone.
    ControlArray<Shape> shpOwner_;
    ControlArray<ShapeOutline> shpOwnerOutline_;
    ControlArray<PieceSpot> imgSquare_;
    PieceSpot *imgJail_ = nullptr;
    std::array<ControlArray<Picture>, 4> imgHouse_;   // imgHouse1 .. imgHouse4
    ControlArray<Picture> imgHotel_;
    ControlArray<Picture> imgMortgaged_;
    ControlArray<Picture> imgStats_;   // for their tooltips
    // Hidden pictures the slots copy from.
    Picture *imgBuildingHouse_ = nullptr;
    Picture *imgBuildingHotel_ = nullptr;
    Picture *imgMortgageTop_ = nullptr;
    Picture *imgMortgageBottom_ = nullptr;
    Picture *imgMortgageLeft_ = nullptr;
    Picture *imgMortgageRight_ = nullptr;
};

} // namespace tycora::ui
