#pragma once

// A one-line text box that never holds control characters: C0 controls
// (U+0000 to U+001F), DEL, C1 controls (U+0080 to U+009F), the line and
// paragraph separators (U+2028, U+2029) and the invisible format
// characters (Unicode's Cf: the bidirectional embeddings, overrides,
// isolates and marks, zero-width spaces and joiners, the byte order mark,
// tags). Typed ones are refused; pasted, dropped or committed
// text loses them before the length cap is applied, so pasting
// "Ann\r\nBob" gives "AnnBob" and a long paste is cut after the characters
// that are kept. Text set by the program is left to the box's validator.

#include <QClipboard>
#include <QLineEdit>

namespace tycora::ui {

bool isControlCharacter(char32_t c);
// The text with every control character left out.
QString withoutControlCharacters(const QString &text);

class TextBox : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

    // Inserts the clipboard's text, without control characters, where
    // paste() would.
    void pasteWithoutControls(QClipboard::Mode mode = QClipboard::Clipboard);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dropEvent(QDropEvent *event) override;
};

} // namespace tycora::ui
