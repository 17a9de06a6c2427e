#include "ui/main/players_column.h"

#include "ui/main/control_names.h"
#include "ui/main/player_panel.h"
#include "toolkit/twips.h"

namespace tycora::ui {

namespace {
constexpr int FullHeight = 6270;
constexpr int PanelPitch = 1485;
} // namespace

PlayersColumn::PlayersColumn(QWidget *window, const PanelPictures &pictures) : Frame(window)
{
    named(this, QStringLiteral("frmPlayers"));
    setCaption(tr("Players"));
    place(this, 11475, 285, 3375, FullHeight);
    for (int slot = 0; slot < MaxPlayers; ++slot) {
        auto *panel = new PlayerPanel(this, slot, pictures);
        connect(panel, &Frame::mouseMoved, this, &PlayersColumn::panelHovered);
        connect(panel, &PlayerPanel::miniHovered, this, [this, slot](int square) { emit miniHovered(slot, square); });
        connect(panel, &PlayerPanel::miniClicked, this, [this, slot](int square) { emit miniClicked(slot, square); });
        panels_[static_cast<std::size_t>(slot)] = panel;
    }
}

PlayerPanel *PlayersColumn::panel(int slot) const
{
    return slot >= 0 && slot < MaxPlayers ? panels_[static_cast<std::size_t>(slot)] : nullptr;
}

void PlayersColumn::showPanels(int count)
{
    for (int slot = 0; slot < MaxPlayers; ++slot)
        panels_[static_cast<std::size_t>(slot)]->setVisible(slot < count);
    place(this, leftTwips(this), topTwips(this), widthTwips(this), FullHeight - PanelPitch * (MaxPlayers - count));
}

} // namespace tycora::ui
