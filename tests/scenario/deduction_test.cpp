// Back at the office: the deduction menu, its family calls, the agent's findings, the
// cleared field and the way on to naming the culprit.
#include "story.h"

using namespace story;

namespace {

const std::string kDeductionMenu =
    "OFFICE.png | 順序良く整理して行こう⏎A：電話、B：MAC、C:報告書作成、D:情報整理";

// The deduction menu on screen; i = 41.
void ToDeductionMenu(MainWindow& w) {
    ToOffice(w);
    EXPECT_EQ(Press(w), "OFFICE.png | 推理の結果をまとめよう");
    EXPECT_EQ(Press(w), kDeductionMenu);
}

TEST(Deduction, PhoneHeadsReachesTheDaughter) {
    auto w = StartGame();
    fw::testing::ScriptRandom({0.7});
    ToDeductionMenu(*w);
    Answer(*w, 'A');
    EXPECT_EQ(Presses(*w, 4),
              (std::vector<std::string>{
                  "OFFICE.png | 電話か。家族に連絡を取るか",
                  "AKIKO.png | アキコ「ママにキングオヴギャラクシーに誘われちゃった」",
                  "ZOZEZ40.png | タビト「絶対ダメ。俺が代わりにアジアのパートナーをやる！」",
                  kDeductionMenu,
              }));
    EXPECT_EQ(fw::testing::RandomDraws(), 1);
}

TEST(Deduction, PhoneTailsReachesTheSon) {
    auto w = StartGame();
    fw::testing::ScriptRandom({0.2});
    ToDeductionMenu(*w);
    Answer(*w, 'A');
    PressOK(*w);
    EXPECT_EQ(Press(*w), "SUN.png | ヤカモチ「オヤジ元気か？俺はツアーでシンガポールにきている」");
    EXPECT_EQ(w->i, 400);
    EXPECT_EQ(Press(*w), "ZOZEZ40.png | タビト「息子とはいえ、才能があることが羨ましい！」");
    EXPECT_EQ(w->i, 40);
}

TEST(Deduction, TheAgentGivesOneOfItsTwoFindings) {
    auto w = StartGame();
    fw::testing::ScriptRandom({0.7, 0.2});
    ToDeductionMenu(*w);
    Answer(*w, 'B');
    EXPECT_EQ(Presses(*w, 3),
              (std::vector<std::string>{
                  "OFFICE.png | まずはキャットマックに相談だ",
                  "CATMAC.png | キャットマック「この事件には実行犯と真犯人がいるようです」",
                  kDeductionMenu,
              }));
    PressOK(*w);
    EXPECT_EQ(Press(*w),
              "CATMAC.png | "
              "キャットマック「毒物の鑑定依頼は出しておいたニャ。ワインがあやしいようです」");
    EXPECT_EQ(w->i, 40);
    EXPECT_EQ(fw::testing::RandomDraws(), 2);
}

// The agent appears before its coin is flipped; the phone flips before its scene. A press
// cut short at its first picture tells them apart by whether the coin was drawn.
TEST(Deduction, TheAgentAppearsBeforeItsCoinThePhoneAfter) {
    auto w = StartGame();
    fw::testing::ScriptRandom({0.7});
    fw::testing::SetHandlerReportSink([](const std::string&) {});
    ToDeductionMenu(*w);
    Answer(*w, 'B');
    PressOK(*w);
    fw::testing::FailOperation("Canvas.Backdrop", 2); // the agent's own picture
    PressOK(*w);
    EXPECT_EQ(fw::testing::RandomDraws(), 0);
    EXPECT_EQ(w->i, 42);
    Answer(*w, 'A');
    fw::testing::FailOperation("Canvas.Backdrop", 1);
    PressOK(*w);
    EXPECT_EQ(fw::testing::RandomDraws(), 1);
    EXPECT_EQ(w->i, 42);
}

TEST(Deduction, SortingOutEmptiesTheFieldUntilTheMenuReturns) {
    auto w = StartGame();
    ToDeductionMenu(*w);
    Answer(*w, 'D');
    EXPECT_EQ(Presses(*w, 3), (std::vector<std::string>{
                                  "OFFICE.png | まずはキャットマックに相談だ",
                                  "OFFICE.png | ",
                                  kDeductionMenu,
                              }));
}

// With no letter since the study's C, the report is written and the mystery solved.
TEST(Deduction, TheReportLeadsOnToNamingTheCulprit) {
    auto w = StartGame();
    ToDeductionMenu(*w);
    EXPECT_EQ(Presses(*w, 4), (std::vector<std::string>{
                                  "OFFICE.png | いいのか、クライアントへの報告の時間だ",
                                  "OFFICE.png | 謎は全て解けた！",
                                  "ZOZEZ40.png | 謎は全て解けた！",
                                  "ZOZEZ40.png | 犯人は、こいつだ！",
                              }));
    EXPECT_EQ(w->i, 45);
}

} // namespace
