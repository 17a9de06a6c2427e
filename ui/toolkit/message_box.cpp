#include "ui/toolkit/message_box.h"

#include <QMessageBox>
#include <QPushButton>

namespace tycora::ui {

MsgAnswer QtMessageBoxes::show(QWidget *parent, const QString &text, MsgButtons buttons, MsgIcon icon,
                               const QString &title)
{
    QMessageBox box(parent);
    box.setWindowTitle(title.isEmpty() ? ApplicationTitle : title);
    box.setText(text);
    switch (icon) {
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    }
    if (buttons == MsgButtons::YesNo) {
        QPushButton *yes = box.addButton(QMessageBox::Yes);
        QPushButton *no = box.addButton(QMessageBox::No);
        yes->setText(QObject::tr("&Yes"));
        no->setText(QObject::tr("&No"));
        box.setDefaultButton(yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes ? MsgAnswer::Yes : MsgAnswer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MsgAnswer::Ok;
}

MsgAnswer ScriptedMessageBoxes::show(QWidget *, const QString &text, MsgButtons buttons, MsgIcon icon,
                                     const QString &title)
{
    const Shown box{text, title, buttons, icon};
    shown.push_back(box);
    if (whileOpen)
        whileOpen(box);
    if (!answers.empty()) {
        const MsgAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    return buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Ok;
}

} // namespace tycora::ui
