// The size of the windows as the program starts them: the size remembered
// in the settings, cut down to the largest the screen has room for, is the
// scale of every window of the run. Each case builds the program's windowed
// game afresh on an offscreen screen of a given size, so this program has
// no application object of its own.

#include "app/windowed_game.h"
#include "toolkit/window_scale.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

namespace tycora::app {
namespace {

TEST(WindowScale, TheLargestOfferedSizeUpToTheChosenOneThatFits)
{
    const QSize board(1023, 738), frame(16, 48);
    struct Case {
        int chosen;
        QSize available;
        int expected;
    };
    const Case cases[] = {
        {100, {3840, 2160}, 100}, {200, {3840, 2160}, 200}, {150, {3840, 2160}, 150},
        {200, {1920, 1080}, 125}, {200, {1920, 1200}, 150}, {125, {1920, 1080}, 125},
        {125, {1024, 768}, 100},  {200, {800, 600}, 100},   {200, {2062, 1524}, 200},
        {200, {2061, 1524}, 150}, {200, {2062, 1523}, 150},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ui::fittingWindowScale(c.chosen, board, frame, c.available), c.expected)
            << c.chosen << " on " << c.available.width() << "x" << c.available.height();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

TEST(WindowScale, TheProgramScalesEveryWindowByTheRememberedSizeThatFitsItsScreen)
{
    struct Case {
        const char *what;
        QByteArray settings;
        QSize screen;
        const char *userFactor;  // QT_SCALE_FACTOR as the user set it, or none
        qreal density;
    };
    const Case cases[] = {
        {"no settings", "", {1920, 1200}, nullptr, 1.0},
        {"the usual size", "[Windows]\nScale=100\n", {3840, 2400}, nullptr, 1.0},
        {"twice on a large screen", "[Windows]\nScale=200\n", {2560, 1600}, nullptr, 2.0},
        {"one and a half on 1920x1200", "[Windows]\nScale=150\n", {1920, 1200}, nullptr, 1.5},
        {"twice, cut down to Full HD", "[Windows]\nScale=200\n", {1920, 1080}, nullptr, 1.25},
        {"a quarter more, on a screen without room", "[Windows]\nScale=125\n", {1024, 768}, nullptr, 1.0},
        {"a size not offered", "[Windows]\nScale=175\n", {3840, 2400}, nullptr, 1.0},
        {"on top of the user's own factor", "[Windows]\nScale=150\n", {3840, 2400}, "2", 3.0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        const QString screenFile = dir.filePath(QStringLiteral("screen.json"));
        writeFile(screenFile, QStringLiteral(R"({"screens": [{"name": "Screen", "x": 0, "y": 0, "width": %1,)"
                                             R"( "height": %2, "logicalDpi": 96, "dpr": 1}]})")
                                  .arg(c.screen.width())
                                  .arg(c.screen.height())
                                  .toUtf8());
        const QString settings = dir.filePath(QStringLiteral("Tycora.ini"));
        if (!c.settings.isEmpty())
            writeFile(settings, c.settings);
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(screenFile));
        if (c.userFactor)
            qputenv("QT_SCALE_FACTOR", c.userFactor);
        else
            qunsetenv("QT_SCALE_FACTOR");

        char name[] = "tycora";
        char *argv[] = {name, nullptr};
        int argc = 1;
        {
            WindowedGame game(argc, argv, settings);
            QWidget window;
            window.resize(100, 100);
            EXPECT_DOUBLE_EQ(window.devicePixelRatioF(), c.density);
            EXPECT_EQ(window.grab().size(), QSize(100, 100) * c.density);
        }
        EXPECT_EQ(argc, 1);
    }
    qunsetenv("QT_SCALE_FACTOR");
}

} // namespace
} // namespace tycora::app
