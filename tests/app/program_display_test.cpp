// The program where no window can open: every display that cannot be
// reached ends with a message and status 1, never with Qt's abort.

#include "program_runner.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace tycora::testing {
namespace {

const QByteArray Advice = "Start it from a desktop session, or try 'tycora --simulate'.\n";

// An X display number with nobody listening on this machine.
QString freeDisplay()
{
    for (int n = 66; n < 200; ++n) {
        if (!QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)))
            return QStringLiteral(":%1").arg(n);
    }
    return QStringLiteral(":66");
}

struct DisplayCase {
    const char *what;
    QStringList set, unset, arguments;
    QByteArray reason;
};

TEST(ProgramDisplay, AnUnreachableDisplayIsAMessageAndStatusOne)
{
    const QString display = freeDisplay();
    const std::vector<DisplayCase> cases{
        {"nobody listening", {"DISPLAY=" + display}, {"WAYLAND_DISPLAY"}, {},
         "could not connect to display " + display.toUtf8()},
        {"a malformed name", {"DISPLAY=garbage"}, {"WAYLAND_DISPLAY"}, {}, "could not connect to display garbage"},
        {"a Wayland socket that is not there", {"WAYLAND_DISPLAY=wayland-9"}, {"DISPLAY"}, {}, {}},
        {"an unknown window system", {"DISPLAY=" + display}, {}, {"-platform", "bogus"},
         "Could not find the Qt platform plugin \"bogus\" in \"\""},
        {"an unknown window system from the environment", {"QT_QPA_PLATFORM=bogus"}, {}, {},
         "Could not find the Qt platform plugin \"bogus\" in \"\""},
    };
    for (const DisplayCase &c : cases) {
        ProgramRunner runner;
        runner.environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        for (const QString &name : c.unset)
            runner.environment.remove(name);
        for (const QString &setting : c.set)
            runner.environment.insert(setting.section('=', 0, 0), setting.section('=', 1));
        const Outcome outcome = runner.run(c.arguments);
        EXPECT_TRUE(outcome.exited) << c.what << ": " << outcome.err.toStdString();
        EXPECT_EQ(outcome.status, 1) << c.what;
        EXPECT_TRUE(outcome.out.isEmpty()) << c.what;
        const QByteArray start = "tycora: cannot reach the display to show the game on (";
        if (c.reason.isEmpty()) {
            EXPECT_TRUE(outcome.err.startsWith(start)) << c.what << ": " << outcome.err.toStdString();
            EXPECT_TRUE(outcome.err.endsWith(").\n" + Advice)) << c.what << ": " << outcome.err.toStdString();
        } else {
            EXPECT_EQ(outcome.err, start + c.reason + ").\n" + Advice) << c.what;
        }
    }
}

TEST(ProgramDisplay, AWindowSystemOptionWithoutItsValueIsRefused)
{
    for (const char *option : {"-platform", "--platform", "-style"}) {
        ProgramRunner runner;
        runner.environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        const Outcome outcome = runner.run({"debug", option});
        EXPECT_TRUE(outcome.exited) << option;
        EXPECT_EQ(outcome.status, 2) << option;
        EXPECT_EQ(outcome.err, "tycora: option '" + QByteArray(option) + "' needs a value\nTry 'tycora --help'.\n");
    }
}

TEST(ProgramDisplay, WithoutAnyDisplayTheMessageSaysNoneIsSet)
{
    ProgramRunner runner;
    for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        runner.environment.remove(QString::fromLatin1(name));
    const Outcome outcome = runner.run({});
    EXPECT_TRUE(outcome.exited);
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.err, "tycora: no display to show the game on (neither DISPLAY nor WAYLAND_DISPLAY is set).\n" +
                               Advice);
}

} // namespace
} // namespace tycora::testing
