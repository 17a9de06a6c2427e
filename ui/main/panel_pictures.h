#pragma once

// The hidden pictures the player panels copy from: the two player types and
// the mini title deeds of stations and utilities, empty and owned. They lie
// on the window, never shown; imgMiniTemp holds the owned mini last looked
// up, on its way to a panel.

class QWidget;

namespace tycora::ui {

class Art;
class Picture;

class PanelPictures final {
public:
    explicit PanelPictures(QWidget *window);

    // The picture of a player type (Human or Computer); a null picture for
    // any other type.
    Art playerType(long type) const;

    // The mini deed of a square as a panel shows it before anybody owns it,
    // and once its player owns it; a null picture for a square without a
    // deed.
    Art emptyMini(int square) const;
    Art ownedMini(int square);

private:
    Art mini(int square, bool owned) const;

    Picture *imgTypeHuman_ = nullptr;
    Picture *imgTypeComputer_ = nullptr;
    Picture *imgMiniStationOwned_ = nullptr;
    Picture *imgMiniStationEmpty_ = nullptr;
    Picture *imgMiniElectricOwned_ = nullptr;
    Picture *imgMiniElectricEmpty_ = nullptr;
    Picture *imgMiniWaterOwned_ = nullptr;
    Picture *imgMiniWaterEmpty_ = nullptr;
    Picture *imgMiniTemp_ = nullptr;
};

} // namespace tycora::ui
