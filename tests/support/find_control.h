#pragma once

// Finding a window's control by its object name, as a person finds it by
// its place: tests reach no window's members.

#include <QWidget>

#include <stdexcept>

namespace tycora::testing {

// The control of that name anywhere in the window. A window without it
// fails the test at once (by an exception the test reports), rather than
// leaving a null pointer to crash on.
template<typename Control>
Control *control(const QWidget &window, const QString &name)
{
    Control *found = window.findChild<Control *>(name);
    if (!found)
        throw std::runtime_error("the window has no control " + name.toStdString());
    return found;
}

} // namespace tycora::testing
