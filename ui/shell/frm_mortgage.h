#pragma once

// The Mortgage Property window: the deeds of one player, each a card of its
// own (MortgageCard), grouped by colour: each colour group's cards stand
// together in a column, then the stations', then the utilities', the
// groups in board order and spread over up to three columns so that the
// window stays low. A card that may be chosen is chosen by a click anywhere
// on it, or by Space or Enter once the arrow keys or Tab have brought the
// focus to it; choosing reports its square. Under the cards stands the note
// of the card the mouse or the focus is on. The window takes the size its
// cards need and opens centred over the window that asks for it.
//
// The outlines the window was first drawn with (shpProperty, Shape3) keep
// their places but stay hidden: the cards took their part.

#include "toolkit/control_array.h"
#include "toolkit/form.h"

#include <vector>

namespace tycora::ui {

class CommandButton;
class Label;
class MortgageCard;
class Shape;

class FrmMortgage : public Form {
    Q_OBJECT
public:
    explicit FrmMortgage(QWidget *parent = nullptr);

    struct Deed {
        int square = 0;
        bool mortgaged = false;
        bool choosable = false;
        QString name;
        QString action;  // what choosing it does, with the price, or why it cannot be chosen
        QString note;    // a sentence about the deed, shown while it is pointed at
    };
    // heading: what choosing a card does; deeds: the player's deeds (any
    // ownable squares), each shown as a card.
    void showDeeds(const QString &heading, const std::vector<Deed> &deeds);

    // Shows the window centred over owner (on its screen), as a window that
    // belongs to it; the focus goes to the first card that may be chosen.
    void showOver(QWidget *owner);

    // The cards, indexed by square; only the shown deeds' are visible.
    ControlArray<MortgageCard> deedCards;

signals:
    void deedChosen(int square);

private:
    const Deed *deedOf(int square) const;
    void layOut();
    void showNoteOf(int square);
    void showCurrentNote();
    void moveFocus(int fromSquare, int key);
    MortgageCard *firstChoosable() const;

    ControlArray<Shape> shpProperty;
    Shape *Shape3 = nullptr;
    Label *lblHeading = nullptr;
    Label *lblDeed = nullptr;
    CommandButton *cmdClose = nullptr;
    std::vector<Deed> deeds_;
};

} // namespace tycora::ui
