#pragma once

// The words in the middle of the board: "Current Player:" with the name on
// a shape in the player's colours (shpCurrent), the status line (lblStatus)
// centred under it, and the dice roll (lblDiceRoll) above the dice. The
// dice roll belongs here rather than to the dice: it is made with these
// words, before the buttons, and the dice after them.

class QColor;
class QString;
class QWidget;

namespace tycora::ui {

class Label;
class Shape;

class TurnDisplay final {
public:
    explicit TurnDisplay(QWidget *window);

    // The shape grows with the name, so every name sits inside it.
    void showCurrentPlayer(const QString &name, const QColor &fill, const QColor &border);
    void showStatus(const QString &text);
    void hideStatus();
    void showDiceRoll(const QString &text);

private:
    Shape *shpCurrent_ = nullptr;
    Label *lblCurrentPlayerName_ = nullptr;
    Label *lblStatus_ = nullptr;
    Label *lblDiceRoll_ = nullptr;
};

} // namespace tycora::ui
