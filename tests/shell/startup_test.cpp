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

// Runs the game with `inLoop` scheduled to run once the event loop is up.
int RunThen(std::function<void()> inLoop) {
    static char arg0[] = "holomina";
    static char* argv[] = {arg0, nullptr};
    QTimer::singleShot(0, std::move(inLoop));
    return RunProcess(1, argv);
}

bool Logged(const OperationLog& log, const std::string& prefix) {
    return !log.Matching(prefix).empty();
}

std::shared_ptr<Window> TheWindow() {
    return _GetImplicitWindow("MainWindow.MainWindow");
}

} // namespace

TEST(ShellStartup, RunsInOrderAndQuitEndsWithZero) {
    OperationLog log;
    EXPECT_EQ(RunThen([] { Quit(0); }), 0);
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
    // The log's entries of the kinds above, any report of an unhandled exception, and of
    // the objects made only the application's own (not each control and menu item).
    auto kind = [](const std::string& entry) { return entry.substr(0, entry.find(' ')); };
    std::vector<std::string> kinds{"_UnhandledException"}, milestones;
    for (const auto& entry : expected)
        kinds.push_back(kind(entry));
    for (const auto& entry : log.Entries())
        if (kind(entry) == "RuntimeNewObject"
                ? entry == "RuntimeNewObject App" || entry == "RuntimeNewObject MenuBar1"
                : std::ranges::find(kinds, kind(entry)) != kinds.end())
            milestones.push_back(entry);
    EXPECT_EQ(milestones, expected);
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
    EXPECT_EQ(RunThen([] {
                  ASSERT_TRUE(TheWindow() && TheWindow()->TopLevel()->isVisible());
                  TheWindow()->TopLevel()->close();
              }),
              0);
    EXPECT_TRUE(Logged(log, "RuntimePerformFinalizers"));
    EXPECT_FALSE(Logged(log, "_UnhandledException"));
}

// A failure at each stage of start-up is reported once, on one line; no window is left and
// the loop never runs, yet the run still ends through the finalisers with a failure code.
struct StartFailure {
    const char* name;
    const char* operation;
    int nth;
    std::size_t controlsMade; // how far the window got before the failure
};

void PrintTo(const StartFailure& failure, std::ostream* os) {
    *os << failure.name;
}

class ShellStartupFailure : public ::testing::TestWithParam<StartFailure> {};

TEST_P(ShellStartupFailure, IsReportedOnceWithoutWindowOrLoop) {
    const StartFailure& failure = GetParam();
    OperationLog log;
    fw::testing::FailOperation(failure.operation, failure.nth, "NilObjectException");
    ::testing::internal::CaptureStderr();
    // Should the loop run after all, end it rather than hang.
    int code = RunThen([] { Quit(0); });
    std::string err = ::testing::internal::GetCapturedStderr();

    EXPECT_NE(code, 0);
    EXPECT_EQ(log.Matching("_UnhandledException").size(), 1u);
    EXPECT_EQ(std::ranges::count(err, '\n'), 1) << err;
    EXPECT_NE(err.find("NilObjectException"), std::string::npos) << err;
    EXPECT_NE(err.find(failure.operation), std::string::npos) << err;
    EXPECT_EQ(Logged(log, "Window.Constructor"), failure.controlsMade > 0);
    // A control that failed to be added was the last made.
    EXPECT_EQ(log.Matching("Window._AddControl").size(), failure.controlsMade);
    EXPECT_EQ(log.Matching("Window.__New").size(), failure.controlsMade);
    EXPECT_FALSE(Logged(log, "_RuntimeRun"));
    EXPECT_FALSE(TheWindow());
    EXPECT_TRUE(Logged(log, "RuntimeExit"));
}

INSTANTIATE_TEST_SUITE_P(
    , ShellStartupFailure,
    ::testing::Values(StartFailure{"MenuBarBuild", "MenuItem.Append", 1, 0},
                      StartFailure{"AppRegistration", "_RuntimeRegisterAppObject", 1, 0},
                      StartFailure{"AppMenuBar", "Application.MenuBar", 1, 0},
                      StartFailure{"FourthControl", "Window._AddControl", 4, 4},
                      StartFailure{"WindowLayout", "Window.MenuBar", 1, 9}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ShellStartup, EmptyHooksAndAppConstructorChangeNothing) {
    OperationLog log;
    _InitFileTypes();
    _ApplicationAddMenuHandlers();
    App app;
    app.Constructor();
    EXPECT_TRUE(log.Entries().empty());
}
