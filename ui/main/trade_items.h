#pragma once

// What a trade window shows of a player's side of a trade: a column of
// their tradeable deeds as mini deeds with ticks, a cash box and their Get
// Out of Jail Free cards. The column says what is ticked as a TradeSide.

#include "game/trade_offer.h"

#include <QWidget>

#include <vector>

class QCheckBox;
class QLabel;
class QVBoxLayout;

namespace tycora {
struct GameState;
}

namespace tycora::ui {

class TextBox;

class TradeItems final : public QWidget {
    Q_OBJECT
public:
    // `name` tells the column's controls apart ("Give", "Get").
    TradeItems(const GameState &state, const QString &name, QWidget *parent);

    // The player whose items are listed; nothing ticked, no cash.
    void showPlayer(int player);
    int player() const { return player_; }
    // Ticks and fills in what the side gives.
    void setSide(const TradeSide &side);
    TradeSide side() const;
    void clear();

signals:
    void changed();

private:
    const GameState &state_;
    QString name_;
    int player_ = -1;
    QVBoxLayout *deedList_ = nullptr;
    QLabel *lblNoDeeds_ = nullptr;
    std::vector<std::pair<int, QCheckBox *>> deeds_;
    std::vector<QCheckBox *> cards_;
    QVBoxLayout *cardList_ = nullptr;
    TextBox *txtCash_ = nullptr;
};

} // namespace tycora::ui
