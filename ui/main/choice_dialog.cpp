#include "ui/main/choice_dialog.h"

#include "ui/main/control_names.h"
#include "toolkit/command_button.h"
#include "toolkit/fonts.h"
#include "toolkit/label.h"
#include "toolkit/twips.h"

namespace tycora::ui {

namespace {

constexpr int Margin = 240;
constexpr int Width = 4080;
constexpr int PromptHeight = 420;
constexpr int ChoiceHeight = 345;
constexpr int ButtonPitch = 405;

} // namespace

ChoiceDialog::ChoiceDialog(const QString &name, const QString &caption, QWidget *parent) : Form(parent)
{
    setObjectName(name);
    setWindowTitle(caption);
    setWindowModality(Qt::ApplicationModal);
    setFont(tahoma(8.25));

    lblPrompt_ = named(new Label(this), QStringLiteral("lblPrompt"));
    lblPrompt_->setWordWrap(true);
    lblPrompt_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    place(lblPrompt_, Margin, 120, Width - 2 * Margin, PromptHeight);

    cmdDone_ = named(new CommandButton(tr("Done"), this), QStringLiteral("cmdDone"));
    connect(cmdDone_, &QPushButton::clicked, this, &QWidget::close);
}

void ChoiceDialog::showChoices(const QString &prompt, const std::vector<Choice> &choices, const QString &nothing)
{
    // The button just clicked may still be in its click: old buttons go
    // later, nameless and hidden so that nothing finds them meanwhile.
    for (CommandButton *b : buttons_) {
        b->hide();
        b->setObjectName(QString());
        b->deleteLater();
    }
    buttons_.clear();

    lblPrompt_->setCaption(choices.empty() ? nothing : prompt);
    int top = 120 + PromptHeight + 60;
    for (const Choice &choice : choices) {
        auto *b = named(new CommandButton(choice.caption, this), QStringLiteral("cmdChoice"), choice.square);
        place(b, Margin, top, Width - 2 * Margin, ChoiceHeight);
        b->show();
        const int square = choice.square;
        connect(b, &QPushButton::clicked, this, [this, square] { emit chosen(square); });
        buttons_.push_back(b);
        top += ButtonPitch;
    }
    top += 60;
    place(cmdDone_, Width - Margin - 1150, top, 1150, ChoiceHeight);
    setClientSizeTwips(Width, top + ChoiceHeight + 180);
}

QString ChoiceDialog::prompt() const { return lblPrompt_->caption(); }

QStringList ChoiceDialog::captions() const
{
    QStringList out;
    for (const CommandButton *b : buttons_)
        out << b->text();
    return out;
}

} // namespace tycora::ui
