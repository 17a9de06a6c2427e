// The MORTGAGED banner as a person sees it on the board: on every strip
// (each colour group, the stations, the utilities) and on every side, the
// red word stands out from what lies around it. Measured on a grab, so it
// runs once more at twice the density (the Grab* entry).

#include "full_rules_window.h"

#include "assets/full_rules_art.h"
#include "game/square_table.h"
#include "ui/main/board_slots.h"

#include <QDir>

#include <algorithm>
#include <cmath>

namespace tycora::testing {
namespace {

// The relative luminance of a colour on screen (sRGB), 0 for black to 1
// for white, as contrast ratios are reckoned.
double luminance(QRgb c)
{
    const auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

double contrast(double a, double b) { return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05); }

// The value that the given share of the values stay below.
double percentile(std::vector<double> values, double share)
{
    if (values.empty())
        return 0;
    const auto at = values.begin() + static_cast<std::ptrdiff_t>(share * (values.size() - 1));
    std::nth_element(values.begin(), at, values.end());
    return *at;
}

class GrabBanners : public FullRulesWindow {
protected:
    ui::Picture *banner(int square) const { return picture("imgMortgaged", square); }

    // The source picture of the word for a square's side.
    const ui::Picture *word(int square) const
    {
        switch (ui::sideOf(square)) {
        case ui::BoardSide::Bottom: return picture("imgMortgageBottom");
        case ui::BoardSide::Left: return picture("imgMortgageLeft");
        case ui::BoardSide::Top: return picture("imgMortgageTop");
        default: return picture("imgMortgageRight");
        }
    }
};

TEST_F(GrabBanners, TheWordStandsOutOnEveryStrip)
{
    for (const int square : ownableSquares())
        give(square % 2, square);
    start();
    for (const int square : ownableSquares()) {
        state.Properties[square].Mortgaged = true;
        form->screen().squareChanged(square);
    }
    const QImage shot = form->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const qreal dpr = shot.devicePixelRatio();
    // A picture to look at, into the folder TYCORA_TEST_PICTURES names.
    if (const QString folder = qEnvironmentVariable("TYCORA_TEST_PICTURES"); !folder.isEmpty())
        shot.save(QDir(folder).filePath(QStringLiteral("banners-%1x.png").arg(dpr)));

    for (const int square : ownableSquares()) {
        SCOPED_TRACE(std::string(squareInfo(square).title));
        const QRect place = banner(square)->geometry();
        const QRect device(qRound(place.x() * dpr), qRound(place.y() * dpr), qRound(place.width() * dpr),
                           qRound(place.height() * dpr));
        const QImage seen = shot.copy(device);
        // The word's own ink: where its picture, drawn alone at this size,
        // is solid red.
        const QImage alone = word(square)->picture().image(place.size(), dpr).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(alone.size(), seen.size());
        std::vector<double> ink, ground;
        for (int y = 0; y < seen.height(); ++y)
            for (int x = 0; x < seen.width(); ++x) {
                const QRgb w = alone.pixel(x, y);
                const bool solidRed = qAlpha(w) == 255 && qRed(w) > 150 && qGreen(w) < 60 && qBlue(w) < 60;
                (solidRed ? ink : ground).push_back(luminance(seen.pixel(x, y)));
            }
        ASSERT_GT(ink.size(), 8u) << "the word shows";
        // The ground between the letters (the lightest tenth of what is not
        // ink; the rest is the letters' soft edges) against the ink, at
        // least the contrast asked of ordinary text on screen (4.5 to 1).
        EXPECT_GE(contrast(percentile(ink, 0.5), percentile(ground, 0.9)), 4.5);
    }
}

} // namespace
} // namespace tycora::testing
