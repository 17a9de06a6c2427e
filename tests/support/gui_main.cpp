// The test program for window tests: a QApplication on the offscreen
// platform with the game's fonts, then every test.

#include "toolkit/fonts.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The user's own settings are never read or written by a test: each run
    // keeps its settings in a folder of its own, gone when it ends.
    QTemporaryDir config;
    if (!config.isValid()) {
        fprintf(stderr, "no temporary folder for the settings: %s\n", qPrintable(config.errorString()));
        return 1;
    }
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    // Nor is the user's autosave or any saved game of theirs.
    qputenv("XDG_DATA_HOME", QFile::encodeName(config.path() + QStringLiteral("/data")));
    qputenv("HOME", QFile::encodeName(config.path()));
    QApplication app(argc, argv);
    tycora::ui::registerEmbeddedFonts();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
