// "Online Game" on the start menu, and the window it opens: host or join,
// the seat and, for the host, the set-up's options.

#include "shell_test_support.h"
#include "support/find_control.h"
#include "support/shell_controls.h"

#include "client/online_client.h"
#include "ui/shell/frm_menu.h"
#include "ui/shell/frm_online.h"
#include "ui/shell/online_menu_entry.h"
#include "toolkit/command_button.h"
#include "toolkit/message_box.h"
#include "toolkit/picture.h"
#include "toolkit/twips.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace tycora::ui {
namespace {

using testing::control;
using testing::grabImage;

TEST(OnlineMenuEntry, StandsInTheFreeBandAndLeavesTheRestOfTheMenuAsItWas)
{
    ScriptedMessageBoxes boxes;
    FrmMenu plain(boxes);
    plain.show();
    const QImage before = grabImage(plain);

    FrmMenu menu(boxes);
    int opened = 0;
    CommandButton *online = addOnlineGameButton(menu, [&] { ++opened; });
    menu.show();
    EXPECT_EQ(online->text(), QStringLiteral("Online Game"));
    EXPECT_EQ(online->objectName(), QStringLiteral("cmdOnlineGame"));
    // The other controls keep their places; the new one touches none.
    EXPECT_EQ(control<Picture>(menu, "imgLogo")->geometry(), control<Picture>(plain, "imgLogo")->geometry());
    EXPECT_EQ(control<CommandButton>(menu, "cmdNewGame")->geometry(), control<CommandButton>(plain, "cmdNewGame")->geometry());
    EXPECT_EQ(control<CommandButton>(menu, "cmdLoadGame")->geometry(), control<CommandButton>(plain, "cmdLoadGame")->geometry());
    for (const QWidget *other : {static_cast<QWidget *>(control<Picture>(menu, "imgLogo")), static_cast<QWidget *>(control<CommandButton>(menu, "cmdNewGame")),
                                 static_cast<QWidget *>(control<CommandButton>(menu, "cmdLoadGame"))})
        EXPECT_FALSE(online->geometry().intersects(other->geometry()));
    EXPECT_TRUE(menu.rect().contains(online->geometry()));

    // Every pixel outside the new button is as the menu always drew it.
    const QImage after = grabImage(menu);
    ASSERT_EQ(after.size(), before.size());
    const qreal dpr = after.devicePixelRatio();
    const QRect button(online->geometry().topLeft() * dpr, online->geometry().size() * dpr);
    int changed = 0;
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            if (!button.contains(x, y) && after.pixel(x, y) != before.pixel(x, y))
                ++changed;
    EXPECT_EQ(changed, 0);
    EXPECT_EQ(testing::pixelAt(after, online->x() + 6, online->y() + online->height() / 2),
              control<CommandButton>(menu, "cmdNewGame")->backColour());
    if (qEnvironmentVariableIsSet("TYCORA_GRAB_DIR"))
        after.save(qEnvironmentVariable("TYCORA_GRAB_DIR") + QStringLiteral("/menu-online.png"));

    online->click();
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(control<CommandButton>(menu, "cmdLoadGame")->nextInFocusChain(), online);
}

TEST(OnlineWindow, HostOffersTheOptionsAndJoinAsksForTheCode)
{
    client::OnlineClient client;
    QWidget parent;
    parent.setGeometry(100, 100, 900, 700);
    parent.show();
    FrmOnline window(client, &parent);
    window.open();
    const testing::OnlineControls controls(window);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Online Game"));
    EXPECT_LE((window.frameGeometry().center() - parent.frameGeometry().center()).manhattanLength(), 2);
    EXPECT_TRUE(controls.cmdHost->isVisible());
    EXPECT_TRUE(controls.cmdJoin->isVisible());

    controls.cmdHost->click();
    EXPECT_TRUE(controls.options.cboRules->isVisible());
    EXPECT_TRUE(controls.options.cboPace->isVisible());
    EXPECT_FALSE(controls.options.cboSize->isVisible());
    EXPECT_FALSE(controls.txtCode->isVisible());
    EXPECT_EQ(controls.txtServer->text(), FrmOnline::DefaultServer);
    EXPECT_EQ(controls.cmdGo->text(), QStringLiteral("Create Game"));
    EXPECT_EQ(controls.cboPiece->itemText(0), QStringLiteral("Dog"));
    if (qEnvironmentVariableIsSet("TYCORA_GRAB_DIR"))
        grabImage(window).save(qEnvironmentVariable("TYCORA_GRAB_DIR") + QStringLiteral("/online-host.png"));

    controls.cmdBack->click();
    controls.cmdJoin->click();
    EXPECT_TRUE(controls.txtCode->isVisible());
    EXPECT_FALSE(controls.options.cboRules->isVisible());
    EXPECT_EQ(controls.cmdGo->text(), QStringLiteral("Join Game"));
    if (qEnvironmentVariableIsSet("TYCORA_GRAB_DIR"))
        grabImage(window).save(qEnvironmentVariable("TYCORA_GRAB_DIR") + QStringLiteral("/online-join.png"));
}

TEST(OnlineWindow, ASeatThatCannotBeTakenIsSaidBeforeAnythingIsSent)
{
    struct Case {
        QString server, code, name, problem;
    };
    const Case cases[] = {
        {FrmOnline::DefaultServer, QStringLiteral("ABCDEF"), QStringLiteral("   "), QStringLiteral("Type a name")},
        {FrmOnline::DefaultServer, QStringLiteral("ABCDEF"), QStringLiteral("Ann: Bob"),
         QStringLiteral("A name may not hold \": \" or \"-->\"")},
        {FrmOnline::DefaultServer, QStringLiteral("ABCDEF"), QStringLiteral("A-->B"),
         QStringLiteral("A name may not hold \": \" or \"-->\"")},
        {QStringLiteral("http://example.org"), QStringLiteral("ABCDEF"), QStringLiteral("Ann"),
         QStringLiteral("A server address begins ws:// or wss://")},
        {FrmOnline::DefaultServer, QStringLiteral("ABC"), QStringLiteral("Ann"),
         QStringLiteral("A join code has six letters")},
        {FrmOnline::DefaultServer, QStringLiteral("abcdef"), QStringLiteral("Ann"), QString()},
    };
    client::OnlineClient client;
    FrmOnline window(client);
    window.open();
    const testing::OnlineControls controls(window);
    controls.cmdJoin->click();
    for (const Case &c : cases) {
        controls.txtServer->setText(c.server);
        controls.txtCode->setText(c.code);
        controls.txtName->setText(c.name);
        EXPECT_EQ(window.seatProblem(), c.problem) << c.name.toStdString();
    }
    controls.txtName->clear();
    controls.cmdGo->click();
    EXPECT_TRUE(controls.lblProblem->isVisible());
    EXPECT_EQ(controls.lblProblem->text(), QStringLiteral("Type a name"));
}

} // namespace
} // namespace tycora::ui
