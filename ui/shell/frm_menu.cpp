#include "ui/shell/frm_menu.h"

#include "assets/art_catalog.h"
#include "ui/shell/backdrop.h"
#include "ui/shell/window_caption.h"
#include "toolkit/command_button.h"
#include "toolkit/fonts.h"
#include "toolkit/message_box.h"
#include "toolkit/picture.h"
#include "toolkit/twips.h"

namespace tycora::ui {

namespace {

const QColor MenuButtonColour(188, 243, 242);

CommandButton *menuButton(const QString &caption, QWidget *parent)
{
    auto *button = new CommandButton(caption, parent);
    button->setBackColour(MenuButtonColour);
    button->setFont(comicSans(18, true));
    return button;
}

} // namespace

FrmMenu::FrmMenu(MessageBoxes &boxes, QWidget *parent) : Form(parent), boxes_(boxes)
{
    setWindowTitle(GameCaption);
    setBorderless(true);
    setClientSizeTwips(6285, 3585);
    setBackColour(boardGreen());
    setFont(tahoma(8.25));

    imgLogo = new Picture(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPicture(art::logo());
    place(imgLogo, 825, 315, 4500, 1380);

    cmdNewGame = menuButton(tr("New Game"), this);
    cmdNewGame->setObjectName(QStringLiteral("cmdNewGame"));
    place(cmdNewGame, 375, 2400, 2370, 765);
    cmdLoadGame = menuButton(tr("Load Game"), this);
    cmdLoadGame->setObjectName(QStringLiteral("cmdLoadGame"));
    place(cmdLoadGame, 3540, 2400, 2370, 765);
    setTabOrder(cmdNewGame, cmdLoadGame);

    connect(cmdNewGame, &QPushButton::clicked, this, &FrmMenu::cmdNewGame_Click);
    connect(cmdLoadGame, &QPushButton::clicked, this, &FrmMenu::cmdLoadGame_Click);

    centreOnScreen();
    // The window keeps what is drawn on it, so the frame is drawn once.
    paintBackdrop(*this);
}

void FrmMenu::cmdNewGame_Click()
{
    if (newGameAction_)
        newGameAction_();
    unload();
}

void FrmMenu::cmdLoadGame_Click()
{
    if (loadGameAction_) {
        loadGameAction_();
        return;
    }
    // With nowhere to load games from, there is nothing to load.
    boxes_.show(this, tr("Not Done"), MsgButtons::Ok, MsgIcon::Critical);
}

bool FrmMenu::queryUnload(CloseReason reason)
{
    QuitContext context = quitContext_;
    if (!context.boxes)
        context.boxes = &boxes_;
    return quitCancelled(reason, this, context);
}

CommandButton *FrmMenu::addButton(const QString &caption, const QString &name)
{
    auto *button = new CommandButton(caption, this);
    button->setObjectName(name);
    button->setBackColour(cmdNewGame->backColour());
    QWidget::setTabOrder(cmdLoadGame, button);
    return button;
}

} // namespace tycora::ui
