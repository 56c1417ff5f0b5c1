// The whole run through RunProcess, event loop included: the order of start-up, the exit
// code, and what a failure at each stage leaves behind.
#include "app/startup.h"
#include "framework/testing.h"
#include "framework/window.h"

#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

using fw::testing::OperationLog;

int Run() {
    static char arg0[] = "holomina";
    static char* argv[] = {arg0, nullptr};
    return RunProcess(1, argv);
}

// Runs the game with `inLoop` scheduled to run once the event loop is up.
int RunThen(std::function<void()> inLoop) {
    QTimer::singleShot(0, std::move(inLoop));
    return Run();
}

// The entries that tell the start-up's course, in the order they happened.
std::vector<std::string> Milestones(const OperationLog& log) {
    const std::vector<std::string> kept{"RuntimeInit",
                                        "RuntimePerformInitializers",
                                        "Initializer ",
                                        "_RuntimeSetExceptionHelper",
                                        "Application._SetSupportsHiDPI",
                                        "_RuntimeInitExternalClasses",
                                        "_InitPluginEntrypoints",
                                        "RuntimeNewObject App",
                                        "RuntimeNewObject MenuBar1",
                                        "Application.MenuBar",
                                        "_RuntimeRegisterAppObject",
                                        "_RunFrameworkInitialization",
                                        "Window.Constructor",
                                        "Window.CreateControls",
                                        "Window.Layout",
                                        "Window.MenuBar",
                                        "_RuntimeRun",
                                        "Quit",
                                        "_UnhandledException",
                                        "RuntimePerformFinalizers",
                                        "RuntimeExit"};
    std::vector<std::string> out;
    for (const auto& entry : log.Entries())
        if (std::ranges::any_of(kept, [&](const auto& k) { return entry.starts_with(k); }))
            out.push_back(entry);
    return out;
}

bool Logged(const OperationLog& log, const std::string& prefix) {
    return !log.Matching(prefix).empty();
}

} // namespace

TEST(ShellStartup, RunsInOrderAndQuitEndsWithZero) {
    OperationLog log;
    int code = RunThen([] { Quit(0); });
    EXPECT_EQ(code, 0);
    const std::vector<std::string> expected{
        "RuntimeInit",
        "RuntimePerformInitializers",
        "Initializer App.__ctblinit",
        "Initializer MainWindow.__ctblinit",
        "Initializer MenuBar1._implicitInstance.__Init",
        "Initializer MenuBar1.__ctblinit",
        "_RuntimeSetExceptionHelper",
        "Application._SetSupportsHiDPI True",
        "_RuntimeInitExternalClasses",
        "_InitPluginEntrypoints",
        "RuntimeNewObject App",
        // The menu bar is built and given to the application before any window exists.
        "RuntimeNewObject MenuBar1",
        "Application.MenuBar MenuBar1",
        "_RuntimeRegisterAppObject App",
        "_RunFrameworkInitialization",
        "Window.Constructor MainWindow.MainWindow",
        "Window.CreateControls",
        "Window.Layout",
        "Window.MenuBar MenuBar1",
        "_RuntimeRun",
        "Quit 0",
        "RuntimePerformFinalizers",
        "RuntimeExit",
    };
    EXPECT_EQ(Milestones(log), expected);
}

// A menu once shown has a native window of its own; it must go while the toolkit still
// stands, not when the shared menu bar is released after main returns.
TEST(ShellStartup, AMenuOnceShownIsGoneWhenTheRunEnds) {
    QPointer<QMenu> edit;
    int code = RunThen([&] {
        auto window = _GetImplicitWindow("MainWindow.MainWindow");
        ASSERT_TRUE(window);
        auto* bar = window->TopLevel()->findChild<QMenuBar*>();
        ASSERT_TRUE(bar);
        edit = bar->actions().value(1)->menu();
        ASSERT_TRUE(edit);
        edit->popup(QPoint(0, 0));
        edit->hide();
        Quit(0);
    });
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(edit.isNull());
}

TEST(ShellStartup, QuitCodePassesThrough) {
    EXPECT_EQ(RunThen([] { Quit(3); }), 3);
}

TEST(ShellStartup, ClosingTheWindowEndsTheLoopWithZero) {
    OperationLog log;
    int code = RunThen([] {
        auto window = _GetImplicitWindow("MainWindow.MainWindow");
        ASSERT_TRUE(window);
        ASSERT_TRUE(window->TopLevel()->isVisible());
        window->TopLevel()->close();
    });
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(Logged(log, "RuntimePerformFinalizers"));
    EXPECT_FALSE(Logged(log, "_UnhandledException"));
}

// A failure while the App object is being equipped: reported once, no window, no loop.
static void ExpectReportedWithoutWindowOrLoop(const char* failing) {
    SCOPED_TRACE(failing);
    OperationLog log;
    fw::testing::FailOperation(failing, 1, "NilObjectException");
    ::testing::internal::CaptureStderr();
    // Should the loop run after all, end it rather than hang.
    int code = RunThen([] { Quit(0); });
    std::string err = ::testing::internal::GetCapturedStderr();

    EXPECT_NE(code, 0);
    EXPECT_EQ(log.Matching("_UnhandledException").size(), 1u);
    EXPECT_EQ(std::ranges::count(err, '\n'), 1) << err;
    EXPECT_NE(err.find("NilObjectException"), std::string::npos) << err;
    EXPECT_FALSE(Logged(log, "Window.Constructor"));
    EXPECT_FALSE(Logged(log, "_RuntimeRun"));
    EXPECT_FALSE(_GetImplicitWindow("MainWindow.MainWindow"));
    // The run still ends through the finalisers.
    EXPECT_TRUE(Logged(log, "RuntimeExit"));
}

TEST(ShellStartup, MenuBarBuildFailureIsReportedWithoutWindowOrLoop) {
    ExpectReportedWithoutWindowOrLoop("MenuItem.Append");
}
TEST(ShellStartup, AppRegistrationFailureIsReportedWithoutWindowOrLoop) {
    ExpectReportedWithoutWindowOrLoop("_RuntimeRegisterAppObject");
}
TEST(ShellStartup, AppMenuBarFailureIsReportedWithoutWindowOrLoop) {
    ExpectReportedWithoutWindowOrLoop("Application.MenuBar");
}

TEST(ShellStartup, FailureWhileBuildingTheWindowIsReportedAndSkipsTheLoop) {
    OperationLog log;
    fw::testing::FailOperation("Window._AddControl", 4);
    ::testing::internal::CaptureStderr();
    int code = RunThen([] { Quit(0); });
    std::string err = ::testing::internal::GetCapturedStderr();

    EXPECT_NE(code, 0);
    EXPECT_EQ(std::ranges::count(err, '\n'), 1) << err;
    EXPECT_NE(err.find("_AddControl"), std::string::npos) << err;
    EXPECT_TRUE(Logged(log, "_RuntimeRegisterAppObject"));
    // The fourth control was never added, and nothing after it was made.
    EXPECT_EQ(log.Matching("Window._AddControl").size(), 4u);
    EXPECT_EQ(log.Matching("Window.__New").size(), 4u);
    EXPECT_FALSE(Logged(log, "_RuntimeRun"));
    EXPECT_FALSE(_GetImplicitWindow("MainWindow.MainWindow"));
}

TEST(ShellStartup, FailureInTheLayoutHandlerIsReported) {
    fw::testing::FailOperation("Window.MenuBar");
    ::testing::internal::CaptureStderr();
    int code = RunThen([] { Quit(0); });
    std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(code, 0);
    EXPECT_NE(err.find("Window.MenuBar"), std::string::npos) << err;
}

TEST(ShellStartup, EmptyHooksAndAppConstructorChangeNothing) {
    OperationLog log;
    _InitFileTypes();
    _ApplicationAddMenuHandlers();
    App app;
    app.Constructor();
    EXPECT_TRUE(log.Entries().empty());
}
