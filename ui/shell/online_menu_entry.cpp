#include "ui/shell/online_menu_entry.h"

#include "ui/shell/frm_menu.h"
#include "ui/toolkit/command_button.h"
#include "ui/toolkit/fonts.h"
#include "ui/toolkit/twips.h"

namespace tycora::ui {

CommandButton *addOnlineGameButton(FrmMenu &menu, std::function<void()> action)
{
    auto *button = new CommandButton(QStringLiteral("Online Game"), &menu);
    button->setObjectName(QStringLiteral("cmdOnlineGame"));
    // The menu's buttons' colour, in a smaller type: it stands between the
    // logo and the two game buttons without crowding either.
    button->setBackColour(menu.cmdNewGame->backColour());
    button->setFont(comicSans(12, true));
    place(button, 2235, 1815, 1815, 465);
    QWidget::setTabOrder(menu.cmdLoadGame, button);
    QObject::connect(button, &QPushButton::clicked, &menu, [action = std::move(action)] {
        if (action)
            action();
    });
    return button;
}

} // namespace tycora::ui
