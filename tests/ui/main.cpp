// Widget tests need one application object for the whole run.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "ui/vorlieben/UBildWahl.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The player's preferences (QSettings) of a test run go to a folder of its own.
    QTemporaryDir vorlieben;
    qputenv("XDG_CONFIG_HOME", vorlieben.path().toUtf8());
    // So do the recordings of the matches the tests play.
    qputenv("XDG_DATA_HOME", vorlieben.path().toUtf8());
    QApplication app(argc, argv);
    // Each state drawn as it is, points shown at once; the tests of motion switch it on.
    BewegteBilderSpeichern(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
