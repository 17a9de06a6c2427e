#pragma once

// Modal message boxes behind an interface, so tests can answer them.

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
    virtual MsgAnswer show(QWidget *parent, const QString &text, MsgButtons buttons, MsgIcon icon,
                           const QString &title = ApplicationTitle) = 0;
};

// Real, modal QMessageBox windows. Yes and No also answer to Y and N.
class QtMessageBoxes final : public MessageBoxes {
public:
    MsgAnswer show(QWidget *parent, const QString &text, MsgButtons buttons, MsgIcon icon,
                   const QString &title = ApplicationTitle) override;
};

// Answers from a script and remembers every box shown; for tests. A box
// with no scripted answer gets OK, or No to a question.
class ScriptedMessageBoxes final : public MessageBoxes {
public:
    struct Shown {
        QString text;
        QString title;
        MsgButtons buttons;
        MsgIcon icon;
    };
    std::vector<Shown> shown;
    std::deque<MsgAnswer> answers;
    // Runs while the box is "open", before it is answered: a test can act
    // as the user would while the box is up.
    std::function<void(const Shown &)> whileOpen;

    MsgAnswer show(QWidget *parent, const QString &text, MsgButtons buttons, MsgIcon icon,
                   const QString &title = ApplicationTitle) override;
};

} // namespace tycora::ui
