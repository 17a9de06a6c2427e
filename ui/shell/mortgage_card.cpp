#include "ui/shell/mortgage_card.h"

#include "toolkit/fonts.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace tycora::ui {

namespace {

const QRectF PicturePlace(7, 5, 27, 32);
constexpr int TextLeft = 42;
constexpr int Padding = 7;

const QColor Ink(24, 24, 24);
const QColor Muted(96, 104, 98);
const QColor MortgageRed(190, 0, 0);
const QColor FocusBlue(0, 84, 190);

} // namespace

MortgageCard::MortgageCard(QWidget *parent, int square) : QAbstractButton(parent), square_(square)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
    setMouseTracking(true);
    resize(sizeHint());
}

QSize MortgageCard::sizeHint() const { return {Width, Height}; }

void MortgageCard::setFace(const Face &face)
{
    face_ = face;
    setText(face.name);
    setAccessibleName(face.name);
    setAccessibleDescription(face.state + QStringLiteral(". ") + face.action);
    setCursor(face.choosable ? Qt::PointingHandCursor : Qt::ArrowCursor);
    update();
}

void MortgageCard::forgetPointer()
{
    if (hovered_) {
        hovered_ = false;
        update();
    }
}

void MortgageCard::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);

    // A card that may be chosen is white (pale yellow under the mouse); one
    // that may not is grey-green and its words are muted.
    QColor ground = face_.choosable ? QColor(Qt::white) : QColor(226, 232, 227);
    if (face_.choosable && hovered_)
        ground = QColor(255, 246, 196);
    const bool focused = hasFocus();
    const qreal rim = focused ? 2.5 : 1.0;
    p.setPen(QPen(focused ? FocusBlue : (face_.choosable ? Ink : QColor(150, 158, 152)), rim));
    p.setBrush(ground);
    p.drawRoundedRect(QRectF(rect()).adjusted(rim / 2, rim / 2, -rim / 2, -rim / 2), 5, 5);

    face_.picture.paint(p, PicturePlace);

    const QColor words = face_.choosable ? Ink : Muted;
    const int right = width() - Padding;
    const QRect top(TextLeft, 4, right - TextLeft, 17);
    const QRect bottom(TextLeft, 21, right - TextLeft, 17);

    // The name on the first line; under it what choosing the card does, and
    // at the right its state, red while mortgaged.
    const QFont bold = tahoma(8.25, true);
    p.setFont(bold);
    p.setPen(words);
    p.drawText(top, Qt::AlignLeft | Qt::AlignVCenter,
               QFontMetrics(bold).elidedText(face_.name, Qt::ElideRight, top.width()));

    p.setFont(face_.mortgaged ? bold : tahoma(8.25));
    const int stateWidth = p.fontMetrics().horizontalAdvance(face_.state);
    p.setPen(face_.mortgaged ? MortgageRed : Muted);
    p.drawText(bottom, Qt::AlignRight | Qt::AlignVCenter, face_.state);
    p.setFont(tahoma(8.25));
    p.setPen(words);
    p.drawText(bottom.adjusted(0, 0, -(stateWidth + 8), 0), Qt::AlignLeft | Qt::AlignVCenter,
               p.fontMetrics().elidedText(face_.action, Qt::ElideRight, bottom.width() - stateWidth - 8));
}

void MortgageCard::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat())
            click();
        return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        emit arrowPressed(square_, event->key());
        return;
    default:
        QAbstractButton::keyPressEvent(event);
    }
}

void MortgageCard::mouseMoveEvent(QMouseEvent *event)
{
    QAbstractButton::mouseMoveEvent(event);
    // A pointer already over the card when the window opened never
    // entered it: the move counts as pointing too.
    if (!hovered_) {
        hovered_ = true;
        update();
    }
    emit mouseCame(square_);
    // Kept from the window, whose background moves show the focused card's note.
    event->accept();
}

void MortgageCard::enterEvent(QEnterEvent *event)
{
    hovered_ = true;
    update();
    emit mouseCame(square_);
    QAbstractButton::enterEvent(event);
}

void MortgageCard::leaveEvent(QEvent *event)
{
    forgetPointer();
    QAbstractButton::leaveEvent(event);
}

void MortgageCard::focusInEvent(QFocusEvent *event)
{
    emit focusCame(square_);
    QAbstractButton::focusInEvent(event);
}

void MortgageCard::focusOutEvent(QFocusEvent *event)
{
    update();
    QAbstractButton::focusOutEvent(event);
}

} // namespace tycora::ui
