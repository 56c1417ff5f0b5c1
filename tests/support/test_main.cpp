// Test entry: a QApplication on the offscreen platform, pictures from the build tree.
#include "framework/runtime.h"
#include "framework/testing.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never deleted, as in the game: windows and menus held in statics go after main.
    new QApplication(argc, argv);
    fw::testing::SetResourceFolder(HOLOMINA_PICTURE_DIR);
    ::testing::InitGoogleTest(&argc, argv);
    int result = RUN_ALL_TESTS();
    // As the game does on its way out: windows and menus go while the toolkit stands.
    RuntimePerformFinalizers();
    return result;
}
