// The whole run through RunProcess, event loop included: how it ends, by each way of
// quitting and by a failure in start-up or around it.
#include "app/startup.h"
#include "tests/shell/shell.h"

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

// One way the run ends: what the player does, or an operation that raises on the way.
struct Ending {
    const char* name;
    std::function<void()> inLoop;
    const char* failing = nullptr;
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
    {"QuitButton", [] { game_test::Click(*TheWindow(), "NoBtutton"); }},
    {"QuitItem", QuitItem},
    {"WindowClosed", [] { TheWindow()->TopLevel()->close(); }},
    // A failure never ends the run with success: one inside the start-up proper, reported as
    // unhandled, and one around it, where even the report can't be trusted.
    {"FailingMenuBarBuild", QuitItem, "MenuItem.Append"},
    {"FailingFinalizers", QuitItem, "RuntimePerformFinalizers"},
};

class ShellRunEnds : public ::testing::TestWithParam<Ending> {};

// A failure is reported on one line.
TEST_P(ShellRunEnds, WithZeroOnlyWhenNothingFailed) {
    const Ending& ending = GetParam();
    if (ending.failing) fw::testing::FailOperation(ending.failing, 1, "NilObjectException");
    ::testing::internal::CaptureStderr();
    int code = RunThen(ending.inLoop);
    std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(code != 0, ending.failing != nullptr) << code;
    EXPECT_EQ(std::ranges::count(err, '\n'), ending.failing ? 1 : 0) << err;
    EXPECT_TRUE(!ending.failing || err.starts_with("holomina: ")) << err;
}

INSTANTIATE_TEST_SUITE_P(, ShellRunEnds, ::testing::ValuesIn(kEndings),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
