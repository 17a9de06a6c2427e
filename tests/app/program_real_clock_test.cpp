// The whole program on the clock it really runs on: Qt's timers, through
// its event loop. Four computers play at the Instant pace in the copy of
// the game that plays by itself, with the event log on; their throws
// arrive in debug.txt while the program runs, and a stop signal ends it
// normally.

#include "program_runner.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <csignal>

namespace tycora::testing {
namespace {

int throwsIn(const QByteArray &log)
{
    static const QRegularExpression Throw(QStringLiteral("^Player [1-4] \\(£-?[0-9]+\\) rolls:  [1-6],[1-6]\\r?$"),
                                          QRegularExpression::MultilineOption);
    int throws = 0;
    for (auto it = Throw.globalMatch(QString::fromUtf8(log)); it.hasNext(); it.next())
        ++throws;
    return throws;
}

TEST(ProgramOnTheRealClock, ComputersThrowAndMoveOnQtTimers)
{
    ProgramRunner runner(QStringLiteral(TYCORA_BENCH_GAME));
    ASSERT_TRUE(runner.placeCopy());
    runner.start({QStringLiteral("new-games"), QStringLiteral("debug")});
    const QString log = runner.filePath(QStringLiteral("debug.txt"));
    // After the first, a throw needs the computer's pause and the
    // piece's step to have fired on the real clock: two throws in the
    // scenario's first game (the next begins two seconds later on a timer of
    // its own, with a throw at once).
    const auto firstGame = [](const QByteArray &text) {
        const qsizetype end = text.indexOf("Game Ended:");
        return end < 0 ? text : text.left(end);
    };
    waitForFile(
        log, [&](const QByteArray &text) { return throwsIn(firstGame(text)) >= 2 || text.contains("Game Ended:"); },
        30000);
    EXPECT_GE(throwsIn(firstGame(readFile(log))), 2) << "the game stood still:\n" << readFile(log).toStdString();
    EXPECT_TRUE(runner.sendSignal(SIGTERM));
    const Outcome outcome = runner.finish();
    EXPECT_TRUE(outcome.exited);
    EXPECT_EQ(outcome.status, 0);
}

} // namespace
} // namespace tycora::testing
