#include "toolkit/command_button.h"

namespace tycora::ui {

CommandButton::CommandButton(const QString &caption, QWidget *parent) : QPushButton(caption, parent) {}

void CommandButton::setBackColour(const QColor &colour)
{
    back_ = colour;
    const QString base = colour.name();
    const QString pressed = colour.darker(115).name();
    setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 1px solid #5a7a5a; border-radius: 3px; }"
                                 "QPushButton:hover { background-color: %2; }"
                                 "QPushButton:pressed { background-color: %3; }"
                                 "QPushButton:focus { border: 2px solid #2a5a2a; }")
                      .arg(base, colour.lighter(106).name(), pressed));
}

} // namespace tycora::ui
