// The three endings, press by press from the typed name to the next play's first line.
#include "story.h"

using namespace story;

namespace {

const std::string kFirstLine = "ZOZEZ40.png | 俺の名前はタビト大伴";

TEST(Endings, AWrongNameIsGameOverThenTheStoryStartsAgain) {
    auto w = StartGame();
    ToNamePrompt(*w);
    ReplaceByTyping(*w, "フササキ");
    EXPECT_EQ(Presses(*w, 3), (std::vector<std::string>{
                                  "HUSASAKI.png | 外れ",
                                  "FIRST | GAME OVER!",
                                  kFirstLine,
                              }));
    EXPECT_EQ(w->i, 1);
}

TEST(Endings, ThePerpetratorAloneIsHalfASuccessThatStillEndsBadly) {
    auto w = StartGame();
    ToNamePrompt(*w);
    ReplaceByTyping(*w, "ウマカイ");
    EXPECT_EQ(Presses(*w, 4),
              (std::vector<std::string>{
                  "UMAKAI.png | 正解！",
                  "ZOZEZ40.png | 確かに犯人はウマカイだが、俺は真犯人の存在には気づかなかった...",
                  "FIRST | GAME OVER!",
                  kFirstLine,
              }));
}

TEST(Endings, TheMastermindIsTheGoodEndingThroughRestart) {
    auto w = StartGame();
    ToNamePrompt(*w);
    ReplaceByTyping(*w, "ビリー");
    EXPECT_EQ(
        Presses(*w, 7),
        (std::vector<std::string>{
            "BILLY.png | 大正解！",
            "ZOZEZ40.png | アンタが、ウマカイをそそのかして、長屋氏を暗殺した真犯人だ",
            "BILLY.png | フッフ、ワシの妻に手を出すヤツが悪いのよ...",
            "END1 | GAME CLEAR!",
            "ASIA2018 | "
            "ホロミナ2.0　制作：ホロミナ制作チーム（小さなチームです）　遊んでくれてありがとう！",
            "WHITE.png | MULTI ENDING ADVENTURE  'ONLY' GAME",
            "FIRST | RESTART OK?",
        }));
    EXPECT_EQ(w->i, 0);
    EXPECT_EQ(Press(*w), kFirstLine);
}

// Nothing but i starts over: the last letter (C, the report) answers the next play's first
// menu, and the field stays locked.
TEST(Endings, TheNextPlayKeepsTheLastLetterAndTheLockedField) {
    auto w = StartGame();
    ToNamePrompt(*w);
    PressOK(*w, 2); // the prompt left in: game over
    ASSERT_EQ(w->i, 0);
    EXPECT_EQ(w->abcd, 2);
    PressOK(*w, 23);
    EXPECT_TRUE(w->TextField1()->ReadOnly());
    EXPECT_EQ(Presses(*w, 2).back(), "BESSO.png | 現場か。俺はナガヤ氏の自宅に潜入することにした");
}

// The bad ending stores -1 before anything else: cut short at its picture, it still
// leaves the story to start over (one empty press, then the first line).
TEST(Endings, GameOverCutShortStillStartsOver) {
    auto w = StartGame();
    fw::testing::SetHandlerReportSink([](const std::string&) {});
    w->i = 47;
    fw::testing::FailOperation("Canvas.Backdrop");
    PressOK(*w);
    EXPECT_EQ(w->i, -1);
    EXPECT_EQ(FieldText(*w), "GAME OVER!");
    EXPECT_EQ(Press(*w), "FIRST | GAME OVER!");
    EXPECT_EQ(Press(*w), kFirstLine);
}

// The restart prompt stores -1 between its blank redraw and FIRST.
TEST(Endings, RestartPromptStoresBeforeItsLastPicture) {
    auto w = StartGame();
    fw::testing::SetHandlerReportSink([](const std::string&) {});
    w->i = 54;
    fw::testing::FailOperation("Canvas.Backdrop", 2);
    PressOK(*w);
    EXPECT_EQ(w->i, -1);
    EXPECT_EQ(Shown(*w), "WHITE.png | RESTART OK?");
    w->i = 54;
    fw::testing::FailOperation("RectControl.Refresh");
    PressOK(*w);
    EXPECT_EQ(w->i, 54);
}

} // namespace
