// One press of OK where no block runs, and a press that can't find the canvas it needs.
#include "framework/testing.h"
#include "tests/support/game.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace game_test;

namespace {

// A value without a block shows nothing and only counts up; the values that blocks store
// on their way to 0, 100, 200, 300, 400 and 1000 are never run themselves.
TEST(Dispatcher, AValueWithoutABlockOnlyCountsUp) {
    auto w = StartGame();
    PressOK(*w, 5);
    const std::string shown = Shown(*w);
    for (std::int64_t value : {-1, 55, 99, 199, 299, 399, 999, 1001, -1000, 123456789}) {
        w->i = value;
        PressOK(*w);
        EXPECT_EQ(w->i, value + 1) << value;
        EXPECT_EQ(Shown(*w), shown) << value;
    }
}

// With the canvas gone, a scene change stops the press: the screen and i stay as they were
// and the failure is reported. Halfway through a block, what was done before stays.
TEST(Dispatcher, AMissingCanvasStopsThePressWhereItIsNeeded) {
    auto w = StartGame();
    fw::testing::ForgetControl(*w, "REALCanvas");
    ::testing::internal::CaptureStderr();
    PressOK(*w);
    EXPECT_EQ(w->i, 0);
    EXPECT_EQ(Shown(*w), "FIRST | ホロミナ2.0⏎PRESS OK BUTTON");
    w->i = 47; // the ending's -1 and its line come before its scene change
    PressOK(*w);
    EXPECT_EQ(FieldText(*w), "GAME OVER!");
    EXPECT_EQ(w->i, -1);
    std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::ranges::count(err, '\n'), 2) << err;
    EXPECT_NE(err.find("NilObjectException"), std::string::npos) << err;
}

} // namespace
