#include "ui/main/dice_view.h"

#include "ui/main/control_names.h"
#include "toolkit/shape.h"
#include "toolkit/twips.h"

#include <initializer_list>

namespace tycora::ui {

namespace {

struct PipPlace {
    int left, top, width, height;
};

// Die 1's pips by index; die 2's lie 675 to the right and 15 higher.
constexpr PipPlace PipPlaces[7] = {
    {195, 285, 105, 105}, {195, 420, 105, 105}, {195, 540, 105, 135}, {330, 420, 105, 105},
    {450, 285, 105, 105}, {465, 405, 105, 135}, {465, 540, 105, 135},
};

struct DiePlace {
    int bodyLeft, bodyTop;   // the white body
    int pipsRight, pipsUp;   // how far the pips lie from die 1's
};
constexpr DiePlace Dice[2] = {{150, 255, 0, 0}, {825, 240, 675, 15}};

// The pips filled for each face of a die.
const std::initializer_list<int> &facePips(int value)
{
    static const std::initializer_list<int> faces[] = {{3}, {0, 6}, {0, 3, 6}, {0, 2, 4, 6}, {0, 2, 3, 4, 6},
                                                       {0, 1, 2, 4, 5, 6}};
    static const std::initializer_list<int> blank{};
    return value >= 1 && value <= 6 ? faces[value - 1] : blank;
}

} // namespace

DiceView::DiceView(QWidget *window) : Frame(window)
{
    named(this, QStringLiteral("Frame1"));
    setBorder(false);
    place(this, 4725, 7545, 1455, 855);
    // Both bodies first, then the pips over them.
    for (int die = 1; die <= 2; ++die) {
        const DiePlace &at = Dice[die - 1];
        auto *body = named(new Shape(this, Shape::Kind::RoundedRectangle), QStringLiteral("shpDice%1").arg(die));
        body->setBackOpaque(true);
        body->setBackColour(Qt::white);
        place(body, at.bodyLeft, at.bodyTop, 465, 450);
    }
    for (int die = 1; die <= 2; ++die) {
        const DiePlace &at = Dice[die - 1];
        const QString array = QStringLiteral("shpDice%1Dot").arg(die);
        for (int i = 0; i < PipsPerDie; ++i) {
            auto *pip = named(new Shape(this, Shape::Kind::Circle), array, i);
            pip->setBorder(false);
            pip->setFillColour(Qt::black);
            pip->setFillStyle(Shape::FillStyle::Transparent);
            place(pip, PipPlaces[i].left + at.pipsRight, PipPlaces[i].top - at.pipsUp, PipPlaces[i].width, PipPlaces[i].height);
            pips_[static_cast<std::size_t>(die - 1)][static_cast<std::size_t>(i)] = pip;
        }
    }
}

void DiceView::showFace(int die, int value)
{
    if (die != 1 && die != 2)
        return;
    const Pips &pips = pips_[static_cast<std::size_t>(die - 1)];
    for (Shape *pip : pips)
        pip->setFillStyle(Shape::FillStyle::Transparent);
    for (const int pip : facePips(value))
        pips[static_cast<std::size_t>(pip)]->setFillStyle(Shape::FillStyle::Solid);
}

} // namespace tycora::ui
