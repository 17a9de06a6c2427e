// What the window tells a person under the Full rules: whom and what a debt
// being raised is for, why a deed action is closed, and a status line that
// never goes stale after a countdown or the end of the game.

#include "full_rules_window.h"

#include "game/rules.h"
#include "ui/main/winner_window.h"

#include <array>
#include <functional>
#include <vector>

namespace tycora::testing {
namespace {

class FullRulesStatus : public FullRulesWindow {
protected:
    template<typename Condition>
    void runUntil(Condition condition)
    {
        for (int i = 0; i < 20000 && !condition(); ++i)
            if (!clock.advanceToNextTick())
                break;
    }
    // Ann stands on `from` and throws; the move runs to its end.
    void throwFrom(int from, int die1, int die2)
    {
        state.Players[0].Square = state.Players[0].TargetSquare = static_cast<Integer>(from);
        throwDice(die1, die2);
    }
    QString text(const std::string &s) const { return QString::fromStdString(s); }
    bool deedShows(const char *where) { return frame("frmProperty")->isVisible() && label("lblWhere")->text() == where; }
};

TEST_F(FullRulesStatus, RaisingMoneySaysWhomAndWhatForWithTheRentsDeedInView)
{
    struct Case {
        const char *what;
        int from, die1, die2;
        int money;
        std::string raising;
        const char *deed;   // the deed in view, if any
    };
    const std::vector<Case> cases{
        {"rent", 11, 2, 3, 800, "Ann must raise " + Pound + "150 to pay Bob " + Pound + "950 rent for Bow Street",
         "Bow Street"},
        {"tax", 0, 1, 3, 100, "Ann must raise " + Pound + "100 to pay " + Pound + "200 Income Tax to the bank",
         nullptr},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        state = GameState{};
        SetUp();
        giveGroup(1, groupOf(16));
        state.Buildings[16].Hotel = true;
        give(0, 39);   // Mayfair: enough to raise what is missing
        state.Players[0].Money = c.money;
        start();
        throwFrom(c.from, c.die1, c.die2);
        ASSERT_EQ(engine->phase(), Engine::Phase::RaisingMoney);
        // The status line says it all; under the buttons, what is missing.
        EXPECT_EQ(label("lblStatus")->text(), text(c.raising));
        EXPECT_EQ(label("lblRaising")->toolTip(), text(c.raising));
        EXPECT_EQ(label("lblRaising")->text(), text(c.raising.substr(0, c.raising.find(" to pay"))));
        if (c.deed) {
            EXPECT_TRUE(deedShows(c.deed));
        }

        // Giving up is one click from the end of the game: No is the default.
        QTest::mouseClick(button("cmdBankrupt"), Qt::LeftButton);
        ASSERT_FALSE(boxes.shown.empty());
        EXPECT_EQ(boxes.shown.back().defaultAnswer, ui::MsgAnswer::No);
        EXPECT_EQ(engine->phase(), Engine::Phase::RaisingMoney);
    }
}

TEST_F(FullRulesStatus, AClosedDeedActionSaysWhyInItsTooltip)
{
    struct Case {
        const char *what;
        std::function<void(GameState &)> hold;   // what Ann holds, with £150
        std::array<const char *, 4> tips;        // Build, Sell Buildings, Morgage, Unmorgage
    };
    const auto darkBlue = [this](GameState &) { giveGroup(0, groupOf(39)); };
    const std::vector<Case> cases{
        {"nothing held", [](GameState &) {},
         {"Hold every street of a colour group to build", "You have no buildings to sell",
          "You hold no deeds to mortgage", "You have no mortgaged deeds"}},
        {"a group, too little cash", darkBlue,
         {"A house on Park Lane costs \xC2\xA3" "200; you have \xC2\xA3" "150", "You have no buildings to sell", "",
          "You have no mortgaged deeds"}},
        {"a group mortgaged",
         [&](GameState &s) {
             darkBlue(s);
             s.Properties[37].Mortgaged = s.Properties[39].Mortgaged = true;
         },
         {"Lift every mortgage in a colour group to build on it", "You have no buildings to sell",
          "Every deed you hold is mortgaged", "Lifting the mortgage on Park Lane costs \xC2\xA3" "193; you have \xC2\xA3" "150"}},
        {"a group with houses",
         [&](GameState &s) {
             darkBlue(s);
             s.Buildings[37].Houses = s.Buildings[39].Houses = 1;
         },
         {"A house on Park Lane costs \xC2\xA3" "200; you have \xC2\xA3" "150", "",
          "Sell the buildings of a colour group before mortgaging its streets", "You have no mortgaged deeds"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        state = GameState{};
        SetUp();
        c.hold(state);
        state.Players[0].Money = 150;
        start();
        const char *names[] = {"cmdBuild", "cmdSell", "cmdMorgage", "cmdUnmorgage"};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(button(names[i])->isEnabled(), std::string(c.tips[i]).empty()) << names[i];
            EXPECT_EQ(button(names[i])->toolTip(), QString::fromUtf8(c.tips[i])) << names[i];
        }
    }
}

TEST_F(FullRulesStatus, ASettledCountdownLeavesNoDebtOnTheStatusLine)
{
    // Ann lands on Bob's Whitechapel Road and pays its £4 rent.
    struct Case {
        RuleSet rules;
        Pace pace;
        const char *status;   // after the countdown; null: the line is empty
    };
    const std::vector<Case> cases{
        {RuleSet::Full, Pace::Classic, nullptr},
        {RuleSet::Full, Pace::Fast, nullptr},
        {RuleSet::Full, Pace::Instant, nullptr},
        {RuleSet::Classic, Pace::Fast, nullptr},
        {RuleSet::Classic, Pace::Instant, nullptr},
        {RuleSet::Classic, Pace::Classic, "Ann owes Bob \xC2\xA3" "0"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.rules == RuleSet::Full ? "Full" : "Classic") + " rules, " + paceName(c.pace));
        TearDown();
        state = GameState{};
        SetUp();
        GameOptions options;
        options.rules = c.rules;
        engine->setOptions(options);
        engine->setPace(c.pace);
        give(1, 3);
        start();
        throwFrom(0, 1, 2);
        runUntil([this] { return !form->screen().tmrMoneyDown()->enabled(); });
        EXPECT_TRUE(logged("Ann Pays Bob " + Pound + "4 Rent for Whitechapel Road"));
        const ui::Label *status = label("lblStatus");
        if (c.status)
            EXPECT_EQ(status->text(), QString::fromUtf8(c.status));
        else
            EXPECT_FALSE(status->isVisible() && status->text().contains(QStringLiteral("owes")))
                << status->text().toStdString();
    }
}

TEST_F(FullRulesStatus, AfterTheGameTheWinnerIsNamedNotTheLastToGoBankrupt)
{
    // Ann's £100 cannot pay Income Tax, and she holds nothing to raise it.
    state.Players[0].Money = 100;
    start();
    throwFrom(0, 1, 3);
    ASSERT_EQ(engine->phase(), Engine::Phase::Over);
    EXPECT_EQ(label("lblStatus")->text(), "Bob Wins the Game");
    EXPECT_EQ(label("lblCurrentPlayerName")->text(), "Bob");
}

} // namespace
} // namespace tycora::testing
