#pragma once

// The Free Parking pot, in the free room between the top row of the board
// and the logo ("Free Parking £350"). Hidden unless payments go to Free
// Parking: the turn engine shows it at the start of such a game and
// whenever the pot changes.

class QWidget;

namespace tycora::ui {

class Label;

class FreeParkingView final {
public:
    explicit FreeParkingView(QWidget *window);

    void showPot(int pot);

private:
    Label *lblFreeParking_ = nullptr;
};

} // namespace tycora::ui
