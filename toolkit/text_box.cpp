#include "toolkit/text_box.h"

#include "game/player_name_rule.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

namespace tycora::ui {

// The characters a player's name may not hold are the ones a text box
// keeps out: one rule for both.
bool isControlCharacter(char32_t c) { return isHiddenCharacter(c); }

namespace {

// The length of the character at text[i]: 2 for a surrogate pair, else 1.
qsizetype characterLength(const QString &text, qsizetype i)
{
    return text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate() ? 2 : 1;
}

char32_t characterAt(const QString &text, qsizetype i, qsizetype length)
{
    return length == 2 ? QChar::surrogateToUcs4(text.at(i), text.at(i + 1)) : text.at(i).unicode();
}

bool hasControlCharacters(const QString &text)
{
    for (qsizetype i = 0, n = 0; i < text.size(); i += n) {
        n = characterLength(text, i);
        if (isControlCharacter(characterAt(text, i, n)))
            return true;
    }
    return false;
}

} // namespace

QString withoutControlCharacters(const QString &text)
{
    QString kept;
    kept.reserve(text.size());
    // Walked character by character: some format characters (the tags)
    // lie outside the basic plane.
    for (qsizetype i = 0, n = 0; i < text.size(); i += n) {
        n = characterLength(text, i);
        if (!isControlCharacter(characterAt(text, i, n)))
            kept.append(QStringView(text).mid(i, n));
    }
    return kept;
}

void TextBox::pasteWithoutControls(QClipboard::Mode mode)
{
    if (isReadOnly())
        return;
    const QString text = withoutControlCharacters(QGuiApplication::clipboard()->text(mode));
    if (!text.isEmpty() || hasSelectedText())
        insert(text);
}

void TextBox::keyPressEvent(QKeyEvent *event)
{
    if (event == QKeySequence::Paste) {
        pasteWithoutControls();
        event->accept();
        return;
    }
    // A key's text is inserted whole when the box takes it as input, and
    // the box takes format characters such as the bidirectional controls;
    // the control characters are left out first. Keys whose text is only a
    // control (Return, Backspace, Ctrl+A) keep their meaning by their key.
    const QString text = event->text();
    if (hasControlCharacters(text)) {
        QKeyEvent kept(event->type(), event->key(), event->modifiers(), withoutControlCharacters(text),
                       event->isAutoRepeat(), static_cast<quint16>(event->count()));
        QLineEdit::keyPressEvent(&kept);
        event->setAccepted(kept.isAccepted());
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TextBox::inputMethodEvent(QInputMethodEvent *event)
{
    if (!hasControlCharacters(event->commitString()))
        return QLineEdit::inputMethodEvent(event);
    QInputMethodEvent kept(event->preeditString(), event->attributes());
    kept.setCommitString(withoutControlCharacters(event->commitString()), event->replacementStart(),
                         event->replacementLength());
    QLineEdit::inputMethodEvent(&kept);
    event->setAccepted(kept.isAccepted());
}

void TextBox::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu();
    if (!menu)
        return;
    // The menu's Paste, the entry wired to paste(), goes through the same
    // cleaning as Ctrl+V.
    for (QAction *action : menu->actions()) {
        const bool wired = disconnect(action, &QAction::triggered, this, &QLineEdit::paste) |
                           disconnect(action, SIGNAL(triggered()), this, SLOT(paste()));
        if (wired)
            connect(action, &QAction::triggered, this, [this] { pasteWithoutControls(); });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void TextBox::mouseReleaseEvent(QMouseEvent *event)
{
    // The middle button pastes the selection on desktops that have one.
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection() && !isReadOnly() &&
        rect().contains(event->position().toPoint())) {
        deselect();
        setCursorPosition(cursorPositionAt(event->position().toPoint()));
        pasteWithoutControls(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void TextBox::dropEvent(QDropEvent *event)
{
    const QMimeData *data = event->mimeData();
    if (!data || !data->hasText() || !hasControlCharacters(data->text()))
        return QLineEdit::dropEvent(event);
    QMimeData kept;
    kept.setText(withoutControlCharacters(data->text()));
    QDropEvent cleaned(event->position(), event->possibleActions(), &kept, event->buttons(), event->modifiers(),
                       event->type());
    QLineEdit::dropEvent(&cleaned);
    event->setDropAction(cleaned.dropAction());
    event->setAccepted(cleaned.isAccepted());
}

} // namespace tycora::ui
