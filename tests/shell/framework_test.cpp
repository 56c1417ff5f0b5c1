// The framework's rules as a caller meets them: the user interface belongs to the main
// thread, an exception in an event handler is reported while the game goes on, and a
// property set finds the object it is applied to built.
#include "framework/properties.h"
#include "tests/shell/shell.h"
#include "ui/layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <thread>

using namespace game_test;
using namespace shell_test;
using ShellFramework = Game;

TEST_F(ShellFramework, UserInterfaceRefusesOtherThreads) {
    auto field = w->TextField1();
    auto canvas = w->REALCanvas();
    auto item = w->EditCopy();
    const std::pair<const char*, std::function<void()>> calls[] = {
        {"setting the field", [&] { field->Text("x"); }},
        {"setting the backdrop", [&] { canvas->Backdrop(nullptr); }},
        {"setting an item's text", [&] { item->Text("x"); }}};
    for (const auto& [what, call] : calls)
        std::thread([&] { EXPECT_THROW(call(), ThreadAccessingUIException) << what; }).join();
    // Nothing changed.
    EXPECT_EQ(Shown(*w), "FIRST | ホロミナ2.0⏎PRESS OK BUTTON");
    EXPECT_EQ(item->Text(), "コピー");
}

// Reported on one line naming the event; the press is abandoned and the next one plays.
TEST_F(ShellFramework, HandlerExceptionIsReportedAndTheGameGoesOn) {
    RuntimeAddEventHandler(w->BButton(), kEventAction, [](const std::shared_ptr<RectControl>&) {
        throw std::logic_error("not a runtime exception");
    });
    ::testing::internal::CaptureStderr();
    Click(*w, "BButton");
    fw::testing::FailOperation("TextField.Text", 1, "NilObjectException");
    PressOK(*w);
    std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::ranges::count(err, '\n'), 2) << err;
    EXPECT_NE(err.find("not a runtime exception in BButton.Action"), std::string::npos) << err;
    EXPECT_NE(err.find("NilObjectException"), std::string::npos) << err;
    EXPECT_EQ(w->abcd, 1); // B's own handler ran
    PressOK(*w);
    EXPECT_EQ(FieldText(*w), "俺の名前はタビト大伴"); // step 0 again
}

// A record applied before its object is built is refused, not a crash.
TEST(ShellFrameworkUnbuilt, PropertySetsAreRefused) {
    StartGame();
    auto window = RuntimeNewObject(Window::Record());
    EXPECT_THROW(_SetProperties(*window, WindowRecord()), NilObjectException);
    auto button = RuntimeNewObject(BevelButton::Record());
    EXPECT_THROW(_SetProperties(*button, ControlRecord("OKButton")), NilObjectException);
}
