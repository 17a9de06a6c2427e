#include "tools/scripted_setup.h"

#include "ui/shell/frm_players.h"
#include "toolkit/command_button.h"
#include "toolkit/image_combo.h"

#include <QLineEdit>

namespace tycora::tools {

namespace {

// Picks the entry as a click in the drop-down list would.
void choose(ui::ImageCombo *combo, const QString &text)
{
    const int i = combo->findText(text);
    combo->setCurrentIndex(i);
    emit combo->activated(i);
}

} // namespace

void enterPlayer(ui::FrmPlayers &players, const QString &name, const QString &piece, const QString &colour,
                 const QString &type)
{
    players.txtName->setText(name);
    choose(players.imgcPieces, piece);
    choose(players.imgcColours, colour);
    choose(players.imgcType, type);
    players.cmdAdd->click();
}

} // namespace tycora::tools
