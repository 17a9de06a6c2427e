// Trading on the board: the Trade button shown only in a game that trades
// and enabled exactly while the person to throw may trade; an offer built
// by clicks in the trade window; the receiving person's Accept, Reject and
// Counter; a computer's reply in the status line and the log.

#include "full_rules_game.h"

#include "support/find_control.h"
#include "support/pound.h"
#include "ui/main/trade_control.h"
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

// A trade window's controls, found by their names: the columns are "Give"
// and "Get".
struct TradeControls {
    explicit TradeControls(const QWidget &window) : window(window) {}
    QComboBox *with() const { return control<QComboBox>(window, "cboTradeWith"); }
    ui::CommandButton *send() const { return control<ui::CommandButton>(window, "cmdTradeSend"); }
    ui::CommandButton *clear() const { return control<ui::CommandButton>(window, "cmdTradeClear"); }
    QString summary() const { return control<QLabel>(window, "lblTradeSummary")->text(); }
    QString hint() const { return control<QLabel>(window, "lblTradeHint")->text(); }
    // Null when the column lists no such deed.
    QCheckBox *deed(const char *column, int square) const
    {
        return window.findChild<QCheckBox *>(QStringLiteral("chk%1Deed%2").arg(QLatin1String(column)).arg(square));
    }
    ui::TextBox *cash(const char *column) const
    {
        return control<ui::TextBox>(window, QStringLiteral("txtCash") + QLatin1String(column));
    }
    const QWidget &window;
};

// The window asking a person about an offer.
struct QuestionControls {
    explicit QuestionControls(const QWidget &window) : window(window) {}
    ui::CommandButton *accept() const { return control<ui::CommandButton>(window, "cmdTradeAccept"); }
    ui::CommandButton *reject() const { return control<ui::CommandButton>(window, "cmdTradeReject"); }
    ui::CommandButton *counter() const { return control<ui::CommandButton>(window, "cmdTradeCounter"); }
    QString heading() const { return control<QLabel>(window, "lblTradeOfferHeading")->text(); }
    QString details() const { return control<QLabel>(window, "lblTradeOfferDetails")->text(); }
    QCheckBox *lift(int square) const { return control<QCheckBox>(window, QStringLiteral("chkLift%1").arg(square)); }
    const QWidget &window;
};

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
    ui::CommandButton *tradeButton() const { return control<ui::CommandButton>(*form, "cmdTrade"); }
    // The trade window in view (a proposal or a counter), if any.
    ui::TradeWindow *window() const
    {
        for (ui::TradeWindow *w : form->findChildren<ui::TradeWindow *>())
            if (w->isVisible())
                return w;
        return nullptr;
    }
    TradeControls trade() const { return TradeControls(*window()); }
    ui::TradeQuestion *question() const { return form->findChild<ui::TradeQuestion *>(QStringLiteral("frmTradeOffer")); }
    QuestionControls asked() const { return QuestionControls(*question()); }

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
        QComboBox *with = trade().with();
        with->setCurrentIndex(with->findText(name));
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
        click(trade().deed("Give", ParkLane));
        type(trade().cash("Give"), QStringLiteral("120"));
        click(trade().deed("Get", Mayfair));
        EXPECT_EQ(trade().summary().toStdString(), "Ann gives Park Lane and " + P + "120; Cy gives Mayfair");
        click(trade().send());
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
    click(asked().reject());
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
    EXPECT_EQ(window(), nullptr);

    // A game that does not trade, and the Classic rules, show no button.
    restart(false, RuleSet::Full);
    EXPECT_FALSE(tradeButton()->isVisible());
    restart(true, RuleSet::Classic);
    EXPECT_FALSE(tradeButton()->isVisible());
    form->trade().open();
    EXPECT_EQ(window(), nullptr);
}

TEST_F(Trading, APersonAcceptsAnOfferBuiltByClicks)
{
    annOffersParkLaneForMayfair();
    EXPECT_EQ(window(), nullptr);
    ASSERT_TRUE(question() && question()->isVisible());
    EXPECT_EQ(question()->windowModality(), Qt::WindowModal);
    EXPECT_EQ(asked().heading(), "Cy, Ann offers you a trade");
    EXPECT_TRUE(asked().details().contains("Ann gives Park Lane and " + Pound + "120; Cy gives Mayfair"));
    EXPECT_TRUE(logged("Ann Offers Cy a Trade: Park Lane, " + Pound.toStdString() + "120 for Mayfair"));
    grabWindow(question(), QStringLiteral("trade-offer"));

    click(asked().accept());
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
    EXPECT_TRUE(asked().details().contains("Park Lane is mortgaged: you pay " + Pound + "18 interest on it."));
    QCheckBox *lift = asked().lift(ParkLane);
    EXPECT_EQ(lift->text(), "Lift the mortgage on Park Lane at once instead (" + Pound + "193)");
    grabWindow(question(), QStringLiteral("trade-offer-mortgaged"));
    click(lift);
    click(asked().accept());
    EXPECT_TRUE(logged("Cy (" + P + "1620) Unmortgages Park Lane  -->  " + P + "1427"));
    EXPECT_FALSE(state.Properties[ParkLane].Mortgaged);
}

TEST_F(Trading, ARejectionAndACounterFromTheReceivingPerson)
{
    annOffersParkLaneForMayfair();
    click(asked().reject());
    EXPECT_TRUE(logged("Cy Rejects the Trade"));
    EXPECT_TRUE(state.holds(0, ParkLane));

    // The same offer again is refused, with the reason in the window.
    openWindowWith(QStringLiteral("Cy"));
    click(trade().deed("Give", ParkLane));
    type(trade().cash("Give"), QStringLiteral("120"));
    click(trade().deed("Get", Mayfair));
    click(trade().send());
    ASSERT_NE(window(), nullptr);
    EXPECT_EQ(trade().hint(), "Cy has rejected this offer this turn");
    // Clear unticks everything; Ann offers more cash.
    click(trade().clear());
    EXPECT_FALSE(trade().deed("Give", ParkLane)->isChecked());
    EXPECT_EQ(trade().summary().toStdString(), "Ann gives nothing; Cy gives nothing");
    click(trade().deed("Give", ParkLane));
    type(trade().cash("Give"), QStringLiteral("150"));
    click(trade().deed("Get", Mayfair));
    grabWindow(window(), QStringLiteral("trade-window"));
    QTest::keyClick(window(), Qt::Key_Return);   // Enter sends
    ASSERT_TRUE(question()->isVisible());

    // Cy counters: the trade window with the roles reversed, filled in.
    click(asked().counter());
    ASSERT_NE(window(), nullptr);
    const TradeControls counter = trade();
    EXPECT_FALSE(counter.with()->isEnabled());
    EXPECT_TRUE(counter.deed("Give", Mayfair)->isChecked());
    EXPECT_TRUE(counter.deed("Get", ParkLane)->isChecked());
    EXPECT_EQ(counter.summary().toStdString(), "Cy gives Mayfair; Ann gives Park Lane and " + P + "150");
    type(counter.cash("Get"), QStringLiteral("200"));
    grabWindow(window(), QStringLiteral("trade-counter"));
    click(counter.send());
    EXPECT_TRUE(logged("Cy Counters the Trade"));
    EXPECT_TRUE(logged("Cy Offers Ann a Trade: Mayfair for Park Lane, " + Pound.toStdString() + "200"));
    ASSERT_TRUE(question()->isVisible());
    EXPECT_EQ(asked().heading(), "Ann, Cy offers you a trade");
    click(asked().accept());
    EXPECT_TRUE(logged("Ann Accepts the Trade"));
    EXPECT_TRUE(state.holds(0, Mayfair));
    EXPECT_EQ(state.Players[0].Money, 1300);
}

TEST_F(Trading, EscapeCancelsAndAComputerRepliesInTheStatusLineAndTheLog)
{
    openWindowWith(QStringLiteral("Ben"), true);
    QTest::keyClick(window(), Qt::Key_Escape);
    EXPECT_EQ(window(), nullptr);
    EXPECT_EQ(engine->phase(), Engine::Phase::ToThrow);

    // Ben takes cash for nothing at once.
    openWindowWith(QStringLiteral("Ben"));
    EXPECT_EQ(trade().deed("Get", ParkLane), nullptr);
    type(trade().cash("Give"), QStringLiteral("10"));
    click(trade().send());
    EXPECT_FALSE(question() && question()->isVisible());
    EXPECT_EQ(label(QStringLiteral("lblStatus"))->text(), "Ben Accepts the Trade");
    EXPECT_TRUE(logged("Ben Accepts the Trade"));
    EXPECT_EQ(state.Players[1].Money, 1510);
}

} // namespace
} // namespace tycora::testing
