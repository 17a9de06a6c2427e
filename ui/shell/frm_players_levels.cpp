// The set-up window's computer levels: the choice beside the type, the
// list's Level column, and the level each seat is offered. Both are there
// only while the Full rules are chosen; under the Classic rules every
// computer plays the classic rule and the window looks as it always has.

#include "ui/shell/frm_players.h"

#include "game/player_setup.h"
#include "ui/shell/options_panel.h"
#include "toolkit/fonts.h"
#include "toolkit/frame.h"
#include "toolkit/image_combo.h"
#include "toolkit/list_view.h"
#include "toolkit/twips.h"
#include "toolkit/game_text.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>

namespace tycora::ui {

namespace {

constexpr int LevelColumn = 4;
// The Level column's width, taken from the Name column while it is shown.
constexpr int LevelColumnTwips = 780;

QString levelText(ComputerLevel level) { return qtext(levelName(level)); }

} // namespace

void FrmPlayers::createLevelChoice()
{
    // Beside the type combo, which makes room for it under the Full rules.
    typeComboWidth_ = imgcType->width();
    cboLevel_ = new QComboBox(frmPlayerInfo);
    cboLevel_->setObjectName(QStringLiteral("cboLevel"));
    cboLevel_->setFont(tahoma(8.25));
    cboLevel_->setToolTip(tr("How strongly this computer plays"));
    for (const std::string_view name : ComputerLevelNames)
        cboLevel_->addItem(qtext(name));
    place(cboLevel_, 2025, 2400, 1005, 375);
    cboLevel_->hide();
    connect(cboLevel_, &QComboBox::activated, this, &FrmPlayers::cboLevel_Click);
    connect(optionsPanel, &OptionsPanel::rulesChanged, this, &FrmPlayers::showLevelChoice);
    connect(imgcType, &ImageCombo::picked, this, &FrmPlayers::showLevelChoice);
    showEntryLevel();
}

bool FrmPlayers::fullRules() const { return optionsPanel->options().rules == RuleSet::Full; }

void FrmPlayers::showLevelChoice()
{
    const bool full = fullRules();
    const bool entering = editedRow_ >= 0 || playersAdded < MaxPlayers;
    cboLevel_->setVisible(full);
    // The type combo keeps its place, a little narrower beside the level.
    imgcType->resize(full ? px(1590) : typeComboWidth_, imgcType->height());
    // Offered for a computer being entered; a person has no level.
    cboLevel_->setEnabled(entering && imgcType->text() == qtext(TypeNames[Computer]));
    if (lstPlayers->columnCount() > LevelColumn) {
        const int all = ui::widthTwips(lstPlayers) - 3410;
        lstPlayers->setColumnHidden(LevelColumn, !full);
        lstPlayers->setColumnWidth(0, px(full ? all - LevelColumnTwips : all));
    }
}

int FrmPlayers::entrySeat() const { return editedRow_ >= 0 ? editedRow_ : std::min(playersAdded, MaxPlayers - 1); }

ComputerLevel FrmPlayers::entryLevel() const
{
    const int index = cboLevel_->currentIndex();
    return index >= 0 && index < static_cast<int>(ComputerLevelNames.size()) ? static_cast<ComputerLevel>(index)
                                                                               : ComputerLevel::Normal;
}

void FrmPlayers::showEntryLevel()
{
    cboLevel_->setCurrentIndex(static_cast<int>(seatLevels_[static_cast<std::size_t>(entrySeat())]));
    showLevelChoice();
}

void FrmPlayers::setEntryLevel(ComputerLevel level) { cboLevel_->setCurrentIndex(static_cast<int>(level)); }

void FrmPlayers::addLevelColumn()
{
    // Made with the others, shown only under the Full rules.
    lstPlayers->addColumn(tr("Level"), LevelColumnTwips);
    showLevelChoice();
}

NewPlayer FrmPlayers::enteredPlayer() const
{
    const bool computer = imgcType->text() == qtext(TypeNames[Computer]);
    return {txtName->text().toStdString(), imgcPieces->text().toStdString(), imgcColours->text().toStdString(),
            imgcType->text().toStdString(), computer ? entryLevel() : ComputerLevel::Normal};
}

void FrmPlayers::listLevel(int row, int seat, const NewPlayer &player)
{
    if (player.type != TypeNames[Computer])
        return;
    lstPlayers->setSubItem(row, LevelColumn, levelText(player.level));
    seatLevels_[static_cast<std::size_t>(seat)] = player.level;
}

ComputerLevel FrmPlayers::listedLevel(int row) const
{
    const QString text = lstPlayers->subItem(row, LevelColumn);
    for (std::size_t i = 0; i < ComputerLevelNames.size(); ++i)
        if (text == qtext(ComputerLevelNames[i]))
            return static_cast<ComputerLevel>(i);
    return ComputerLevel::Normal;
}

void FrmPlayers::cboLevel_Click() { seatLevels_[static_cast<std::size_t>(entrySeat())] = entryLevel(); }

void FrmPlayers::setSeatLevels(const SeatLevels &levels)
{
    seatLevels_ = levels;
    showEntryLevel();
}

} // namespace tycora::ui
