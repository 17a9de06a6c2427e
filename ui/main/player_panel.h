#pragma once

// One player's panel in the players' column (frmPlayerInfo(slot)): the
// player's name as its caption, the balance, the piece on a shape in the
// player's colours, the player type, and a mini title deed for every square
// that can be owned, greyed until the player owns it (and struck through
// while mortgaged); under the Full rules also the player's state.

#include "toolkit/control_array.h"
#include "toolkit/frame.h"

class QColor;

namespace tycora::ui {

class Art;
class Label;
class PanelPictures;
class Picture;
class Shape;
class ShapeOutline;

class PlayerPanel final : public Frame {
    Q_OBJECT
public:
    PlayerPanel(QWidget *column, int slot, const PanelPictures &pictures);

    void showName(const QString &name);
    void showMoney(long amount);
    // The frame behind the piece; a valid outline colour draws a line
    // around it.
    void showColours(const QColor &fill, const QColor &border, const QColor &outline);
    void showPiece(const Art &piece);
    const Art &piece() const;
    void showType(const Art &type);
    // A computer's level under the Full rules ("Hard"), under the name; an
    // empty text hides it.
    void showLevel(const QString &level);
    // Squares without a mini deed are ignored.
    void showOwnedMini(int square, const Art &owned);
    // What the player's state is under the Full rules ("In Jail",
    // "Bankrupt", Get Out of Jail Free cards held): a short text beside the
    // balance, the whole of it as its tooltip; empty texts hide it.
    void showState(const QString &text, const QString &tooltip);
    // A bankrupt player's panel looks out of the game: balance and piece
    // shape greyed.
    void showOutOfGame();

signals:
    // The mouse is over the mini deed of a square.
    void miniHovered(int square);
    // A click on it.
    void miniClicked(int square);

private:
    Label *lblPlayerInfoMoney_ = nullptr;
    Label *lblPlayerInfoState_ = nullptr;
    Label *lblPlayerInfoLevel_ = nullptr;
    Shape *shpPlayerInfo_ = nullptr;
    ShapeOutline *shpPlayerInfoOutline_ = nullptr;
    Picture *imgPlayerInfoPiece_ = nullptr;
    Picture *imgPlayerInfoType_ = nullptr;
    ControlArray<Picture> imgMini_;
};

} // namespace tycora::ui
