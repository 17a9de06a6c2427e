// Raising money, bankruptcy and the winner under the Full rules, as the
// window shows them: what is missing and the way out while a person raises
// money, the bankrupt player's panel and deeds, and the standings.

#include "full_rules_window.h"

#include "assets/game_pictures.h"
#include "game/rules.h"
#include "ui/main/standings.h"
#include "ui/main/winner_window.h"
#include "ui/shell/frm_mortgage.h"
#include "ui/shell/mortgage_card.h"
#include "toolkit/shape.h"

namespace tycora::testing {
namespace {

using ui::WinnerWindow;

class GameEnd : public FullRulesWindow {
protected:
    // Ann, with £100 and Mayfair, throws onto Income Tax (£200).
    void annOwesIncomeTax()
    {
        state.Players[0].Money = 100;
        give(0, 39);
        start();
        throwDice(1, 3);
        ASSERT_EQ(engine->phase(), Engine::Phase::RaisingMoney);
    }
    template<typename Condition>
    void runUntil(Condition condition)
    {
        for (int i = 0; i < 20000 && !condition(); ++i)
            if (!clock.advanceToNextTick())
                break;
    }
    WinnerWindow *winner() const { return control<WinnerWindow>(*form, "frmWinner"); }
    QString text(const std::string &s) const { return QString::fromStdString(s); }
};

TEST_F(GameEnd, APersonRaisingMoneySeesWhatIsMissingAndPaysByMortgaging)
{
    annOwesIncomeTax();
    EXPECT_TRUE(logged("Ann (" + Pound + "100) Must Raise " + Pound + "100"));
    ASSERT_TRUE(label("lblRaising")->isVisible());
    EXPECT_EQ(label("lblRaising")->text(), text("Ann must raise " + Pound + "100"));
    EXPECT_TRUE(button("cmdBankrupt")->isVisible());
    EXPECT_EQ(button("cmdBankrupt")->text(), "Declare Bankruptcy");
    EXPECT_EQ(button("cmdBankrupt")->geometry(), twipRect(4890, 9030, 1560, 315));
    EXPECT_FALSE(button("cmdRoll")->isEnabled());
    EXPECT_TRUE(button("cmdMorgage")->isEnabled());
    EXPECT_FALSE(button("cmdBuild")->isEnabled());
    EXPECT_FALSE(button("cmdSell")->isEnabled());

    QTest::mouseClick(button("cmdMorgage"), Qt::LeftButton);
    auto *w = topLevel<ui::FrmMortgage>("Mortgage Property");
    ASSERT_TRUE(w->isVisible());
    QTest::mouseClick(control<ui::MortgageCard>(*w, "deedCard39"), Qt::LeftButton, {}, QPoint(5, 5));
    // The mortgage covers the tax: it is paid and the game goes on.
    EXPECT_TRUE(logged("Ann (" + Pound + "300) Pays " + Pound + "200 Income Tax  -->  " + Pound + "100"));
    EXPECT_EQ(money(0), 100);
    EXPECT_FALSE(label("lblRaising")->isVisible());
    EXPECT_FALSE(button("cmdBankrupt")->isVisible());
    runUntil([this] { return button("cmdRoll")->isEnabled(); });
    EXPECT_EQ(state.CurrentPlayer, 1);
    EXPECT_FALSE(w->isVisible()) << "the window closes when the turn passes to Bob";
}

TEST_F(GameEnd, DeclaringBankruptcyAsksFirstThenTheOtherPlayerWins)
{
    annOwesIncomeTax();
    QTest::mouseClick(button("cmdBankrupt"), Qt::LeftButton);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "Ann, do you want to declare bankruptcy and leave the game?");
    EXPECT_EQ(engine->phase(), Engine::Phase::RaisingMoney) << "answered No";

    boxes.answers.push_back(ui::MsgAnswer::Yes);
    QTest::mouseClick(button("cmdBankrupt"), Qt::LeftButton);
    EXPECT_TRUE(state.Players[0].Bankrupt);
    EXPECT_TRUE(logged("Bob Wins the Game"));
    EXPECT_EQ(label("lblStatus")->text(), "Bob Wins the Game");
    EXPECT_EQ(label("lblPlayerInfoState", 0)->text(), "Bankrupt");
    EXPECT_TRUE(label("lblPlayerInfoState", 0)->isVisible());
    EXPECT_FALSE(label("lblPlayerInfoState", 1)->isVisible());
    // Mayfair went back to the bank.
    EXPECT_TRUE(control<ui::Shape>(*form, "shpOwner", 39)->isHidden());
    EXPECT_EQ(picture("imgMini0", 39)->picture(), art::GamePictures::instance().imgsMinis.picture(1));
    EXPECT_FALSE(button("cmdRoll")->isEnabled());
    EXPECT_FALSE(button("cmdBankrupt")->isVisible());
    EXPECT_FALSE(label("lblRaising")->isVisible());
    for (const char *name : {"cmdBuild", "cmdSell", "cmdMorgage", "cmdUnmorgage"})
        EXPECT_FALSE(button(name)->isEnabled()) << name;

    WinnerWindow *w = winner();
    ASSERT_TRUE(w->isVisible());
    EXPECT_EQ(control<ui::Label>(*w, "lblWinner")->text(), "Bob Wins the Game");
    EXPECT_EQ(w->cell(0, WinnerWindow::Name), "Bob");
    EXPECT_EQ(w->cell(0, WinnerWindow::Result), "Winner");
    EXPECT_EQ(w->cell(0, WinnerWindow::Cash), text(Pound + "1500"));
    EXPECT_EQ(w->cell(0, WinnerWindow::NetWorth), text(Pound + "1500"));
    EXPECT_EQ(w->cell(1, WinnerWindow::Name), "Ann");
    EXPECT_EQ(w->cell(1, WinnerWindow::Result), "Out first");
    EXPECT_EQ(w->cell(1, WinnerWindow::Deeds), "0");
    EXPECT_FALSE(control<ui::Label>(*w, "lblName", 2)->isVisible()) << "two players, two rows";

    int newGames = 0, quits = 0;
    form->setGameEndActions([&] { ++newGames; }, [&] { ++quits; });
    QTest::mouseClick(control<ui::CommandButton>(*w, "cmdNewGame"), Qt::LeftButton);
    QTest::mouseClick(control<ui::CommandButton>(*w, "cmdQuit"), Qt::LeftButton);
    EXPECT_EQ(newGames, 1);
    EXPECT_EQ(quits, 1);
}

TEST_F(GameEnd, ABankruptsDeedsGoToTheCreditorAndTurnsPassThemBy)
{
    addPlayer("Cleo", Human);
    give(1, 37);
    give(1, 39);             // Bob's whole dark blue group: Mayfair's rent is £100
    give(0, 1);
    state.Players[0].Money = 50;   // with Old Kent Road's £30: short of £100
    state.Players[0].Square = state.Players[0].TargetSquare = 36;
    start();
    state.Players[0].Square = state.Players[0].TargetSquare = 36;
    throwDice(1, 2);
    runUntil([this] { return state.Players[0].Bankrupt && button("cmdRoll")->isEnabled(); });
    ASSERT_TRUE(state.Players[0].Bankrupt);
    EXPECT_TRUE(logged("Ann (" + Pound + "50) is Bankrupt to Bob"));
    EXPECT_EQ(label("lblPlayerInfoState", 0)->text(), "Bankrupt");
    EXPECT_EQ(picture("imgMini0", 1)->picture(), art::GamePictures::instance().imgsMinis.picture(1));
    EXPECT_EQ(picture("imgMini1", 1)->picture(), art::GamePictures::instance().imgsMinis.picture(2));
    EXPECT_FALSE(control<ui::Shape>(*form, "shpOwner", 1)->isHidden());
    EXPECT_EQ(control<ui::Shape>(*form, "shpOwner", 1)->fillColour(),
              control<ui::Shape>(*form, "shpOwner", 39)->fillColour()) << "in Bob's colour";
    EXPECT_EQ(state.CurrentPlayer, 1);
    // Bob and Cleo throw onto Income Tax (no square to buy or auction); the
    // turn comes back to Bob, not to Ann.
    throwDice(1, 3);
    runUntil([this] { return button("cmdRoll")->isEnabled(); });
    EXPECT_EQ(state.CurrentPlayer, 2);
    throwDice(1, 3);
    runUntil([this] { return button("cmdRoll")->isEnabled(); });
    EXPECT_EQ(state.CurrentPlayer, 1);
    EXPECT_FALSE(winner()->isVisible());
}

TEST_F(GameEnd, PanelsSayWhoIsInJailAndWhoHoldsTheCards)
{
    start();
    state.Players[0].InJail = true;
    state.JailCardHolder = {0, -1};
    form->screen().showPlayerState(0);
    EXPECT_EQ(label("lblPlayerInfoState", 0)->text(), "In Jail, Jail card");
    EXPECT_EQ(label("lblPlayerInfoState", 0)->toolTip(), "In Jail; Holds a Get Out of Jail Free card");
    state.Players[0].InJail = false;
    state.JailCardHolder = {0, 0};
    form->screen().showPlayerState(0);
    EXPECT_EQ(label("lblPlayerInfoState", 0)->text(), "2 Jail cards");
    state.JailCardHolder = {-1, -1};
    form->screen().showPlayerState(0);
    EXPECT_FALSE(label("lblPlayerInfoState", 0)->isVisible());
    form->screen().showPlayerState(7);   // no such player: nothing happens
}

TEST(Standings, WinnerFirstThenTheLastToGoBankrupt)
{
    GameState state;
    loadBoard(state);
    state.PlayerCount = 4;
    const char *names[] = {"Ann", "Bob", "Cleo", "Dee"};
    for (int i = 0; i < 4; ++i)
        state.Players[i].Name = names[i];
    state.Players[0].Bankrupt = true, state.Players[0].BankruptOrder = 2;
    state.Players[1].Bankrupt = true, state.Players[1].BankruptOrder = 1;
    state.Players[3].Bankrupt = true, state.Players[3].BankruptOrder = 3;
    state.Players[2].Money = 900;
    for (const int square : {37, 39}) {
        state.Properties[square].Owned = true;
        state.Properties[square].Owner = 2;
    }
    state.Buildings[39] = {4, true};
    state.Buildings[37].Houses = 2;
    state.Properties[37].Mortgaged = false;
    const auto s = ui::standings(state, 2);
    ASSERT_EQ(s.size(), 4u);
    EXPECT_EQ(s[0].name, "Cleo");
    EXPECT_EQ(s[1].name, "Dee");
    EXPECT_EQ(s[2].name, "Ann");
    EXPECT_EQ(s[3].name, "Bob");
    EXPECT_EQ(s[0].deeds, 2);
    EXPECT_EQ(s[0].houses, 2);
    EXPECT_EQ(s[0].hotels, 1);
    EXPECT_EQ(s[0].netWorth, netWorth(state, 2));
    EXPECT_EQ(ui::ordinal(1), "1st");
    EXPECT_EQ(ui::ordinal(2), "2nd");
    EXPECT_EQ(ui::ordinal(3), "3rd");
    EXPECT_EQ(ui::ordinal(4), "4th");

    WinnerWindow w;
    w.showStandings("Cleo Wins the Game", s);
    EXPECT_EQ(w.cell(0, WinnerWindow::Buildings), "2 houses, 1 hotel");
    EXPECT_EQ(w.cell(0, WinnerWindow::Place), "1st");
    EXPECT_EQ(w.cell(1, WinnerWindow::Result), "Out third");
    EXPECT_EQ(w.cell(3, WinnerWindow::Result), "Out first");
    EXPECT_EQ(w.cell(3, WinnerWindow::Buildings), "None");
}

} // namespace
} // namespace tycora::testing
