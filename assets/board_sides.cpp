// The 36 squares along the board's sides: streets with their colour strip,
// stations, utilities, the card squares and the two taxes.

#include "assets/art_kit.h"
#include "assets/board_icons.h"
#include "assets/board_parts.h"

#include <QPainter>

namespace tycora::art::board {

using namespace kit;

namespace {

enum class Kind { Street, Station, Electric, Water, Chance, Chest, IncomeTax, SuperTax };

struct Square {
    Kind kind;
    int group;          // colour group of a street, -1 otherwise
    const char *lines;  // printed name, lines parted by '|'
    int price;          // 0 when no price is printed
};

// Indexed by square number; corners are drawn elsewhere.
const Square &squareInfo(int n)
{
    static const Square table[40] = {
        {Kind::Street, -1, "", 0},
        {Kind::Street, 0, "OLD KENT|ROAD", 60},
        {Kind::Chest, -1, "COMMUNITY|CHEST", 0},
        {Kind::Street, 0, "WHITECHAPEL|ROAD", 60},
        {Kind::IncomeTax, -1, "INCOME|TAX", 200},
        {Kind::Station, -1, "KING'S CROSS|STATION", 200},
        {Kind::Street, 1, "THE ANGEL|ISLINGTON", 100},
        {Kind::Chance, -1, "CHANCE", 0},
        {Kind::Street, 1, "EUSTON|ROAD", 100},
        {Kind::Street, 1, "PENTONVILLE|ROAD", 120},
        {Kind::Street, -1, "", 0},
        {Kind::Street, 2, "PALL MALL", 140},
        {Kind::Electric, -1, "ELECTRIC|COMPANY", 150},
        {Kind::Street, 2, "WHITEHALL", 140},
        {Kind::Street, 2, "NORTHUMBERLAND|AVENUE", 160},
        {Kind::Station, -1, "MARYLEBONE|STATION", 200},
        {Kind::Street, 3, "BOW|STREET", 180},
        {Kind::Chest, -1, "COMMUNITY|CHEST", 0},
        {Kind::Street, 3, "MARLBOROUGH|STREET", 180},
        {Kind::Street, 3, "VINE|STREET", 200},
        {Kind::Street, -1, "", 0},
        {Kind::Street, 4, "STRAND", 220},
        {Kind::Chance, -1, "CHANCE", 0},
        {Kind::Street, 4, "FLEET|STREET", 220},
        {Kind::Street, 4, "TRAFALGAR|SQUARE", 220},
        {Kind::Station, -1, "FENCHURCH|STREET|STATION", 200},
        {Kind::Street, 5, "LEICESTER|SQUARE", 260},
        {Kind::Street, 5, "COVENTRY|STREET", 260},
        {Kind::Water, -1, "WATER|WORKS", 150},
        {Kind::Street, 5, "PICCADILLY", 280},
        {Kind::Street, -1, "", 0},
        {Kind::Street, 6, "REGENT|STREET", 300},
        {Kind::Street, 6, "OXFORD|STREET", 300},
        {Kind::Chest, -1, "COMMUNITY|CHEST", 0},
        {Kind::Street, 6, "BOND|STREET", 320},
        {Kind::Station, -1, "LIVERPOOL|STREET|STATION", 200},
        {Kind::Chance, -1, "CHANCE", 0},
        {Kind::Street, 7, "PARK|LANE", 350},
        {Kind::SuperTax, -1, "SUPER|TAX", 100},
        {Kind::Street, 7, "MAYFAIR", 400},
    };
    return table[n];
}

// Rows of the upright canvas.
constexpr qreal StripBottom = 18.5;              // colour strip 0..18, its rule on row 18
const QRectF StreetName(2.5, 21, 57, 14);        // between the strip and the piece place
const QRectF PlainName(2.5, 9.5, 57, 22);        // below the banner slot on squares without a strip
const QRectF Picture(8, 34.5, 46, 29);           // the drawing, under the piece place
const QRectF BottomLine(3, 66.5, 56, 7.5);       // price or tax at the outer edge

constexpr qreal NameCap = 5.6;

QStringList nameLines(const Square &s) { return QString::fromLatin1(s.lines).split(QLatin1Char('|')); }

void printName(QPainter &p, const QRectF &box, const QStringList &lines, qreal cap = NameCap)
{
    TextFit fit;
    fit.capHeight = cap;
    fit.lineGap = 0.42;
    fit.minCondense = 0.66;
    textBlock(p, box, lines, fit, ink());
}

void printBottom(QPainter &p, const QString &text)
{
    TextFit fit;
    fit.capHeight = 6.2;
    fit.minCondense = 0.8;
    textBlock(p, BottomLine, {text}, fit, ink());
}

QString pounds(int amount) { return QStringLiteral("£%1").arg(amount); }

void paintStreet(QPainter &p, const Square &s)
{
    const QColor colour = groupColour(s.group);
    QLinearGradient strip(0, 0, 0, StripBottom);
    strip.setColorAt(0, lighter(colour, 18));
    strip.setColorAt(1, darker(colour, 6));
    p.fillRect(QRectF(0.5, 0.5, SideWidth - 1, StripBottom), strip);
    p.setPen(outline(1.0));
    p.drawLine(QPointF(0, StripBottom), QPointF(SideWidth, StripBottom));
    printName(p, StreetName, nameLines(s));
    printBottom(p, pounds(s.price));
}

void paintStation(QPainter &p, const Square &s)
{
    const QStringList lines = nameLines(s);
    printName(p, PlainName, lines, lines.size() > 2 ? 5.2 : NameCap);
    icons::locomotive(p, Picture.adjusted(0, 2, 0, -1));
    printBottom(p, pounds(s.price));
}

void paintChance(QPainter &p, int square)
{
    // Each Chance square has its own colour of question mark.
    const QColor colour = square == 7 ? QColor(226, 62, 40) : square == 22 ? QColor(30, 90, 200) : QColor(240, 140, 0);
    printName(p, QRectF(2.5, 9.5, 57, 8), {QStringLiteral("CHANCE")}, 7);
    icons::questionMark(p, QRectF(12, 21, 38, 44), colour);
}

void paintChest(QPainter &p)
{
    printName(p, QRectF(2.5, 9.5, 57, 8), {QStringLiteral("COMMUNITY")}, 6.4);
    icons::treasureChest(p, QRectF(7, 24, 48, 37));
    printName(p, BottomLine, {QStringLiteral("CHEST")}, 6.4);
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

void paintSide(QPainter &p, int square)
{
    const Square &s = squareInfo(square);
    paintGround(p, SideWidth, SideDepth);
    switch (s.kind) {
    case Kind::Street: paintStreet(p, s); break;
    case Kind::Station: paintStation(p, s); break;
    case Kind::Electric:
        printName(p, PlainName, nameLines(s));
        icons::lightBulb(p, Picture.adjusted(0, 0, 0, 1));
        printBottom(p, pounds(s.price));
        break;
    case Kind::Water:
        printName(p, PlainName, nameLines(s));
        icons::waterTap(p, Picture.adjusted(2, 1, -2, 0));
        printBottom(p, pounds(s.price));
        break;
    case Kind::Chance: paintChance(p, square); break;
    case Kind::Chest: paintChest(p); break;
    case Kind::IncomeTax:
        printName(p, PlainName, nameLines(s));
        icons::poundCoin(p, Picture.adjusted(6, 1, -6, -1));
        printBottom(p, QStringLiteral("PAY ") + pounds(s.price));
        break;
    case Kind::SuperTax:
        printName(p, PlainName, nameLines(s));
        icons::diamondRing(p, Picture.adjusted(4, 0, -4, 0));
        printBottom(p, QStringLiteral("PAY ") + pounds(s.price));
        break;
    }
    // The outline goes on last so the strip never covers it.
    p.setBrush(Qt::NoBrush);
    QPen edge = outline(1.0);
    edge.setJoinStyle(Qt::MiterJoin);
    p.setPen(edge);
    p.drawRect(QRectF(0.5, 0.5, SideWidth - 1, SideDepth - 1));
}

} // namespace tycora::art::board
