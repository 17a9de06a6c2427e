#include "ui/main/pace_notice.h"

#include "ui/main/control_names.h"
#include "toolkit/fonts.h"
#include "toolkit/label.h"
#include "toolkit/twips.h"

#include <QCoreApplication>

namespace tycora::ui {

PaceNotice::PaceNotice(QWidget *window)
{
    lblPace_ = named(new Label(window), QStringLiteral("lblPace"));
    lblPace_->setFont(tahoma(8.25, true));
    lblPace_->setAutoSize(true);
    // Right of the dice frame, level with the dice.
    moveTo(lblPace_, 6330, 7905);
    lblPace_->hide();
}

void PaceNotice::showPace(const QString &paceName)
{
    lblPace_->setCaption(QCoreApplication::translate("PaceNotice", "Pace: %1").arg(paceName));
    lblPace_->show();
}

void PaceNotice::hide() { lblPace_->hide(); }

} // namespace tycora::ui
