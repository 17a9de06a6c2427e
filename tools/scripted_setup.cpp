#include "tools/scripted_setup.h"

#include "ui/shell/frm_players.h"
#include "toolkit/command_button.h"
#include "toolkit/image_combo.h"

#include <QLineEdit>

namespace tycora::tools {

namespace {

// Picks the entry as a click in the drop-down list would.
void choose(ui::FrmPlayers &players, const char *name, const QString &text)
{
    auto *combo = players.findChild<ui::ImageCombo *>(QLatin1String(name));
    const int i = combo->findText(text);
    combo->setCurrentIndex(i);
    emit combo->activated(i);
}

} // namespace

void enterPlayer(ui::FrmPlayers &players, const QString &name, const QString &piece, const QString &colour,
                 const QString &type)
{
    players.findChild<QLineEdit *>(QStringLiteral("txtName"))->setText(name);
    choose(players, "imgcPieces", piece);
    choose(players, "imgcColours", colour);
    choose(players, "imgcType", type);
    clickButton(players, "cmdAdd");
}

void clickButton(QWidget &window, const char *name)
{
    window.findChild<ui::CommandButton *>(QLatin1String(name))->click();
}

} // namespace tycora::tools
