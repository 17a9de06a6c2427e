#pragma once

// The two dice (Frame1): white rounded bodies with seven pips each, of
// which a face fills the ones it needs.

#include "toolkit/frame.h"

#include <array>

namespace tycora::ui {

class Shape;

class DiceView final : public Frame {
    Q_OBJECT
public:
    explicit DiceView(QWidget *window);

    // Die 1 or 2 shows a value 1..6; any other value blanks it, any other
    // die is ignored.
    void showFace(int die, int value);

private:
    static constexpr int PipsPerDie = 7;
    using Pips = std::array<Shape *, PipsPerDie>;
    std::array<Pips, 2> pips_{};   // shpDice1Dot, shpDice2Dot
};

} // namespace tycora::ui
