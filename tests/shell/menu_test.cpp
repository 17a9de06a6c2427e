#include "shell_test_support.h"
#include "support/find_control.h"

#include "assets/art_catalog.h"
#include "ui/shell/frm_menu.h"
#include "toolkit/command_button.h"
#include "toolkit/fonts.h"
#include "toolkit/message_box.h"
#include "toolkit/picture.h"
#include "toolkit/twips.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>

#include <gtest/gtest.h>

namespace tycora::ui {
namespace {

using testing::control;
using testing::pixelAt;

const QColor ButtonColour(188, 243, 242);

TEST(Menu, WindowControlsAndColours)
{
    ScriptedMessageBoxes boxes;
    FrmMenu menu(boxes);
    EXPECT_EQ(menu.windowTitle(), QStringLiteral("Tycora by Varnoth"));
    EXPECT_TRUE(menu.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(menu.size(), QSize(px(6285), px(3585)));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE((menu.geometry().center() - screen.center()).manhattanLength(), 2);

    EXPECT_EQ(control<Picture>(menu, "imgLogo")->geometry(), rectFromTwips(825, 315, 4500, 1380));
    EXPECT_EQ(control<Picture>(menu, "imgLogo")->size(), QSize(300, 92));
    EXPECT_TRUE(control<Picture>(menu, "imgLogo")->picture() == art::logo());

    EXPECT_EQ(control<CommandButton>(menu, "cmdNewGame")->text(), QStringLiteral("New Game"));
    EXPECT_EQ(control<CommandButton>(menu, "cmdLoadGame")->text(), QStringLiteral("Load Game"));
    EXPECT_EQ(control<CommandButton>(menu, "cmdNewGame")->geometry(), rectFromTwips(375, 2400, 2370, 765));
    EXPECT_EQ(control<CommandButton>(menu, "cmdLoadGame")->geometry(), rectFromTwips(3540, 2400, 2370, 765));
    const QFont comic = comicSans(18, true);
    for (CommandButton *b : {control<CommandButton>(menu, "cmdNewGame"), control<CommandButton>(menu, "cmdLoadGame")}) {
        EXPECT_EQ(b->backColour(), ButtonColour);
        EXPECT_EQ(b->font().family(), comic.family());
        EXPECT_EQ(b->font().pixelSize(), comic.pixelSize());
        EXPECT_TRUE(b->font().bold());
        EXPECT_TRUE(b->isEnabled());
    }
    EXPECT_EQ(control<CommandButton>(menu, "cmdNewGame")->nextInFocusChain(), control<CommandButton>(menu, "cmdLoadGame"));

    // What a person sees: the pale green window and the two pale blue buttons.
    menu.show();
    const QImage shot = testing::grabImage(menu);
    EXPECT_EQ(pixelAt(shot, 10, 100), QColor(207, 236, 211));
    for (CommandButton *b : {control<CommandButton>(menu, "cmdNewGame"), control<CommandButton>(menu, "cmdLoadGame")}) {
        const QPoint inside = b->geometry().topLeft() + QPoint(6, b->height() / 2);
        EXPECT_EQ(pixelAt(shot, inside.x(), inside.y()), ButtonColour);
    }
}

TEST(Menu, LoadGameAnswersNotDoneAndTheMenuStays)
{
    ScriptedMessageBoxes boxes;
    FrmMenu menu(boxes);
    bool newGame = false;
    menu.setNewGameAction([&] { newGame = true; });
    menu.show();
    QTest::mouseClick(control<CommandButton>(menu, "cmdLoadGame"), Qt::LeftButton);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, QStringLiteral("Not Done"));
    EXPECT_EQ(boxes.shown[0].title, QStringLiteral("Tycora"));
    EXPECT_EQ(boxes.shown[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(boxes.shown[0].icon, MsgIcon::Critical);
    EXPECT_TRUE(menu.isVisible());
    EXPECT_FALSE(newGame);
}

TEST(Menu, NewGameRunsTheActionThenClosesWithoutAQuestion)
{
    ScriptedMessageBoxes boxes;
    bool ended = false;
    QPointer<FrmMenu> menu = new FrmMenu(boxes);
    menu->setQuitContext({&boxes, [&] { ended = true; }, nullptr});
    bool menuShownDuringAction = false;
    menu->setNewGameAction([&] { menuShownDuringAction = menu && menu->isVisible(); });
    menu->show();
    QTest::mouseClick(control<CommandButton>(*menu, "cmdNewGame"), Qt::LeftButton);
    EXPECT_TRUE(menuShownDuringAction);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_FALSE(ended);
    ASSERT_TRUE(menu);
    EXPECT_FALSE(menu->isVisible());
    testing::processDeferredDeletes();
    EXPECT_FALSE(menu);
}

TEST(Menu, UserCloseAsksAndOnlyYesEndsTheGame)
{
    ScriptedMessageBoxes boxes;
    int ended = 0;
    FrmMenu menu(boxes);
    menu.setQuitContext({&boxes, [&] { ++ended; }, nullptr});
    menu.show();

    boxes.answers = {MsgAnswer::No};
    menu.close();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, QStringLiteral("Are you sure you want to Quit?"));
    EXPECT_EQ(boxes.shown[0].title, QStringLiteral("Tycora"));
    EXPECT_EQ(boxes.shown[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(boxes.shown[0].icon, MsgIcon::Question);
    EXPECT_TRUE(menu.isVisible());
    EXPECT_EQ(ended, 0);

    boxes.answers = {MsgAnswer::Yes};
    menu.close();
    EXPECT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(ended, 1);
}

TEST(Menu, CloseByTheProgramAsksNothing)
{
    ScriptedMessageBoxes boxes;
    bool ended = false;
    QPointer<FrmMenu> menu = new FrmMenu(boxes);
    menu->setQuitContext({&boxes, [&] { ended = true; }, nullptr});
    menu->show();
    menu->unload();
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_FALSE(ended);
    testing::processDeferredDeletes();
    EXPECT_FALSE(menu);
}

} // namespace
} // namespace tycora::ui
