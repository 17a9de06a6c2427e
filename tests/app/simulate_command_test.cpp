// The headless simulation's ways to end other than a full game: a log that
// cannot be written, a stop signal, and the progress line of a long run.

#include "app/launch_options.h"
#include "app/simulate_command.h"
#include "program_runner.h"
#include "simulation_runs.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sstream>
#include <sys/resource.h>

namespace tycora::testing {
namespace {

using app::LaunchOptions;

// Every line ends with CR LF, and the log with the end line and an empty one.
void expectWholeLinesEndingTheGame(const QByteArray &log)
{
    ASSERT_TRUE(log.endsWith("\r\n\r\n"));
    const QList<QByteArray> lines = log.split('\n');
    EXPECT_TRUE(lines.first().startsWith("Game Started:  "));
    EXPECT_TRUE(lines[lines.size() - 3].startsWith("Game Ended:  "));
    for (int i = 0; i + 1 < lines.size(); ++i)
        ASSERT_TRUE(lines[i].endsWith('\r')) << "line " << i << ": " << lines[i].toStdString();
}

TEST(SimulateCommand, ALogThatCannotBeWrittenIsAFailureWithTheReason)
{
    std::ostringstream out, err;
    EXPECT_EQ(app::runSimulation(simulation({"--turns", "10", "--seed", "4", "--log", "/dev/full"}), out, err), 1);
    EXPECT_EQ(err.str(), "tycora: writing the event log to /dev/full failed: No space left on device\n");
    EXPECT_EQ(out.str(), "");
}

TEST(SimulateCommand, ALogCutShortByASizeLimitHoldsWholeLinesOnly)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("game.txt").toStdString();
    std::ostringstream out, err;
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = 100000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const int status = app::runSimulation(simulation({"--turns", "5000", "--seed", "4", "--log", path}), out, err);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);

    EXPECT_EQ(status, 1);
    EXPECT_EQ(err.str(), "tycora: writing the event log to " + path + " failed: File too large\n");
    EXPECT_EQ(out.str(), "");
    const QByteArray log = readFile(QString::fromStdString(path));
    ASSERT_FALSE(log.isEmpty());
    EXPECT_LE(log.size(), 100000);
    EXPECT_TRUE(log.endsWith("\r\n"));
    EXPECT_TRUE(log.startsWith("Game Started:  "));
    EXPECT_EQ(log.count("\r\n"), log.count('\n')) << "every line ends with CR LF";
}

TEST(SimulateCommand, AStopSignalEndsTheGameBetweenTwoLinesWithTheEndLine)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("game.txt");
    app::SimulationSurroundings surroundings;
    int looks = 0;
    surroundings.stopSignal = [&looks] { return ++looks == 40 ? SIGINT : 0; };
    std::ostringstream out, err;
    const int status = app::runSimulation(
        simulation({"--turns", "1000000", "--seed", "4", "--log", path.toStdString()}), out, err, surroundings);
    EXPECT_EQ(status, 128 + SIGINT);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^tycora: stopped by SIGINT after [1-9][0-9]* of 1000000 turns\n$"))
                    .match(QString::fromStdString(err.str()))
                    .hasMatch())
        << err.str();
    EXPECT_EQ(out.str(), "");
    expectWholeLinesEndingTheGame(readFile(path));
}

// The log without its dated start and end lines.
QByteArray eventsOf(const QByteArray &log)
{
    QList<QByteArray> lines = log.split('\n');
    return lines.mid(1, lines.size() - 4).join('\n');
}

TEST(SimulateCommand, ALongRunOnATerminalShowsItsProgressOnStandardErrorOnly)
{
    QTemporaryDir dir;
    const auto run = [&](const char *name, bool terminal, double secondsPerLook, std::string &errText) {
        app::SimulationSurroundings surroundings;
        surroundings.showProgress = terminal;
        double now = 100;
        surroundings.seconds = [&now, secondsPerLook] { return now += secondsPerLook; };
        std::ostringstream out, err;
        const QString path = dir.filePath(QString::fromLatin1(name));
        EXPECT_EQ(app::runSimulation(simulation({"--turns", "3000", "--seed", "9", "--log", path.toStdString()}), out,
                                     err, surroundings),
                  0);
        errText = err.str();
        return std::make_pair(out.str(), readFile(path));
    };
    std::string plainErr, shortErr, watchedErr;
    const auto plain = run("plain.txt", false, 0.1, plainErr);
    const auto quick = run("quick.txt", true, 0.0, shortErr);
    const auto watched = run("watched.txt", true, 0.1, watchedErr);
    EXPECT_EQ(plainErr, "") << "not a terminal";
    EXPECT_EQ(shortErr, "") << "a run shorter than a second";
    // Rewritten in place, then wiped, leaving the cursor at the line's start.
    const QRegularExpression progress(QStringLiteral(
        "^(\\rtycora: [0-9]+ of 3000 turns played, [0-9]+ throws a second *)+\\r( +)\\r$"));
    const QRegularExpressionMatch match = progress.match(QString::fromStdString(watchedErr));
    ASSERT_TRUE(match.hasMatch()) << watchedErr;
    qsizetype widest = 0;
    for (const QString &shown : QString::fromStdString(watchedErr).split('\r', Qt::SkipEmptyParts))
        widest = std::max(widest, shown.size());
    EXPECT_EQ(match.captured(2).size(), widest) << "the wipe covers the longest line";
    EXPECT_EQ(watched.first, plain.first) << "the result is the same";
    EXPECT_EQ(eventsOf(watched.second), eventsOf(plain.second)) << "and so is the log";
    EXPECT_FALSE(eventsOf(plain.second).isEmpty());
}

TEST(ProgramSimulation, CtrlCLeavesALogOfWholeLinesEndingTheGame)
{
    ProgramRunner runner;
    const QString log = runner.filePath("game.txt");
    runner.start({"--simulate", "--turns", "1000000000", "--log", log});
    ASSERT_TRUE(waitForFile(log, [](const QByteArray &text) { return !text.isEmpty(); }));
    ASSERT_TRUE(runner.sendSignal(SIGINT));
    const Outcome outcome = runner.finish();
    EXPECT_TRUE(outcome.exited);
    EXPECT_EQ(outcome.status, 130);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^tycora: stopped by SIGINT after [0-9]+ of 1000000000 turns\n$"))
                    .match(QString::fromUtf8(outcome.err))
                    .hasMatch())
        << outcome.err.toStdString();
    EXPECT_EQ(outcome.out, "");
    expectWholeLinesEndingTheGame(readFile(log));
}

} // namespace
} // namespace tycora::testing
