// What a person sees of the main window: the colours of a grab, and on a
// screen of a higher pixel density (or with the windows made larger),
// pictures drawn at that density rather than enlarged. The second half runs
// under QT_SCALE_FACTOR 2, 1.25 and 1.5 (test entries of their own); at the
// normal density it is skipped.

#include "main_window_support.h"

#include "shell/shell_test_support.h"
#include "ui/main/player_colours.h"

#include <QPainter>

#include <cmath>

namespace tycora::testing {
namespace {

class Grab : public MainWindowTest {};

// How far two images of the same size differ, as the mean absolute
// difference of their channels (0..255), over the pixels where the
// picture is opaque (elsewhere the window shows through).
double meanDifference(const QImage &seen, const QImage &b, const QImage &picture)
{
    // The outermost device pixels are left out: at a fractional density a
    // neighbour's edge can share them.
    const auto inside = [](const QImage &image) {
        return image.copy(image.rect().adjusted(1, 1, -1, -1)).convertToFormat(QImage::Format_ARGB32);
    };
    const QImage x = inside(seen);
    const QImage y = inside(b);
    const QImage mask = inside(picture);
    if (x.size() != y.size() || x.size() != mask.size())
        return 255.0;
    double sum = 0;
    int counted = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            if (qAlpha(mask.pixel(col, row)) < 255)
                continue;
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
            ++counted;
        }
    }
    return counted ? sum / (3.0 * counted) : 255.0;
}

// The part of a grab covered by a child widget, in device pixels, moved by
// a shift in device pixels.
QImage region(const QImage &grab, const QWidget &child, const QWidget &window, QPoint shift = {})
{
    const qreal dpr = grab.devicePixelRatio();
    const QRect r(child.mapTo(&window, QPoint(0, 0)), child.size());
    return grab.copy(QRect(qRound(r.x() * dpr) + shift.x(), qRound(r.y() * dpr) + shift.y(), qRound(r.width() * dpr),
                           qRound(r.height() * dpr)));
}

TEST_F(Grab, BackgroundDiceAndOwnerBarAsSeen)
{
    form->show();
    screen().showDie(1, 1);
    own(0, 39);
    const QImage shot = grabImage(*form);
    EXPECT_EQ(pixelAt(shot, 2, 2), QColor(207, 236, 211)) << "the board's pale green";
    const QPoint bar = shape("shpOwner", 39)->geometry().center();
    EXPECT_EQ(pixelAt(shot, bar.x(), bar.y()), ui::lightColour(0));
    const auto middleOf = [this](const QWidget *pip) { return pip->mapTo(form.get(), pip->rect().center()); };
    const QPoint centrePip = middleOf(shape("shpDice1Dot", 3));
    const QPoint cornerPip = middleOf(shape("shpDice1Dot", 0));
    EXPECT_EQ(pixelAt(shot, centrePip.x(), centrePip.y()), QColor(Qt::black));
    EXPECT_EQ(pixelAt(shot, cornerPip.x(), cornerPip.y()), QColor(Qt::white));
}

TEST_F(Grab, PicturesAreDrawnAtTheScreensDensity)
{
    form->show();
    const qreal dpr = form->devicePixelRatioF();
    if (dpr == 1) {
        ASSERT_TRUE(qEnvironmentVariableIsEmpty("TYCORA_EXPECT_DENSITY")) << "the scale factor was not applied";
        GTEST_SKIP() << "needs QT_SCALE_FACTOR above 1";
    }
    EXPECT_EQ(dpr, qEnvironmentVariable("TYCORA_EXPECT_DENSITY").toDouble());
    const QImage shot = grabImage(*form);
    EXPECT_EQ(shot.devicePixelRatio(), dpr);
    EXPECT_EQ(shot.size(), QSize(qRound(1023 * dpr), qRound(727 * dpr)));

    for (ui::Picture *picture : {picture("Image6"), picture("imgBoard", 0), picture("imgBoard", 24), picture("imgStats", 5)}) {
        const QImage sharp = picture->picture().image(picture->size(), dpr);
        // At a fractional density a place can fall between device pixels,
        // and the picture lands on one side or the other: it is looked for
        // a device pixel either way.
        QImage seen = region(shot, *picture, *form);
        double toSharp = meanDifference(seen, sharp, sharp);
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (const QImage moved = region(shot, *picture, *form, {dx, dy});
                    meanDifference(moved, sharp, sharp) < toSharp) {
                    seen = moved;
                    toSharp = meanDifference(moved, sharp, sharp);
                }
        // The same picture drawn at one pixel a point, then enlarged.
        const QImage enlarged = picture->picture()
                                    .image(picture->size(), 1.0)
                                    .scaled(seen.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const double toEnlarged = meanDifference(seen, enlarged, sharp);
        // At a fractional density the edges of whatever lies on the picture
        // fall on shared device pixels: a little more differs.
        EXPECT_LT(toSharp, dpr == std::floor(dpr) ? 1.0 : 2.0) << picture->picture().name().toStdString();
        EXPECT_LT(toSharp * 4, toEnlarged) << picture->picture().name().toStdString();
    }
}

} // namespace
} // namespace tycora::testing
