#include "ui/main/square_card.h"

#include "game/square_table.h"
#include "game/text.h"
#include "ui/main/control_names.h"
#include "ui/main/player_colours.h"
#include "toolkit/fonts.h"
#include "toolkit/label.h"
#include "toolkit/shape.h"
#include "toolkit/twips.h"
#include "toolkit/game_text.h"

#include <QCoreApplication>

namespace tycora::ui {

namespace {

// The right edge the figures of both cards line up on.
constexpr int FigureRight = 2880;

// Stations and utilities have no colour group; their strip is a dark slate.
const QColor UngroupedStrip(58, 64, 74);

QColor stripColour(const SquareInfo &square)
{
    if (square.kind == SquareKind::Station || square.kind == SquareKind::Utility)
        return UngroupedStrip;
    // A square without a deed has the strip of group 0, the group of an
    // empty deed.
    return GroupColour(square.kind == SquareKind::Street ? square.group : 0);
}

} // namespace

SquareCard::SquareCard(QWidget *window, int left, const Names &names) : Frame(window)
{
    named(this, QString::fromLatin1(names.card));
    setBorder(false);
    setBackColour(Qt::white);
    place(this, left, 6600, 3090, 3930);
    hide();

    auto *border = named(new Shape(this, Shape::Kind::Rectangle), QString::fromLatin1(names.border));
    place(border, 135, 135, 2835, 3675);

    strip_ = named(new Shape(this, Shape::Kind::Rectangle), QString::fromLatin1(names.strip));
    strip_->setBackOpaque(true);
    place(strip_, 270, 270, 2595, 630);

    title_ = named(new Label(this), QString::fromLatin1(names.title));
    title_->setFont(tahoma(9.75, true));
    title_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    place(title_, 270, 450, 2595, 300);
}

SquareCard::RowLabels SquareCard::addRow(const CardRow &row)
{
    auto *caption = named(new Label(this), QString::fromLatin1(row.captionName));
    place(caption, row.captionLeft, row.top, 0, 225);
    caption->setAutoSize(true);
    caption->setCaption(QCoreApplication::translate("SquareCard", row.caption));

    // A figure's text sits at the top of its label, as its caption's does in
    // a label sized to the text, so the two share a baseline.
    auto *figure = named(new Label(this), QString::fromLatin1(row.figureName));
    if (row.figureLeft == 0) {
        // Right-aligned, so the amounts line up whatever their width.
        figure->setAlignment(Qt::AlignRight | Qt::AlignTop);
        place(figure, FigureRight - 780, row.top, 780, 225);
    } else {
        figure->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        place(figure, row.figureLeft, row.top, 900, 225);
    }
    return {caption, figure};
}

void SquareCard::showTitle(const SquareInfo &square, std::string_view caption)
{
    const QColor colour = stripColour(square);
    strip_->setBackColour(colour);
    // The name stays readable on every strip colour.
    title_->setForeColour(colour.lightnessF() < 0.45 ? Qt::white : Qt::black);
    title_->setCaption(qtext(caption));
}

QString SquareCard::timesDice(int factor) { return tr("%1 x dice").arg(factor); }

} // namespace tycora::ui
