// The quit question with the real message box: No is the default, so a
// stray Return keeps the game, while Y and Yes still quit.

#include "shell_test_support.h"

#include "game/manual_clock.h"
#include "ui/shell/frm_menu.h"
#include "ui/shell/quit_confirmation.h"
#include "toolkit/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace tycora::ui {
namespace {

// Answers the quit question as a person would, the moment it opens, and
// notes what it showed and whether the game stood still meanwhile.
struct Answerer {
    std::function<void(QMessageBox &)> act;
    QString text, defaultButton;
    bool clockHeld = false;
    const ManualClock *clock = nullptr;
    void arm()
    {
        QTimer::singleShot(0, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            text = box->text();
            defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
            clockHeld = clock && clock->held();
            act(*box);
        });
    }
};

TEST(QuitQuestion, ReturnKeepsTheGameYAndYesQuit)
{
    QtMessageBoxes boxes;
    ManualClock clock;
    int ended = 0;
    const QuitContext context{&boxes, [&] { ++ended; }, &clock};
    QWidget window;
    window.show();

    Answerer user;
    user.clock = &clock;
    user.act = [](QMessageBox &box) { QTest::keyClick(&box, Qt::Key_Return); };
    user.arm();
    EXPECT_TRUE(quitCancelled(Form::CloseReason::User, &window, context));
    EXPECT_EQ(ended, 0);
    EXPECT_EQ(user.text, QStringLiteral("Are you sure you want to Quit?"));
    EXPECT_EQ(user.defaultButton, QStringLiteral("&No"));
    EXPECT_TRUE(user.clockHeld);
    EXPECT_FALSE(clock.held());

    // The focus starts on No, so Space presses No too.
    user.act = [](QMessageBox &box) {
        QWidget *focused = box.focusWidget();
        EXPECT_EQ(focused, box.button(QMessageBox::No));
        QTest::keyClick(focused ? focused : box.button(QMessageBox::No), Qt::Key_Space);
    };
    user.arm();
    EXPECT_TRUE(quitCancelled(Form::CloseReason::User, &window, context));
    EXPECT_EQ(ended, 0);

    user.act = [](QMessageBox &box) { QTest::keyClick(&box, Qt::Key_Y); };
    user.arm();
    EXPECT_FALSE(quitCancelled(Form::CloseReason::User, &window, context));
    EXPECT_EQ(ended, 1);

    user.act = [](QMessageBox &box) { QTest::mouseClick(box.button(QMessageBox::Yes), Qt::LeftButton); };
    user.arm();
    EXPECT_FALSE(quitCancelled(Form::CloseReason::User, &window, context));
    EXPECT_EQ(ended, 2);
}

TEST(QuitQuestion, AskedWithNoAsTheDefaultFromEveryWindow)
{
    ScriptedMessageBoxes boxes;
    FrmMenu menu(boxes);
    menu.setQuitContext({&boxes, [] {}, nullptr});
    menu.show();
    menu.close();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, QStringLiteral("Are you sure you want to Quit?"));
    EXPECT_EQ(boxes.shown[0].defaultAnswer, MsgAnswer::No);
    EXPECT_FALSE(boxes.shown[0].asked);
}

} // namespace
} // namespace tycora::ui
