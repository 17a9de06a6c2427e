#include "shell_test_support.h"

#include "game/game_state.h"
#include "tests/support/recording_log.h"
#include "ui/shell/backdrop.h"
#include "ui/shell/frm_menu.h"
#include "ui/shell/frm_players.h"
#include "toolkit/message_box.h"
#include "toolkit/twips.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace tycora::ui {
namespace {

using testing::pixelAt;

const QColor Outer(0, 64, 0);
const QColor Middle(0, 128, 0);
const QColor Inner(0, 192, 0);

// Every pixel on the outline of the rectangle from (left, top) to
// (right, bottom), corners included, carries the colour.
void expectOutline(const QImage &shot, int left, int top, int right, int bottom, const QColor &colour)
{
    int wrong = 0;
    auto check = [&](int x, int y) {
        if (pixelAt(shot, x, y) != colour && wrong++ < 5)
            ADD_FAILURE() << "pixel (" << x << ", " << y << ") is " << pixelAt(shot, x, y).name().toStdString()
                          << ", expected " << colour.name().toStdString();
    };
    for (int x = left; x <= right; ++x) {
        check(x, top);
        check(x, bottom);
    }
    for (int y = top; y <= bottom; ++y) {
        check(left, y);
        check(right, y);
    }
    EXPECT_EQ(wrong, 0);
}

// The three outlines of a window w x h pixels, and the background just
// inside the innermost one at all four corners.
void expectBackdrop(Form &window, int w, int h)
{
    ASSERT_EQ(window.size(), QSize(w, h));
    const QImage shot = testing::grabImage(window);
    expectOutline(shot, 0, 0, w - 1, h - 1, Outer);
    expectOutline(shot, 1, 1, w - 2, h - 2, Middle);
    expectOutline(shot, 2, 2, w - 3, h - 3, Inner);
    for (const QPoint corner : {QPoint(3, 3), QPoint(w - 4, 3), QPoint(3, h - 4), QPoint(w - 4, h - 4)})
        EXPECT_EQ(pixelAt(shot, corner.x(), corner.y()), boardGreen()) << corner.x() << ", " << corner.y();
}

TEST(Backdrop, MenuHasThreeClosedOutlines)
{
    ScriptedMessageBoxes boxes;
    FrmMenu menu(boxes);
    // (0, 0)-(418, 238), (1, 1)-(417, 237), (2, 2)-(416, 236)
    expectBackdrop(menu, 419, 239);
}

TEST(Backdrop, SetUpWindowHasThreeClosedOutlines)
{
    GameState state;
    testing::RecordingLog log;
    ScriptedMessageBoxes boxes;
    FrmPlayers players(state, log, boxes);
    // (0, 0)-(645, 472), (1, 1)-(644, 471), (2, 2)-(643, 470)
    expectBackdrop(players, 646, 473);
}

TEST(Backdrop, IsDrawnBeforeTheWindowIsFirstShownAndStays)
{
    ScriptedMessageBoxes boxes;
    FrmMenu menu(boxes);
    ASSERT_FALSE(menu.isVisible());
    const QImage drawn = menu.drawing();
    EXPECT_EQ(pixelAt(drawn, 0, 0), Outer);
    EXPECT_EQ(pixelAt(drawn, 417, 237), Middle);
    EXPECT_EQ(pixelAt(drawn, 416, 2), Inner);
    menu.show();
    menu.hide();
    menu.show();
    expectBackdrop(menu, 419, 239);
}

// The window shows its lines exactly as its background with the picture of
// its lines laid over it, at the menu's size and the set-up window's.
TEST(Backdrop, IsPaintedAsItsPictureLaidOverTheBackground)
{
    for (const QSize size : {QSize(6285, 3585), QSize(9690, 7095)}) {
        Form window;
        window.setClientSizeTwips(size.width(), size.height());
        paintBackdrop(window);
        QImage composed(window.size(), QImage::Format_ARGB32_Premultiplied);
        composed.fill(boardGreen());
        QPainter(&composed).drawImage(QPoint(0, 0), window.drawing());
        const QImage shot = testing::grabImage(window).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        EXPECT_TRUE(shot == composed) << size.width() << " x " << size.height() << " twips";
    }
}

// A window that shrinks keeps of a line only what fitted, as a picture of
// the lines cut to the smaller size would.
TEST(Backdrop, ShrinkingCutsTheLinesForGood)
{
    Form window;
    window.setClientSizeTwips(twips(20), twips(10));
    paintBackdrop(window);
    window.setClientSizeTwips(twips(10), twips(10));
    window.setClientSizeTwips(twips(20), twips(10));
    const QImage shot = testing::grabImage(window);
    EXPECT_EQ(pixelAt(shot, 0, 0), Outer);
    EXPECT_EQ(pixelAt(shot, 19, 0), boardGreen());
    EXPECT_EQ(pixelAt(shot, 19, 5), boardGreen());
    EXPECT_EQ(pixelAt(shot, 12, 9), boardGreen());
}

TEST(Backdrop, FollowsTheSizeOfAnyWindow)
{
    Form window;
    window.setClientSizeTwips(twips(20), twips(10));
    paintBackdrop(window);
    expectBackdrop(window, 20, 10);
}

} // namespace
} // namespace tycora::ui
