// The controls of the set-up window, where they stand and how they look.

#include "ui/shell/frm_players.h"

#include "assets/art_catalog.h"
#include "game/player_setup.h"
#include "ui/shell/options_panel.h"
#include "ui/shell/whole_character_validator.h"
#include "toolkit/command_button.h"
#include "toolkit/fonts.h"
#include "toolkit/frame.h"
#include "toolkit/image_combo.h"
#include "toolkit/label.h"
#include "toolkit/list_view.h"
#include "toolkit/picture.h"
#include "toolkit/text_box.h"
#include "toolkit/twips.h"
#include "toolkit/game_text.h"

#include <QLineEdit>

namespace tycora::ui {

namespace {

Frame *groupFrame(const QString &caption, QWidget *parent)
{
    auto *frame = new Frame(parent);
    frame->setCaption(caption);
    frame->setBackColour(boardGreen());
    frame->setFont(tahoma(9.75, true));
    return frame;
}

ImageCombo *pictureCombo(QWidget *parent, QSize pictureSize)
{
    auto *combo = new ImageCombo(parent);
    combo->setFont(tahoma(9.75));
    combo->setIconSize(pictureSize);
    return combo;
}

CommandButton *button(const QString &caption, QWidget *parent, const QFont &font)
{
    auto *b = new CommandButton(caption, parent);
    b->setFont(font);
    b->setAutoDefault(false);
    return b;
}

} // namespace

void FrmPlayers::createControls()
{
    // The window's own font; controls without a font of their own use it,
    // including those inside the bold-captioned frames.
    const QFont windowFont = tahoma(8.25);
    setFont(windowFont);

    Image1 = new Picture(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPicture(art::logo());
    place(Image1, 1845, 330, 4500, 1380);

    frmPlayerInfo = groupFrame(tr("Player Info"), this);
    frmPlayerInfo->setObjectName(QStringLiteral("frmPlayerInfo"));
    place(frmPlayerInfo, 480, 2145, 3090, 4170);

    txtName = new TextBox(frmPlayerInfo);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setFont(tahoma(9.75));
    txtName->setMaxLength(MaxNameLength);
    txtName->setValidator(new WholeCharacterValidator(txtName));
    txtName->setText(qtext(defaultPlayerName(0)));
    place(txtName, 420, 495, 2235, 345);
    // The name's limit is shown rather than found out: a count under the
    // box (made below), a hint inside it while it is empty, and a tooltip.
    const QString limit = tr("up to %1 characters").arg(MaxNameLength);
    txtName->setPlaceholderText(limit.left(1).toUpper() + limit.mid(1));
    txtName->setToolTip(tr("The player's name, %1").arg(limit));

    // The pictures are drawn as large as the combo's height allows, keeping
    // their proportions (44 x 30 pieces and colours, 40 x 50 types).
    imgcPieces = pictureCombo(frmPlayerInfo, QSize(28, 19));
    imgcPieces->setObjectName(QStringLiteral("imgcPieces"));
    place(imgcPieces, 397, 1095, 2280, 375);
    imgcColours = pictureCombo(frmPlayerInfo, QSize(28, 19));
    imgcColours->setObjectName(QStringLiteral("imgcColours"));
    place(imgcColours, 397, 1725, 2280, 375);
    imgcType = pictureCombo(frmPlayerInfo, QSize(16, 19));
    imgcType->setObjectName(QStringLiteral("imgcType"));
    place(imgcType, 390, 2400, 2280, 375);

    cmdAdd = button(tr("&Add Player"), frmPlayerInfo, windowFont);
    cmdAdd->setObjectName(QStringLiteral("cmdAdd"));
    place(cmdAdd, 975, 3480, 1125, 390);
    cmdAdd->setEnabled(false);

    frmPlayerList = groupFrame(tr("Player List"), this);
    frmPlayerList->setObjectName(QStringLiteral("frmPlayerList"));
    place(frmPlayerList, 3705, 2160, 5745, 2340);

    lstPlayers = new ListView(frmPlayerList);
    lstPlayers->setObjectName(QStringLiteral("lstPlayers"));
    lstPlayers->setFont(tahoma(9));
    // The columns are sized to the list's whole width; its frame takes a few
    // pixels of that, which is no reason for a scroll bar.
    lstPlayers->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    place(lstPlayers, 255, 510, 5220, 1260);

    // Editing and removing players are not offered.
    cmdEdit = button(tr("&Edit"), frmPlayerList, tahoma(6.75));
    cmdEdit->setObjectName(QStringLiteral("cmdEdit"));
    place(cmdEdit, 1950, 1890, 795, 300);
    cmdEdit->setEnabled(false);
    cmdRemove = button(tr("&Remove"), frmPlayerList, tahoma(6.75));
    cmdRemove->setObjectName(QStringLiteral("cmdRemove"));
    place(cmdRemove, 3060, 1890, 795, 300);
    cmdRemove->setEnabled(false);

    frmOptions = groupFrame(tr("Options"), this);
    frmOptions->setObjectName(QStringLiteral("frmOptions"));
    place(frmOptions, 3705, 4545, 5745, 1770);
    optionsPanel = new OptionsPanel(frmOptions);

    cmdNext = button(tr("Next  >>"), this, windowFont);
    cmdNext->setObjectName(QStringLiteral("cmdNext"));
    place(cmdNext, 8280, 6435, 1125, 390);
    cmdNext->setEnabled(false);

    cmd4Computers = button(tr("Add 4 Computer Players"), this, windowFont);
    cmd4Computers->setObjectName(QStringLiteral("cmd4Computers"));
    place(cmd4Computers, 5955, 6465, 2115, 375);
    createLevelChoice();

    setTabOrder(txtName, imgcPieces);
    setTabOrder(imgcPieces, imgcColours);
    setTabOrder(imgcColours, imgcType);
    setTabOrder(imgcType, cboLevel_);
    setTabOrder(cboLevel_, cmdAdd);
    setTabOrder(cmdAdd, lstPlayers);
    QWidget *previous = lstPlayers;
    for (QWidget *choice : optionsPanel->tabOrder()) {
        setTabOrder(previous, choice);
        previous = choice;
    }
    setTabOrder(previous, cmd4Computers);
    setTabOrder(cmd4Computers, cmdNext);

    // Made last, so that these labels stand after every control in the
    // focus chain.
    lblNameLength = new Label(frmPlayerInfo);
    lblNameLength->setObjectName(QStringLiteral("lblNameLength"));
    lblNameLength->setFont(windowFont);
    lblNameLength->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblNameLength->setToolTip(tr("Names are %1 long").arg(limit));
    place(lblNameLength, 420, 855, 2235, 225);

    // Says why "Add Player" is off, in the room between the type combo and
    // the button.
    lblAddHint = new Label(frmPlayerInfo);
    lblAddHint->setObjectName(QStringLiteral("lblAddHint"));
    lblAddHint->setFont(windowFont);
    lblAddHint->setForeColour(QColor(160, 0, 0));
    lblAddHint->setAlignment(Qt::AlignCenter);
    lblAddHint->setWordWrap(true);
    place(lblAddHint, 150, 2865, 2790, 525);
}

} // namespace tycora::ui
