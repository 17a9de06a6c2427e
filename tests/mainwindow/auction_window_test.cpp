// The auction window under Full rules: opened when the lander does not
// buy, following every bidder's turn (a computer's too), taking a person's
// bid by quick steps or typed, refusing what the rules refuse, and closing
// when the auction ends.

#include "full_rules_game.h"

#include "game/text.h"
#include "toolkit/text_box.h"

#include <QLabel>
#include <QTest>

namespace tycora::testing {
namespace {

QString money(long long amount) { return QString::fromStdString(pounds(amount)); }

class AuctionWindow : public FullRulesGame {
protected:
    // Ann stops on Mayfair and answers No to buying it: Ben, a computer,
    // bids at once, then Cy is asked.
    void annDeclinesMayfair()
    {
        throwFrom(0, 36, 1, 2);
        ASSERT_TRUE(dialogShown(QStringLiteral("frmAuction")));
    }
    QDialog *window() const { return dialog(QStringLiteral("frmAuction")); }
    ui::CommandButton *key(const QString &name) const { return control<ui::CommandButton>(*window(), name); }
    ui::CommandButton *step(int by) const { return key(QStringLiteral("cmdBidStep%1").arg(by)); }
    QString caption(const QString &name) const { return control<ui::Label>(*window(), name)->text(); }
    ui::TextBox *amount() const { return control<ui::TextBox>(*window(), QStringLiteral("txtBid")); }
    void type(const QString &text)
    {
        amount()->selectAll();
        QTest::keyClick(amount(), Qt::Key_Backspace);
        QTest::keyClicks(amount(), text);
    }
    int highestBid() const { return engine->auction()->highestBid; }
};

TEST_F(AuctionWindow, FollowsEveryBidderAndClosesWhenTheSquareIsSold)
{
    annDeclinesMayfair();
    EXPECT_EQ(window()->windowModality(), Qt::WindowModal);
    EXPECT_EQ(caption("lblAuctionTitle"), "Auction for Mayfair");
    ASSERT_EQ(engine->auction()->highestBidder, 1) << "Ben bid";
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
    EXPECT_EQ(caption("lblHighestBid"), "Highest bid: £1000 by Cy");
    EXPECT_EQ(caption("lblAuctionTurn"), "Ann, your bid");
    QTest::mouseClick(key("cmdPass"), Qt::LeftButton);   // and Ben will not pay that much

    EXPECT_FALSE(window()->isVisible());
    EXPECT_TRUE(logged("Cy (£1500) Wins the Auction for Mayfair at £1000  -->  £500"));
    EXPECT_EQ(label("lblWhere")->text(), "Mayfair") << "the board's deed card, not the auction's picture";
}

TEST_F(AuctionWindow, AnOutbidPlayerSeesTheirOwnLastBid)
{
    annDeclinesMayfair();
    const int cysBid = highestBid() + 1;
    type(QString::number(cysBid));
    QTest::mouseClick(key("cmdBid"), Qt::LeftButton);
    ASSERT_EQ(caption("lblAuctionTurn"), "Ann, your bid");
    type(QString::number(cysBid + 100));
    QTest::mouseClick(key("cmdBid"), Qt::LeftButton);
    // Ben bids again or passes; then Cy, outbid, is asked.
    ASSERT_EQ(engine->auction()->bidder, 2);
    EXPECT_EQ(caption("lblAuctionTurn"), "Cy, your bid (your last: " + money(cysBid) + ")");
    EXPECT_EQ(caption("lblBidder2"), "Cy (£1500): to bid, last bid " + money(cysBid));
}

TEST_F(AuctionWindow, RefusesBidsBelowTheLowestOrAboveTheCash)
{
    annDeclinesMayfair();
    const int lowest = highestBid() + 1;
    type(QString::number(lowest - 1));
    EXPECT_FALSE(key("cmdBid")->isEnabled());
    EXPECT_EQ(caption("lblBidHint"), "A bid must be at least " + money(lowest));
    QTest::keyClick(amount(), Qt::Key_Return);
    type("1501");
    EXPECT_FALSE(key("cmdBid")->isEnabled());
    EXPECT_EQ(caption("lblBidHint"), "Cy has only £1500");
    QTest::keyClick(amount(), Qt::Key_Return);
    EXPECT_EQ(engine->auction()->bidder, 2) << "no bid was made";
    type("12a");
    EXPECT_EQ(amount()->text(), "12") << "whole pounds only";

    type("1500");
    QTest::keyClick(amount(), Qt::Key_Return);
    EXPECT_EQ(engine->auction()->highestBid, 1500);
    EXPECT_EQ(engine->auction()->highestBidder, 2);
}

TEST_F(AuctionWindow, QuickStepsRaiseTheAmountWithinTheCash)
{
    annDeclinesMayfair();
    const int highest = highestBid();
    EXPECT_EQ(step(50)->text(), "+£50");
    type("");
    QTest::mouseClick(step(10), Qt::LeftButton);
    EXPECT_EQ(amount()->text(), QString::number(highest + 10)) << "an empty amount steps from the highest bid";
    QTest::mouseClick(step(50), Qt::LeftButton);
    QTest::mouseClick(step(1), Qt::LeftButton);
    EXPECT_EQ(amount()->text(), QString::number(highest + 61));
    type("1490");
    EXPECT_FALSE(step(50)->isEnabled()) << "£1540 is more than Cy has";
    QTest::mouseClick(step(10), Qt::LeftButton);
    EXPECT_EQ(amount()->text(), "1500");
    EXPECT_FALSE(step(1)->isEnabled());
}

TEST_F(AuctionWindow, ShortOfCashAPersonCanOnlyPassAndClosingPasses)
{
    state.Players[2].Money = 5;
    annDeclinesMayfair();
    EXPECT_EQ(caption("lblBidHint"), "Cy has only £5: no bid can beat " + money(highestBid()));
    EXPECT_FALSE(key("cmdBid")->isEnabled());
    EXPECT_FALSE(step(1)->isEnabled());
    QTest::keyClick(window(), Qt::Key_Escape);
    EXPECT_EQ(caption("lblBidder2"), "Cy (£5): passed");
    EXPECT_EQ(caption("lblAuctionTurn"), "Ann, your bid");
    QTest::mouseClick(key("cmdPass"), Qt::LeftButton);
    EXPECT_FALSE(window()->isVisible());
    EXPECT_TRUE(state.holds(1, 39)) << "Ben's bid stood";
}

TEST_F(AuctionWindow, AnAuctionAmongComputersNeverPutsTheWindowOnTheScreen)
{
    for (int player : {0, 2}) {
        state.Players[player].PlayerType = Computer;
        engine->setController(player, nullptr);
    }
    state.Players[0].Money = 100;   // too little for Ann to buy Mayfair
    throwFrom(0, 36, 1, 2);
    EXPECT_FALSE(engine->auction().has_value());
    EXPECT_TRUE(state.Properties[39].Owned);
    const auto *auction = form->findChild<QDialog *>(QStringLiteral("frmAuction"));
    EXPECT_TRUE(!auction || !auction->windowHandle()) << "never shown";
}

TEST_F(AuctionWindow, ShowsTheTitleDeedAsTheBoardDoes)
{
    annDeclinesMayfair();
    const QImage shown = control<QLabel>(*window(), "imgAuctionDeed")->pixmap().toImage();
    screen().showPropertyCard(39);
    const QImage board = frame("frmProperty")->grab().toImage();
    EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32), board.convertToFormat(QImage::Format_RGB32));
}

} // namespace
} // namespace tycora::testing
