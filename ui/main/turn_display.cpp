#include "ui/main/turn_display.h"

#include "ui/main/control_names.h"
#include "toolkit/fonts.h"
#include "toolkit/label.h"
#include "toolkit/shape.h"
#include "toolkit/twips.h"

#include <QCoreApplication>

namespace tycora::ui {

namespace {
constexpr int StatusCentre = 5580;
constexpr int CurrentShapeMargin = 200;
} // namespace

TurnDisplay::TurnDisplay(QWidget *window)
{
    auto *caption = named(new Label(window, QCoreApplication::translate("TurnDisplay", "Current Player:")),
                          QStringLiteral("lblCurrentPlayer"));
    caption->setFont(tahoma(11.25, true));
    caption->setAutoSize(true);
    moveTo(caption, 4080, 6165);

    shpCurrent_ = named(new Shape(window, Shape::Kind::RoundedRectangle), QStringLiteral("shpCurrent"));
    shpCurrent_->setBackOpaque(true);
    shpCurrent_->setBackColour(boardGreen());
    shpCurrent_->setBorderColour(boardGreen());
    place(shpCurrent_, 5835, 6180, 200, 285);

    lblCurrentPlayerName_ = named(new Label(window), QStringLiteral("lblCurrentPlayerName"));
    lblCurrentPlayerName_->setFont(tahoma(9.75, true));
    lblCurrentPlayerName_->setAutoSize(true);
    moveTo(lblCurrentPlayerName_, 5935, 6195);

    lblStatus_ = named(new Label(window), QStringLiteral("lblStatus"));
    lblStatus_->setFont(tahoma(9.75));
    lblStatus_->setAutoSize(true);
    moveTo(lblStatus_, StatusCentre, 6750);
    lblStatus_->hide();

    lblDiceRoll_ = named(new Label(window), QStringLiteral("lblDiceRoll"));
    lblDiceRoll_->setFont(tahoma(8.25, true));
    lblDiceRoll_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    place(lblDiceRoll_, 3630, 7275, 3645, 240);
}

void TurnDisplay::showCurrentPlayer(const QString &name, const QColor &fill, const QColor &border)
{
    lblCurrentPlayerName_->setCaption(name);
    shpCurrent_->setBorderColour(border);
    shpCurrent_->setBackColour(fill);
    place(shpCurrent_, leftTwips(shpCurrent_), topTwips(shpCurrent_),
          widthTwips(lblCurrentPlayerName_) + CurrentShapeMargin, heightTwips(shpCurrent_));
}

void TurnDisplay::showStatus(const QString &text)
{
    lblStatus_->show();
    lblStatus_->setCaption(text);
    moveTo(lblStatus_, StatusCentre - widthTwips(lblStatus_) / 2, topTwips(lblStatus_));
}

void TurnDisplay::hideStatus() { lblStatus_->hide(); }

void TurnDisplay::showDiceRoll(const QString &text) { lblDiceRoll_->setCaption(text); }

} // namespace tycora::ui
