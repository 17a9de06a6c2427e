#pragma once

// Finding the controls of the main window by their names, as
// ui/main/control_names.h names them: control<Picture>(window, "imgStats", 1)
// is the statistics sign of square 1.

#include "support/find_control.h"
#include "ui/main/control_names.h"

#include <QWidget>

#include <algorithm>
#include <vector>

namespace tycora::testing {

template<typename Control>
Control *control(const QWidget &window, const QString &array, int index)
{
    return control<Control>(window, ui::controlName(array, index));
}

inline bool hasControl(const QWidget &window, const QString &array, int index)
{
    return window.findChild<QObject *>(ui::controlName(array, index)) != nullptr;
}

// The indexes the window has controls of an array for, in order.
inline std::vector<int> controlIndexes(const QWidget &window, const QString &array)
{
    std::vector<int> indexes;
    for (const QObject *child : window.findChildren<QObject *>()) {
        const QString name = child->objectName();
        if (!name.startsWith(array))
            continue;
        bool isNumber = false;
        const int index = name.sliced(array.size()).remove(QLatin1Char('_')).toInt(&isNumber);
        if (isNumber && ui::controlName(array, index) == name)
            indexes.push_back(index);
    }
    std::sort(indexes.begin(), indexes.end());
    return indexes;
}

} // namespace tycora::testing
