#pragma once

// The start menu: the title, "New Game" and "Load Game".

#include "ui/shell/quit_confirmation.h"
#include "toolkit/form.h"

#include <functional>

namespace tycora::ui {

class CommandButton;
class MessageBoxes;
class Picture;

class FrmMenu : public Form {
    Q_OBJECT
public:
    explicit FrmMenu(MessageBoxes &boxes, QWidget *parent = nullptr);

    // What "New Game" does before the menu goes away: show the set-up window.
    void setNewGameAction(std::function<void()> action) { newGameAction_ = std::move(action); }
    // What "Load Game" does: open the list of saved games. The menu stays
    // until a game is opened.
    void setLoadGameAction(std::function<void()> action) { loadGameAction_ = std::move(action); }
    void setQuitContext(const QuitContext &context) { quitContext_ = context; }

    // A further button on the menu, right after Load Game in the Tab order,
    // in the menu buttons' colour; the caller places it.
    CommandButton *addButton(const QString &caption, const QString &name);

protected:
    bool queryUnload(CloseReason reason) override;

private:
    void cmdNewGame_Click();
    void cmdLoadGame_Click();

    Picture *imgLogo = nullptr;
    CommandButton *cmdNewGame = nullptr;
    CommandButton *cmdLoadGame = nullptr;
    MessageBoxes &boxes_;
    std::function<void()> newGameAction_;
    std::function<void()> loadGameAction_;
    QuitContext quitContext_;
};

} // namespace tycora::ui
