#pragma once

// A main window on a filled board with up to four players, for the tests
// of what the window shows. Tests reach its controls by name
// (control_lookup.h) and draw on it through its MainScreen.

#include "control_lookup.h"

#include "game/board.h"
#include "game/board_pieces.h"
#include "game/game_state.h"
#include "ui/main/frm_main.h"
#include "ui/main/main_screen.h"
#include "toolkit/command_button.h"
#include "toolkit/frame.h"
#include "toolkit/label.h"
#include "toolkit/picture.h"
#include "toolkit/shape.h"
#include "toolkit/message_box.h"
#include "toolkit/twips.h"

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

    // The player's piece steps onto the square as the engine moves it, and
    // the window is told.
    void movePiece(int player, int square)
    {
        const int from = pieceSquare(state, player);
        state.Players[player].Square = state.Players[player].TargetSquare = static_cast<Integer>(square);
        noteArrival(state, player);
        lineUp(state, from);
        screen().pieceMoved(player, from);
    }
    // A deed held as if bought: the state, then the window told.
    void own(int player, int square)
    {
        state.Properties[square].Owned = true;
        state.Properties[square].Owner = static_cast<Integer>(player);
        screen().squareChanged(square);
    }

    // The window's controls by name, as control_lookup.h finds them.
    ui::Picture *picture(const QString &name) const { return control<ui::Picture>(*form, name); }
    ui::Picture *picture(const QString &array, int i) const { return control<ui::Picture>(*form, array, i); }
    ui::Label *label(const QString &name) const { return control<ui::Label>(*form, name); }
    ui::Label *label(const QString &array, int i) const { return control<ui::Label>(*form, array, i); }
    ui::Shape *shape(const QString &name) const { return control<ui::Shape>(*form, name); }
    ui::Shape *shape(const QString &array, int i) const { return control<ui::Shape>(*form, array, i); }
    ui::Frame *frame(const QString &name) const { return control<ui::Frame>(*form, name); }
    ui::Frame *frame(const QString &array, int i) const { return control<ui::Frame>(*form, array, i); }
    ui::CommandButton *button(const QString &name) const { return control<ui::CommandButton>(*form, name); }
    // The mini deed of a square in a player's panel.
    ui::Picture *mini(int player, int square) const
    {
        return picture(QStringLiteral("imgMini%1").arg(player), square);
    }

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
