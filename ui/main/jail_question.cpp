#include "ui/main/jail_question.h"

#include "game/rules.h"
#include "game/text.h"
#include "ui/main/control_names.h"
#include "toolkit/command_button.h"
#include "toolkit/fonts.h"
#include "toolkit/form.h"
#include "toolkit/game_window_look.h"
#include "toolkit/label.h"
#include "toolkit/leaded_label.h"
#include "toolkit/twips.h"
#include "toolkit/game_text.h"

#include <algorithm>
#include <utility>

namespace tycora::ui {

namespace {

QString choicesText(bool hasCard, int cash)
{
    // The fine is offered only to someone who has it in hand.
    QString text = cash >= JailFine
                       ? JailQuestion::tr("Pay %1 to leave now, then throw as usual. ").arg(qmoney(JailFine))
                       : QString();
    if (hasCard)
        text += JailQuestion::tr("Use your Get Out of Jail Free card to leave now. ");
    text +=
        JailQuestion::tr("Or throw for a double: a double sets you free and moves you.\nYou have %1").arg(qmoney(cash));
    if (cash < JailFine)
        return text + JailQuestion::tr(", too little to pay the %1 fine.").arg(qmoney(JailFine));
    return text + QLatin1Char('.');
}

QString throwsText(int failedThrows)
{
    const int throwNumber = failedThrows + 1;
    if (throwNumber >= ThrowsInJail)
        return JailQuestion::tr("This is your third throw: without a double you pay %1 and move.")
            .arg(qmoney(JailFine));
    return JailQuestion::tr("Without a double you stay in Jail (throw %1 of %2).").arg(throwNumber).arg(ThrowsInJail);
}

} // namespace

JailQuestion::JailQuestion(QWidget *window) : QDialog(window)
{
    setObjectName(QStringLiteral("frmJail"));
    setWindowTitle(JailQuestion::tr("In Jail"));
    // Each question opens where the last one was.
    keepPlacedOver(*this);
    giveGameWindowLook(*this);

    lblJailName_ = named(new Label(this), QStringLiteral("lblJailName"));
    lblJailName_->setFont(tahoma(9.75, true));
    place(lblJailName_, 240, 195, 6120, 300);

    lblJailChoices_ = named(new LeadedLabel(this), QStringLiteral("lblJailChoices"));
    lblJailChoices_->setWordWrap(true);
    lblJailChoices_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    lblJailThrows_ = named(new LeadedLabel(this), QStringLiteral("lblJailThrows"));
    lblJailThrows_->setWordWrap(true);

    cmdPayFine_ = named(new CommandButton(tr("Pay %1").arg(qmoney(JailFine)), this), QStringLiteral("cmdPayFine"));
    cmdUseCard_ = named(new CommandButton(tr("Use Get Out of Jail Free card"), this), QStringLiteral("cmdUseCard"));
    cmdThrowDouble_ = named(new CommandButton(tr("Throw for a double"), this), QStringLiteral("cmdThrowDouble"));
    // Throwing costs nothing, so it is what Enter chooses.
    cmdThrowDouble_->setDefault(true);
    connect(cmdPayFine_, &QPushButton::clicked, this, [this] { choose(JailChoice::PayFine); });
    connect(cmdUseCard_, &QPushButton::clicked, this, [this] { choose(JailChoice::UseCard); });
    connect(cmdThrowDouble_, &QPushButton::clicked, this, [this] { choose(JailChoice::Throw); });
}

void JailQuestion::ask(const QString &name, int cash, bool hasCard, int failedThrows,
                       std::function<void(JailChoice)> answer)
{
    answer_ = std::move(answer);
    lblJailName_->setCaption(JailQuestion::tr("%1 is in Jail").arg(name));
    lblJailChoices_->setCaption(choicesText(hasCard, cash));
    lblJailThrows_->setCaption(throwsText(failedThrows));

    // The texts as tall as their lines, then the buttons on offer in one
    // row from the left, each as wide as its caption needs.
    const int textWidth = px(6120);
    int top = px(600);
    lblJailChoices_->setGeometry(px(240), top, textWidth, lblJailChoices_->heightForWidth(textWidth));
    top += lblJailChoices_->height() + px(120);
    lblJailThrows_->setGeometry(px(240), top, textWidth, lblJailThrows_->heightForWidth(textWidth));
    top += lblJailThrows_->height() + px(300);
    cmdUseCard_->setVisible(hasCard);
    cmdPayFine_->setVisible(cash >= JailFine);
    int left = px(240);
    for (CommandButton *button : {cmdPayFine_, cmdUseCard_, cmdThrowDouble_}) {
        if (button->isHidden())
            continue;
        const int width = std::max(px(1500), button->sizeHint().width() + px(240));
        button->setGeometry(left, top, width, px(450));
        left += width + px(120);
    }
    setFixedSize(px(6600), top + px(450) + px(240));
    cmdThrowDouble_->setFocus();
    open();
}

void JailQuestion::reject()
{
    // Closing the question is no way round it: the person throws.
    if (asking())
        choose(JailChoice::Throw);
}

void JailQuestion::choose(JailChoice choice)
{
    if (!answer_)
        return;
    // Taken before answering: the engine may ask again before this returns.
    auto answer = std::exchange(answer_, nullptr);
    hide();
    answer(choice);
}

} // namespace tycora::ui
