#pragma once

// A main window on a filled board with up to four players, for the tests
// of what the window shows.

#include "game/board.h"
#include "game/game_state.h"
#include "ui/main/frm_main.h"
#include "ui/main/main_screen.h"
#include "ui/toolkit/message_box.h"
#include "ui/toolkit/twips.h"

#include <QCoreApplication>
#include <QEvent>

#include <gtest/gtest.h>

#include <memory>

namespace tycora::testing {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        loadBoard(state);
        addPlayer("Ann", "Hat", 0, Human);
        addPlayer("Ben", "Car ", 1, Computer);
        form = std::make_unique<ui::FrmMain>(state, boxes);
    }
    void TearDown() override
    {
        form.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void addPlayer(const std::string &name, const std::string &piece, long colour, long type)
    {
        Player &p = state.Players[state.PlayerCount++];
        p.Name = name;
        p.Piece = piece;
        p.Colour = colour;
        p.PlayerType = type;
        p.Money = StartingMoney;
    }

    ui::MainScreen &screen() { return form->screen(); }

    // Where a widget lies, compared in whole pixels as the window lays it out.
    static QRect twipRect(int left, int top, int width, int height)
    {
        return ui::rectFromTwips(left, top, width, height);
    }

    GameState state;
    ui::ScriptedMessageBoxes boxes;
    std::unique_ptr<ui::FrmMain> form;
};

} // namespace tycora::testing
