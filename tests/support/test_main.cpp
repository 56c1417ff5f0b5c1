// Test entry: a QApplication on the offscreen platform, pictures from the build tree.
//
// The game keeps process-wide state (one window, one menu bar, a load-once cache per
// picture), so every test needs a fresh process. Asked for one test by its exact name, as
// CTest asks, the binary runs it here; asked for more, it runs itself once per test.
#include "framework/runtime.h"
#include "framework/testing.h"

#include <QApplication>
#include <QProcess>
#include <gtest/gtest.h>

#include <cstdio>

namespace {

// Set in the children, each of which runs its one test in-process.
constexpr const char* kOneTest = "HOLOMINA_ONE_TEST";

// The tests the filter selects, "Suite.Name", as --gtest_list_tests lists them: a line
// "Suite." and its tests indented below it, either maybe followed by "  # " and a parameter.
QStringList Selected(const QString& self) {
    QProcess list;
    list.start(self, {"--gtest_list_tests",
                      "--gtest_filter=" + QString::fromStdString(GTEST_FLAG_GET(filter))});
    list.waitForFinished(-1);
    QStringList tests;
    QString suite;
    for (const QString& line : QString::fromUtf8(list.readAllStandardOutput()).split('\n')) {
        QString name = line.section(' ', 0, 0, QString::SectionSkipEmpty);
        if (line.startsWith(' '))
            tests << suite + name;
        else
            suite = name;
    }
    return tests;
}

// Fails, too, when no test is found: a listing that fails looks the same.
int RunEachAlone(const QStringList& args) {
    const QString self = QCoreApplication::applicationFilePath();
    const QStringList tests = Selected(self);
    qputenv(kOneTest, "1");
    QStringList failed;
    for (const QString& test : tests)
        if (QProcess::execute(self, QStringList(args) << "--gtest_filter=" + test) != 0)
            failed << test;
    std::printf("\neach test in a process of its own: %lld run, %lld failed\n", tests.size(),
                failed.size());
    for (const QString& test : failed)
        std::printf("  %s\n", qPrintable(test));
    return tests.isEmpty() || !failed.isEmpty();
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never deleted, as in the game: windows and menus held in statics go after main.
    new QApplication(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1); // as given, for the children
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty(kOneTest) && !GTEST_FLAG_GET(list_tests) &&
        GTEST_FLAG_GET(filter).find_first_of("*?:-") != std::string::npos)
        return RunEachAlone(args);
    fw::testing::SetResourceFolder(HOLOMINA_PICTURE_DIR);
    int result = RUN_ALL_TESTS();
    // As the game does on its way out: windows and menus go while the toolkit stands.
    RuntimePerformFinalizers();
    return result;
}
