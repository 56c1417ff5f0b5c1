// The whole run through RunProcess, event loop included: how it ends, by each way of
// quitting and by a failure at each stage of start-up and shut-down.
#include "app/startup.h"
#include "tests/shell/shell.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

// Runs the game with `inLoop` scheduled to run once the event loop is up.
int RunThen(std::function<void()> inLoop) {
    static char arg0[] = "holomina";
    static char* argv[] = {arg0, nullptr};
    QTimer::singleShot(0, std::move(inLoop));
    return RunProcess(1, argv);
}

std::shared_ptr<MainWindow> TheWindow() {
    return std::static_pointer_cast<MainWindow>(_GetImplicitWindow("MainWindow.MainWindow"));
}

QMainWindow* TopLevel() {
    return static_cast<QMainWindow*>(TheWindow()->TopLevel());
}

// One way the run ends: what the player (or a failure) does, and the exit code it leaves.
struct Ending {
    const char* name;
    std::function<void()> inLoop;
    const char* failing = nullptr; // an operation that raises, and at which call
    int nth = 1;
    bool exitsWithZero = false;
};

void PrintTo(const Ending& ending, std::ostream* os) {
    *os << ending.name;
}

// Should a failure leave the loop running after all, this still ends it.
void QuitItem() {
    if (auto w = TheWindow())
        shell_test::Choose(w->FileQuit());
    else
        Quit(0);
}

const Ending kEndings[] = {
    {"QuitButton", [] { game_test::Click(*TheWindow(), "NoBtutton"); }, nullptr, 1, true},
    {"QuitItem", QuitItem, nullptr, 1, true},
    {"QuitShortcut",
     [] {
         QApplication::setActiveWindow(TopLevel());
         QTest::keyClick(TopLevel(), Qt::Key_Q, Qt::ControlModifier);
     },
     nullptr, 1, true},
    {"WindowClosed", [] { TopLevel()->close(); }, nullptr, 1, true},
    // A failure anywhere, before, in or after the loop, never ends the run with success.
    {"FailingInitializer", QuitItem, "Initializer", 2},
    {"FailingEarlyStartup", QuitItem, "_RuntimeInitExternalClasses"},
    {"FailingMenuBarBuild", QuitItem, "MenuItem.Append"},
    {"FailingAppRegistration", QuitItem, "_RuntimeRegisterAppObject"},
    {"FailingFourthControl", QuitItem, "Window._AddControl", 4},
    {"FailingWindowLayout", QuitItem, "Window.MenuBar"},
    {"FailingEventLoop", QuitItem, "_RuntimeRun"},
    {"FailingFinalizers", QuitItem, "RuntimePerformFinalizers"},
    {"FailingExit", QuitItem, "RuntimeExit"},
};

class ShellRunEnds : public ::testing::TestWithParam<Ending> {};

// A failure is reported on one line naming it; the window never opens after a failure in
// start-up, and the loop never runs.
TEST_P(ShellRunEnds, WithZeroOnlyWhenNothingFailed) {
    const Ending& ending = GetParam();
    if (ending.failing)
        fw::testing::FailOperation(ending.failing, ending.nth, "NilObjectException");
    ::testing::internal::CaptureStderr();
    int code = RunThen(ending.inLoop);
    std::string err = ::testing::internal::GetCapturedStderr();
    if (ending.exitsWithZero) {
        EXPECT_EQ(code, 0);
        EXPECT_EQ(err, "");
        return;
    }
    EXPECT_NE(code, 0);
    EXPECT_EQ(std::ranges::count(err, '\n'), 1) << err;
    EXPECT_NE(err.find("holomina: "), std::string::npos) << err;
}

INSTANTIATE_TEST_SUITE_P(, ShellRunEnds, ::testing::ValuesIn(kEndings),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ShellRun, QuitPassesItsCodeOn) {
    EXPECT_EQ(RunThen([] { Quit(3); }), 3);
}

} // namespace
