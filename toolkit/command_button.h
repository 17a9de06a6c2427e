#pragma once

// A push button that can be drawn in its own background colour.

#include <QPushButton>

namespace tycora::ui {

class CommandButton : public QPushButton {
    Q_OBJECT
public:
    explicit CommandButton(const QString &caption, QWidget *parent = nullptr);
    void setBackColour(const QColor &colour);
    QColor backColour() const { return back_; }

private:
    QColor back_;
};

} // namespace tycora::ui
