// The jail question under Full rules: asked of a person at the start of a
// turn in jail; each button gives its answer and the game goes on from it.

#include "full_rules_game.h"

#include "ui/main/piece_spot.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QWindow>

namespace tycora::testing {
namespace {

const QString Jail = QStringLiteral("frmJail");

class JailQuestion : public FullRulesGame {
protected:
    // Ann walks onto Go To Jail; Ben (a person here) and Cy walk to squares
    // that ask nothing; Ann's next turn begins in jail.
    void sendAnnToJail()
    {
        state.Players[1].PlayerType = Human;
        engine->setController(1, nullptr);
        throwFrom(0, 27, 1, 2);
        ASSERT_TRUE(state.Players[0].InJail);
    }
    void othersMove()
    {
        throwFrom(1, 15, 2, 3);   // Free Parking
        throwFrom(2, 6, 1, 3);    // visiting the jail
        ASSERT_TRUE(dialogShown(Jail));
    }
    void click(const QString &name)
    {
        QTest::mouseClick(control<ui::CommandButton>(*dialog(Jail), name), Qt::LeftButton);
    }
    QString caption(const QString &name) const { return control<ui::Label>(*dialog(Jail), name)->text(); }
};

TEST_F(JailQuestion, TheCardIsOfferedOnlyToItsHolderAndLeavesAtOnce)
{
    sendAnnToJail();
    othersMove();
    EXPECT_EQ(dialog(Jail)->windowModality(), Qt::WindowModal);
    EXPECT_EQ(caption("lblJailName"), "Ann is in Jail");
    EXPECT_EQ(caption("lblJailThrows"), "Without a double you stay in Jail (throw 1 of 3).");
    EXPECT_EQ(control<ui::CommandButton>(*dialog(Jail), "cmdPayFine")->text(), "Pay £50");
    EXPECT_EQ(control<ui::CommandButton>(*dialog(Jail), "cmdThrowDouble")->text(), "Throw for a double");
    EXPECT_TRUE(control<ui::CommandButton>(*dialog(Jail), "cmdUseCard")->isHidden()) << "Ann holds no card";
    EXPECT_FALSE(form->rollEnabled()) << "the question comes first";
    click("cmdThrowDouble");

    startEngine();
    state.JailCardHolder[0] = 0;
    sendAnnToJail();
    othersMove();
    const auto *card = control<ui::CommandButton>(*dialog(Jail), "cmdUseCard");
    EXPECT_EQ(card->text(), "Use Get Out of Jail Free card");
    EXPECT_TRUE(card->isVisible());
    click("cmdUseCard");
    EXPECT_FALSE(dialogShown(Jail));
    EXPECT_TRUE(logged("Ann Uses a Get Out of Jail Free card"));
    EXPECT_FALSE(state.Players[0].InJail);
    EXPECT_EQ(state.JailCardHolder[0], -1);
    EXPECT_TRUE(form->rollEnabled());
}

TEST_F(JailQuestion, TheTextHasRoomBetweenItsLines)
{
    sendAnnToJail();
    othersMove();
    const auto *choices = control<ui::Label>(*dialog(Jail), "lblJailChoices");
    // The same words in a plain label of the same width, lines tight.
    QLabel tight(choices->text());
    tight.setFont(choices->font());
    tight.setWordWrap(true);
    const int plain = tight.heightForWidth(choices->width());
    const int lineHeight = QFontMetrics(choices->font()).height();
    ASSERT_GE(plain, 2 * lineHeight) << "the text takes more than one line";
    EXPECT_GE(choices->height(), plain + lineHeight / 4) << "no room between the lines";
    EXPECT_LE(choices->height(), plain * 2) << "the lines are spread too far";
}

TEST_F(JailQuestion, PayingLeavesAndThrowingWaitsForRollDice)
{
    sendAnnToJail();
    othersMove();
    EXPECT_EQ(caption("lblJailChoices"),
              "Pay £50 to leave now, then throw as usual. Or throw for a double: a double sets you free and "
              "moves you.\nYou have £1500.");
    click("cmdPayFine");
    EXPECT_FALSE(dialogShown(Jail));
    EXPECT_TRUE(logged("Ann (£1500) Pays £50 to leave Jail  -->  £1450"));
    EXPECT_FALSE(state.Players[0].InJail);
    EXPECT_TRUE(form->rollEnabled());

    startEngine();
    sendAnnToJail();
    othersMove();
    click("cmdThrowDouble");
    EXPECT_TRUE(state.Players[0].InJail);
    ASSERT_TRUE(form->rollEnabled());
    dice.push(1);
    dice.push(2);
    QTest::mouseClick(button("cmdRoll"), Qt::LeftButton);
    EXPECT_TRUE(logged("Ann Stays in Jail"));
}

TEST_F(JailQuestion, ClosingTheQuestionThrowsAndTheThirdThrowIsAnnounced)
{
    sendAnnToJail();
    state.Players[0].JailThrows = 2;
    othersMove();
    EXPECT_EQ(caption("lblJailThrows"), "This is your third throw: without a double you pay £50 and move.");
    QTest::keyClick(dialog(Jail), Qt::Key_Escape);
    EXPECT_FALSE(dialogShown(Jail));
    EXPECT_TRUE(state.Players[0].InJail);
    EXPECT_TRUE(form->rollEnabled());
}

TEST_F(JailQuestion, APrisonerStandsInTheCellAndAVisitorOnTheStrip)
{
    sendAnnToJail();
    throwFrom(1, 15, 2, 3);   // Free Parking
    throwFrom(2, 6, 1, 3);    // Cy visits the jail
    const auto *cell = control<ui::PieceSpot>(*form, "imgJail");
    const auto *strip = control<ui::PieceSpot>(*form, "imgSquare", squares::Jail);
    ASSERT_EQ(cell->pieces().size(), 1u);
    EXPECT_EQ(cell->pieces()[0].piece, picture("imgPlayerInfoPiece", 0)->picture()) << "Ann, in the cell";
    ASSERT_EQ(strip->pieces().size(), 1u);
    EXPECT_EQ(strip->pieces()[0].piece, picture("imgPlayerInfoPiece", 2)->picture()) << "Cy, just visiting";
    // The cell is the barred window of the corner, above its words; the
    // strip runs along its foot.
    const QRect corner = picture("imgBoard", squares::Jail)->geometry();
    EXPECT_TRUE(corner.contains(cell->geometry()));
    EXPECT_LT(cell->geometry().bottom(), strip->geometry().top());
    EXPECT_GT(cell->geometry().left(), strip->geometry().left());

    // Paying the fine lets Ann out: she is a visitor until she moves.
    click("cmdPayFine");
    EXPECT_TRUE(cell->pieces().empty());
    EXPECT_EQ(strip->pieces().size(), 2u);
}

TEST_F(JailQuestion, TheFineIsNotOfferedToAPrisonerWithoutItAndTheQuestionOpensWhereItWas)
{
    sendAnnToJail();
    state.Players[0].Money = 30;
    othersMove();
    EXPECT_TRUE(control<ui::CommandButton>(*dialog(Jail), "cmdPayFine")->isHidden());
    EXPECT_EQ(caption("lblJailChoices"),
              "Or throw for a double: a double sets you free and moves you.\nYou have £30, too little to pay the £50 "
              "fine.");
    // Centred over the board, and held by it.
    const QRect board = form->frameGeometry();
    const QRect first = dialog(Jail)->frameGeometry();
    const QRect onScreen = board.intersected(QGuiApplication::primaryScreen()->availableGeometry());
    EXPECT_LE((first.center() - onScreen.center()).manhattanLength(), 2);
    ASSERT_NE(dialog(Jail)->windowHandle(), nullptr);
    EXPECT_EQ(dialog(Jail)->windowHandle()->transientParent(), form->windowHandle());
    click("cmdThrowDouble");
    dice.push(1);
    dice.push(2);
    QTest::mouseClick(button("cmdRoll"), Qt::LeftButton);
    finishMove();

    // The next question, a line taller, opens where the first was.
    state.Players[0].Money = 1500;
    othersMove();
    EXPECT_FALSE(control<ui::CommandButton>(*dialog(Jail), "cmdPayFine")->isHidden());
    EXPECT_NE(dialog(Jail)->height(), first.height());
    EXPECT_EQ(dialog(Jail)->frameGeometry().topLeft(), first.topLeft());
}

} // namespace
} // namespace tycora::testing
