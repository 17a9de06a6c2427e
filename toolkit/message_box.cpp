#include "toolkit/message_box.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>
#include <QStyle>

#include <algorithm>
#include <memory>
#include <utility>

namespace tycora::ui {

void MessageBoxes::ask(QWidget *parent, const QString &text, MsgButtons buttons, MsgIcon icon,
                       std::function<void(MsgAnswer)> done, const QString &title, MsgAnswer defaultAnswer)
{
    const MsgAnswer answer = show(parent, text, buttons, icon, title, defaultAnswer);
    if (done)
        done(answer);
}

namespace {

// The width a title bar needs to show the whole title: the title in a bold
// face a size larger than the box's text (as desktops draw titles), the
// window icon, and the close, minimise and maximise buttons.
int titleBarWidth(const QWidget &box, const QString &title)
{
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    font.setPointSizeF(std::max(font.pointSizeF(), box.font().pointSizeF()) * 1.2);
    const QFontMetrics metrics(font);
    const int button = std::max(metrics.height(), 24) + 8;
    return metrics.horizontalAdvance(title) + 4 * button + 32;
}

// Sets a box up; gives the Yes button of a question, or null.
QPushButton *prepare(QMessageBox &box, const QString &text, MsgButtons buttons, MsgIcon icon, const QString &title,
                     MsgAnswer defaultAnswer)
{
    const QString shownTitle = title.isEmpty() ? ApplicationTitle : title;
    box.setWindowTitle(shownTitle);
    box.setText(text);
    // The style's standard pictures for each kind of box.
    switch (icon) {
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    }
    QPushButton *yes = nullptr;
    if (buttons == MsgButtons::YesNo) {
        yes = box.addButton(QMessageBox::Yes);
        QPushButton *no = box.addButton(QMessageBox::No);
        yes->setText(QObject::tr("&Yes"));
        no->setText(QObject::tr("&No"));
        box.setDefaultButton(defaultAnswer == MsgAnswer::No ? no : yes);
        box.setEscapeButton(no);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    // A box sizes itself to its text; a short text would leave the title
    // cut off and the buttons crowded. A spacer across the whole grid keeps
    // the box wide enough.
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout())) {
        const int width = std::max(QtMessageBoxes::MinimumWidth, titleBarWidth(box, shownTitle));
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                      grid->columnCount());
    }
    return yes;
}

MsgAnswer answerOf(const QMessageBox &box, MsgButtons buttons, const QPushButton *yes)
{
    if (buttons != MsgButtons::YesNo)
        return MsgAnswer::Ok;
    return box.clickedButton() == yes ? MsgAnswer::Yes : MsgAnswer::No;
}

} // namespace

MsgAnswer QtMessageBoxes::show(QWidget *parent, const QString &text, MsgButtons buttons, MsgIcon icon,
                               const QString &title, MsgAnswer defaultAnswer)
{
    QMessageBox box(parent);
    QPushButton *yes = prepare(box, text, buttons, icon, title, defaultAnswer);
    box.exec();
    return answerOf(box, buttons, yes);
}

void QtMessageBoxes::ask(QWidget *parent, const QString &text, MsgButtons buttons, MsgIcon icon,
                         std::function<void(MsgAnswer)> done, const QString &title, MsgAnswer defaultAnswer)
{
    auto *box = new QMessageBox(parent);
    QPushButton *yes = prepare(*box, text, buttons, icon, title, defaultAnswer);
    auto callback = std::make_shared<std::function<void(MsgAnswer)>>(std::move(done));
    QObject::connect(box, &QDialog::finished, box, [box, yes, buttons, callback] {
        const MsgAnswer answer = answerOf(*box, buttons, yes);
        box->deleteLater();
        // Called once, and only after the click or key that answered has
        // been handled: the callback may close the box's parent.
        if (auto call = std::exchange(*callback, nullptr)) {
            QMetaObject::invokeMethod(
                QCoreApplication::instance(), [call = std::move(call), answer] { call(answer); }, Qt::QueuedConnection);
        }
    });
    if (parent) {
        box->open();
    } else {
        box->setWindowModality(Qt::ApplicationModal);
        box->show();
    }
}

MsgAnswer ScriptedMessageBoxes::answer(Shown box)
{
    shown.push_back(box);
    if (whileOpen)
        whileOpen(box);
    if (!answers.empty()) {
        const MsgAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    return box.buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Ok;
}

MsgAnswer ScriptedMessageBoxes::show(QWidget *, const QString &text, MsgButtons buttons, MsgIcon icon,
                                     const QString &title, MsgAnswer defaultAnswer)
{
    return answer({text, title, buttons, icon, defaultAnswer, false});
}

void ScriptedMessageBoxes::ask(QWidget *, const QString &text, MsgButtons buttons, MsgIcon icon,
                               std::function<void(MsgAnswer)> done, const QString &title, MsgAnswer defaultAnswer)
{
    const MsgAnswer a = answer({text, title, buttons, icon, defaultAnswer, true});
    if (done)
        done(a);
}

} // namespace tycora::ui
