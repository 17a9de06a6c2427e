// The engine's texts on the board in the translator's words: with a
// translator installed the status line, the dice, the purchase question and
// the Trade button's reason read as the translator has them, blanks filled;
// the event log of the same moment stays in English.

#include "full_rules_window.h"

#include "support/word_list.h"
#include "ui/main/engine_text_translation.h"

#include <QCoreApplication>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace tycora::testing {
namespace {

const std::map<WordList::Key, QString> French{
    {{"Engine", "%1, do you want to purchase %2 for %3?"}, "%1, voulez-vous acheter %2 pour %3 ?"},
    {{"Engine", "%1 Pays %2 %3"}, "%1 paie %2 (%3)"},
    {{"Engine", "%1 rolls %2"}, "%1 fait %2"},
    {{"Trading", "Trade before you throw the dice"}, "\u00C9changez avant de lancer les d\u00E9s"},
    {{"Trading", "%1 Offers %2 a Trade: %3 for %4"}, "%1 propose a %2 : %3 contre %4"},
    {{"Trading", "nothing"}, "rien"},
};

class EngineTextsTranslated : public FullRulesWindow {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QCoreApplication::installTranslator(&french));
        ui::translateEngineTexts();   // as the program does at its start
        FullRulesWindow::SetUp();
        GameOptions options;
        options.rules = RuleSet::Full;
        options.trading = true;
        engine->setOptions(options);
    }
    void TearDown() override
    {
        FullRulesWindow::TearDown();
        ui::leaveEngineTextsInEnglish();
        QCoreApplication::removeTranslator(&french);
    }

    // Ann stands on `from` and throws; the move runs to its end.
    void throwFrom(int from, int die1, int die2)
    {
        state.Players[0].Square = state.Players[0].TargetSquare = static_cast<Integer>(from);
        throwDice(die1, die2);
    }
    std::string status() const { return label("lblStatus")->text().toStdString(); }
    std::string diceWords() const { return label("lblDiceRoll")->text().toStdString(); }

    WordList french{French};
};

TEST_F(EngineTextsTranslated, TheBoardShowsTheTranslatorsWordsAndTheLogStaysEnglish)
{
    struct Case {
        const char *what;
        std::function<void()> play;
        std::function<std::string()> shown;   // where the text shows
        std::string expected;
        std::vector<std::string> logged;   // the event lines of the same moment
    };
    const std::string Pound = "\xC2\xA3";
    std::string question;
    std::string tradeReason;
    const std::vector<Case> cases{
        {"the purchase question",
         [&] {
             boxes.whileOpen = [&](const ui::ScriptedMessageBoxes::Shown &box) { question = box.text.toStdString(); };
             boxes.answers.push_back(ui::MsgAnswer::Yes);
             throwFrom(0, 1, 2);
         },
         [&] { return question; }, "Ann, voulez-vous acheter Whitechapel Road pour " + Pound + "60 ?",
         {"Ann (" + Pound + "1500) rolls:  1,2", "Ann (" + Pound + "1500) Purchased Whitechapel Road"}},
        {"a status the translator lacks",
         [&] {
             boxes.answers.push_back(ui::MsgAnswer::Yes);
             throwFrom(0, 1, 2);
         },
         [&] { return status(); }, "Ann Purchased Whitechapel Road",
         {"Ann (" + Pound + "1500) Purchased Whitechapel Road"}},
        {"a payment", [&] { throwFrom(0, 1, 3); }, [&] { return status(); }, "Ann paie " + Pound + "200 (Income Tax)",
         {"Ann (" + Pound + "1500) Pays " + Pound + "200 Income Tax  -->  " + Pound + "1300"}},
        {"the dice", [&] { throwFrom(0, 1, 3); }, [&] { return diceWords(); }, "Ann fait 4",
         {"Ann (" + Pound + "1500) rolls:  1,3"}},
        {"why the Trade button is closed",
         [&] {
             boxes.whileOpen = [&](const ui::ScriptedMessageBoxes::Shown &) {
                 tradeReason = button("cmdTrade")->toolTip().toStdString();
             };
             throwFrom(0, 1, 2);
         },
         [&] { return tradeReason; }, "\xC3\x89" "changez avant de lancer les d\xC3\xA9s", {}},
        {"a trade offered",
         [&] {
             give(0, 1);
             TradeOffer offer;
             offer.from = 0;
             offer.to = 1;
             offer.gives.deeds = {1};
             ASSERT_TRUE(engine->proposeTrade(offer));
         },
         [&] { return status(); }, "Ann propose a Bob : Old Kent Road contre rien",
         {"Ann Offers Bob a Trade: Old Kent Road for nothing"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        state = GameState{};
        boxes = ui::ScriptedMessageBoxes{};
        question.clear();
        tradeReason.clear();
        SetUp();
        start();
        log.lines.clear();
        c.play();
        EXPECT_EQ(c.shown(), c.expected);
        for (const std::string &line : c.logged)
            EXPECT_TRUE(logged(line)) << "not in the log: " << line;
        for (const std::string &line : log.lines)
            EXPECT_EQ(line.find(" paie "), std::string::npos) << line;
    }
}

TEST_F(EngineTextsTranslated, WithTheTranslatorGoneTheEngineWritesAsItAlwaysHas)
{
    QCoreApplication::removeTranslator(&french);
    start();
    throwFrom(0, 1, 3);
    EXPECT_EQ(status(), "Ann Pays \xC2\xA3" "200 Income Tax");
    EXPECT_EQ(diceWords(), "Ann rolls 4");
}

} // namespace
} // namespace tycora::testing

namespace tycora::testing {
namespace {

// The engine fills its blanks as the windows' QString::arg does with
// several texts, so that a translator's template reads the same in both.
TEST(EngineTextBlanks, AreFilledAsQStringArgFillsThem)
{
    struct Case {
        const char *pattern;
        const char *first;
        const char *second;
    };
    const Case cases[] = {
        {"%1 Pays %2", "Ann", "\xC2\xA3" "5"}, {"%2 paie %1", "Ann", "\xC2\xA3" "5"},
        {"%1 Pays %2", "Ann %2", "x"},         {"%1 and %1 and %2", "a", "b"},
        {"%3 before %5", "x", "y"},            {"%10 after %2", "a", "b"},
        {"%L1 owes %2", "Ann", "Bob"},         {"100% of %1 %", "it", "z"},
        {"%1 %2 %3", "a", "b"},                {"no blanks", "a", "b"},
        {"%1%2", "%2", "%1"},                  {"%%1", "a", "b"},
    };
    for (const Case &c : cases) {
        const QString qt = QString::fromUtf8(c.pattern).arg(QString::fromUtf8(c.first), QString::fromUtf8(c.second));
        EXPECT_EQ(fillBlanks(c.pattern, {c.first, c.second}), qt.toStdString()) << c.pattern;
    }
}

} // namespace
} // namespace tycora::testing
