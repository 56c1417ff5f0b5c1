// The whole game from the title to the good ending, played with nothing but clicks and
// typing, taking side trips on the way. The checks are the screens a player would notice.
#include "story.h"

using namespace story;

namespace {

TEST(WholeGame, TitleToGameClearWithSideTrips) {
    auto w = StartGame();
    fw::testing::ScriptRandom({0.9, 0.1, 0.6});
    EXPECT_EQ(Shown(*w), "FIRST | ホロミナ2.0⏎PRESS OK BUTTON");
    PressOK(*w, 22);
    EXPECT_EQ(Press(*w),
              "OFFICE.png | さて、何からはじめようか⏎A：電話、B：MAC、C:現場、D:情報整理");

    // The phone (heads: the wife), then the agent's hint on Billy, then the house.
    PressOK(*w, 2);
    EXPECT_EQ(Shown(*w),
              "GREATAJIA.png | "
              "アジア「ちゃんと小説書いてるの？最近探偵はじめたって噂聞いたけど...デマよね？」");
    PressOK(*w, 2);
    Answer(*w, 'B');
    PressOK(*w, 2);
    Answer(*w, 'D');
    EXPECT_EQ(Press(*w), "BILLY.png | いわゆる黒幕だニャ。⏎目的のためなら手段を選ばない男ニャ");
    PressOK(*w);
    Answer(*w, 'C');
    PressOK(*w, 2);
    EXPECT_EQ(Shown(*w), "BESSO.png | 現場か。俺はナガヤ氏の自宅に潜入することにした");

    // The front door meets the butler; the agent lets the hero in.
    PressOK(*w);
    Answer(*w, 'A');
    PressOK(*w, 2);
    EXPECT_EQ(
        Shown(*w),
        "ZAKO.png | 執事「今はジパング司法省から外部の方は、お断りするよう言われております」");
    PressOK(*w);
    Answer(*w, 'B');
    PressOK(*w, 8);
    EXPECT_EQ(Shown(*w), "FLORE3.png | この奥が書斎だ");

    // The study: the computer (tails: the dying message), then the drawer.
    PressOK(*w);
    Answer(*w, 'A');
    PressOK(*w, 2);
    EXPECT_EQ(
        Shown(*w),
        "FLORE4.png | "
        "画面をタップすると、「ウマカイが私に毒を持った」というダイイングメッセージが表示された");
    PressOK(*w);
    Answer(*w, 'C');
    PressOK(*w, 3);
    EXPECT_EQ(Shown(*w), "ZOZEZ40.png | 証拠は掴んだ。あとは事務所に戻ろう！");

    // The deduction: the agent (heads), then the report.
    PressOK(*w, 2);
    Answer(*w, 'B');
    PressOK(*w, 2);
    EXPECT_EQ(Shown(*w), "CATMAC.png | キャットマック「この事件には実行犯と真犯人がいるようです」");
    PressOK(*w);
    Answer(*w, 'C');
    PressOK(*w, 5);
    EXPECT_EQ(Shown(*w), "ZOZEZ40.png | "
                         "ここに犯人名をカタカナ４文字以内で入力して、OKボタンを押してください。");

    // The name, and the good ending to its restart prompt.
    ReplaceByTyping(*w, "ビリー");
    EXPECT_EQ(Press(*w), "BILLY.png | 大正解！");
    PressOK(*w, 2);
    EXPECT_EQ(Press(*w), "END1 | GAME CLEAR!");
    PressOK(*w, 2);
    EXPECT_EQ(Press(*w), "FIRST | RESTART OK?");
    EXPECT_EQ(fw::testing::RandomDraws(), 3);
    EXPECT_EQ(Press(*w), "ZOZEZ40.png | 俺の名前はタビト大伴");
}

} // namespace
