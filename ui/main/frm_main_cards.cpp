// The two pop-up cards at the foot of the players' column: the title deed
// and the square's statistics, white cards in the same place.

#include "ui/main/frm_main.h"
#include "ui/toolkit/fonts.h"
#include "ui/toolkit/frame.h"
#include "ui/toolkit/label.h"
#include "ui/toolkit/shape.h"
#include "ui/toolkit/twips.h"

namespace tycora::ui {

namespace {

// The right edge the figures of both cards line up on.
constexpr int FigureRight = 2880;

Frame *card(QWidget *parent, int left)
{
    auto *f = new Frame(parent);
    f->setBorder(false);
    f->setBackColour(Qt::white);
    place(f, left, 6795, 3090, 3930);
    f->hide();
    return f;
}

Shape *cardBorder(QWidget *parent)
{
    auto *s = new Shape(parent, Shape::Kind::Rectangle);
    place(s, 135, 135, 2835, 3675);
    return s;
}

Shape *titleStrip(QWidget *parent)
{
    auto *s = new Shape(parent, Shape::Kind::Rectangle);
    s->setBackOpaque(true);
    place(s, 270, 270, 2595, 630);
    return s;
}

Label *titleName(QWidget *parent)
{
    auto *l = new Label(parent);
    l->setFont(tahoma(9.75, true));
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    place(l, 270, 450, 2595, 300);
    return l;
}

Label *caption(QWidget *parent, const QString &text, int left, int top)
{
    auto *l = new Label(parent);
    place(l, left, top, 0, 225);
    l->setAutoSize(true);
    l->setCaption(text);
    return l;
}

// A figure of the rent column, right-aligned so the amounts line up
// whatever their width.
Label *figure(QWidget *parent, int top)
{
    auto *l = new Label(parent);
    l->setAlignment(Qt::AlignRight | Qt::AlignTop);
    place(l, FigureRight - 780, top, 780, 225);
    return l;
}

// A figure that follows its caption on the same line.
Label *value(QWidget *parent, int left, int top)
{
    auto *l = new Label(parent);
    place(l, left, top, 900, 225);
    return l;
}

} // namespace

void FrmMain::createDeedCard()
{
    frmProperty = card(this, 11655);
    shpBorder = cardBorder(frmProperty);
    shpTitle = titleStrip(frmProperty);
    lblWhere = titleName(frmProperty);

    lblTitleRent = caption(frmProperty, QStringLiteral("Rent"), 450, 1080);
    lblTitleRent->setFont(tahoma(8.25, true));
    lblRent = figure(frmProperty, 1080);
    lblRent->setFont(tahoma(8.25, true));
    lblDescRent1House = caption(frmProperty, QStringLiteral("With 1 House"), 465, 1470);
    lblRent1House = figure(frmProperty, 1470);
    lblDescRent2Houses = caption(frmProperty, QStringLiteral("With 2 Houses"), 465, 1725);
    lblRent2Houses = figure(frmProperty, 1725);
    lblDescRent3Houses = caption(frmProperty, QStringLiteral("With 3 Houses"), 465, 1980);
    lblRent3Houses = figure(frmProperty, 1980);
    lblDescRent4Houses = caption(frmProperty, QStringLiteral("With 4 Houses"), 465, 2235);
    lblRent4Houses = figure(frmProperty, 2235);
    lblDescRentHotel = caption(frmProperty, QStringLiteral("With a Hotel"), 465, 2490);
    lblRentHotel = figure(frmProperty, 2490);
    lblDescHouse = caption(frmProperty, QStringLiteral("House Price:"), 840, 2925);
    lblHouse = value(frmProperty, 1875, 2925);
    lblDescHotel = caption(frmProperty, QStringLiteral("Hotel Price:"), 930, 3135);
    lblHotel = value(frmProperty, 1875, 3135);
    lblDescMorgage = caption(frmProperty, QStringLiteral("Morgage Value:"), 480, 3480);
    lblMorgage = value(frmProperty, 1905, 3480);
}

void FrmMain::createStatsCard()
{
    frmStats = card(this, 11640);
    shpStatsBorder = cardBorder(frmStats);
    shpStatsTitle = titleStrip(frmStats);
    lblStatsWhere = titleName(frmStats);

    lblStatsTitle = new Label(frmStats, QStringLiteral("Stats"));
    lblStatsTitle->setFont(tahoma(12, true));
    lblStatsTitle->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    place(lblStatsTitle, 270, 1065, 2595, 330);

    lblStatsDescLanded = caption(frmStats, QStringLiteral("Times Landed On:"), 330, 1785);
    lblStatsLanded = figure(frmStats, 1785);
    lblStatsDescCurrent = caption(frmStats, QStringLiteral("Current Rent:"), 330, 2145);
    lblStatsCurrent = figure(frmStats, 2145);
    lblStatsDescTotal = caption(frmStats, QStringLiteral("Total Rent Paid:"), 330, 2505);
    lblStatsTotal = figure(frmStats, 2505);
    lblStatsDescAverage = caption(frmStats, QStringLiteral("Average Payment:"), 330, 2865);
    lblStatsAverage = figure(frmStats, 2865);
}

} // namespace tycora::ui
