#include "ui/shell/online_menu_entry.h"

#include "ui/shell/frm_menu.h"
#include "toolkit/command_button.h"
#include "toolkit/fonts.h"
#include "toolkit/twips.h"

namespace tycora::ui {

CommandButton *addOnlineGameButton(FrmMenu &menu, std::function<void()> action)
{
    CommandButton *button = menu.addButton(FrmMenu::tr("Online Game"), QStringLiteral("cmdOnlineGame"));
    // In a smaller type: it stands between the logo and the two game
    // buttons without crowding either.
    button->setFont(comicSans(12, true));
    place(button, 2235, 1815, 1815, 465);
    QObject::connect(button, &QPushButton::clicked, &menu, [action = std::move(action)] {
        if (action)
            action();
    });
    return button;
}

} // namespace tycora::ui
