#include "ui/main/drawn_card.h"

#include "ui/main/picture_controls.h"
#include "toolkit/picture.h"

namespace tycora::ui {

DrawnCard::DrawnCard(QWidget *window)
    : imgCard_(makePicture(window, QStringLiteral("imgCard"), {11085, 7755, 4125, 2100}))
{
    imgCard_->hide();
}

void DrawnCard::showFace(const Art &face)
{
    imgCard_->setPicture(face);
    imgCard_->show();
}

void DrawnCard::hide() { imgCard_->hide(); }

} // namespace tycora::ui
