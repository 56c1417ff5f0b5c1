// The framework's own services: strings, the coin, the main-thread rule, the event
// boundary and casts.
#include "framework/random.h"
#include "framework/strings.h"
#include "resources/pictures.h"
#include "tests/shell/shell.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace game_test;
using namespace shell_test;
using ShellFramework = Game;

TEST(ShellStrings, CountAndMakeCharactersNotBytesAndCompareExactly) {
    EXPECT_EQ(Len("ホロミナ2.0"), 7);
    EXPECT_EQ(Len(""), 0);
    EXPECT_EQ(Len("😀👍a"), 3);
    EXPECT_EQ(Len(Chr(13)), 1);
    EXPECT_EQ(Len("グレート＝アジア"), 8);
    EXPECT_EQ(Chr(13), "\r");
    EXPECT_EQ(Chr(0x30DB), "ホ");
    EXPECT_EQ(Chr(0x1F600), "😀");
    EXPECT_EQ(RuntimeAddString("ホロミナ", "2.0"), "ホロミナ2.0");
    // Zero only for equal strings.
    EXPECT_EQ(RuntimeStringCompare("ビリー", "ビリー"), 0);
    EXPECT_NE(RuntimeStringCompare("ビリー", "ビリ"), 0);
    EXPECT_NE(RuntimeStringCompare("", "a"), 0);
    EXPECT_EQ(RuntimeStringCompare("a", "b"), -RuntimeStringCompare("b", "a"));
}

TEST(ShellRandom, ScriptedValuesComeInOrderAndTheSystemsAreFair) {
    fw::testing::ScriptRandom({0.75, 0.25});
    EXPECT_EQ(Rnd(), 0.75);
    EXPECT_EQ(Rnd(), 0.25);
    EXPECT_EQ(Rnd(), 0.75);
    EXPECT_EQ(fw::testing::RandomDraws(), 3);

    fw::testing::UseSystemRandom();
    const int draws = 10000;
    int heads = 0;
    for (int k = 0; k < draws; ++k) {
        double r = Rnd();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        if (r * 2.0 >= 1.0) ++heads;
    }
    // Fair within about six standard deviations.
    EXPECT_GT(heads, 4700);
    EXPECT_LT(heads, 5300);
}

// The user interface is the main thread's alone; finding and making controls is not.
TEST_F(ShellFramework, UserInterfaceRefusesOtherThreads) {
    auto field = w->TextField1();
    auto canvas = w->REALCanvas();
    auto item = w->EditCopy();
    const std::pair<const char*, std::function<void()>> calls[] = {
        {"reading the field", [&] { field->Text(); }},
        {"setting the field", [&] { field->Text("x"); }},
        {"setting the backdrop", [&] { canvas->Backdrop(nullptr); }},
        {"the window's menu bar", [&] { w->MenuBar(); }},
        {"setting an item's text", [&] { item->Text("x"); }}};
    for (const auto& [what, call] : calls)
        EXPECT_EQ(RaisedOffMainThread(call), "ThreadAccessingUIException") << what;
    // Nothing changed.
    EXPECT_EQ(field->Text(), kTitleScreen);
    EXPECT_EQ(canvas->Backdrop(), FIRST());
    EXPECT_EQ(item->Text(), "コピー");

    std::shared_ptr<RectControl> found, made;
    EXPECT_EQ(RaisedOffMainThread([&] {
                  found = w->_ControlByName("OKButton");
                  made = w->__New(BevelButton::Record());
              }),
              "");
    EXPECT_EQ(found, w->_ControlByName("OKButton"));
    EXPECT_TRUE(std::dynamic_pointer_cast<BevelButton>(made));
}

TEST_F(ShellFramework, HandlerExceptionIsReportedAndStaysOutOfTheToolkit) {
    std::vector<std::string> reports;
    fw::testing::SetHandlerReportSink([&](const std::string& line) { reports.push_back(line); });
    RuntimeAddEventHandler(w->BButton(), kEventAction, [](const std::shared_ptr<RectControl>&) {
        throw std::logic_error("not a runtime exception");
    });
    Click(*w, "BButton");
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find("BButton.Action"), std::string::npos) << reports[0];
    EXPECT_NE(reports[0].find("not a runtime exception"), std::string::npos) << reports[0];
    EXPECT_EQ(w->abcd, 1);

    // A framework call failing inside the story's handler abandons that press.
    fw::testing::FailOperation("TextField.Text", 1, "NilObjectException");
    PressOK(*w);
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_NE(reports[1].find("NilObjectException"), std::string::npos) << reports[1];
    EXPECT_EQ(w->i, 0);
    PressOK(*w);
    EXPECT_EQ(w->i, 1);
}

TEST_F(ShellFramework, CheckCastPassesNilAndRefusesAnotherClass) {
    EXPECT_EQ(RuntimeCheckCast<BevelButton>(nullptr, BevelButton::Record()), nullptr);
    auto canvas = w->_ControlByName("REALCanvas");
    EXPECT_THROW(RuntimeCheckCast<BevelButton>(canvas, BevelButton::Record()),
                 IllegalCastException);
    EXPECT_EQ(RuntimeCheckCast<RectControl>(canvas, Canvas::Record()), canvas);
    EXPECT_THROW(RuntimeCheckCast<MainWindow>(canvas, MainWindow::__Lookup()),
                 IllegalCastException);
}
