// The faces of the Chance and Community Chest cards, in deck order. A face
// whose card does nothing in play says so in small letters, so that no face
// promises a payment the game does not make.

#include "assets/art_catalog.h"
#include "assets/art_kit.h"
#include "assets/board_icons.h"
#include "assets/card_icons.h"

#include <QPainter>

#include <array>
#include <functional>

namespace tycora::art {

using namespace kit;

namespace {

using Drawing = std::function<void(QPainter &, const QRectF &)>;

struct Face {
    const char *text;   // the instruction; '\n' forces a line break
    bool acts;          // false: the card has no effect in this game
    Drawing drawing;
};

Drawing sign(QStringList name)
{
    return [name](QPainter &p, const QRectF &box) { cardicons::streetSign(p, box, name); };
}

const std::array<Face, 14> &chanceFaces()
{
    static const std::array<Face, 14> faces = {{
        {"ADVANCE TO MAYFAIR", true, sign({QStringLiteral("MAYFAIR")})},
        {"ADVANCE TO PALL MALL", true, sign({QStringLiteral("PALL MALL")})},
        {"ADVANCE TO THE NEAREST STATION", true, icons::locomotive},
        {"ADVANCE TO GO,\nCOLLECT £200", true, cardicons::goArrow},
        {"ADVANCE TO TRAFALGAR SQUARE", true, sign({QStringLiteral("TRAFALGAR"), QStringLiteral("SQUARE")})},
        {"ADVANCE TO THE NEAREST UTILITY", true, cardicons::utilities},
        {"GO BACK 3 SPACES", true, cardicons::backThree},
        {"THE BANK PAYS YOU A DIVIDEND OF £50", true, cardicons::coinStack},
        {"YOUR BUILDING LOAN MATURES: COLLECT £100", true, cardicons::banknote},
        {"GO DIRECTLY TO JAIL", true, cardicons::jailWindow},
        {"REPAIRS TO ALL YOUR PROPERTY: PAY £25 FOR EACH HOUSE AND £100 FOR EACH HOTEL", false, cardicons::repairs},
        {"PAY A POOR TAX OF £15", true, cardicons::moneyBag},
        {"TAKE A TRIP TO MARYLEBONE STATION", false, cardicons::railTicket},
        {"GET OUT OF JAIL FREE.\nKEEP THIS CARD UNTIL YOU NEED IT", false, cardicons::key},
    }};
    return faces;
}

const std::array<Face, 14> &communityFaces()
{
    static const std::array<Face, 14> faces = {{
        {"ADVANCE TO GO,\nCOLLECT £200", true, cardicons::goArrow},
        {"GO BACK TO OLD KENT ROAD", false, sign({QStringLiteral("OLD KENT"), QStringLiteral("ROAD")})},
        {"A BANK ERROR IN YOUR FAVOUR: COLLECT £200", false, cardicons::banknote},
        {"SECOND PRIZE IN A BEAUTY CONTEST: COLLECT £10", false, cardicons::rosette},
        {"DOCTOR'S FEE: PAY £50", false, cardicons::medicalCross},
        {"YOU INHERIT £100", false, cardicons::scroll},
        {"YOUR LIFE INSURANCE MATURES: COLLECT £100", false, cardicons::coinStack},
        {"PAY THE HOSPITAL £100", false, cardicons::medicalCross},
        {"FROM THE SALE OF STOCK YOU GET £50", false, cardicons::scroll},
        {"PAY YOUR SCHOOL TAX OF £150", false, cardicons::schoolBook},
        {"YOU ARE ASSESSED FOR STREET REPAIRS: £40 A HOUSE, £115 A HOTEL", false, cardicons::repairs},
        {"INCOME TAX REFUND: COLLECT £20", false, cardicons::banknote},
        {"YOUR CHRISTMAS FUND MATURES: COLLECT £100", false, cardicons::giftBox},
        {"GET OUT OF JAIL FREE.\nKEEP THIS CARD UNTIL YOU NEED IT", false, cardicons::key},
    }};
    return faces;
}

struct Deck {
    const char *title;
    QColor ground;
    QColor accent;   // the title and the border
};

const Deck ChanceDeck{"CHANCE", QColor(250, 170, 150), QColor(150, 30, 24)};
const Deck CommunityDeck{"COMMUNITY CHEST", QColor(255, 248, 190), QColor(28, 62, 140)};

constexpr QSizeF CardSize(275, 140);

void paintFace(QPainter &p, const QRectF &r, const Deck &deck, const Face &face)
{
    mapDesign(p, r, CardSize);

    // Ground and a double border.
    const QRectF card(0.5, 0.5, CardSize.width() - 1, CardSize.height() - 1);
    p.setPen(outline(1.0));
    p.setBrush(deck.ground);
    p.drawRoundedRect(card, 7, 7);
    p.setPen(outline(1.6, deck.accent));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(card.adjusted(5, 5, -5, -5), 4, 4);
    p.setPen(outline(0.7, deck.accent));
    p.drawRoundedRect(card.adjusted(8, 8, -8, -8), 2.5, 2.5);

    // The deck's name with a rule under it.
    TextFit title;
    title.capHeight = 12;
    textBlock(p, QRectF(20, 14, 235, 12), {QString::fromLatin1(deck.title)}, title, deck.accent);
    p.setPen(outline(1.0, deck.accent));
    p.drawLine(QPointF(60, 32.5), QPointF(215, 32.5));

    // The drawing on the left, the instruction on the right.
    face.drawing(p, QRectF(18, 40, 72, 72));

    const QRectF textBox(100, 40, 160, face.acts ? 78 : 66);
    TextFit fit;
    fit.lineGap = 0.5;
    fit.minCondense = 0.92;
    const QString text = QString::fromUtf8(face.text);
    const Wrapped wrapped = wrapToFit(text, textBox, 10, 6, fit);
    fit.capHeight = wrapped.capHeight;
    textBlock(p, textBox, wrapped.lines, fit, ink());

    if (!face.acts) {
        TextFit note;
        note.capHeight = 5.2;
        textBlock(p, QRectF(100, 113, 160, 6), {QStringLiteral("NO EFFECT IN THIS GAME")}, note,
                  darker(deck.accent, 10));
    }
}

std::array<Art, 14> makeDeck(const Deck &deck, const std::array<Face, 14> &faces, const char *prefix)
{
    std::array<Art, 14> made;
    for (int i = 0; i < 14; ++i) {
        const Face &face = faces[i];
        made[i] = Art(QStringLiteral("%1:%2").arg(QLatin1String(prefix)).arg(i + 1), {275, 140},
                      [&deck, &face](QPainter &p, const QRectF &r) { paintFace(p, r, deck, face); });
    }
    return made;
}

} // namespace

const Art &chanceCard(int number)
{
    static const std::array<Art, 14> cards = makeDeck(ChanceDeck, chanceFaces(), "chance");
    return inRange(number, 1, 14) ? cards[number - 1] : none();
}

const Art &communityCard(int number)
{
    static const std::array<Art, 14> cards = makeDeck(CommunityDeck, communityFaces(), "community");
    return inRange(number, 1, 14) ? cards[number - 1] : none();
}

} // namespace tycora::art
