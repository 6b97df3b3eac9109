// Widget tests run on the offscreen platform with one QApplication for all of them.
#include <gtest/gtest.h>

#include <QApplication>

#include "app/FileHistory.h"
#include "app/PaneAdapters.h"
#include "tests/app/AppTestSupport.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallPaneBinder();
    SetWindowSettingsFile(RunSettingsFile());  // no test touches the user's own settings
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
