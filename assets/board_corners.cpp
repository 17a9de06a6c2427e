// The four corner squares, drawn as they lie on the board. Each corner
// keeps its piece place and the statistics sign in its outer corner clear
// of print:
//   GO           piece at 6..50 x 6..36,   sign at the bottom right
//   jail         piece at 0..44 x 47..77,  sign at the bottom left
//   Free Parking piece at 7..51 x 12..42,  sign at the top left
//   Go To Jail   piece at 26..70 x 12..42, sign at the top right

#include "assets/art_kit.h"
#include "assets/board_icons.h"
#include "assets/board_parts.h"
#include "game/square_table.h"
#include "toolkit/game_text.h"

#include <QCoreApplication>
#include <QPainter>

#include <string_view>
#include <utility>

namespace tycora::art::board {

using namespace kit;

namespace {

const QColor Red(214, 36, 30);

void print(QPainter &p, const QRectF &box, const QStringList &lines, qreal cap, const QColor &colour = ink(),
           Qt::Alignment align = Qt::AlignCenter)
{
    TextFit fit;
    fit.capHeight = cap;
    fit.lineGap = 0.4;
    fit.minCondense = 0.7;
    fit.align = align;
    textBlock(p, box, lines, fit, colour);
}

// The board's name for a corner, in capitals, as its words: "FREE PARKING"
// is printed above and below the picture.
QStringList titleWords(int square)
{
    const std::string_view title = squareInfo(square).title;
    return ui::qtext(title).toUpper().split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// All words but the last, and the last.
std::pair<QString, QString> headAndLast(QStringList words)
{
    const QString last = words.isEmpty() ? QString() : words.takeLast();
    return {words.join(QLatin1Char(' ')), last};
}

void paintGo(QPainter &p)
{
    // Beside the piece place: the salary, finished below it. The column is
    // narrow, so the words are squeezed rather than shrunk.
    TextFit narrow;
    narrow.minCondense = 0.72;
    narrow.capHeight = 5.8;
    const QRectF column(51.5, 6.5, 23.5, 30);
    textBlock(p, QRectF(column.left(), 7, column.width(), 6), {QCoreApplication::translate("BoardArt", "COLLECT")},
              narrow, ink());
    print(p, QRectF(column.left(), 15, column.width(), 9), {QStringLiteral("£200")}, 8.5, Red);
    textBlock(p, QRectF(column.left(), 26.5, column.width(), 6), {QCoreApplication::translate("BoardArt", "SALARY")},
              narrow, ink());
    print(p, QRectF(4, 38.5, 69, 7), {QCoreApplication::translate("BoardArt", "AS YOU PASS")}, 7);

    // A big arrow pointing the way of play (to the left), GO on its shaft.
    QPainterPath arrow;
    arrow.moveTo(3, 61);
    arrow.lineTo(22, 47.5);
    arrow.lineTo(22, 53);
    arrow.lineTo(67.5, 53);
    arrow.lineTo(67.5, 69.5);
    arrow.lineTo(22, 69.5);
    arrow.lineTo(22, 74.5);
    arrow.closeSubpath();
    QLinearGradient fill(0, 47, 0, 75);
    fill.setColorAt(0, lighter(Red, 25));
    fill.setColorAt(1, darker(Red, 15));
    p.setPen(outline(1.0));
    p.setBrush(fill);
    p.drawPath(arrow);

    TextFit fit;
    fit.capHeight = 12.5;
    fit.minCondense = 0.9;
    textBlock(p, QRectF(24, 54.5, 42, 13.5), {titleWords(0).join(QLatin1Char(' '))}, fit, Qt::white, outline(1.6));
}

void paintJail(QPainter &p)
{
    // The cell in the inner corner.
    const QRectF cell(25.5, 0.5, 51, 45.5);
    QLinearGradient orange(cell.topLeft(), cell.bottomLeft());
    orange.setColorAt(0, QColor(255, 170, 70));
    orange.setColorAt(1, QColor(236, 120, 30));
    p.setPen(outline(1.0));
    p.setBrush(orange);
    p.drawRect(cell);

    const QRectF window(31.5, 4.5, 39, 26.5);
    p.setBrush(QColor(52, 58, 66));
    p.drawRect(window);
    // A prisoner's face behind the bars.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(238, 196, 160));
    p.drawEllipse(QRectF(45, 11, 12, 14));
    p.setBrush(ink());
    p.drawEllipse(QPointF(48.6, 17), 0.9, 0.9);
    p.drawEllipse(QPointF(53.4, 17), 0.9, 0.9);
    p.setPen(outline(0.8));
    p.drawLine(QPointF(48.6, 21.5), QPointF(53.4, 21.5));
    // Bars.
    p.setPen(outline(1.6, QColor(200, 204, 210)));
    for (qreal x = 36; x < 70; x += 5.5)
        p.drawLine(QPointF(x, 5), QPointF(x, 30.5));
    p.setPen(outline(1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(window);

    print(p, QRectF(28, 33.5, 46, 9),
          {QCoreApplication::translate("BoardArt", "IN %1").arg(titleWords(10).join(QLatin1Char(' ')))}, 7.5);

    // Just visiting: the L-shaped walk round the cell, the words as large
    // as the narrow strips beside the cell and the piece place allow.
    TextFit walk;
    walk.minCondense = 0.75;
    walk.capHeight = 6.3;
    textBlock(p, QRectF(2.5, 13, 21.5, 8), {QCoreApplication::translate("BoardArt", "JUST")}, walk, ink());
    textBlock(p, QRectF(46, 56, 28.5, 8), {QCoreApplication::translate("BoardArt", "VISITING")}, walk, ink());
}

void paintFreeParking(QPainter &p)
{
    const auto [free, parking] = headAndLast(titleWords(20));
    print(p, QRectF(10, 2, 63, 9), {free}, 8);

    // A parking sign beside the piece place.
    const QRectF sign(54.5, 16, 19, 19);
    p.setPen(outline(1.0));
    p.setBrush(QColor(24, 84, 190));
    p.drawRoundedRect(sign, 3, 3);
    p.setPen(outline(0.8, Qt::white));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(sign.adjusted(1.8, 1.8, -1.8, -1.8), 2, 2);
    print(p, sign.adjusted(3, 3, -3, -3), {QStringLiteral("P")}, 12, Qt::white);

    icons::touringCar(p, QRectF(14, 42, 49, 21.5), Red);
    print(p, QRectF(4, 65, 69, 8.5), {parking}, 8);
}

void paintGoToJail(QPainter &p)
{
    const auto [goTo, jail] = headAndLast(titleWords(30));
    print(p, QRectF(4, 2, 63, 9), {goTo}, 8);

    // A policeman's hand pointing the way to the cell.
    QPainterPath arrow;
    arrow.moveTo(3, 29);
    arrow.lineTo(13, 19);
    arrow.lineTo(13, 25);
    arrow.lineTo(23.5, 25);
    arrow.lineTo(23.5, 33);
    arrow.lineTo(13, 33);
    arrow.lineTo(13, 39);
    arrow.closeSubpath();
    p.setPen(outline(1.0));
    p.setBrush(QColor(28, 38, 84));
    p.drawPath(arrow);

    icons::policeHelmet(p, QRectF(20, 41.5, 37, 21));
    // The J reaches below the line, so the word stands a little higher.
    print(p, QRectF(4, 63.5, 69, 8.5), {jail}, 8);
}

} // namespace

void paintCorner(QPainter &p, int square)
{
    paintGround(p, CornerSize, CornerSize);
    switch (square) {
    case 0: paintGo(p); break;
    case 10: paintJail(p); break;
    case 20: paintFreeParking(p); break;
    case 30: paintGoToJail(p); break;
    default: break;
    }
    p.setBrush(Qt::NoBrush);
    QPen edge = outline(1.0);
    edge.setJoinStyle(Qt::MiterJoin);
    p.setPen(edge);
    p.drawRect(QRectF(0.5, 0.5, CornerSize - 1, CornerSize - 1));
}

} // namespace tycora::art::board
