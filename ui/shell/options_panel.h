#pragma once

// What the set-up window's Options frame offers: the three house options as
// check boxes, the rule set, the pace and the size of the windows. The
// choices are read when "Next  >>" starts the game; the size takes effect
// when the program next starts.

#include "game/game_options.h"
#include "game/pace.h"

#include <QList>
#include <QObject>

class QCheckBox;
class QComboBox;

namespace tycora::ui {

class Frame;
class Label;

class OptionsPanel final : public QObject {
    Q_OBJECT
public:
    // The controls are made inside the frame, which owns them and this.
    explicit OptionsPanel(Frame *frame);

    GameOptions options() const;
    Pace pace() const;
    void setChoices(const GameOptions &options, Pace pace);
    // In percent, one of ui::WindowScales.
    int windowScale() const;
    void setWindowScale(int percent);

    // The controls a Tab reaches, in order.
    QList<QWidget *> tabOrder() const;

    // Leaves out the size's line, for a window that does not offer it.
    void hideWindowScale();

signals:
    // Another rule set is chosen.
    void rulesChanged();

private:
    QCheckBox *chkFirstRoundBuying = nullptr;
    QCheckBox *chkDoubleSalary = nullptr;
    QCheckBox *chkFreeParking = nullptr;
    Label *lblRules = nullptr;
    QComboBox *cboRules = nullptr;
    Label *lblPace = nullptr;
    QComboBox *cboPace = nullptr;
    Label *lblSize = nullptr;
    QComboBox *cboSize = nullptr;
    // Along the bottom: what the chosen rule set means.
    Label *lblRulesSummary = nullptr;

    void showRulesSummary();
};

} // namespace tycora::ui
