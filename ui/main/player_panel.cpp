#include "ui/main/player_panel.h"

#include "game/square_table.h"
#include "game/text.h"
#include "ui/main/board_layout.h"
#include "ui/main/colour_outline.h"
#include "ui/main/control_names.h"
#include "ui/main/panel_pictures.h"
#include "ui/main/picture_controls.h"
#include "ui/main/press_reporter.h"
#include "toolkit/fonts.h"
#include "toolkit/label.h"
#include "toolkit/picture.h"
#include "toolkit/shape.h"
#include "toolkit/twips.h"
#include "toolkit/game_text.h"

#include <QFontMetrics>

#include <algorithm>

namespace tycora::ui {

namespace {
constexpr int PanelTops[] = {360, 1860, 3345, 4845};
}

PlayerPanel::PlayerPanel(QWidget *column, int slot, const PanelPictures &pictures) : Frame(column, slot)
{
    named(this, QStringLiteral("frmPlayerInfo"), slot);
    place(this, 240, PanelTops[slot], 2910, 1305);

    lblPlayerInfoMoney_ = named(new Label(this), QStringLiteral("lblPlayerInfoMoney"), slot);
    lblPlayerInfoMoney_->setFont(tahoma(9.75, true));
    lblPlayerInfoMoney_->setAutoSize(true);
    moveTo(lblPlayerInfoMoney_, 135, 315);

    // Right-aligned between the balance and the player type picture.
    lblPlayerInfoState_ = named(new Label(this), QStringLiteral("lblPlayerInfoState"), slot);
    lblPlayerInfoState_->setFont(tahoma(8.25, true));
    lblPlayerInfoState_->setForeColour(QColor(176, 0, 0));
    lblPlayerInfoState_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    place(lblPlayerInfoState_, 960, 345, 1545, 240);
    lblPlayerInfoState_->hide();

    // Under the player type picture, right-aligned with it: "Hard".
    lblPlayerInfoLevel_ = named(new Label(this), QStringLiteral("lblPlayerInfoLevel"), slot);
    lblPlayerInfoLevel_->setFont(tahoma(8.25));
    lblPlayerInfoLevel_->setForeColour(QColor(64, 64, 64));
    lblPlayerInfoLevel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    place(lblPlayerInfoLevel_, 2040, 405, 795, 195);
    lblPlayerInfoLevel_->hide();

    shpPlayerInfo_ = named(new Shape(this, Shape::Kind::RoundedRectangle), QStringLiteral("shpPlayerInfo"), slot);
    shpPlayerInfo_->setFillStyle(Shape::FillStyle::Solid);
    place(shpPlayerInfo_, 90, 675, 705, 510);
    shpPlayerInfoOutline_ = new ShapeOutline(shpPlayerInfo_, controlName(QStringLiteral("shpPlayerInfoOutline"), slot));

    // The third panel's piece sits a little further right, as it always has.
    imgPlayerInfoPiece_ =
        makePicture(this, QStringLiteral("imgPlayerInfoPiece"), slot, {slot == 2 ? 120 : 105, 705, 660, 450});
    imgPlayerInfoType_ = makePicture(this, QStringLiteral("imgPlayerInfoType"), slot, {2535, 30, 300, 375});

    const QString minis = QStringLiteral("imgMini%1").arg(slot);
    for (const int square : ownableSquares()) {
        Picture *mini = makePicture(this, minis, square, *miniDeedPlace(square), pictures.emptyMini(square));
        connect(mini, &Picture::mouseMoved, this, &PlayerPanel::miniHovered);
        reportPresses(mini, [this, square] { emit miniClicked(square); });
        imgMini_.add(square, mini);
    }
}

void PlayerPanel::showName(const QString &name) { setCaption(name); }

void PlayerPanel::showMoney(long amount) { lblPlayerInfoMoney_->setCaption(qmoney(amount)); }

void PlayerPanel::showColours(const QColor &fill, const QColor &border, const QColor &outline)
{
    shpPlayerInfo_->setFillColour(fill);
    shpPlayerInfo_->setBorderColour(border);
    shpPlayerInfoOutline_->setColour(outline);
}

void PlayerPanel::showPiece(const Art &piece) { imgPlayerInfoPiece_->setPicture(piece); }

const Art &PlayerPanel::piece() const { return imgPlayerInfoPiece_->picture(); }

void PlayerPanel::showType(const Art &type) { imgPlayerInfoType_->setPicture(type); }

void PlayerPanel::showLevel(const QString &level)
{
    lblPlayerInfoLevel_->setCaption(level);
    lblPlayerInfoLevel_->setVisible(!level.isEmpty());
    // The state ends short of the level, so that the two never overlap.
    const int levelWidth = level.isEmpty() ? 0 : lblPlayerInfoLevel_->fontMetrics().horizontalAdvance(level) + px(90);
    lblPlayerInfoState_->resize(std::min(px(1545), lblPlayerInfoLevel_->geometry().right() - levelWidth - lblPlayerInfoState_->x()),
                                lblPlayerInfoState_->height());
}

void PlayerPanel::showOwnedMini(int square, const Art &owned)
{
    if (Picture *mini = imgMini_(square))
        mini->setPicture(owned);
}

void PlayerPanel::showState(const QString &text, const QString &tooltip)
{
    lblPlayerInfoState_->setCaption(text);
    lblPlayerInfoState_->setToolTip(tooltip);
    lblPlayerInfoState_->setVisible(!text.isEmpty());
}

void PlayerPanel::showOutOfGame()
{
    const QColor grey(150, 150, 150);
    lblPlayerInfoMoney_->setForeColour(grey);
    shpPlayerInfo_->setFillColour(QColor(220, 220, 220));
    shpPlayerInfo_->setBorderColour(grey);
}

} // namespace tycora::ui
