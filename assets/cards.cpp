// The faces of the Chance and Community Chest cards, in deck order. The
// instructions are the card table's own; each face pairs one with a
// drawing. Under Classic rules a face whose card does nothing in play says
// so in small letters, so that no face promises a payment the game does not
// make; under Full rules every card acts and no face carries that note.

#include "assets/art_catalog.h"
#include "assets/art_kit.h"
#include "assets/board_icons.h"
#include "assets/card_icons.h"
#include "game/card_table.h"
#include "game/game_options.h"
#include "toolkit/game_text.h"

#include <QCoreApplication>
#include <QPainter>

#include <array>
#include <functional>

namespace tycora::art {

using namespace kit;

namespace {

using Drawing = std::function<void(QPainter &, const QRectF &)>;

struct Face {
    std::string text;        // the instruction; '\n' forces a line break
    bool acts;               // false: the card has no effect in this game
    Drawing drawing;
};

Drawing sign(QStringList name)
{
    return [name](QPainter &p, const QRectF &box) { cardicons::streetSign(p, box, name); };
}

// The drawing beside each card's instruction, in the order of the deck.
const std::array<Drawing, CardsPerDeck> &chanceDrawings()
{
    static const std::array<Drawing, CardsPerDeck> drawings = {{
        sign({QStringLiteral("MAYFAIR")}),
        sign({QStringLiteral("PALL MALL")}),
        icons::locomotive,
        cardicons::goArrow,
        sign({QStringLiteral("TRAFALGAR"), QStringLiteral("SQUARE")}),
        cardicons::utilities,
        cardicons::backThree,
        cardicons::coinStack,
        cardicons::banknote,
        cardicons::jailWindow,
        cardicons::repairs,
        cardicons::moneyBag,
        cardicons::railTicket,
        cardicons::key,
    }};
    return drawings;
}

const std::array<Drawing, CardsPerDeck> &communityDrawings()
{
    static const std::array<Drawing, CardsPerDeck> drawings = {{
        cardicons::goArrow,
        sign({QStringLiteral("OLD KENT"), QStringLiteral("ROAD")}),
        cardicons::banknote,
        cardicons::rosette,
        cardicons::medicalCross,
        cardicons::scroll,
        cardicons::coinStack,
        cardicons::medicalCross,
        cardicons::scroll,
        cardicons::schoolBook,
        cardicons::repairs,
        cardicons::banknote,
        cardicons::giftBox,
        cardicons::key,
    }};
    return drawings;
}

// Each card of the deck with its instruction, whether it acts under the
// rule set, and its drawing.
std::array<Face, CardsPerDeck> facesOf(Deck deck, RuleSet rules)
{
    const auto &cards = deckCards(deck);
    const auto &drawings = deck == Deck::Chance ? chanceDrawings() : communityDrawings();
    std::array<Face, CardsPerDeck> faces;
    for (int i = 0; i < CardsPerDeck; ++i) {
        const CardEffect &effect = rules == RuleSet::Full ? cards[i].full : cards[i].classic;
        faces[i] = {cardFace(cards[i]), effect.kind != CardEffect::Kind::None, drawings[i]};
    }
    return faces;
}

struct DeckLook {
    const char *title;
    QColor ground;
    QColor accent;   // the title and the border
};

const DeckLook ChanceDeck{"CHANCE", QColor(250, 170, 150), QColor(150, 30, 24)};
const DeckLook CommunityDeck{"COMMUNITY CHEST", QColor(255, 248, 190), QColor(28, 62, 140)};

constexpr QSizeF CardSize(275, 140);

void paintFace(QPainter &p, const QRectF &r, const DeckLook &deck, const Face &face)
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
    const QString text = ui::qtext(face.text);
    const Wrapped wrapped = wrapToFit(text, textBox, 10, 6, fit);
    fit.capHeight = wrapped.capHeight;
    textBlock(p, textBox, wrapped.lines, fit, ink());

    if (!face.acts) {
        TextFit note;
        note.capHeight = 5.2;
        textBlock(p, QRectF(100, 113, 160, 6), {QCoreApplication::translate("BoardArt", "NO EFFECT IN THIS GAME")},
                  note, darker(deck.accent, 10));
    }
}

std::array<Art, CardsPerDeck> makeDeck(Deck deck, RuleSet rules, const char *prefix)
{
    const DeckLook &look = deck == Deck::Chance ? ChanceDeck : CommunityDeck;
    const std::array<Face, CardsPerDeck> faces = facesOf(deck, rules);
    std::array<Art, CardsPerDeck> made;
    for (int i = 0; i < CardsPerDeck; ++i) {
        made[i] = Art(QStringLiteral("%1:%2").arg(QLatin1String(prefix)).arg(i + 1), {275, 140},
                      [&look, face = faces[i]](QPainter &p, const QRectF &r) { paintFace(p, r, look, face); });
    }
    return made;
}

} // namespace

const Art &chanceCard(int number)
{
    static const std::array<Art, CardsPerDeck> cards = makeDeck(Deck::Chance, RuleSet::Classic, "chance");
    return inRange(number, 1, CardsPerDeck) ? cards[number - 1] : none();
}

const Art &communityCard(int number)
{
    static const std::array<Art, CardsPerDeck> cards = makeDeck(Deck::CommunityChest, RuleSet::Classic, "community");
    return inRange(number, 1, CardsPerDeck) ? cards[number - 1] : none();
}

const Art &fullRulesCard(Deck deck, int number)
{
    static const std::array<Art, CardsPerDeck> chance = makeDeck(Deck::Chance, RuleSet::Full, "chance-full");
    static const std::array<Art, CardsPerDeck> community =
        makeDeck(Deck::CommunityChest, RuleSet::Full, "community-full");
    if (!inRange(number, 1, CardsPerDeck))
        return none();
    return (deck == Deck::Chance ? chance : community)[number - 1];
}

} // namespace tycora::art
