// The game's windows as a person handles them: a borderless window follows
// the pointer only while the left button is held, and the main window's
// kind of window has a fixed size, no maximise button and opens centred.

#include "toolkit/form.h"

#include <QApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>

namespace tycora::ui {
namespace {

class DraggedWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.setClientSizeTwips(6285, 3585);
        form.setBorderless(true);
        form.move(100, 100);
        form.show();
        QApplication::setActiveWindow(&form);
        start = form.pos();
    }

    // The pointer, at a point of the screen.
    void press(QPoint screen) { QTest::mousePress(&form, Qt::LeftButton, {}, form.mapFromGlobal(screen)); }
    void moveTo(QPoint screen) { QTest::mouseMove(&form, form.mapFromGlobal(screen)); }
    void release(QPoint screen) { QTest::mouseRelease(&form, Qt::LeftButton, {}, form.mapFromGlobal(screen)); }
    // A move that reports the buttons held, whatever was pressed before.
    void moveHolding(QPoint screen, Qt::MouseButtons held)
    {
        const QPointF local = form.mapFromGlobal(QPointF(screen));
        QMouseEvent move(QEvent::MouseMove, local, QPointF(screen), Qt::NoButton, held, Qt::NoModifier);
        QCoreApplication::sendEvent(&form, &move);
    }

    Form form;
    QPoint start;
};

TEST_F(DraggedWindow, FollowsThePointerWhileTheButtonIsHeld)
{
    const QPoint grip = start + QPoint(40, 60);
    press(grip);
    moveTo(grip + QPoint(30, 0));
    moveTo(grip + QPoint(50, 25));
    EXPECT_EQ(form.pos(), start + QPoint(50, 25)) << "the grip stays under the pointer";
    release(grip + QPoint(50, 25));
    moveTo(grip + QPoint(120, 90));
    EXPECT_EQ(form.pos(), start + QPoint(50, 25)) << "released: the window stays";
}

TEST_F(DraggedWindow, ATapNeverMovesIt)
{
    const QPoint grip = start + QPoint(40, 60);
    press(grip);
    release(grip);
    moveTo(grip + QPoint(80, 40));
    EXPECT_EQ(form.pos(), start);

    // A tap with the slight wobble of a real hand.
    press(grip);
    moveTo(grip + QPoint(1, 1));
    release(grip + QPoint(1, 1));
    moveTo(grip + QPoint(80, 40));
    EXPECT_EQ(form.pos(), start);
}

TEST_F(DraggedWindow, AReleaseAnywhereOrAMissedOneEndsTheDrag)
{
    const QPoint grip = start + QPoint(40, 60);
    // Released far outside the window.
    press(grip);
    moveTo(grip + QPoint(30, 30));
    release(grip + QPoint(900, 700));
    const QPoint dropped = form.pos();
    moveHolding(grip + QPoint(200, 10), Qt::NoButton);
    EXPECT_EQ(form.pos(), dropped);

    // The release never arrived, and the pointer moves with no button held.
    press(grip);
    moveHolding(grip + QPoint(40, 0), Qt::LeftButton);
    const QPoint held = form.pos();
    EXPECT_NE(held, dropped);
    moveHolding(grip + QPoint(80, 30), Qt::NoButton);
    EXPECT_EQ(form.pos(), held);
    // Holding the button again later, without a press on the window, does
    // not pick the window up.
    moveHolding(grip + QPoint(120, 60), Qt::LeftButton);
    EXPECT_EQ(form.pos(), held);
}

TEST_F(DraggedWindow, LosingTheFocusEndsTheDrag)
{
    const QPoint grip = start + QPoint(40, 60);
    press(grip);
    moveHolding(grip + QPoint(30, 0), Qt::LeftButton);
    const QPoint moved = form.pos();
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    ASSERT_FALSE(form.isActiveWindow());
    moveHolding(grip + QPoint(90, 50), Qt::LeftButton);
    EXPECT_EQ(form.pos(), moved);
}

TEST_F(DraggedWindow, OnlyTheLeftButtonDragsAndMovesAreStillReported)
{
    QSignalSpy moved(&form, &Form::backgroundMouseMoved);
    const QPoint grip = start + QPoint(40, 60);
    QTest::mousePress(&form, Qt::RightButton, {}, form.mapFromGlobal(grip));
    moveHolding(grip + QPoint(40, 40), Qt::RightButton);
    QTest::mouseRelease(&form, Qt::RightButton, {}, form.mapFromGlobal(grip + QPoint(40, 40)));
    EXPECT_EQ(form.pos(), start);
    EXPECT_EQ(moved.count(), 1);
}

TEST(FixedSizeWindow, HasATitleBarButNoMaximiseAndKeepsItsSize)
{
    Form form;
    form.setClientSizeTwips(15345, 11070);
    form.setFixedSizeWindow();
    form.centreOnScreen();
    const Qt::WindowFlags flags = form.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowTitleHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(flags & Qt::FramelessWindowHint);
    EXPECT_EQ(form.windowType(), Qt::Window);
    form.show();
    EXPECT_EQ(form.size(), QSize(1023, 738));
    EXPECT_EQ(form.minimumSize(), form.size());
    EXPECT_EQ(form.maximumSize(), form.size());
    // Centred on a screen it fits; on a smaller one (the offscreen screen is
    // 800 x 600) its top left corner stays on the screen.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect frame = form.frameGeometry();
    if (screen.width() >= frame.width())
        EXPECT_LE(std::abs(frame.center().x() - screen.center().x()), 2);
    else
        EXPECT_EQ(frame.left(), screen.left());
    if (screen.height() >= frame.height())
        EXPECT_LE(std::abs(frame.center().y() - screen.center().y()), 2);
    else
        EXPECT_EQ(frame.top(), screen.top());
    // Its background does not drag it: the title bar does that.
    const QPoint before = form.pos();
    QTest::mousePress(&form, Qt::LeftButton, {}, QPoint(300, 300));
    QMouseEvent move(QEvent::MouseMove, QPointF(360, 340), form.mapToGlobal(QPointF(360, 340)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&form, &move);
    QTest::mouseRelease(&form, Qt::LeftButton, {}, QPoint(360, 340));
    EXPECT_EQ(form.pos(), before);
}

} // namespace
} // namespace tycora::ui
