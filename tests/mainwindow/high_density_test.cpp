// What a person sees of the main window: the colours of a grab, and on a
// screen of twice the pixel density, pictures drawn at that density rather
// than enlarged. The second half runs under QT_SCALE_FACTOR=2 (its own
// test entry); at the normal density it is skipped.

#include "main_window_support.h"

#include "shell/shell_test_support.h"
#include "ui/main/player_colours.h"

#include <QPainter>

namespace tycora::testing {
namespace {

class Grab : public MainWindowTest {};

// How far two images of the same size differ, as the mean absolute
// difference of their channels (0..255), over the pixels where the
// picture is opaque (elsewhere the window shows through).
double meanDifference(const QImage &seen, const QImage &b, const QImage &picture)
{
    const QImage x = seen.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    const QImage mask = picture.convertToFormat(QImage::Format_ARGB32);
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

// The part of a grab covered by a child widget, in device pixels.
QImage region(const QImage &grab, const QWidget &child, const QWidget &window)
{
    const qreal dpr = grab.devicePixelRatio();
    const QRect r(child.mapTo(&window, QPoint(0, 0)), child.size());
    return grab.copy(QRect(qRound(r.x() * dpr), qRound(r.y() * dpr), qRound(r.width() * dpr),
                           qRound(r.height() * dpr)));
}

TEST_F(Grab, BackgroundDiceAndOwnerBarAsSeen)
{
    form->show();
    screen().showDie(1, 1);
    screen().markOwner(0, 39);
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
    if (dpr < 2) {
        ASSERT_TRUE(qEnvironmentVariableIsEmpty("TYCORA_EXPECT_DENSITY")) << "the scale factor was not applied";
        GTEST_SKIP() << "needs QT_SCALE_FACTOR=2";
    }
    const QImage shot = grabImage(*form);
    EXPECT_EQ(shot.devicePixelRatio(), dpr);
    EXPECT_EQ(shot.size(), QSize(qRound(1023 * dpr), qRound(727 * dpr)));

    for (ui::Picture *picture : {picture("Image6"), picture("imgBoard", 0), picture("imgBoard", 24), picture("imgStats", 5)}) {
        const QImage seen = region(shot, *picture, *form);
        const QImage sharp = picture->picture().image(picture->size(), dpr);
        // The same picture drawn at one pixel a point, then enlarged.
        const QImage enlarged = picture->picture()
                                    .image(picture->size(), 1.0)
                                    .scaled(seen.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const double toSharp = meanDifference(seen, sharp, sharp);
        const double toEnlarged = meanDifference(seen, enlarged, sharp);
        EXPECT_LT(toSharp, 1.0) << picture->picture().name().toStdString();
        EXPECT_LT(toSharp * 4, toEnlarged) << picture->picture().name().toStdString();
    }
}

} // namespace
} // namespace tycora::testing
