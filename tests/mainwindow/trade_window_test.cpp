// Trading on the board: the Trade button shown only in a game that trades
// and enabled exactly while the person to throw may trade; an offer built
// by clicks in the trade window; the receiving person's Accept, Reject and
// Counter; a computer's reply in the status line and the log.

#include "full_rules_game.h"

#include "ui/main/trade_control.h"
#include "ui/main/trade_items.h"
#include "ui/main/trade_question.h"
#include "ui/main/trade_window.h"
#include "toolkit/command_button.h"
#include "toolkit/text_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QTest>

namespace tycora::testing {
namespace {

constexpr int ParkLane = 37, Mayfair = 39;
const QString Pound = QStringLiteral("\u00A3");
const std::string P = Pound.toStdString();

// Ann and Cy people, Ben a computer, in a full-rules game that trades; Ann
// holds Park Lane, Cy Mayfair.
class Trading : public FullRulesGame {
protected:
    void SetUp() override
    {
        FullRulesGame::SetUp();
        restart(true, RuleSet::Full);
        give(0, ParkLane);
        give(2, Mayfair);
    }
    void restart(bool trading, RuleSet rules)
    {
        form->setEngine(nullptr);
        engine = std::make_unique<Engine>(state, screen(), clock, log, dice);
        GameOptions options;
        options.rules = rules;
        options.trading = trading;
        engine->setOptions(options);
        form->setEngine(engine.get());
        screen().setRules(rules);
        state.CurrentPlayer = 0;
        engine->startGame();
        form->trade().refresh();
    }
    void give(int player, int square)
    {
        state.Properties[square].Owned = true;
        state.Properties[square].Owner = static_cast<Integer>(player);
    }
    ui::CommandButton *tradeButton() const { return form->trade().button(); }
    ui::TradeWindow *window() const { return form->trade().window(); }
    ui::TradeQuestion *question() { return screen().tradeQuestion(); }

    // Ann opens the trade window with T and chooses whom to trade with.
    void pressT()
    {
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        QTest::keyClick(form.get(), Qt::Key_T);
    }
    // By the key the first time; the offscreen platform gives the board
    // no active window once a modal window has closed, so by the button
    // after that.
    void openWindowWith(const QString &name, bool byKey = false)
    {
        if (byKey)
            pressT();
        else
            click(tradeButton());
        ASSERT_TRUE(window() && window()->isVisible());
        QComboBox &with = window()->receiverChoice();
        with.setCurrentIndex(with.findText(name));
    }
    static void click(QAbstractButton *button)
    {
        ASSERT_TRUE(button);
        // The window lays out a list it has just filled before it is clicked.
        QCoreApplication::processEvents();
        ASSERT_TRUE(button->isVisible());
        // A tick box is clicked on its box, a button in its middle.
        const bool tickBox = qobject_cast<QCheckBox *>(button) != nullptr;
        QTest::mouseClick(button, Qt::LeftButton, {}, tickBox ? QPoint(8, button->height() / 2) : QPoint());
    }
    static void type(ui::TextBox *box, const QString &text)
    {
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, text);
    }
    // Ann offers Cy Park Lane and £120 for Mayfair, by clicks.
    void annOffersParkLaneForMayfair()
    {
        openWindowWith(QStringLiteral("Cy"), true);
        click(window()->give().deedBox(ParkLane));
        type(window()->give().cashBox(), QStringLiteral("120"));
        click(window()->get().deedBox(Mayfair));
        EXPECT_EQ(window()->summary().toStdString(), "Ann gives Park Lane and " + P + "120; Cy gives Mayfair");
        click(&window()->sendButton());
    }
    void grabWindow(QWidget *w, const QString &name)
    {
        const QString dir = QDir::temp().filePath(QStringLiteral("tycora-trade-shots"));
        QDir().mkpath(dir);
        EXPECT_TRUE(w->grab().save(dir + "/" + name + ".png"));
    }
};

TEST_F(Trading, TheButtonIsEnabledExactlyWhileThePersonToThrowMayTrade)
{
    ASSERT_TRUE(tradeButton()->isVisible());
    EXPECT_TRUE(tradeButton()->isEnabled());
    // In a free place: no other control of the board under it.
    // Declare Bankruptcy and the shortfall show in the same strip.
    AvailableActions raising;
    raising.declareBankruptcy = true;
    screen().showRaising(0, 2000);
    screen().showActions(raising);
    for (QWidget *other : form->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (other != tradeButton() && !other->isWindow() && other->isVisible()) {
            EXPECT_FALSE(other->geometry().intersects(tradeButton()->geometry())) << other->objectName().toStdString();
        }
    }
    grabWindow(form.get(), QStringLiteral("board-trade-button"));
    screen().showRaising(0, 0);
    screen().showActions({});
    EXPECT_EQ(tradeButton()->toolTip(), QString::fromUtf8(ui::TradeControl::TradeTip));

    // While an offer waits for its answer.
    annOffersParkLaneForMayfair();
    form->trade().refresh();
    EXPECT_FALSE(tradeButton()->isEnabled());
    EXPECT_EQ(tradeButton()->toolTip(), "An offer is waiting for its answer");
    click(&question()->rejectButton());
    form->trade().refresh();
    EXPECT_TRUE(tradeButton()->isEnabled());

    // Once the dice are thrown, until the next person is to throw.
    dice.push(1);
    dice.push(2);
    engine->rollDice(0);
    form->trade().refresh();
    EXPECT_FALSE(tradeButton()->isEnabled());
    EXPECT_EQ(tradeButton()->toolTip(), "Trade before you throw the dice");
    form->trade().open();   // what the key and the button do
    EXPECT_FALSE(window()->isVisible());

    // A game that does not trade, and the Classic rules, show no button.
    restart(false, RuleSet::Full);
    EXPECT_FALSE(tradeButton()->isVisible());
    restart(true, RuleSet::Classic);
    EXPECT_FALSE(tradeButton()->isVisible());
    form->trade().open();
    EXPECT_FALSE(window()->isVisible());
}

TEST_F(Trading, APersonAcceptsAnOfferBuiltByClicks)
{
    annOffersParkLaneForMayfair();
    EXPECT_FALSE(window()->isVisible());
    ASSERT_TRUE(question() && question()->isVisible());
    EXPECT_EQ(question()->windowModality(), Qt::WindowModal);
    EXPECT_EQ(question()->heading(), "Cy, Ann offers you a trade");
    EXPECT_TRUE(question()->details().contains("Ann gives Park Lane and " + Pound + "120; Cy gives Mayfair"));
    EXPECT_TRUE(logged("Ann Offers Cy a Trade: Park Lane, " + Pound.toStdString() + "120 for Mayfair"));
    grabWindow(question(), QStringLiteral("trade-offer"));

    click(&question()->acceptButton());
    EXPECT_FALSE(question()->isVisible());
    EXPECT_TRUE(logged("Cy Accepts the Trade"));
    EXPECT_EQ(label(QStringLiteral("lblStatus"))->text(), "Cy Accepts the Trade");
    EXPECT_TRUE(state.holds(2, ParkLane));
    EXPECT_TRUE(state.holds(0, Mayfair));
    EXPECT_EQ(state.Players[0].Money, 1380);
    EXPECT_EQ(state.Players[2].Money, 1620);
}

TEST_F(Trading, APersonReceivingAMortgagedDeedMayLiftTheMortgageAtOnce)
{
    state.Properties[ParkLane].Mortgaged = true;
    annOffersParkLaneForMayfair();
    ASSERT_TRUE(question()->isVisible());
    EXPECT_TRUE(question()->details().contains("Park Lane is mortgaged: you pay " + Pound + "18 interest on it."));
    QCheckBox *lift = question()->liftBox(ParkLane);
    ASSERT_TRUE(lift);
    EXPECT_EQ(lift->text(), "Lift the mortgage on Park Lane at once instead (" + Pound + "193)");
    grabWindow(question(), QStringLiteral("trade-offer-mortgaged"));
    click(lift);
    click(&question()->acceptButton());
    EXPECT_TRUE(logged("Cy (" + P + "1620) Unmortgages Park Lane  -->  " + P + "1427"));
    EXPECT_FALSE(state.Properties[ParkLane].Mortgaged);
}

TEST_F(Trading, ARejectionAndACounterFromTheReceivingPerson)
{
    annOffersParkLaneForMayfair();
    click(&question()->rejectButton());
    EXPECT_TRUE(logged("Cy Rejects the Trade"));
    EXPECT_TRUE(state.holds(0, ParkLane));

    // The same offer again is refused, with the reason in the window.
    openWindowWith(QStringLiteral("Cy"));
    click(window()->give().deedBox(ParkLane));
    type(window()->give().cashBox(), QStringLiteral("120"));
    click(window()->get().deedBox(Mayfair));
    click(&window()->sendButton());
    EXPECT_TRUE(window()->isVisible());
    EXPECT_EQ(window()->hint(), "Cy has rejected this offer this turn");
    // Clear unticks everything; Ann offers more cash.
    click(&window()->clearButton());
    EXPECT_FALSE(window()->give().deedBox(ParkLane)->isChecked());
    EXPECT_EQ(window()->summary().toStdString(), "Ann gives nothing; Cy gives nothing");
    click(window()->give().deedBox(ParkLane));
    type(window()->give().cashBox(), QStringLiteral("150"));
    click(window()->get().deedBox(Mayfair));
    grabWindow(window(), QStringLiteral("trade-window"));
    QTest::keyClick(window(), Qt::Key_Return);   // Enter sends
    ASSERT_TRUE(question()->isVisible());

    // Cy counters: the trade window with the roles reversed, filled in.
    click(&question()->counterButton());
    ui::TradeWindow &counter = question()->counterWindow();
    ASSERT_TRUE(counter.isVisible());
    EXPECT_FALSE(counter.receiverChoice().isEnabled());
    EXPECT_TRUE(counter.give().deedBox(Mayfair)->isChecked());
    EXPECT_TRUE(counter.get().deedBox(ParkLane)->isChecked());
    EXPECT_EQ(counter.summary().toStdString(), "Cy gives Mayfair; Ann gives Park Lane and " + P + "150");
    type(counter.get().cashBox(), QStringLiteral("200"));
    grabWindow(&counter, QStringLiteral("trade-counter"));
    click(&counter.sendButton());
    EXPECT_TRUE(logged("Cy Counters the Trade"));
    EXPECT_TRUE(logged("Cy Offers Ann a Trade: Mayfair for Park Lane, " + Pound.toStdString() + "200"));
    ASSERT_TRUE(question()->isVisible());
    EXPECT_EQ(question()->heading(), "Ann, Cy offers you a trade");
    click(&question()->acceptButton());
    EXPECT_TRUE(logged("Ann Accepts the Trade"));
    EXPECT_TRUE(state.holds(0, Mayfair));
    EXPECT_EQ(state.Players[0].Money, 1300);
}

TEST_F(Trading, EscapeCancelsAndAComputerRepliesInTheStatusLineAndTheLog)
{
    openWindowWith(QStringLiteral("Ben"), true);
    QTest::keyClick(window(), Qt::Key_Escape);
    EXPECT_FALSE(window()->isVisible());
    EXPECT_EQ(engine->phase(), Engine::Phase::ToThrow);

    // Ben takes cash for nothing at once.
    openWindowWith(QStringLiteral("Ben"));
    EXPECT_EQ(window()->get().deedBox(ParkLane), nullptr);
    type(window()->give().cashBox(), QStringLiteral("10"));
    click(&window()->sendButton());
    EXPECT_FALSE(question() && question()->isVisible());
    EXPECT_EQ(label(QStringLiteral("lblStatus"))->text(), "Ben Accepts the Trade");
    EXPECT_TRUE(logged("Ben Accepts the Trade"));
    EXPECT_EQ(state.Players[1].Money, 1510);
}

} // namespace
} // namespace tycora::testing
