// The 36 squares along the board's sides: streets with their colour strip,
// stations, utilities, the card squares and the two taxes. What each square
// is, its name, colour group, price and tax come from the board table; the
// names are printed in capitals, broken into lines so that they come out
// as large as the square allows.

#include "assets/art_kit.h"
#include "assets/board_icons.h"
#include "assets/board_parts.h"
#include "game/square_table.h"
#include "toolkit/game_text.h"

#include <QCoreApplication>
#include <QPainter>

#include <algorithm>

namespace tycora::art::board {

using namespace kit;

namespace {

// Rows of the upright canvas, where a unit is a pixel on the board. The
// outline takes the outermost pixel all round; print keeps two pixels
// clear of it at the sides and one of the strip's rule.
constexpr qreal StripBottom = 18.5;                 // colour strip 0..18, its rule on row 18
// A street's name starts below the houses, which stand on the strip's rule
// and reach down to row 22.
const QRectF StreetName(3.5, 23.5, 55, 19.5);       // under the houses, two lines at full size
const QRectF PlainName(3.5, 9.5, 55, 26.5);         // under the banner slot, on squares without a strip
const QRectF Picture(8, 37, 46, 27);                // the drawing, above the price
const QRectF BottomLine(3.5, 65.5, 55, 9);          // price or tax at the outer edge
const QRectF CardTitle(3.5, 9.5, 55, 10);           // the card squares' one-line titles

constexpr qreal NameCap = 8;      // the largest cap height of a name
constexpr qreal PriceCap = 7.5;

// The board's name for a square, in capitals.
QString titleOf(const SquareInfo &square)
{
    return ui::qtext(square.title).toUpper();
}

TextFit printFit(qreal cap)
{
    TextFit fit;
    fit.capHeight = cap;
    fit.lineGap = 0.35;
    fit.minCondense = 0.6;
    return fit;
}

void printLines(QPainter &p, const QRectF &box, const Wrapped &wrapped)
{
    TextFit fit = printFit(wrapped.capHeight);
    textBlock(p, box, wrapped.lines, fit, ink());
}

// Where a square's name goes.
QRectF nameBox(const SquareInfo &s)
{
    switch (s.kind) {
    case SquareKind::Street: return StreetName;
    case SquareKind::Chance:
    case SquareKind::CommunityChest: return CardTitle;
    default: return PlainName;
    }
}

// The card squares' names stand on one line each: Community Chest's first
// words above the chest, its last word below it, both the same size.
Wrapped cardName(const SquareInfo &s)
{
    QStringList words = titleOf(s).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QString last = s.kind == SquareKind::CommunityChest && words.size() > 1 ? words.takeLast() : QString();
    Wrapped name{{words.join(QLatin1Char(' '))}, largestLines(words.join(QLatin1Char(' ')), CardTitle, printFit(NameCap), 1).capHeight};
    if (!last.isEmpty()) {
        name.lines << last;
        name.capHeight = std::min(name.capHeight, largestLines(last, BottomLine, printFit(NameCap), 1).capHeight);
    }
    return name;
}

void printBottom(QPainter &p, const QString &text) { textBlock(p, BottomLine, {text}, printFit(PriceCap), ink()); }

void paintStreet(QPainter &p, const SquareInfo &s, const Wrapped &name)
{
    const QColor colour = groupColour(s.group);
    QLinearGradient strip(0, 0, 0, StripBottom);
    strip.setColorAt(0, lighter(colour, 18));
    strip.setColorAt(1, darker(colour, 6));
    p.fillRect(QRectF(0.5, 0.5, SideWidth - 1, StripBottom), strip);
    p.setPen(outline(1.0));
    p.drawLine(QPointF(0, StripBottom), QPointF(SideWidth, StripBottom));
    printLines(p, StreetName, name);
    printBottom(p, ui::qmoney(s.price));
}

void paintStation(QPainter &p, const SquareInfo &s, const Wrapped &name)
{
    printLines(p, PlainName, name);
    icons::locomotive(p, Picture);
    printBottom(p, ui::qmoney(s.price));
}

void paintUtility(QPainter &p, const SquareInfo &s, int square, const Wrapped &name)
{
    printLines(p, PlainName, name);
    if (indexInItsSet(square) == 0)
        icons::lightBulb(p, Picture);
    else
        icons::waterTap(p, Picture.adjusted(2, 0, -2, 0));
    printBottom(p, ui::qmoney(s.price));
}

void paintTax(QPainter &p, const SquareInfo &s, int square, const Wrapped &name)
{
    printLines(p, PlainName, name);
    if (indexInItsSet(square) == 0)
        icons::poundCoin(p, Picture.adjusted(6, 0, -6, 0));
    else
        icons::diamondRing(p, Picture.adjusted(4, 0, -4, 0));
    printBottom(p, QCoreApplication::translate("BoardArt", "PAY %1").arg(ui::qmoney(s.tax)));
}

void paintChance(QPainter &p, int square, const Wrapped &name)
{
    // Each Chance square has its own colour of question mark.
    static const QColor marks[] = {QColor(226, 62, 40), QColor(30, 90, 200), QColor(240, 140, 0)};
    printLines(p, CardTitle, name);
    icons::questionMark(p, QRectF(12, 22, 38, 43), marks[indexInItsSet(square) % 3]);
}

void paintChest(QPainter &p, const Wrapped &name)
{
    printLines(p, CardTitle, {name.lines.mid(0, 1), name.capHeight});
    icons::treasureChest(p, QRectF(7, 24, 48, 37));
    if (name.lines.size() > 1)
        printLines(p, BottomLine, {name.lines.mid(1), name.capHeight});
}

} // namespace

void paintGround(QPainter &p, qreal width, qreal height)
{
    p.fillRect(QRectF(0, 0, width, height), boardGreen());
    p.setBrush(Qt::NoBrush);
    QPen edge = outline(1.0);
    edge.setJoinStyle(Qt::MiterJoin);
    p.setPen(edge);
    p.drawRect(QRectF(0.5, 0.5, width - 1, height - 1));
}

Wrapped sideName(int square)
{
    const SquareInfo &s = squareInfo(square);
    if (s.kind == SquareKind::Chance || s.kind == SquareKind::CommunityChest)
        return cardName(s);
    return largestLines(titleOf(s), nameBox(s), printFit(NameCap), 3);
}

void paintSide(QPainter &p, int square)
{
    const SquareInfo &s = squareInfo(square);
    const Wrapped name = sideName(square);
    paintGround(p, SideWidth, SideDepth);
    switch (s.kind) {
    case SquareKind::Street: paintStreet(p, s, name); break;
    case SquareKind::Station: paintStation(p, s, name); break;
    case SquareKind::Utility: paintUtility(p, s, square, name); break;
    case SquareKind::Tax: paintTax(p, s, square, name); break;
    case SquareKind::Chance: paintChance(p, square, name); break;
    case SquareKind::CommunityChest: paintChest(p, name); break;
    default: printLines(p, PlainName, name); break;
    }
    // The outline goes on last so the strip never covers it.
    p.setBrush(Qt::NoBrush);
    QPen edge = outline(1.0);
    edge.setJoinStyle(Qt::MiterJoin);
    p.setPen(edge);
    p.drawRect(QRectF(0.5, 0.5, SideWidth - 1, SideDepth - 1));
}

} // namespace tycora::art::board
