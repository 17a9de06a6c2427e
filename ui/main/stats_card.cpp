#include "ui/main/stats_card.h"

#include "game/square_table.h"
#include "ui/main/control_names.h"
#include "toolkit/fonts.h"
#include "toolkit/label.h"
#include "toolkit/twips.h"
#include "toolkit/game_text.h"

namespace tycora::ui {

int averagePayment(int totalRent, int landed)
{
    if (landed <= 0 || totalRent <= landed)
        return 0;
    const int whole = totalRent / landed;
    const int twiceRest = 2 * (totalRent % landed);
    if (twiceRest > landed || (twiceRest == landed && whole % 2 == 1))
        return whole + 1;
    return whole;
}

StatsCard::StatsCard(QWidget *window)
    : SquareCard(window, 11640, {"frmStats", "shpStatsBorder", "shpStatsTitle", "lblStatsWhere"})
{
    auto *heading = named(new Label(this, tr("Stats")), QStringLiteral("lblStatsTitle"));
    heading->setFont(tahoma(12, true));
    heading->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    place(heading, 270, 1065, 2595, 330);

    // In the order of the rows.
    static constexpr CardRow rows[] = {
        {"lblStatsDescLanded", QT_TRANSLATE_NOOP("SquareCard", "Times Landed On:"), 330, 1785, "lblStatsLanded"},
        {"lblStatsDescCurrent", QT_TRANSLATE_NOOP("SquareCard", "Current Rent:"), 330, 2145, "lblStatsCurrent"},
        {"lblStatsDescTotal", QT_TRANSLATE_NOOP("SquareCard", "Total Rent Paid:"), 330, 2505, "lblStatsTotal"},
        {"lblStatsDescAverage", QT_TRANSLATE_NOOP("SquareCard", "Average Payment:"), 330, 2865, "lblStatsAverage"},
    };
    for (int row = 0; row < Rows; ++row)
        figures_[row] = addRow(rows[row]).figure;
}

void StatsCard::showStats(const SquareInfo &square, int landed, int totalRent)
{
    // What the board calls the square: its deed's name, or "GO", "Chance"...
    showTitle(square, square.title);
    figures_[Landed]->setCaption(QString::number(landed));
    figures_[Total]->setCaption(qmoney(totalRent));
    figures_[Average]->setCaption(qmoney(averagePayment(totalRent, landed)));
}

void StatsCard::showCurrentRent(long amount) { figures_[Current]->setCaption(qmoney(amount)); }

void StatsCard::showCurrentDiceFactor(int factor) { figures_[Current]->setCaption(timesDice(factor)); }

} // namespace tycora::ui
