// The jail question under Full rules: asked of a person at the start of
// their turn in jail, answered by one of its buttons, and the game goes on
// from the answer.

#include "full_rules_game.h"

#include "ui/main/jail_question.h"

#include <QTest>

namespace tycora::testing {
namespace {

const QString Jail = QStringLiteral("frmJail");

class JailQuestion : public FullRulesGame {
protected:
    // Ann is sent to jail from Go To Jail; Ben (made a person here, so that
    // the test decides his turn) and Cy walk to squares that ask nothing;
    // then Ann's turn begins in jail.
    void annsTurnInJail()
    {
        sendAnnToJail();
        othersMove();
    }
    void sendAnnToJail()
    {
        state.Players[1].PlayerType = Human;
        engine->setController(1, nullptr);
        standOn(0, 27);
        throwAndMove(0, 1, 2);
        ASSERT_TRUE(state.Players[0].InJail);
        ASSERT_FALSE(dialogShown(Jail));
    }
    void othersMove()
    {
        standOn(1, 15);
        throwAndMove(1, 2, 3);   // Free Parking
        standOn(2, 6);
        throwAndMove(2, 1, 3);   // visiting the jail
        ASSERT_EQ(state.CurrentPlayer, 0);
    }

    ui::CommandButton *choice(const QString &name) const { return inDialog<ui::CommandButton>(Jail, name); }
    QString caption(const QString &name) const { return inDialog<ui::Label>(Jail, name)->text(); }
};

TEST_F(JailQuestion, OffersTheCardOnlyToItsHolderAndUsingItLeavesAtOnce)
{
    annsTurnInJail();
    ASSERT_TRUE(dialogShown(Jail));
    EXPECT_TRUE(dialog(Jail)->isModal());
    EXPECT_EQ(dialog(Jail)->windowModality(), Qt::WindowModal);
    EXPECT_EQ(caption("lblJailName"), "Ann is in Jail");
    EXPECT_EQ(caption("lblJailThrows"), "Without a double you stay in Jail (throw 1 of 3).");
    EXPECT_EQ(choice("cmdPayFine")->text(), "Pay £50");
    EXPECT_EQ(choice("cmdThrowDouble")->text(), "Throw for a double");
    EXPECT_TRUE(choice("cmdUseCard")->isHidden()) << "Ann holds no card";
    EXPECT_FALSE(form->rollEnabled()) << "the question comes first";

    // Next time in jail Ann holds Chance's card.
    QTest::mouseClick(choice("cmdThrowDouble"), Qt::LeftButton);
    startEngine();
    state.JailCardHolder[0] = 0;
    annsTurnInJail();
    ASSERT_TRUE(dialogShown(Jail));
    EXPECT_EQ(choice("cmdUseCard")->text(), "Use Get Out of Jail Free card");
    EXPECT_TRUE(choice("cmdUseCard")->isVisibleTo(dialog(Jail)));
    EXPECT_TRUE(caption("lblJailChoices").contains("Use your Get Out of Jail Free card"));
    QTest::mouseClick(choice("cmdUseCard"), Qt::LeftButton);
    EXPECT_FALSE(dialogShown(Jail));
    EXPECT_TRUE(logged("Ann Uses a Get Out of Jail Free card"));
    EXPECT_EQ(label("lblStatus")->text(), "Ann Uses a Get Out of Jail Free card");
    EXPECT_FALSE(state.Players[0].InJail);
    EXPECT_EQ(state.JailCardHolder[0], -1);
    EXPECT_TRUE(form->rollEnabled());
}

TEST_F(JailQuestion, PayingTheFineLeavesAndTheThrowMovesAsUsual)
{
    annsTurnInJail();
    EXPECT_EQ(caption("lblJailChoices"),
              "Pay £50 to leave now, then throw as usual. Or throw for a double: a double sets you free and "
              "moves you.\nYou have £1500.");
    QTest::mouseClick(choice("cmdPayFine"), Qt::LeftButton);
    EXPECT_FALSE(dialogShown(Jail));
    EXPECT_TRUE(logged("Ann (£1500) Pays £50 to leave Jail  -->  £1450"));
    EXPECT_FALSE(state.Players[0].InJail);
    ASSERT_TRUE(form->rollEnabled());
    dice.push(2);
    dice.push(3);
    QTest::mouseClick(button("cmdRoll"), Qt::LeftButton);
    EXPECT_EQ(state.Players[0].TargetSquare, 15);
}

TEST_F(JailQuestion, ThrowingForADoubleLeavesTheThrowToRollDice)
{
    annsTurnInJail();
    QTest::mouseClick(choice("cmdThrowDouble"), Qt::LeftButton);
    EXPECT_FALSE(dialogShown(Jail));
    EXPECT_TRUE(state.Players[0].InJail);
    ASSERT_TRUE(form->rollEnabled());
    dice.push(1);
    dice.push(2);
    QTest::mouseClick(button("cmdRoll"), Qt::LeftButton);
    EXPECT_TRUE(logged("Ann Stays in Jail"));
    EXPECT_EQ(state.Players[0].Money, 1500);
}

TEST_F(JailQuestion, ClosingTheQuestionThrowsAndTheThirdThrowIsAnnounced)
{
    sendAnnToJail();
    state.Players[0].JailThrows = 2;   // two throws have missed already
    othersMove();
    ASSERT_TRUE(dialogShown(Jail));
    EXPECT_EQ(caption("lblJailThrows"), "This is your third throw: without a double you pay £50 and move.");
    QTest::keyClick(dialog(Jail), Qt::Key_Escape);
    EXPECT_FALSE(dialogShown(Jail));
    EXPECT_TRUE(state.Players[0].InJail);
    EXPECT_TRUE(form->rollEnabled()) << "closing chose the throw";
}

} // namespace
} // namespace tycora::testing
