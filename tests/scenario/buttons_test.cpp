// A to D record the answer, Reset starts the count over, Quit ends the application; none of
// them shows anything.
#include "story.h"

using namespace story;

namespace {

TEST(Buttons, LettersAndResetShowNothing) {
    auto w = StartGame();
    PressOK(*w, 5);
    const std::string shown = Shown(*w);
    fw::testing::OperationLog log;
    for (char letter : {'A', 'B', 'C', 'D'})
        Answer(*w, letter);
    Click(*w, "ResetButton");
    EXPECT_TRUE(ScreenOperations(log).empty());
    EXPECT_EQ(Shown(*w), shown);
    EXPECT_EQ(w->abcd, 3);
    EXPECT_EQ(w->i, -1);
}

TEST(Buttons, TheLastLetterBeforeOkIsTheAnswer) {
    auto w = StartGame();
    ToFirstMenu(*w);
    Answer(*w, 'A');
    Answer(*w, 'B');
    EXPECT_EQ(Press(*w),
              "OFFICE.png | MACか。このマックにはVespirelのネコ型エージェント機能が入っている");
}

// After Reset one press shows nothing and makes i 0; the next starts the story. Twice in a
// row is the same as once.
TEST(Buttons, ResetStartsTheStoryOverAfterOneEmptyPress) {
    for (int resets : {1, 2}) {
        SCOPED_TRACE(resets);
        auto w = StartGame();
        w->i = 0;
        PressOK(*w, 12);
        const std::string shown = Shown(*w);
        for (int k = 0; k < resets; ++k)
            Click(*w, "ResetButton");
        EXPECT_EQ(Press(*w), shown);
        EXPECT_EQ(w->i, 0);
        EXPECT_EQ(Press(*w), "ZOZEZ40.png | 俺の名前はタビト大伴");
    }
}

// Reset keeps the letter too: the new play's first menu takes it.
TEST(Buttons, ResetKeepsTheLastLetter) {
    auto w = StartGame();
    PressOK(*w, 4);
    Answer(*w, 'D');
    Click(*w, "ResetButton");
    PressOK(*w, 24);
    EXPECT_EQ(Press(*w), "OFFICE.png | 情報整理か。ヒントは、探偵の基本は情報収集だ");
}

// Reset while the field is open for the name leaves it open through the next play, until
// the name check closes it.
TEST(Buttons, ResetDuringTheNameEntryLeavesTheFieldOpenUntilTheCheck) {
    auto w = StartGame();
    ToNamePrompt(*w);
    Click(*w, "ResetButton");
    PressOK(*w, 2);
    EXPECT_FALSE(w->TextField1()->ReadOnly());
    TypeCommitted(*w, "ア");
    EXPECT_EQ(FieldText(*w), "俺の名前はタビト大伴ア");
    ToOffice(*w);
    PressOK(*w, 2);
    Answer(*w, 'C');
    PressOK(*w, 4);
    ASSERT_EQ(w->i, 45);
    EXPECT_FALSE(w->TextField1()->ReadOnly());
    PressOK(*w, 2);
    EXPECT_TRUE(w->TextField1()->ReadOnly());
}

TEST(Buttons, QuitAsksToEndWithCodeZeroEvenDuringTheNameEntry) {
    auto w = StartGame();
    ToNamePrompt(*w);
    const auto i = w->i;
    fw::testing::OperationLog log;
    Click(*w, "NoBtutton");
    EXPECT_EQ(log.Matching("Quit"), std::vector<std::string>{"Quit 0"});
    EXPECT_EQ(w->i, i);
}

} // namespace
