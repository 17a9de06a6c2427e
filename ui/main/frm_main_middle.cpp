// The middle of the board: the card face, the current player, the status
// line, the dice and the row of buttons; and the window's hidden menu.

#include "ui/main/frm_main.h"
#include "ui/toolkit/command_button.h"
#include "ui/toolkit/fonts.h"
#include "ui/toolkit/frame.h"
#include "ui/toolkit/label.h"
#include "ui/toolkit/picture.h"
#include "ui/toolkit/shape.h"
#include "ui/toolkit/twips.h"

#include <QMenu>

namespace tycora::ui {

namespace {

CommandButton *button(QWidget *parent, const QString &caption, int left, int top, int width, int height,
                      bool enabled)
{
    auto *b = new CommandButton(caption, parent);
    place(b, left, top, width, height);
    b->setEnabled(enabled);
    // The keyboard throws the dice through its own keys; the buttons do not
    // take the focus away from them.
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

struct PipPlace {
    int left, top, width, height;
};

// Die 1's pips by index; die 2's lie 675 to the right and 15 higher.
constexpr PipPlace Pips[7] = {
    {195, 285, 105, 105}, {195, 420, 105, 105}, {195, 540, 105, 135}, {330, 420, 105, 105},
    {450, 285, 105, 105}, {465, 405, 105, 135}, {465, 540, 105, 135},
};

Shape *dieBody(QWidget *parent, int left, int top)
{
    auto *s = new Shape(parent, Shape::Kind::RoundedRectangle);
    s->setBackOpaque(true);
    s->setBackColour(Qt::white);
    place(s, left, top, 465, 450);
    return s;
}

void addPips(QWidget *parent, ControlArray<Shape> &pips, int dx, int dy)
{
    for (int i = 0; i < 7; ++i) {
        auto *s = new Shape(parent, Shape::Kind::Circle);
        s->setBorder(false);
        s->setFillColour(Qt::black);
        s->setFillStyle(Shape::FillStyle::Transparent);
        place(s, Pips[i].left + dx, Pips[i].top + dy, Pips[i].width, Pips[i].height);
        pips.add(i, s);
    }
}

} // namespace

void FrmMain::createMiddle()
{
    imgCard = new Picture(this);
    place(imgCard, 11085, 7755, 4125, 2100);
    imgCard->hide();

    lblCurrentPlayer = new Label(this, QStringLiteral("Current Player:"));
    lblCurrentPlayer->setFont(tahoma(11.25, true));
    lblCurrentPlayer->setAutoSize(true);
    moveTo(lblCurrentPlayer, 4080, 6165);

    shpCurrent = new Shape(this, Shape::Kind::RoundedRectangle);
    shpCurrent->setBackOpaque(true);
    shpCurrent->setBackColour(boardGreen());
    shpCurrent->setBorderColour(boardGreen());
    place(shpCurrent, 5835, 6180, 200, 285);

    lblCurrentPlayerName = new Label(this);
    lblCurrentPlayerName->setFont(tahoma(9.75, true));
    lblCurrentPlayerName->setAutoSize(true);
    moveTo(lblCurrentPlayerName, 5935, 6195);

    lblStatus = new Label(this);
    lblStatus->setFont(tahoma(9.75));
    lblStatus->setAutoSize(true);
    moveTo(lblStatus, 5580, 6750);
    lblStatus->hide();

    lblDiceRoll = new Label(this);
    lblDiceRoll->setFont(tahoma(8.25, true));
    lblDiceRoll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    place(lblDiceRoll, 3630, 7275, 3645, 240);

    cmdBuild = button(this, QStringLiteral("Build"), 2370, 8648, 1150, 315, false);
    cmdSell = button(this, QStringLiteral("Sell Buildings"), 3630, 8648, 1150, 315, false);
    cmdRoll = button(this, QStringLiteral("Roll Dice"), 4890, 8625, 1170, 360, true);
    cmdRoll->setFont(tahoma(9, true));
    cmdMorgage = button(this, QStringLiteral("Morgage"), 6165, 8648, 1150, 315, true);
    cmdUnmorgage = button(this, QStringLiteral("Unmorgage"), 7425, 8648, 1150, 315, false);
}

void FrmMain::createDice()
{
    Frame1 = new Frame(this);
    Frame1->setBorder(false);
    place(Frame1, 4725, 7545, 1455, 855);
    shpDice1 = dieBody(Frame1, 150, 255);
    shpDice2 = dieBody(Frame1, 825, 240);
    addPips(Frame1, shpDice1Dot, 0, 0);
    addPips(Frame1, shpDice2Dot, 675, -15);
}

void FrmMain::createMenu()
{
    mnugame = new QMenu(QStringLiteral("&Game"), this);
    mnugamenew = mnugame->addAction(QStringLiteral("&New"));
    mnugamesave = mnugame->addAction(QStringLiteral("&Save"));
    mnugameload = mnugame->addAction(QStringLiteral("&Load"));
    mnugame->menuAction()->setVisible(false);
}

} // namespace tycora::ui
