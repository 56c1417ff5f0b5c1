#include "tests/support/game.h"

#include <gtest/gtest.h>

using namespace game_test;

TEST(ShellSmoke, TitleThenFirstLine) {
    auto w = StartGame();
    EXPECT_EQ(Shown(*w), "FIRST | ホロミナ2.0⏎PRESS OK BUTTON");
    PressOK(*w);
    EXPECT_EQ(Shown(*w), "ZOZEZ40.png | 俺の名前はタビト大伴");
    EXPECT_EQ(w->i, 1);
    w->i = 45;
    PressOK(*w);
    ReplaceByTyping(*w, "ビリー");
    EXPECT_EQ(FieldText(*w), "ビリー");
    PressOK(*w);
    EXPECT_EQ(Shown(*w), "BILLY.png | 大正解！");
}
