// Not a check: makes the README's pictures of a Full rules game (houses and
// hotels on every side, mortgaged squares, the lists and windows a person
// uses, a player raising money, the winner) into the folder that
// TYCORA_README_PICTURES names; skipped without it. scripts/screenshots runs
// it under Xvfb.

#include "full_rules_window.h"

#include "ui/main/winner_window.h"
#include "ui/shell/frm_mortgage.h"

#include <QDir>

namespace tycora::testing {
namespace {

class FullRulesPictures : public FullRulesWindow {
protected:
    void save(QWidget &window, const QString &name)
    {
        QApplication::processEvents();
        const QDir folder(qEnvironmentVariable("TYCORA_README_PICTURES"));
        const QString file = folder.filePath(name + QStringLiteral(".png"));
        EXPECT_TRUE(window.grab().save(file)) << file.toStdString();
    }
    void build(int square, int houses, bool hotel = false)
    {
        state.Buildings[square] = {static_cast<Integer>(houses), hotel};
        form->screen().squareChanged(square);
    }
    void mortgaged(int square)
    {
        state.Properties[square].Mortgaged = true;
        form->screen().squareChanged(square);
    }
};

TEST_F(FullRulesPictures, MakesTheReadmePictures)
{
    if (!qEnvironmentVariableIsSet("TYCORA_README_PICTURES"))
        GTEST_SKIP() << "set TYCORA_README_PICTURES to a folder to make the README's pictures";
    addPlayer("Cleo", Computer);
    giveGroup(0, 0);
    giveGroup(0, 2);
    giveGroup(0, 1);
    give(0, 5);
    giveGroup(1, 4);
    give(1, 28);
    give(1, 15);
    giveGroup(2, 6);
    give(2, 19);
    give(2, 35);
    build(1, 3);
    build(3, 3);
    build(11, 4, true);
    build(13, 4);
    build(14, 4);
    build(21, 2);
    build(23, 2);
    build(24, 1);
    build(31, 4, true);
    build(32, 4, true);
    build(34, 4);
    mortgaged(5);
    mortgaged(28);
    mortgaged(19);
    mortgaged(35);
    state.Players[2].InJail = true;
    state.JailCardHolder = {2, -1};
    start();
    form->screen().showPlayerState(2);
    form->screen().showStatus("Ann Mortgages King's Cross Station");
    save(*form, QStringLiteral("full-rules-board"));

    QTest::mouseClick(button("cmdBuild"), Qt::LeftButton);
    save(*dialog("frmBuild"), QStringLiteral("full-rules-build"));
    dialog("frmBuild")->close();

    form->cmdMorgage_Click();
    auto *mortgageWindow = topLevel<ui::FrmMortgage>("Mortgage Property");
    save(*mortgageWindow, QStringLiteral("full-rules-mortgage"));
    mortgageWindow->close();

    // Ann throws onto Super Tax with only £50 in hand.
    state.Players[0].Money = 50;
    state.Players[0].Square = state.Players[0].TargetSquare = 35;
    form->screen().refreshMoney();
    throwDice(1, 2);
    save(*form, QStringLiteral("full-rules-raising"));

    // Cleo went first, leaving everything to the bank; Ann gives up.
    Player &cleo = state.Players[2];
    cleo.Bankrupt = true;
    cleo.BankruptOrder = 1;
    cleo.Money = 0;
    for (const int square : ownableSquares())
        if (state.holds(2, square)) {
            state.Properties[square].Owned = state.Properties[square].Mortgaged = false;
            state.Buildings[square] = {};
        }
    boxes.answers.push_back(ui::MsgAnswer::Yes);
    form->cmdBankrupt_Click();
    save(*control<ui::WinnerWindow>(*form, "frmWinner"), QStringLiteral("full-rules-winner"));
}

} // namespace
} // namespace tycora::testing
