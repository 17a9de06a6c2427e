#include "ui/shell/frm_options.h"

#include "game/game_options.h"

#include "ui/shell/window_caption.h"
#include "toolkit/fonts.h"
#include "toolkit/twips.h"

#include <QCheckBox>
#include <QCoreApplication>

namespace tycora::ui {

namespace {

QCheckBox *optionBox(const char *name, const QString &text, QWidget *parent, int left, int top, int width,
                     int height)
{
    auto *box = new QCheckBox(text, parent);
    box->setObjectName(QLatin1String(name));
    // Left unfilled, the box shows the window's own background.
    box->setAutoFillBackground(false);
    place(box, left, top, width, height);
    return box;
}

} // namespace

FrmOptions::FrmOptions(QWidget *parent) : Form(parent)
{
    setWindowTitle(GameCaption);
    // A fixed-size window with a title bar and a close box only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setClientSizeTwips(5520, 5100);
    setBackColour(boardGreen());
    setFont(tahoma(8.25));

    Check1 = optionBox("Check1", QCoreApplication::translate("GameOptions", FirstRoundBuyingCaption), this, 1200, 1800,
                       3255, 255);
    Check2 = optionBox("Check2", QCoreApplication::translate("GameOptions", DoubleGoSalaryCaption), this, 1200, 2280,
                       2775, 255);
    Check3 = optionBox("Check3", QCoreApplication::translate("GameOptions", FreeParkingCaption), this, 1320, 2880, 3135,
                       195);
    setTabOrder(Check1, Check2);
    setTabOrder(Check2, Check3);
    Check1->setChecked(true);
}

bool FrmOptions::doubleSalary() const { return Check2->isChecked(); }

void FrmOptions::showOptions(const GameOptions &options)
{
    Check1->setChecked(options.firstRoundBuying);
    Check2->setChecked(options.doubleGoSalary);
    Check3->setChecked(options.freeParkingPot);
}

} // namespace tycora::ui
