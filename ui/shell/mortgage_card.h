#pragma once

// One deed of the Mortgage Property window as a card a person can choose:
// the deed's picture (its colour band, or the station's or utility's
// emblem; crossed in red while mortgaged), its name, its state, and what
// choosing it does (with the price) or why it cannot be chosen now. The
// whole card is the button: a click anywhere on it, or Space or Enter while
// it has the focus. Arrow keys are passed to the window, which moves the
// focus to the neighbouring card.

#include "toolkit/art.h"

#include <QAbstractButton>

namespace tycora::ui {

class MortgageCard final : public QAbstractButton {
    Q_OBJECT
public:
    MortgageCard(QWidget *parent, int square);

    static constexpr int Width = 270;
    static constexpr int Height = 42;

    int square() const { return square_; }

    struct Face {
        Art picture;
        QString name;
        QString state;   // "Mortgaged" or "Not mortgaged"
        QString action;  // the price of choosing it, or why it cannot be chosen
        bool mortgaged = false;
        bool choosable = false;
    };
    void setFace(const Face &face);
    const Face &face() const { return face_; }

    QSize sizeHint() const override;

    // Whether the mouse is over the card; forgotten when the window sees it
    // on its background.
    bool pointedAt() const { return hovered_; }
    void forgetPointer();

signals:
    // The mouse came to the card.
    void mouseCame(int square);
    // The focus came to the card.
    void focusCame(int square);
    // An arrow key was pressed on the card.
    void arrowPressed(int square, int key);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    int square_;
    Face face_;
    bool hovered_ = false;
};

} // namespace tycora::ui
