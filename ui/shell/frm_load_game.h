#pragma once

// The Load Game window: the saved games a player may resume, the last game
// first, each with its players, rule set, round and when it was saved. A
// file that cannot be loaded is listed greyed with the reason. "Open File…"
// picks any saved game on disk. Choosing a game reports its file.

#include "save/saved_game_list.h"
#include "toolkit/form.h"

#include <functional>
#include <vector>

class QTreeWidget;

namespace tycora::ui {

class CommandButton;

class FrmLoadGame : public Form {
    Q_OBJECT
public:
    explicit FrmLoadGame(const std::vector<save::SavedGameEntry> &games, QWidget *over = nullptr);

    // Asks for a file to open; the file dialog unless a test says otherwise.
    void setFileAsker(std::function<QString()> asker) { askFile_ = std::move(asker); }
    // Opens centred over the window it was opened from.
    void open();

signals:
    void gameChosen(const QString &path);

private:
    QTreeWidget *lstGames = nullptr;
    CommandButton *cmdLoad = nullptr;
    CommandButton *cmdOpenFile = nullptr;
    CommandButton *cmdCancel = nullptr;

    void choose();
    void openFile();

    QWidget *over_;
    std::vector<save::SavedGameEntry> games_;
    std::function<QString()> askFile_;
};

} // namespace tycora::ui
