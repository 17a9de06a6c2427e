#pragma once

// The Mortgage Property window. Its card places (shpProperty, Shape3) are
// the outlines of the first two colour groups' cards; over them, and on in
// the same pattern, lies a card for every deed of the board, one column per
// colour group, then the stations and the utilities, each card 210 twips
// below the one before it. showDeeds() fills the cards of one player: the
// deeds they hold in colour (crossed in red while mortgaged), the others
// blank. Choosing a card that may be chosen reports its square. Under the
// cards stand the offers (each choosable deed with its price), or the note
// of the card the mouse is over.

#include "ui/toolkit/control_array.h"
#include "ui/toolkit/form.h"

#include <vector>

namespace tycora::ui {

class CommandButton;
class Label;
class Picture;
class Shape;

class FrmMortgage : public Form {
    Q_OBJECT
public:
    explicit FrmMortgage(QWidget *parent = nullptr);

    struct Deed {
        int square = 0;
        bool held = false;
        bool mortgaged = false;
        bool choosable = false;
        QString note;   // shown while the mouse is over the card
        QString offer;  // for a card that may be chosen: its name and price
    };
    // heading: what choosing a card does; deeds: any ownable squares (the
    // others' cards are left blank).
    void showDeeds(const QString &heading, const std::vector<Deed> &deeds);

    // The place of a square's card, in twips; an empty rectangle for a
    // square without a deed.
    static QRect cardPlace(int square);

    // Indexed by square: 1 and 3 (brown), 6, 8 and 9 (light blue).
    ControlArray<Shape> shpProperty;
    Shape *Shape3 = nullptr;
    // The cards, indexed by square (imgMortgageCard1 ...).
    ControlArray<Picture> imgMortgageCard;
    Label *lblHeading = nullptr;
    Label *lblDeed = nullptr;
    CommandButton *cmdClose = nullptr;

signals:
    void deedChosen(int square);

private:
    void pointAt(int square);
    void showOffers();
    std::vector<Deed> deeds_;
};

} // namespace tycora::ui
