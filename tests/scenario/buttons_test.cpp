// A to D record the answer, Reset starts the count over, Quit ends the application; none of
// them shows anything. What the next play keeps from the last one.
#include "story.h"

using namespace story;

namespace {

// The last letter pressed, kept through Reset and the whole opening, answers the next
// menu. After Reset one press shows nothing and makes i 0; twice in a row is once.
TEST(Buttons, LettersAndResetShowNothingAndTheLastLetterWaitsForTheMenu) {
    auto w = StartGame();
    PressOK(*w, 3);
    const std::string shown = Shown(*w);
    fw::testing::OperationLog log;
    for (char letter : {'A', 'B', 'C', 'D'})
        Answer(*w, letter);
    EXPECT_EQ(w->i, 3);
    EXPECT_EQ(w->abcd, 3);
    Click(*w, "ResetButton");
    Click(*w, "ResetButton");
    EXPECT_TRUE(ScreenOperations(log).empty());
    EXPECT_EQ(Shown(*w), shown);
    EXPECT_EQ(w->i, -1);
    EXPECT_EQ(Press(*w), shown);
    EXPECT_EQ(w->i, 0);
    EXPECT_EQ(Press(*w), "ZOZEZ40.png | 俺の名前はタビト大伴");
    ToFirstMenu(*w);
    EXPECT_EQ(Press(*w), "OFFICE.png | 情報整理か。ヒントは、探偵の基本は情報収集だ");
}

// Quit asks to end with 0 even while the name is being typed, and moves nothing. Reset
// then leaves the field open through the next play, until the name check closes it.
TEST(Buttons, QuitAndResetDuringTheNameEntry) {
    auto w = StartGame();
    ToNamePrompt(*w);
    fw::testing::OperationLog log;
    Click(*w, "NoBtutton");
    EXPECT_EQ(log.Matching("Quit"), std::vector<std::string>{"Quit 0"});
    EXPECT_EQ(w->i, 46);
    Click(*w, "ResetButton");
    PressOK(*w, 2);
    EXPECT_FALSE(w->TextField1()->ReadOnly());
    TypeCommitted(*w, "ア");
    EXPECT_EQ(FieldText(*w), "俺の名前はタビト大伴ア");
    ToDeductionMenu(*w);
    Answer(*w, 'C');
    PressOK(*w, 4);
    ASSERT_EQ(w->i, 45);
    EXPECT_FALSE(w->TextField1()->ReadOnly());
    PressOK(*w, 2);
    EXPECT_TRUE(w->TextField1()->ReadOnly());
}

// Nothing but i starts over after an ending: the last letter (C, the report) answers the
// next play's first menu, and the field stays locked.
TEST(NextPlay, KeepsTheLastLetterAndTheLockedField) {
    auto w = StartGame();
    ToNamePrompt(*w);
    PressOK(*w, 2); // the prompt left in: game over
    ASSERT_EQ(w->i, 0);
    EXPECT_EQ(w->abcd, 2);
    PressOK(*w, 23);
    EXPECT_TRUE(w->TextField1()->ReadOnly());
    EXPECT_EQ(Press(*w), "OFFICE.png | 現場か。ちょっと早い気もするが...");
    EXPECT_EQ(Press(*w), "BESSO.png | 現場か。俺はナガヤ氏の自宅に潜入することにした");
}

} // namespace
