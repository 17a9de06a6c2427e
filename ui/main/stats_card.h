#pragma once

// The statistics card (frmStats): how often pieces have stopped on a square
// this game, the rent it charges now, the rent paid on it in all and the
// average payment.

#include "ui/main/square_card.h"

namespace tycora::ui {

// The average payment per landing, rounded half to even; 0 unless the total
// is greater than the number of landings.
int averagePayment(int totalRent, int landed);

class StatsCard final : public SquareCard {
    Q_OBJECT
public:
    explicit StatsCard(QWidget *window);

    void showStats(const SquareInfo &square, int landed, int totalRent);
    // The rent the square charges now: an amount, or a multiple of the dice.
    void showCurrentRent(long amount);
    void showCurrentDiceFactor(int factor);

private:
    Label *lblStatsLanded_ = nullptr;
    Label *lblStatsCurrent_ = nullptr;
    Label *lblStatsTotal_ = nullptr;
    Label *lblStatsAverage_ = nullptr;
};

} // namespace tycora::ui
