// The first menu: the family on the phone, the agent's hints, the way to the house and the
// hint, each answered with the buttons and played with a scripted coin.
#include "story.h"

using namespace story;

namespace {

const std::string kMenu =
    "OFFICE.png | さて、何からはじめようか⏎A：電話、B：MAC、C:現場、D:情報整理";
const std::string kAgentQuestion =
    "CATMAC.png | "
    "キャットマック「情報を調べる時は、僕に言ってください。まず何から調べますか？」⏎"
    "A：フジワラ４兄弟、B：ハラリー、C:長屋氏、D:ビリー";

TEST(FirstMenu, PhoneHeadsCallsTheWifeThenBackToTheMenu) {
    auto w = StartGame();
    fw::testing::ScriptRandom({0.7});
    ToFirstMenu(*w);
    Answer(*w, 'A');
    EXPECT_EQ(Press(*w), "OFFICE.png | 電話か。家族にでも連絡しようか");
    EXPECT_EQ(Press(*w),
              "GREATAJIA.png | "
              "アジア「ちゃんと小説書いてるの？最近探偵はじめたって噂聞いたけど...デマよね？」");
    EXPECT_EQ(w->i, 100);
    EXPECT_EQ(Press(*w), "ZOZEZ40.png | "
                         "タビト「はっ、ハイ。デマに決まってるだろ！執筆に忙しんで、切るぞっ」");
    EXPECT_EQ(w->i, 22);
    EXPECT_EQ(Press(*w), kMenu);
    EXPECT_EQ(fw::testing::RandomDraws(), 1);
}

TEST(FirstMenu, PhoneTailsCallsTheDaughterTwiceThenBackToTheMenu) {
    auto w = StartGame();
    fw::testing::ScriptRandom({0.2});
    ToFirstMenu(*w);
    Answer(*w, 'A');
    EXPECT_EQ(Presses(*w, 5),
              (std::vector<std::string>{
                  "OFFICE.png | 電話か。家族にでも連絡しようか",
                  "AKIKO.png | アキコ「パパ、元気？私もママを目指してトレーニングをはじめたの」",
                  "ZOZEZ40.png | タビト「父さんは認めない。アキコにはフツーの女の子でいてほしい」",
                  "AKIKO.png | アキコ「ママは特別よ。そして私もそうなるの」",
                  kMenu,
              }));
    EXPECT_EQ(w->i, 23);
}

// Every pass through the phone flips a new coin.
TEST(FirstMenu, EachCallFlipsANewCoin) {
    auto w = StartGame();
    fw::testing::ScriptRandom({0.2, 0.7});
    ToFirstMenu(*w); // abcd is still 0: the phone, with no letter pressed at all
    EXPECT_EQ(Presses(*w, 2).back(),
              "AKIKO.png | アキコ「パパ、元気？私もママを目指してトレーニングをはじめたの」");
    PressOK(*w, 3); // the hero, the daughter, the menu
    EXPECT_EQ(Presses(*w, 2).back(),
              "GREATAJIA.png | "
              "アジア「ちゃんと小説書いてるの？最近探偵はじめたって噂聞いたけど...デマよね？」");
    EXPECT_EQ(fw::testing::RandomDraws(), 2);
}

TEST(FirstMenu, TheAgentAsksThenGivesEachOfItsFourHints) {
    auto w = StartGame();
    ToFirstMenu(*w);
    const std::pair<char, std::string> hints[] = {
        {'A', "FUJIWARA.png | 有力な容疑者の一味がフジワラ４兄弟だニャ。⏎"
              "ジパング政府乗っ取りを兄弟で計画"},
        {'B', "HARARY.png | 確証はないが、ハラリーは長屋氏と⏎不倫関係にあったと噂される"},
        {'C', "NAGAYA.png | ジパングのキングニャ。⏎自殺説もある"},
        {'D', "BILLY.png | いわゆる黒幕だニャ。⏎目的のためなら手段を選ばない男ニャ"},
    };
    for (const auto& [letter, hint] : hints) {
        SCOPED_TRACE(letter);
        Answer(*w, 'B');
        EXPECT_EQ(Press(*w),
                  "OFFICE.png | MACか。このマックにはVespirelのネコ型エージェント機能が入っている");
        EXPECT_EQ(Press(*w), kAgentQuestion);
        EXPECT_EQ(w->i, 1000);
        Answer(*w, letter);
        EXPECT_EQ(Press(*w), hint);
        EXPECT_EQ(w->i, 22);
        EXPECT_EQ(Press(*w), kMenu);
    }
}

// The agent reads the letter still recorded from the first menu: B, Harary.
TEST(FirstMenu, TheAgentWithNoNewLetterGivesTheHararyHint) {
    auto w = StartGame();
    ToFirstMenu(*w);
    Answer(*w, 'B');
    PressOK(*w, 2);
    EXPECT_EQ(Press(*w),
              "HARARY.png | 確証はないが、ハラリーは長屋氏と⏎不倫関係にあったと噂される");
    // Back at the menu the same letter goes on counting: the agent again.
    EXPECT_EQ(Presses(*w, 3).back(), kAgentQuestion);
}

TEST(FirstMenu, TheSceneOfTheCrimeLeadsToTheHouse) {
    auto w = StartGame();
    ToFirstMenu(*w);
    Answer(*w, 'C');
    EXPECT_EQ(Press(*w), "OFFICE.png | 現場か。ちょっと早い気もするが...");
    EXPECT_EQ(Press(*w), "BESSO.png | 現場か。俺はナガヤ氏の自宅に潜入することにした");
    EXPECT_EQ(w->i, 25);
}

TEST(FirstMenu, TheHintKeepsTheOfficeAndReturnsToTheMenu) {
    auto w = StartGame();
    ToFirstMenu(*w);
    Answer(*w, 'D');
    EXPECT_EQ(Press(*w), "OFFICE.png | 情報整理か。ヒントは、探偵の基本は情報収集だ");
    fw::testing::OperationLog log;
    EXPECT_EQ(Press(*w), "OFFICE.png | 情報整理か。ヒントは、常に現場にある");
    EXPECT_TRUE(log.Matching("Canvas.").empty());
    EXPECT_EQ(w->i, 22);
    EXPECT_EQ(Press(*w), kMenu);
}

// The comment and the action each read the letter at their own press.
TEST(FirstMenu, ALetterPressedBetweenCommentAndActionWins) {
    auto w = StartGame();
    ToFirstMenu(*w);
    Answer(*w, 'A');
    EXPECT_EQ(Press(*w), "OFFICE.png | 電話か。家族にでも連絡しようか");
    Answer(*w, 'C');
    EXPECT_EQ(Press(*w), "BESSO.png | 現場か。俺はナガヤ氏の自宅に潜入することにした");
    EXPECT_EQ(fw::testing::RandomDraws(), 0);
}

} // namespace
