#pragma once

// A band across the top of the board saying the connection to the game
// server is lost and being tried again; gone once the seat is back.

#include <QLabel>

namespace tycora::ui {

class ConnectionBanner final : public QLabel {
    Q_OBJECT
public:
    explicit ConnectionBanner(QWidget *board);

    static constexpr const char *LostText =
        QT_TR_NOOP("Connection to the game server lost - trying again to take your seat back...");

    void showLost();
    void showBack() { hide(); }
};

} // namespace tycora::ui
