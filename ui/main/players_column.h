#pragma once

// The players' column (frmPlayers): a framed column of four player panels,
// as tall as the panels in play.

#include "game/game_state.h"
#include "toolkit/frame.h"

#include <array>

namespace tycora::ui {

class PanelPictures;
class PlayerPanel;

class PlayersColumn final : public Frame {
    Q_OBJECT
public:
    PlayersColumn(QWidget *window, const PanelPictures &pictures);

    // The panel of slot 0..3; nullptr for any other slot.
    PlayerPanel *panel(int slot) const;

    // Shows the first panels only, and shortens the column to them.
    void showPanels(int count);

signals:
    // The mouse is over the background of a panel, or over one of its minis.
    void panelHovered(int slot);
    void miniHovered(int slot, int square);
    // A click on a mini.
    void miniClicked(int slot, int square);

private:
    std::array<PlayerPanel *, MaxPlayers> panels_{};
};

} // namespace tycora::ui
