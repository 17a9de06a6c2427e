// In the sanitizer build the game ends through main()'s return, not at
// once: its windows are destroyed and the sanitizer's checks at exit run,
// so that a leak in the windows' code fails the tests.

#include "program_runner.h"

#include <gtest/gtest.h>

#include <csignal>

namespace tycora::testing {
namespace {

TEST(ProgramExit, TheSanitizersChecksAtExitRunWhenTheGameEnds)
{
#if !defined(TYCORA_SANITIZE) && !defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "only the sanitizer build has checks at exit";
#endif
    ProgramRunner runner;
    ASSERT_TRUE(runner.placeCopy());
    // The address sanitizer's statistics are printed by its handler at
    // exit, which an immediate end of the process skips.
    runner.environment.insert("ASAN_OPTIONS", "atexit=1:detect_leaks=1");
    runner.start({"debug"});
    ASSERT_TRUE(
        waitForFile(runner.filePath("debug.txt"), [](const QByteArray &text) { return text.endsWith("\r\n"); }));
    ASSERT_TRUE(runner.sendSignal(SIGTERM));
    const Outcome outcome = runner.finish();
    EXPECT_TRUE(outcome.exited);
    EXPECT_EQ(outcome.status, 0) << outcome.err.toStdString();
    EXPECT_TRUE(outcome.err.contains("AddressSanitizer exit stats:")) << outcome.err.toStdString();
    EXPECT_FALSE(outcome.err.contains("LeakSanitizer")) << outcome.err.toStdString();
}

} // namespace
} // namespace tycora::testing
