#pragma once

// Keeps a text box from holding half a character or a control character.
// A length cap counts UTF-16 units, so a character outside the basic plane
// (an emoji) that does not fit whole would otherwise leave its first half
// behind; that half is dropped instead. Control characters (line breaks,
// tabs, DEL, C1 controls, bidirectional overrides and isolates) are dropped
// too, wherever the text comes from, so a name is always one plain line;
// so are invisible format characters, so a name is what it looks like.

#include <QValidator>

namespace tycora::ui {

class WholeCharacterValidator final : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override;
};

} // namespace tycora::ui
