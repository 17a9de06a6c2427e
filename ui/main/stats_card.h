#pragma once

// The statistics card (frmStats): what the board calls a square, how often
// pieces have stopped on it this game, the rent it charges now, the rent paid on it in all and the
// average payment.

#include "ui/main/square_card.h"

#include <array>

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
    // The figures from the top.
    enum Row { Landed, Current, Total, Average, Rows };
    std::array<Label *, Rows> figures_{};
};

} // namespace tycora::ui
