// The set-up window's Options frame: the house options, the rule set and
// the pace, where they stand and what they say. What they hand on to the
// game is tested through the whole program (tests/app/game_choices_test.cpp).

#include "shell_test_support.h"
#include "support/shell_controls.h"

#include "game/game_state.h"
#include "tests/support/recording_log.h"
#include "ui/shell/frm_players.h"
#include "toolkit/command_button.h"
#include "toolkit/fonts.h"
#include "toolkit/frame.h"
#include "toolkit/label.h"
#include "toolkit/list_view.h"
#include "toolkit/message_box.h"
#include "toolkit/twips.h"

#include <QCheckBox>
#include <QComboBox>

#include <gtest/gtest.h>

namespace tycora::ui {
namespace {

using testing::comboEntries;

// Where Tab goes from a control: the next control that takes the focus by
// Tab, past the parts of the control itself.
QWidget *nextTabStop(QWidget *from)
{
    QWidget *next = from->nextInFocusChain();
    while (next != from && (!(next->focusPolicy() & Qt::TabFocus) || from->isAncestorOf(next)))
        next = next->nextInFocusChain();
    return next;
}

TEST(SetUpOptions, FrameHoldsEveryChoiceAtItsDefault)
{
    GameState state;
    testing::RecordingLog log;
    ScriptedMessageBoxes boxes;
    FrmPlayers window(state, log, boxes);
    window.setupPlayerColumns();
    window.show();
    const testing::SetUpControls controls(window);
    const testing::OptionControls options(window);
    EXPECT_EQ(controls.frmOptions->geometry(), rectFromTwips(3705, 4545, 5745, 1770));

    struct Expected {
        QWidget *control;
        QString text;
        QRect place;
    };
    const Expected expected[] = {
        {options.chkFirstRoundBuying, QStringLiteral("Allow purchasing on the first round"),
         rectFromTwips(240, 345, 3255, 255)},
        {options.chkDoubleSalary, QStringLiteral("£400 for landing on GO"), rectFromTwips(240, 705, 2775, 255)},
        {options.chkFreeParking, QStringLiteral("All payments goto Free Parking"), rectFromTwips(240, 1065, 3255, 255)},
        {options.lblRules, QStringLiteral("Rules:"), rectFromTwips(3630, 315, 600, 315)},
        {options.cboRules, QStringLiteral("Classic"), rectFromTwips(4230, 315, 1290, 315)},
        {options.lblPace, QStringLiteral("Pace:"), rectFromTwips(3630, 705, 600, 315)},
        {options.cboPace, QStringLiteral("Classic"), rectFromTwips(4230, 705, 1290, 315)},
        {options.lblSize, QStringLiteral("Size:"), rectFromTwips(3630, 1065, 600, 315)},
        {options.cboSize, QStringLiteral("100%"), rectFromTwips(4230, 1065, 1290, 315)},
        {options.lblRulesSummary, QStringLiteral("Classic rules: no bankruptcy, jail is only a square, few cards act."),
         rectFromTwips(240, 1410, 5280, 255)},
    };
    const QRect inside = controls.frmOptions->rect().adjusted(2, 16, -2, -2);
    for (const Expected &e : expected) {
        SCOPED_TRACE(e.text.toStdString());
        EXPECT_EQ(e.control->parentWidget(), controls.frmOptions);
        EXPECT_EQ(e.control->geometry(), e.place);
        EXPECT_TRUE(inside.contains(e.control->geometry())) << "within the frame's border, under its caption";
        EXPECT_TRUE(e.control->isVisible());
        // The window's font, not the frame's bold caption font.
        EXPECT_EQ(e.control->font().family(), tahoma(8.25).family());
        EXPECT_EQ(e.control->font().pixelSize(), tahoma(8.25).pixelSize());
        EXPECT_FALSE(e.control->font().bold());
        // Every caption is seen whole.
        QString shown;
        if (auto *box = qobject_cast<QCheckBox *>(e.control)) {
            shown = box->text();
            EXPECT_LE(box->sizeHint().width(), box->width());
        } else if (auto *combo = qobject_cast<QComboBox *>(e.control)) {
            shown = combo->currentText();
        } else {
            shown = static_cast<Label *>(e.control)->caption();
            EXPECT_LE(QFontMetrics(e.control->font()).horizontalAdvance(shown), e.control->width());
        }
        EXPECT_EQ(shown, e.text);
    }
    EXPECT_TRUE(options.chkFirstRoundBuying->isChecked());
    EXPECT_FALSE(options.chkDoubleSalary->isChecked());
    EXPECT_FALSE(options.chkFreeParking->isChecked());
    EXPECT_EQ(comboEntries(*options.cboRules), (QStringList{"Classic", "Full"}));
    EXPECT_EQ(comboEntries(*options.cboPace), (QStringList{"Classic", "Fast", "Instant"}));
    EXPECT_TRUE(options.cboPace->toolTip().contains(QStringLiteral("Press P during the game")));
    EXPECT_EQ(comboEntries(*options.cboSize), (QStringList{"100%", "125%", "150%", "200%"}));
    EXPECT_EQ(window.windowScale(), 100);
    EXPECT_TRUE(options.cboSize->toolTip().contains(QStringLiteral("from the next start")));
    // The choices lie apart.
    for (const Expected &a : expected)
        for (const Expected &b : expected)
            EXPECT_TRUE(a.control == b.control || !a.control->geometry().intersects(b.control->geometry()))
                << a.text.toStdString() << " / " << b.text.toStdString();

    // Tab goes from the player list through the choices to the buttons.
    const QList<QWidget *> tabStops{controls.lstPlayers, options.chkFirstRoundBuying, options.chkDoubleSalary,
                                    options.chkFreeParking, options.cboRules, options.cboPace, options.cboSize,
                                    controls.cmd4Computers};
    for (qsizetype i = 0; i + 1 < tabStops.size(); ++i)
        EXPECT_EQ(nextTabStop(tabStops[i]), tabStops[i + 1]) << i;

    // The boxes lie on the frame's pale green.
    const QImage shot = testing::grabImage(window);
    // A picture to look at, into the folder TYCORA_TEST_PICTURES names.
    if (const QString folder = qEnvironmentVariable("TYCORA_TEST_PICTURES"); !folder.isEmpty())
        shot.save(folder + QStringLiteral("/set-up-options.png"));
    const QRect box = options.chkDoubleSalary->geometry().translated(controls.frmOptions->pos());
    EXPECT_EQ(testing::pixelAt(shot, box.right() - 1, box.top() + 1), boardGreen());
}

} // namespace
} // namespace tycora::ui
