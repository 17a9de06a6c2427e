// What the program prints must reach its reader: output that cannot be
// written is a failure with the reason, never a silent success.

#include "program_runner.h"

#include <gtest/gtest.h>

namespace tycora::testing {
namespace {

TEST(ProgramOutput, AFullDiskOnStandardOutputIsAFailureWithTheReason)
{
    for (const QStringList &arguments : {QStringList{"--help"}, QStringList{"--version"},
                                         QStringList{"--simulate", "--turns", "10"}}) {
        ProgramRunner runner;
        runner.process().setStandardOutputFile(QStringLiteral("/dev/full"));
        const Outcome outcome = runner.run(arguments);
        EXPECT_TRUE(outcome.exited) << arguments.join(' ').toStdString();
        EXPECT_EQ(outcome.status, 1) << arguments.join(' ').toStdString();
        EXPECT_EQ(outcome.err, "tycora: write error on standard output: No space left on device\n")
            << arguments.join(' ').toStdString();
    }
}

TEST(ProgramOutput, TheSimulationsResultIsOneJsonLine)
{
    ProgramRunner runner;
    const Outcome outcome = runner.run({"--simulate", "--turns", "10", "--seed", "4"});
    EXPECT_TRUE(outcome.exited);
    EXPECT_EQ(outcome.status, 0);
    EXPECT_TRUE(outcome.out.startsWith("{\"squares\":[")) << outcome.out.left(40).toStdString();
    EXPECT_TRUE(outcome.out.endsWith(",\"turns\":10,\"seed\":4}\n"));
    EXPECT_EQ(outcome.out.count('\n'), 1);
    EXPECT_TRUE(outcome.err.isEmpty());
}

} // namespace
} // namespace tycora::testing
