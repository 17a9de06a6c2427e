#include "ui/main/control_names.h"

namespace tycora::ui {

QString controlName(const QString &array, int index)
{
    const bool endsInDigit = !array.isEmpty() && array.back().isDigit();
    return array + (endsInDigit ? QStringLiteral("_") : QString()) + QString::number(index);
}

} // namespace tycora::ui
