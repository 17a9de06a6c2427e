#include "ui/shell/options_panel.h"

#include "toolkit/fonts.h"
#include "toolkit/frame.h"
#include "toolkit/label.h"
#include "toolkit/twips.h"
#include "toolkit/window_scale.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QComboBox>

namespace tycora::ui {

namespace {

const QColor HintColour(64, 96, 64);

// The frame's bold caption font would pass to what it holds; its controls
// take the window's font, as every other control inside a frame does.
template<typename Control>
Control *inFrame(Control *control, const char *name)
{
    control->setObjectName(QLatin1String(name));
    control->setFont(tahoma(8.25));
    return control;
}

QCheckBox *optionBox(const char *caption, Frame *frame, const char *name, int top, int width)
{
    auto *box = inFrame(new QCheckBox(QCoreApplication::translate("GameOptions", caption), frame), name);
    // Left unfilled, the box shows the frame's pale green.
    box->setAutoFillBackground(false);
    place(box, 240, top, width, 255);
    return box;
}

Label *caption(const QString &text, Frame *frame, const char *name, int top)
{
    auto *label = inFrame(new Label(frame, text), name);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    place(label, 3630, top, 600, 315);
    return label;
}

QComboBox *choiceCombo(Frame *frame, const char *name, int top, const QString &tip)
{
    auto *combo = inFrame(new QComboBox(frame), name);
    combo->setToolTip(tip);
    place(combo, 4230, top, 1290, 315);
    return combo;
}

template<typename T, std::size_t N>
int indexOf(const T (&list)[N], T value)
{
    for (std::size_t i = 0; i < N; ++i)
        if (list[i] == value)
            return static_cast<int>(i);
    return 0;
}

template<typename T, std::size_t N>
T entryAt(const T (&list)[N], int index)
{
    return index >= 0 && static_cast<std::size_t>(index) < N ? list[index] : list[0];
}

} // namespace

OptionsPanel::OptionsPanel(Frame *frame) : QObject(frame)
{
    chkFirstRoundBuying = optionBox(FirstRoundBuyingCaption, frame, "chkFirstRoundBuying", 345, 3255);
    chkDoubleSalary = optionBox(DoubleGoSalaryCaption, frame, "chkDoubleSalary", 705, 2775);
    chkFreeParking = optionBox(FreeParkingCaption, frame, "chkFreeParking", 1065, 3255);

    lblRules = caption(tr("Rules:"), frame, "lblRules", 315);
    cboRules = choiceCombo(frame, "cboRules", 315,
                           tr("Classic: the house rules this game has always had.\n"
                              "Full: building, mortgages, bankruptcy and a winner, jail, every card, "
                              "auctions."));
    for (const RuleSet rules : AllRuleSets)
        cboRules->addItem(QString::fromLatin1(ruleSetName(rules)));

    lblPace = caption(tr("Pace:"), frame, "lblPace", 705);
    cboPace = choiceCombo(frame, "cboPace", 705,
                          tr("How fast pieces walk, computers pause and rent counts down.\n"
                             "Press P during the game to change it."));
    for (const Pace pace : AllPaces)
        cboPace->addItem(QString::fromLatin1(paceName(pace)));

    lblSize = caption(tr("Size:"), frame, "lblSize", 1065);
    cboSize = choiceCombo(frame, "cboSize", 1065,
                          tr("How large the windows are, from the next start of the game;\n"
                             "never larger than the screen has room for."));
    for (const int scale : WindowScales)
        cboSize->addItem(QStringLiteral("%1%").arg(scale), scale);

    lblRulesSummary = inFrame(new Label(frame), "lblRulesSummary");
    lblRulesSummary->setForeColour(HintColour);
    place(lblRulesSummary, 240, 1410, 5280, 255);

    connect(cboRules, &QComboBox::currentIndexChanged, this, &OptionsPanel::showRulesSummary);
    connect(cboRules, &QComboBox::currentIndexChanged, this, &OptionsPanel::rulesChanged);
    setChoices(GameOptions{}, Pace::Classic);
}

GameOptions OptionsPanel::options() const
{
    GameOptions options;
    options.firstRoundBuying = chkFirstRoundBuying->isChecked();
    options.doubleGoSalary = chkDoubleSalary->isChecked();
    options.freeParkingPot = chkFreeParking->isChecked();
    options.rules = entryAt(AllRuleSets, cboRules->currentIndex());
    return options;
}

Pace OptionsPanel::pace() const { return entryAt(AllPaces, cboPace->currentIndex()); }

int OptionsPanel::windowScale() const { return entryAt(WindowScales, cboSize->currentIndex()); }

void OptionsPanel::setWindowScale(int percent) { cboSize->setCurrentIndex(indexOf(WindowScales, percent)); }

void OptionsPanel::setChoices(const GameOptions &options, Pace pace)
{
    chkFirstRoundBuying->setChecked(options.firstRoundBuying);
    chkDoubleSalary->setChecked(options.doubleGoSalary);
    chkFreeParking->setChecked(options.freeParkingPot);
    cboRules->setCurrentIndex(indexOf(AllRuleSets, options.rules));
    cboPace->setCurrentIndex(indexOf(AllPaces, pace));
    showRulesSummary();
}

QList<QWidget *> OptionsPanel::tabOrder() const
{
    return {chkFirstRoundBuying, chkDoubleSalary, chkFreeParking, cboRules, cboPace, cboSize};
}

void OptionsPanel::hideWindowScale()
{
    lblSize->hide();
    cboSize->hide();
}

void OptionsPanel::showRulesSummary()
{
    lblRulesSummary->setCaption(options().rules == RuleSet::Full
                                    ? tr("Full rules: build, mortgage, go bankrupt; the last player left wins.")
                                    : tr("Classic rules: no bankruptcy, jail is only a square, few cards act."));
}

} // namespace tycora::ui
