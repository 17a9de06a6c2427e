// The auction window under Full rules: opened when the lander does not
// buy, following every bidder's turn (a computer's too), taking a person's
// bid by quick steps or typed, refusing what the rules refuse, and closing
// when the square is sold or left unsold.

#include "full_rules_game.h"

#include "game/text.h"
#include "ui/main/deed_card.h"
#include "ui/toolkit/text_box.h"

#include <QLabel>
#include <QTest>

namespace tycora::testing {
namespace {

const QString Auction = QStringLiteral("frmAuction");

QString money(long long amount) { return QString::fromStdString(pounds(amount)); }

class AuctionWindow : public FullRulesGame {
protected:
    // Ann stops on Mayfair and does not buy it (the question is answered
    // No): Ben, a computer, bids first, then Cy is asked.
    void annDeclinesMayfair()
    {
        standOn(0, 36);
        throwAndMove(0, 1, 2);
        ASSERT_TRUE(engine->auction().has_value());
        ASSERT_TRUE(dialogShown(Auction));
    }

    ui::CommandButton *key(const QString &name) const { return inDialog<ui::CommandButton>(Auction, name); }
    ui::CommandButton *stepKey(int by) const { return key(QStringLiteral("cmdBidStep%1").arg(by)); }
    QString caption(const QString &name) const { return inDialog<ui::Label>(Auction, name)->text(); }
    ui::TextBox *amount() const { return inDialog<ui::TextBox>(Auction, QStringLiteral("txtBid")); }
    void type(const QString &text)
    {
        amount()->selectAll();
        QTest::keyClick(amount(), Qt::Key_Backspace);
        QTest::keyClicks(amount(), text);
    }
    int highestBid() const { return engine->auction()->highestBid; }
};

TEST_F(AuctionWindow, FollowsTheComputersBidAndTakesAPersonsTypedBid)
{
    annDeclinesMayfair();
    EXPECT_EQ(dialog(Auction)->windowModality(), Qt::WindowModal);
    EXPECT_EQ(caption("lblAuctionTitle"), "Auction for Mayfair");
    // Ben bid at once; it is Cy's turn.
    ASSERT_EQ(engine->auction()->highestBidder, 1);
    const int bensBid = highestBid();
    EXPECT_EQ(caption("lblHighestBid"), "Highest bid: " + money(bensBid) + " by Ben");
    EXPECT_EQ(caption("lblBidder0"), "Ann (£1500): bidding");
    EXPECT_EQ(caption("lblBidder1"), "Ben (£1500): highest bid");
    EXPECT_EQ(caption("lblBidder2"), "Cy (£1500): to bid");
    EXPECT_EQ(caption("lblAuctionTurn"), "Cy, your bid");
    EXPECT_EQ(amount()->text(), QString::number(bensBid + 1)) << "the lowest bid that beats Ben's";
    EXPECT_EQ(caption("lblBidHint"), "Cy may bid " + money(bensBid + 1) + " to £1500");

    type("1000");
    QTest::mouseClick(key("cmdBid"), Qt::LeftButton);
    // Ann is asked next; she passes; Ben will not pay that much.
    EXPECT_EQ(caption("lblHighestBid"), "Highest bid: £1000 by Cy");
    EXPECT_EQ(caption("lblAuctionTurn"), "Ann, your bid");
    EXPECT_EQ(caption("lblBidder2"), "Cy (£1500): highest bid");
    QTest::mouseClick(key("cmdPass"), Qt::LeftButton);

    EXPECT_FALSE(dialogShown(Auction));
    EXPECT_FALSE(engine->auction().has_value());
    EXPECT_TRUE(logged("Cy (£1500) Wins the Auction for Mayfair at £1000  -->  £500"));
    EXPECT_TRUE(state.holds(2, 39));
    EXPECT_EQ(label("lblWhere")->text(), "Mayfair") << "the board's own deed card, not the auction's copy";
}

TEST_F(AuctionWindow, RefusesBidsBelowTheLowestOrAboveTheCash)
{
    annDeclinesMayfair();
    const int lowest = highestBid() + 1;
    type(QString::number(lowest - 1));
    EXPECT_FALSE(key("cmdBid")->isEnabled());
    EXPECT_EQ(caption("lblBidHint"), "A bid must be at least " + money(lowest));
    QTest::keyClick(amount(), Qt::Key_Return);
    EXPECT_EQ(engine->auction()->bidder, 2) << "Enter made no bid";

    type("1501");
    EXPECT_FALSE(key("cmdBid")->isEnabled());
    EXPECT_EQ(caption("lblBidHint"), "Cy has only £1500");
    QTest::mouseClick(key("cmdBid"), Qt::LeftButton);
    EXPECT_EQ(engine->auction()->bidder, 2);

    type("12a");
    EXPECT_EQ(amount()->text(), "12") << "whole pounds only";
    type("");
    EXPECT_EQ(caption("lblBidHint"), "Type a bid of " + money(lowest) + " to £1500");
    EXPECT_FALSE(key("cmdBid")->isEnabled());

    // Enter bids once the amount may be bid.
    type("1500");
    EXPECT_TRUE(key("cmdBid")->isEnabled());
    QTest::keyClick(amount(), Qt::Key_Return);
    EXPECT_EQ(engine->auction()->highestBid, 1500);
    EXPECT_EQ(engine->auction()->highestBidder, 2);
}

TEST_F(AuctionWindow, QuickStepsRaiseTheAmountWithinTheCash)
{
    annDeclinesMayfair();
    const int highest = highestBid();
    for (int by : {1, 10, 50})
        EXPECT_EQ(stepKey(by)->text(), "+" + money(by));
    type("");
    QTest::mouseClick(stepKey(10), Qt::LeftButton);
    EXPECT_EQ(amount()->text(), QString::number(highest + 10)) << "a step from the highest bid";
    QTest::mouseClick(stepKey(50), Qt::LeftButton);
    QTest::mouseClick(stepKey(1), Qt::LeftButton);
    EXPECT_EQ(amount()->text(), QString::number(highest + 61));

    type("1460");
    EXPECT_FALSE(stepKey(50)->isEnabled()) << "£1510 is more than Cy has";
    EXPECT_TRUE(stepKey(10)->isEnabled());
    QTest::mouseClick(stepKey(10), Qt::LeftButton);
    QTest::mouseClick(stepKey(10), Qt::LeftButton);
    QTest::mouseClick(stepKey(10), Qt::LeftButton);
    QTest::mouseClick(stepKey(10), Qt::LeftButton);
    EXPECT_EQ(amount()->text(), "1500");
    EXPECT_FALSE(stepKey(1)->isEnabled());
    QTest::mouseClick(key("cmdBid"), Qt::LeftButton);
    EXPECT_EQ(engine->auction()->highestBid, 1500);
}

TEST_F(AuctionWindow, APersonWhoCannotBeatTheHighestBidCanOnlyPass)
{
    state.Players[2].Money = 5;
    annDeclinesMayfair();
    EXPECT_EQ(caption("lblBidder2"), "Cy (£5): to bid");
    EXPECT_EQ(caption("lblBidHint"), "Cy has only £5: no bid can beat " + money(highestBid()));
    EXPECT_FALSE(key("cmdBid")->isEnabled());
    for (int by : {1, 10, 50})
        EXPECT_FALSE(stepKey(by)->isEnabled());
    // Closing the window passes.
    QTest::keyClick(dialog(Auction), Qt::Key_Escape);
    EXPECT_EQ(caption("lblBidder2"), "Cy (£5): passed");
    EXPECT_EQ(caption("lblAuctionTurn"), "Ann, your bid");
}

TEST_F(AuctionWindow, ShowsTheSquaresTitleDeedAsTheBoardDoes)
{
    annDeclinesMayfair();
    const QPixmap shown = inDialog<QLabel>(Auction, "imgAuctionDeed")->pixmap();
    screen().showPropertyCard(39);
    const QImage board = frame("frmProperty")->grab().toImage();
    EXPECT_EQ(shown.toImage().convertToFormat(QImage::Format_RGB32), board.convertToFormat(QImage::Format_RGB32));
}

TEST_F(AuctionWindow, NobodyBidsAndTheWindowCloses)
{
    // Ben will not bid for a square worth nothing to him: the bank's
    // cheapest street, with Ben short of cash.
    state.Players[1].Money = 0;
    standOn(0, 36);
    throwAndMove(0, 1, 2);
    ASSERT_TRUE(dialogShown(Auction));
    EXPECT_EQ(caption("lblHighestBid"), "No bid yet");
    EXPECT_EQ(caption("lblBidder1"), "Ben (£0): passed");
    QTest::mouseClick(key("cmdPass"), Qt::LeftButton);   // Cy
    QTest::mouseClick(key("cmdPass"), Qt::LeftButton);   // Ann
    EXPECT_FALSE(dialogShown(Auction));
    EXPECT_TRUE(logged("Mayfair is not sold at Auction"));
}

} // namespace
} // namespace tycora::testing
