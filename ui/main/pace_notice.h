#pragma once

// A few words beside the dice when the pace changes during play ("Pace:
// Fast"). They stay until the next throw clears the status line.

class QString;
class QWidget;

namespace tycora::ui {

class Label;

class PaceNotice final {
public:
    explicit PaceNotice(QWidget *window);

    void showPace(const QString &paceName);
    void hide();

private:
    Label *lblPace_ = nullptr;
};

} // namespace tycora::ui
