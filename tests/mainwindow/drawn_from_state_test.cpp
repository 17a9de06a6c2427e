// A window drawn whole from a copy of the game's state shows the board and
// the panels exactly as the window that watched the game being played: the
// pieces (in the order they came onto each square, mid-walk included), the
// owner bars, the buildings, the mortgages and the mini deeds.

#include "window_with_engine.h"

#include "game/decks.h"
#include "ui/main/piece_spot.h"
#include "toolkit/shape.h"

#include <QImage>

#include <initializer_list>

namespace tycora::testing {
namespace {

class DrawnFromState : public WindowWithEngine, public ::testing::WithParamInterface<RuleSet> {
protected:
    DrawnFromState() : WindowWithEngine(31) {}

    void SetUp() override
    {
        MainWindowTest::SetUp();
        fillChanceDeck(state);
        fillCommunityDeck(state);
        state.Players[0].PlayerType = Computer;
        addPlayer("Cleo", "Shoe", 3, Computer);
        // Whole groups, so that houses go up early, and cash to spend.
        for (const auto &[player, group] : {std::pair{0, 0}, std::pair{1, 1}, std::pair{2, 7}})
            for (const int square : groupSquares(group)) {
                state.Properties[square].Owned = true;
                state.Properties[square].Owner = static_cast<Integer>(player);
            }
        screen().setupPlayerPanels();
        screen().layoutPlayerPanels();
        engine = std::make_unique<Engine>(state, screen(), clock, log, dice);
        engine->setOptions({.rules = GetParam()});
        form->setEngine(engine.get());
        screen().setRules(GetParam());
        for (const int square : ownableSquares())
            screen().squareChanged(square);
        engine->startGame();
        form->show();

        copy = state;
        copied = std::make_unique<ui::FrmMain>(copy, copiedBoxes);
        copied->screen().setRules(GetParam());
        copied->screen().setupPlayerPanels();
        copied->screen().layoutPlayerPanels();
        copied->show();
    }
    void TearDown() override
    {
        copied.reset();
        WindowWithEngine::TearDown();
    }

    // The controls of both windows that show the game, by name.
    std::vector<QString> controls(std::initializer_list<const char *> arrays) const
    {
        std::vector<QString> names;
        for (const char *array : arrays)
            for (const int i : controlIndexes(*form, QLatin1String(array)))
                names.push_back(ui::controlName(QLatin1String(array), i));
        return names;
    }

    // Every board control looks the same, pixel for pixel, in both windows;
    // the first that differs is named.
    QString firstDifference(const std::vector<QString> &names) const
    {
        for (const QString &name : names) {
            auto *played = form->findChild<QWidget *>(name);
            auto *drawn = copied->findChild<QWidget *>(name);
            if (!played || !drawn)
                return name + QStringLiteral(" missing");
            if (played->isVisibleTo(form.get()) != drawn->isVisibleTo(copied.get()))
                return name + QStringLiteral(" shown in one window only");
            if (played->isVisibleTo(form.get()) && played->grab().toImage() != drawn->grab().toImage())
                return name;
        }
        return {};
    }

    GameState copy;
    ui::ScriptedMessageBoxes copiedBoxes;
    std::unique_ptr<ui::FrmMain> copied;
};

TEST_P(DrawnFromState, AWindowDrawnFromACopyOfTheStateLooksLikeTheOneThatWatchedTheGame)
{
    // The pieces are compared at every tick; the deeds, which change less
    // often, every few ticks (grabbing every control takes a while).
    std::vector<QString> pieces = controls({"imgSquare"});
    pieces.push_back(QStringLiteral("imgJail"));
    const std::vector<QString> deeds = controls(
        {"shpOwner", "imgHouse1", "imgHouse2", "imgHouse3", "imgHouse4", "imgHotel", "imgMortgaged", "imgMini0",
         "imgMini1", "imgMini2"});
    ASSERT_EQ(pieces.size(), 41u);
    ASSERT_GT(deeds.size(), 150u);
    int midWalk = 0, shared = 0;
    for (int tick = 0; tick < 400; ++tick) {
        clock.advanceToNextTick();
        copy = state;
        copied->screen().drawWhole(engine->options());
        midWalk += engine->tmrMovePiece().enabled() ? 1 : 0;
        for (int sq = 0; sq < BoardSize; ++sq)
            shared += piecesOn(state, sq).size() > 1 ? 1 : 0;
        ASSERT_EQ(firstDifference(pieces), QString()) << "tick " << tick;
        if (tick % 10 == 0)
            ASSERT_EQ(firstDifference(deeds), QString()) << "tick " << tick;
    }
    ASSERT_EQ(firstDifference(deeds), QString());
    // The game went far enough to show what the test is about.
    EXPECT_GT(midWalk, 50);
    EXPECT_GT(shared, 0);
    int houses = 0;
    for (const Building &b : state.Buildings)
        houses += b.Houses;
    EXPECT_GT(houses, 0);
}

INSTANTIATE_TEST_SUITE_P(BothRuleSets, DrawnFromState, ::testing::Values(RuleSet::Classic, RuleSet::Full),
                         [](const auto &info) { return info.param == RuleSet::Classic ? "Classic" : "Full"; });

} // namespace
} // namespace tycora::testing
