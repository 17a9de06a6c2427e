#include "ui/shell/whole_character_validator.h"

#include "toolkit/text_box.h"

namespace tycora::ui {

QValidator::State WholeCharacterValidator::validate(QString &input, int &pos) const
{
    QString whole;
    whole.reserve(input.size());
    int newPos = pos;
    for (qsizetype i = 0; i < input.size(); ++i) {
        const QChar c = input.at(i);
        const bool pairedHigh = c.isHighSurrogate() && i + 1 < input.size() && input.at(i + 1).isLowSurrogate();
        const bool pairedLow = c.isLowSurrogate() && i > 0 && input.at(i - 1).isHighSurrogate();
        const char32_t code = pairedHigh ? QChar::surrogateToUcs4(c, input.at(i + 1))
                              : pairedLow ? QChar::surrogateToUcs4(input.at(i - 1), c)
                                          : c.unicode();
        if ((c.isSurrogate() && !pairedHigh && !pairedLow) || isControlCharacter(code)) {
            if (i < pos)
                --newPos;
            continue;
        }
        whole.append(c);
    }
    if (whole.size() != input.size()) {
        input = whole;
        pos = newPos;
    }
    return Acceptable;
}

} // namespace tycora::ui
