// The program looks the engine's texts up as it looks up its windows': from
// its start, through the translators installed in its application, until
// it ends.

#include "app/windowed_game.h"
#include "game/text.h"
#include "support/word_list.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tycora::app {
namespace {

TEST(EngineTexts, TheProgramLooksThemUpForAsLongAsItRuns)
{
    QTemporaryDir dir;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qunsetenv("QT_SCALE_FACTOR");
    EXPECT_EQ(diceRollText("Ann", 4), "Ann rolls 4") << "before the program starts";

    char name[] = "tycora";
    char *argv[] = {name, nullptr};
    int argc = 1;
    {
        WindowedGame game(argc, argv, dir.filePath(QStringLiteral("Tycora.ini")));
        EXPECT_EQ(diceRollText("Ann", 4), "Ann rolls 4") << "no translator loaded";
        testing::WordList french({{{"Engine", "%1 rolls %2"}, QStringLiteral("%1 a fait %2 aux d\u00E9s")}});
        ASSERT_TRUE(QCoreApplication::installTranslator(&french));
        EXPECT_EQ(diceRollText("Ann", 4), "Ann a fait 4 aux d\xC3\xA9s");
        EXPECT_EQ(diceRollText("Ann %2", 4), "Ann %2 a fait 4 aux d\xC3\xA9s");
        QCoreApplication::removeTranslator(&french);
        EXPECT_EQ(diceRollText("Ann", 4), "Ann rolls 4") << "the translator removed";
        ASSERT_TRUE(QCoreApplication::installTranslator(&french));
    }
    EXPECT_EQ(diceRollText("Ann", 4), "Ann rolls 4") << "after the program";
}

} // namespace
} // namespace tycora::app
