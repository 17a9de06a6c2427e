#pragma once

// The Game Log (frmGameLog): every event line of the game as it happens,
// newest at the bottom, in a window of its own beside the board. It is no
// dialog: the game goes on while it is open, and closing it only hides it,
// so it opens again with every line. The lines of each player are tinted
// in that player's colour, so a computer's turn reads as one block.

#include <QRect>
#include <QWidget>

#include <string>
#include <vector>

class QListWidget;

namespace tycora {
struct GameState;
}

namespace tycora::ui {

// The player whose name a line starts with (the longest name that fits,
// followed by a blank or the end); -1 for a line of nobody's.
int playerOfLine(const GameState &state, const QString &line);

class GameLogWindow final : public QWidget {
    Q_OBJECT
public:
    GameLogWindow(const GameState &state, QWidget *board);

    // A line as the game logs it; the line ends are left off.
    void addLine(const std::string &line);
    void addLines(const std::vector<std::string> &lines);
    int lineCount() const;
    QString line(int row) const;

    // What of the board window the log should not cover, in its own
    // coordinates: the squares as little as can be, the panels never.
    void setCovered(const QRect &squares, const QWidget *panels);

    // Shows the window without taking the keyboard from the board: the
    // first time beside the board where the screen has room, otherwise
    // where it covers least of the squares and none of the panels; later
    // where it was left.
    void open();
    void toggle();
    // True while the newest line is in view.
    bool showsNewest() const;

private:
    void placeBesideBoard();
    void copySelection() const;

    const GameState &state_;
    QWidget *board_;
    QRect squares_;
    const QWidget *panels_ = nullptr;
    QListWidget *lines_;
};

} // namespace tycora::ui
