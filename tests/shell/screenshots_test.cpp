// Saves pictures of the menu and of the set-up window for a person to look
// at, when TYCORA_SHELL_SCREENSHOTS names a folder. Run once as it is and
// once with QT_SCALE_FACTOR=2 to see both pixel ratios.

#include "shell_test_support.h"

#include "game/game_state.h"
#include "tests/support/recording_log.h"
#include "ui/shell/frm_menu.h"
#include "ui/shell/frm_mortgage.h"
#include "ui/shell/frm_options.h"
#include "ui/shell/frm_players.h"
#include "ui/toolkit/command_button.h"
#include "ui/toolkit/image_combo.h"
#include "ui/toolkit/message_box.h"

#include <QDir>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace tycora::ui {
namespace {

QString shotFolder() { return qEnvironmentVariable("TYCORA_SHELL_SCREENSHOTS"); }

void save(QWidget &w, const QString &name)
{
    const QPixmap shot = w.grab();
    const QString file = QDir(shotFolder()).filePath(
        QStringLiteral("shell-%1-dpr%2.png").arg(name).arg(shot.devicePixelRatio()));
    EXPECT_TRUE(shot.save(file)) << file.toStdString();
}

TEST(Screenshots, MenuAndSetUpWithTwoPlayers)
{
    if (shotFolder().isEmpty())
        GTEST_SKIP() << "set TYCORA_SHELL_SCREENSHOTS to a folder to save pictures";

    ScriptedMessageBoxes boxes;
    FrmMenu menu(boxes);
    menu.show();
    save(menu, QStringLiteral("menu"));

    GameState state;
    testing::RecordingLog log;
    FrmPlayers players(state, log, boxes);
    players.setupPlayerColumns();
    players.show();
    save(players, QStringLiteral("players-fresh"));

    players.txtName->setText(QStringLiteral("Zoë 😀"));
    testing::pick(*players.imgcPieces, QStringLiteral("Hat"));
    testing::pick(*players.imgcColours, QStringLiteral("Red"));
    testing::pick(*players.imgcType, QStringLiteral("Human"));
    players.cmdAdd->click();
    testing::pick(*players.imgcPieces, QStringLiteral("Wheelbarrow"));
    testing::pick(*players.imgcColours, QStringLiteral("Purple"));
    testing::pick(*players.imgcType, QStringLiteral("Computer"));
    players.cmdAdd->click();
    testing::pick(*players.imgcPieces, QStringLiteral("Dog "));
    testing::pick(*players.imgcColours, QStringLiteral("Green"));
    save(players, QStringLiteral("players-two"));

    players.imgcPieces->showPopup();
    save(*players.imgcPieces->view()->window(), QStringLiteral("pieces-list"));
    players.imgcPieces->hidePopup();
    players.imgcType->showPopup();
    save(*players.imgcType->view()->window(), QStringLiteral("types-list"));
    players.imgcType->hidePopup();

    FrmOptions options;
    options.show();
    save(options, QStringLiteral("options"));
    FrmMortgage mortgage;
    mortgage.show();
    save(mortgage, QStringLiteral("mortgage"));
}

} // namespace
} // namespace tycora::ui
