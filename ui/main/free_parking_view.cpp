#include "ui/main/free_parking_view.h"

#include "game/text.h"
#include "ui/main/control_names.h"
#include "toolkit/fonts.h"
#include "toolkit/label.h"
#include "toolkit/twips.h"
#include "toolkit/game_text.h"

#include <QCoreApplication>

namespace tycora::ui {

namespace {
// Centred where the status line is, above the logo.
constexpr int Centre = 5580;
constexpr int Top = 3300;
} // namespace

FreeParkingView::FreeParkingView(QWidget *window)
{
    lblFreeParking_ = named(new Label(window), QStringLiteral("lblFreeParking"));
    lblFreeParking_->setFont(tahoma(11.25, true));
    lblFreeParking_->setAutoSize(true);
    lblFreeParking_->setToolTip(
        QCoreApplication::translate("FreeParkingView",
                                    "Taxes, fines and card payments go into the pot; whoever stops on Free Parking "
                                    "takes it all"));
    moveTo(lblFreeParking_, Centre, Top);
    lblFreeParking_->hide();
}

void FreeParkingView::showPot(int pot)
{
    lblFreeParking_->setCaption(QCoreApplication::translate("FreeParkingView", "Free Parking %1").arg(qmoney(pot)));
    moveTo(lblFreeParking_, Centre - widthTwips(lblFreeParking_) / 2, Top);
    lblFreeParking_->show();
}

} // namespace tycora::ui
