#pragma once

// What the set-up window's Options frame offers: the three house options as
// check boxes, the rule set and the pace. The choices are read when
// "Next  >>" starts the game.

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

    // The controls a Tab reaches, in order.
    QList<QWidget *> tabOrder() const;

    QCheckBox *chkFirstRoundBuying = nullptr;
    QCheckBox *chkDoubleSalary = nullptr;
    QCheckBox *chkFreeParking = nullptr;
    Label *lblRules = nullptr;
    QComboBox *cboRules = nullptr;
    Label *lblPace = nullptr;
    QComboBox *cboPace = nullptr;
    // Under the pace: that it can be changed during the game.
    Label *lblPaceKey = nullptr;
    // Along the bottom: what the chosen rule set means.
    Label *lblRulesSummary = nullptr;

private:
    void showRulesSummary();
};

} // namespace tycora::ui
