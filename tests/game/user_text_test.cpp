// The engine's texts for a person: a template looked up through the
// translation the program installs, then its blanks filled all at once.

#include "game/user_text.h"

#include "game/lookahead.h"
#include "game/simulation.h"
#include "tests/support/recording_log.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <map>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace tycora {
namespace {

TEST(UserText, BlanksAreFilledAllAtOnceInTheOrderOfTheirNumbers)
{
    struct Case {
        const char *what;
        const char *pattern;
        std::vector<std::string> texts;
        std::string filled;
    };
    const std::vector<Case> cases{
        {"in order", "%1 Pays %2 %3", {"Ann", "\xC2\xA3" "200", "Income Tax"}, "Ann Pays \xC2\xA3" "200 Income Tax"},
        {"a translation that turns them round", "%3 : %1 paie %2", {"Ann", "\xC2\xA3" "5", "Tax"},
         "Tax : Ann paie \xC2\xA3" "5"},
        {"a name with a blank in it is not filled again", "%1 Pays %2", {"Ann %2", "\xC2\xA3" "5"},
         "Ann %2 Pays \xC2\xA3" "5"},
        {"a text with a blank put into a later one", "%1, %2", {"a", "%1"}, "a, %1"},
        {"the same blank twice", "%1 and %1", {"x"}, "x and x"},
        {"missing texts leave their blanks", "%1 and %2 and %3", {"a"}, "a and %2 and %3"},
        {"numbers are ranks, not places", "%3 before %5", {"x", "y"}, "x before y"},
        {"two-digit blanks", "%10 after %2", {"a", "b"}, "b after a"},
        {"the locale mark", "%L1 owes %2", {"Ann", "Bob"}, "Ann owes Bob"},
        {"a sign that starts no blank", "100% of %1 %", {"it"}, "100% of it %"},
        {"texts beyond the blanks", "%1", {"a", "b"}, "a"},
        {"no blanks", "Nobody is left to trade with", {"a"}, "Nobody is left to trade with"},
        {"empty texts", "[%1][%2]", {"", ""}, "[][]"},
    };
    for (const Case &c : cases) {
        std::vector<std::string_view> views(c.texts.begin(), c.texts.end());
        std::string filled;
        switch (views.size()) {
        case 1: filled = fillBlanks(c.pattern, {views[0]}); break;
        case 2: filled = fillBlanks(c.pattern, {views[0], views[1]}); break;
        case 3: filled = fillBlanks(c.pattern, {views[0], views[1], views[2]}); break;
        default: FAIL() << c.what;
        }
        EXPECT_EQ(filled, c.filled) << c.what;
    }
}

// A translation of a few templates, installed for one test.
class UserTextTranslated : public ::testing::Test {
protected:
    void SetUp() override
    {
        setTextTranslation([this](const char *context, const char *source) {
            ++lookups;
            const auto found = words.find({context, source});
            return found == words.end() ? std::string() : found->second;
        });
    }
    void TearDown() override { setTextTranslation({}); }

    std::map<std::pair<std::string, std::string>, std::string> words{
        {{"Engine", "%1 Pays %2 %3"}, "%1 paie %2 (%3)"},
        {{"Trading", "Trade on your own turn"}, "Echangez a votre tour"},
        {{"Trading", "%1 gives %2"}, "%2 de %1"},
    };
    std::atomic<int> lookups = 0;
};

TEST_F(UserTextTranslated, TheTemplateIsLookedUpInItsContextThenFilled)
{
    struct Case {
        const char *context;
        const char *source;
        std::string text;
    };
    const Case cases[] = {
        {"Engine", "%1 Pays %2 %3", "Ann paie \xC2\xA3" "200 (Income Tax)"},
        {"Trading", "%1 gives %2", "\xC2\xA3" "200 de Ann"},
        {"Trading", "%1 Pays %2 %3", "Ann Pays \xC2\xA3" "200 Income Tax"},   // another context
        {"Engine", "%1 goes to Jail", "Ann goes to Jail"},                      // not translated
    };
    for (const Case &c : cases)
        EXPECT_EQ(userText(c.context, c.source).arg("Ann", "\xC2\xA3" "200", "Income Tax"), c.text) << c.source;
    EXPECT_EQ(std::string(userText("Trading", "Trade on your own turn")), "Echangez a votre tour");
}

TEST_F(UserTextTranslated, InEnglishKeepsTheTemplatesOfThisThreadAsWritten)
{
    EXPECT_EQ(inEnglish([] { return userText("Engine", "%1 Pays %2 %3").arg("Ann", "\xC2\xA3" "5", "Tax"); }),
              "Ann Pays \xC2\xA3" "5 Tax");
    // Another thread meanwhile writes in the person's language.
    std::string elsewhere;
    inEnglish([&] {
        std::thread([&] { elsewhere = userText("Trading", "Trade on your own turn"); }).join();
        return 0;
    });
    EXPECT_EQ(elsewhere, "Echangez a votre tour");
    EXPECT_EQ(std::string(userText("Trading", "Trade on your own turn")), "Echangez a votre tour")
        << "in English no longer";
}

TEST_F(UserTextTranslated, RemovingTheTranslationBringsTheEnglishBack)
{
    setTextTranslation({});
    const int before = lookups;
    EXPECT_EQ(userText("Engine", "%1 Pays %2 %3").arg("Ann", "\xC2\xA3" "5", "Tax"), "Ann Pays \xC2\xA3" "5 Tax");
    EXPECT_EQ(lookups, before) << "nothing is looked up";
}

TEST(UserText, AThreadWritingWhileTheTranslationIsInstalledGetsOneOrTheOther)
{
    // As the Hard computer's lookahead writes its texts on a worker thread
    // while the windows' thread may install the translation.
    std::atomic<bool> stop = false;
    std::atomic<int> written = 0;
    std::atomic<int> wrong = 0;
    std::thread writer([&] {
        while (!stop) {
            const std::string text = userText("Engine", "%1 goes to Jail").arg("Ann");
            if (text != "Ann goes to Jail" && text != "Ann va en prison")
                ++wrong;
            ++written;
        }
    });
    while (written == 0)
        std::this_thread::yield();
    for (int i = 0; i < 20000; ++i) {
        setTextTranslation([](const char *, const char *) { return std::string("%1 va en prison"); });
        setTextTranslation({});
    }
    stop = true;
    writer.join();
    EXPECT_EQ(wrong, 0) << "of " << written;
}

TEST(UserTextInAGame, TheLogIsTheSameWhateverTheTranslationAndFuturesLookNothingUp)
{
    // A Hard computer trading under the Full rules: statuses, trade reasons
    // and offers are written all through, and futures are played.
    const auto play = [] {
        SimulationOptions options;
        options.players = 2;
        options.turns = 30;
        options.seed = 1;
        options.game.rules = RuleSet::Full;
        options.game.trading = true;
        options.levels = {ComputerLevel::Hard, ComputerLevel::Normal};
        testing::RecordingLog log;
        Simulation game(options, log);
        game.setUp();
        game.run();
        return log.lines;
    };
    const std::vector<std::string> english = play();
    std::atomic<int> lookups = 0;
    std::atomic<int> inFutures = 0;
    setTextTranslation([&](const char *, const char *source) {
        ++lookups;
        if (playingAFuture())
            ++inFutures;
        return "<<" + std::string(source) + ">>";
    });
    const std::vector<std::string> translated = play();
    setTextTranslation({});

    EXPECT_EQ(translated, english);
    EXPECT_GT(lookups, 0) << "the game wrote no text for a person";
    EXPECT_EQ(inFutures, 0) << "a future's texts were looked up";
    const auto has = [&](const char *words) {
        return std::any_of(english.begin(), english.end(),
                           [&](const std::string &line) { return line.find(words) != std::string::npos; });
    };
    EXPECT_TRUE(has(" Offers ")) << "no trade was offered";
    EXPECT_TRUE(has(" Pays ")) << "nothing was paid";
}

} // namespace
} // namespace tycora
