#include "ui/shell/frm_mortgage.h"

#include "assets/full_rules_art.h"
#include "assets/game_pictures.h"
#include "game/board.h"
#include "game/square_table.h"
#include "ui/toolkit/command_button.h"
#include "ui/toolkit/fonts.h"
#include "ui/toolkit/label.h"
#include "ui/toolkit/picture.h"
#include "ui/toolkit/shape.h"
#include "ui/toolkit/twips.h"

#include <QMouseEvent>

#include <algorithm>
#include <functional>

namespace tycora::ui {

namespace {

// Each card place is the size of one mortgage card picture.
constexpr int CardWidth = 405;
constexpr int CardHeight = 480;
constexpr int FirstColumn = 2460;
constexpr int ColumnPitch = 585;
constexpr int FirstRow = 4035;
constexpr int RowPitch = 210;

Shape *cardOutline(QWidget *parent, int left, int top, bool paleInside)
{
    auto *shape = new Shape(parent, Shape::Kind::RoundedRectangle);
    shape->setBorderColour(Qt::black);
    shape->setFillStyle(Shape::FillStyle::Transparent);
    shape->setBackColour(boardGreen());
    shape->setBackOpaque(paleInside);
    place(shape, left, top, CardWidth, CardHeight);
    return shape;
}

// A card that reports a click on it.
class CardPicture final : public Picture {
public:
    CardPicture(QWidget *parent, int square, std::function<void(int)> clicked)
        : Picture(parent, square), clicked_(std::move(clicked))
    {
    }

protected:
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            clicked_(index());
    }

private:
    std::function<void(int)> clicked_;
};

// The column of a deed (the colour groups, then the stations, then the
// utilities) and its row in that column, in board order.
struct CardSpot {
    int column = -1;
    int row = 0;
};

CardSpot spotOf(int square)
{
    const SquareInfo &info = squareInfo(square);
    int column = -1;
    switch (info.kind) {
    case SquareKind::Street: column = info.group; break;
    case SquareKind::Station: column = GroupCount; break;
    case SquareKind::Utility: column = GroupCount + 1; break;
    default: return {};
    }
    return {column, indexInItsSet(square)};
}

Art deedCard(int square, bool held, bool mortgaged)
{
    const auto &cards = art::GamePictures::instance().imgsMortgage;
    if (!held)
        return cards.picture(1);
    Art card;
    switch (squareInfo(square).kind) {
    case SquareKind::Street: card = cards.picture(2 + groupOf(square)); break;
    case SquareKind::Station: card = art::stationMortgageCard(); break;
    default: card = art::utilityMortgageCard(square == squares::ElectricCompany); break;
    }
    return mortgaged ? art::mortgagedCard(card) : card;
}

} // namespace

FrmMortgage::FrmMortgage(QWidget *parent) : Form(parent)
{
    setWindowTitle(QStringLiteral("Mortgage Property"));
    setClientSizeTwips(8670, 6855);
    setBackColour(boardGreen());
    setFont(tahoma(8.25));

    // Created top to bottom, so each card lies over the one above it.
    shpProperty.add(1, cardOutline(this, 2460, 4035, false));
    shpProperty.add(3, cardOutline(this, 2460, 4245, true));
    shpProperty.add(6, cardOutline(this, 3045, 4035, true));
    shpProperty.add(8, cardOutline(this, 3045, 4245, true));
    shpProperty.add(9, cardOutline(this, 3045, 4455, true));
    Shape3 = cardOutline(this, 4380, 2670, false);

    // The cards lie over their places, each column top to bottom.
    for (const int square : ownableSquares()) {
        auto *card = new CardPicture(this, square, [this](int chosen) {
            const auto it = std::find_if(deeds_.begin(), deeds_.end(), [chosen](const Deed &d) { return d.square == chosen; });
            if (it != deeds_.end() && it->choosable)
                emit deedChosen(chosen);
        });
        card->setObjectName(QStringLiteral("imgMortgageCard%1").arg(square));
        const QRect at = cardPlace(square);
        place(card, at.x(), at.y(), at.width(), at.height());
        connect(card, &Picture::mouseMoved, this, &FrmMortgage::pointAt);
        imgMortgageCard.add(square, card);
    }

    lblHeading = new Label(this);
    lblHeading->setObjectName(QStringLiteral("lblHeading"));
    lblHeading->setFont(tahoma(9.75, true));
    lblHeading->setWordWrap(true);
    place(lblHeading, 360, 600, 7950, 600);

    lblDeed = new Label(this);
    lblDeed->setObjectName(QStringLiteral("lblDeed"));
    lblDeed->setWordWrap(true);
    lblDeed->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(lblDeed, 360, 5280, 6600, 900);

    cmdClose = new CommandButton(QStringLiteral("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    place(cmdClose, 7170, 6240, 1150, 375);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    connect(this, &Form::backgroundMouseMoved, this, &FrmMortgage::showOffers);
}

QRect FrmMortgage::cardPlace(int square)
{
    if (square < 0 || square >= BoardSize)
        return {};
    const CardSpot spot = spotOf(square);
    if (spot.column < 0)
        return {};
    return {FirstColumn + ColumnPitch * spot.column, FirstRow + RowPitch * spot.row, CardWidth, CardHeight};
}

void FrmMortgage::showDeeds(const QString &heading, const std::vector<Deed> &deeds)
{
    deeds_ = deeds;
    lblHeading->setCaption(heading);
    showOffers();
    imgMortgageCard.forEach([this](int square, Picture *card) {
        const auto it = std::find_if(deeds_.begin(), deeds_.end(), [square](const Deed &d) { return d.square == square; });
        const bool held = it != deeds_.end() && it->held;
        card->setPicture(deedCard(square, held, held && it->mortgaged));
        card->setToolTip(it != deeds_.end() ? it->note : QString());
        card->setCursor(it != deeds_.end() && it->choosable ? Qt::PointingHandCursor : Qt::ArrowCursor);
    });
}

void FrmMortgage::showOffers()
{
    QStringList offers;
    for (const Deed &d : deeds_)
        if (d.choosable && !d.offer.isEmpty())
            offers << d.offer;
    lblDeed->setCaption(offers.join(QStringLiteral(",  ")));
}

void FrmMortgage::pointAt(int square)
{
    const auto it = std::find_if(deeds_.begin(), deeds_.end(), [square](const Deed &d) { return d.square == square; });
    lblDeed->setCaption(it != deeds_.end() ? it->note : QString());
}

} // namespace tycora::ui
