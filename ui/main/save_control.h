#pragma once

// Saving and loading from the board: a small Save button in the free
// corner under the cards, Ctrl+S and Ctrl+O, and the board's game menu
// entries. A game can be saved only where it stands still (a player to
// throw, or a computer's pause before its throw); elsewhere the button is
// disabled and its tooltip says why.

#include <QObject>

#include <functional>

class QTimer;

namespace tycora {
class Engine;
}

namespace tycora::ui {

class CommandButton;
class Form;

class SaveControl : public QObject {
    Q_OBJECT
public:
    // Lives as long as the window, whose child it is.
    SaveControl(Form &window, const Engine &engine);

    void setActions(std::function<void()> save, std::function<void()> load);
    // Enables or disables Save as the game stands now. Also run every
    // moment while the window is up.
    void refresh();

    CommandButton *button() const { return cmdSaveGame_; }

    static const char *const SaveTip;

private:
    void save();

    const Engine &engine_;
    CommandButton *cmdSaveGame_ = nullptr;
    QTimer *poll_ = nullptr;
    std::function<void()> save_;
    std::function<void()> load_;
};

} // namespace tycora::ui
