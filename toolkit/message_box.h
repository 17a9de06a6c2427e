#pragma once

// Message boxes behind an interface, so tests can answer them. A box is
// either shown and waited for (show) or asked without waiting (ask), in
// which case the answer arrives later through a callback.

#include <QString>

#include <deque>
#include <functional>
#include <vector>

class QWidget;

namespace tycora::ui {

enum class MsgButtons { Ok, YesNo };
enum class MsgIcon { None, Exclamation, Question, Critical };
enum class MsgAnswer { Ok, Yes, No };

inline const QString ApplicationTitle = QStringLiteral("Tycora");

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    // Shows a modal box and returns its answer. defaultAnswer names the
    // button that Return presses in a Yes/No question: Yes unless a wrong
    // Yes would cost the user something (quitting).
    virtual MsgAnswer show(QWidget *parent, const QString &text, MsgButtons buttons, MsgIcon icon,
                           const QString &title = ApplicationTitle, MsgAnswer defaultAnswer = MsgAnswer::Yes) = 0;

    // Asks without waiting: the box is opened and this returns at once;
    // done is called once, with the answer, when the user answers. A box
    // whose parent is destroyed first is never answered. This version
    // shows the box and answers at once; the real and the scripted boxes
    // replace it.
    virtual void ask(QWidget *parent, const QString &text, MsgButtons buttons, MsgIcon icon,
                     std::function<void(MsgAnswer)> done, const QString &title = ApplicationTitle,
                     MsgAnswer defaultAnswer = MsgAnswer::Yes);
};

// Real QMessageBox windows with the desktop's standard icons, wide enough
// for their title and never narrower than MinimumWidth. Yes and No also
// answer to Y and N; Escape and the close box answer No. show() waits in
// a modal loop; ask() opens a window-modal box (application-modal without
// a parent) and calls back after the event that answered it is done.
class QtMessageBoxes final : public MessageBoxes {
public:
    static constexpr int MinimumWidth = 300;

    MsgAnswer show(QWidget *parent, const QString &text, MsgButtons buttons, MsgIcon icon,
                   const QString &title = ApplicationTitle, MsgAnswer defaultAnswer = MsgAnswer::Yes) override;
    void ask(QWidget *parent, const QString &text, MsgButtons buttons, MsgIcon icon,
             std::function<void(MsgAnswer)> done, const QString &title = ApplicationTitle,
             MsgAnswer defaultAnswer = MsgAnswer::Yes) override;
};

// Answers from a script and remembers every box shown; for tests. A box
// with no scripted answer gets OK, or No to a question. A box that is
// asked is answered at once, after whileOpen.
class ScriptedMessageBoxes final : public MessageBoxes {
public:
    struct Shown {
        QString text;
        QString title;
        MsgButtons buttons;
        MsgIcon icon;
        MsgAnswer defaultAnswer = MsgAnswer::Yes;
        bool asked = false;   // asked without waiting, rather than shown
    };
    std::vector<Shown> shown;
    std::deque<MsgAnswer> answers;
    // Runs while the box is "open", before it is answered: a test can act
    // as the user would while the box is up.
    std::function<void(const Shown &)> whileOpen;

    MsgAnswer show(QWidget *parent, const QString &text, MsgButtons buttons, MsgIcon icon,
                   const QString &title = ApplicationTitle, MsgAnswer defaultAnswer = MsgAnswer::Yes) override;
    void ask(QWidget *parent, const QString &text, MsgButtons buttons, MsgIcon icon,
             std::function<void(MsgAnswer)> done, const QString &title = ApplicationTitle,
             MsgAnswer defaultAnswer = MsgAnswer::Yes) override;

private:
    MsgAnswer answer(Shown box);
};

} // namespace tycora::ui
