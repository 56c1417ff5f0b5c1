// Outside the victim's house (the butler's loop, the agent's way in) and the search of the
// study (only the drawer's memo ends it).
#include "story.h"

using namespace story;

namespace {

const std::string kSecondMenu =
    "BESSO.png | さて、どこから潜入しようか？⏎A：正面、B： CATMAC、C:無理やり、D:情報整理";
const std::string kButler =
    "ZAKO.png | 執事「今はジパング司法省から外部の方は、お断りするよう言われております」";
const std::string kFourthMenu =
    "FLORE4.png | 警備が手ぬるいな。パソコンとデスクがある。どこから捜査しようか？⏎"
    "A：PC、B：デスク、C:引き出し、D:脱出";

// With no letter since the first menu's C, the second menu is answered by force.
TEST(House, ForceAndTheFrontDoorBothMeetTheButler) {
    auto w = StartGame();
    ToHouse(*w);
    EXPECT_EQ(Presses(*w, 4), (std::vector<std::string>{
                                  kSecondMenu,
                                  "BESSO.png | 無理やりか。セキュリティが厳しい気がするが...",
                                  kButler,
                                  kSecondMenu,
                              }));
    Answer(*w, 'A');
    EXPECT_EQ(Presses(*w, 3), (std::vector<std::string>{
                                  "BESSO.png | まずは正面からだな",
                                  kButler,
                                  kSecondMenu,
                              }));
    EXPECT_EQ(w->i, 26);
}

// D holds the story at 26, and every press repeats the full scene change.
TEST(House, TheHintStaysOnTheQuestionUntilTheAgentIsAsked) {
    auto w = StartGame();
    ToHouse(*w);
    PressOK(*w);
    Answer(*w, 'D');
    for (int pass = 0; pass < 2; ++pass) {
        fw::testing::OperationLog log;
        EXPECT_EQ(Press(*w), "BESSO.png | 情報整理か。安全なのは、CATMACに相談することか...");
        EXPECT_EQ(w->i, 26);
        EXPECT_EQ(
            log.Matching("Canvas.Backdrop"),
            (std::vector<std::string>{"Canvas.Backdrop WHITE.png", "Canvas.Backdrop BESSO.png"}));
    }
    Answer(*w, 'B');
    EXPECT_EQ(Press(*w), "BESSO.png | アイウォッチでCATMACに相談しよう");
    EXPECT_EQ(w->i, 28);
}

TEST(House, TheAgentLetsTheHeroInAndUpToTheStudy) {
    auto w = StartGame();
    ToHouse(*w);
    PressOK(*w);
    Answer(*w, 'B');
    EXPECT_EQ(
        Presses(*w, 9),
        (std::vector<std::string>{
            "BESSO.png | アイウォッチでCATMACに相談しよう",
            "CATMAC.png | "
            "キャットマック「長屋邸のセキュリティシステムを落としたニャ。自由に潜入してください」",
            "FLORE1.png | タビト「俺は長屋邸に無事潜入した」",
            "FLORE1.png | さて、まずはどこから探ろうか？⏎A：一階、B：二階、C:脱出、D:情報整理",
            "FLORE2.png | ここがパーティ会場だ。ここで長屋氏は毒物を混入されたらしい",
            "FLORE2.png | メインテーブルの長屋氏の席から、ワインと食品のサンプルを採取した",
            "FLORE1.png | 次は二階の長屋氏の書斎へ行こう",
            "FLORE3.png | この奥が書斎だ",
            kFourthMenu,
        }));
    EXPECT_EQ(w->i, 36);
}

// The third menu's answer is read by nobody but the study's next question.
TEST(House, TheThirdMenusLetterCarriesIntoTheStudy) {
    auto w = StartGame();
    ToHouse(*w);
    PressOK(*w);
    Answer(*w, 'B');
    PressOK(*w, 4); // up to the third menu
    Answer(*w, 'D');
    EXPECT_EQ(Press(*w), "FLORE2.png | ここがパーティ会場だ。ここで長屋氏は毒物を混入されたらしい");
    PressOK(*w, 4);
    EXPECT_EQ(Presses(*w, 2), (std::vector<std::string>{"FLORE4.png | まだ脱出には早い。",
                                                        "FLORE4.png | よく探すんだ"}));
    EXPECT_EQ(w->i, 35);
}

// With no letter since the second menu's B, the study is answered with the desk.
TEST(Study, TheDeskHoldsNothing) {
    auto w = StartGame();
    ToStudy(*w);
    EXPECT_EQ(Presses(*w, 4),
              (std::vector<std::string>{
                  kFourthMenu,
                  "FLORE4.png | デスクか、よく整理されているな",
                  "FLORE4.png | デスクはよく整頓されており、特に証拠となるようなものはなかった",
                  kFourthMenu,
              }));
}

TEST(Study, TheComputerShowsThePhotoOrTheDyingMessageByTheCoin) {
    auto w = StartGame();
    fw::testing::ScriptRandom({0.7, 0.2});
    ToStudy(*w);
    PressOK(*w);
    Answer(*w, 'A');
    EXPECT_EQ(Presses(*w, 3),
              (std::vector<std::string>{
                  "FLORE4.png | PCか。年代物だな",
                  "FLORE4.png | "
                  "デスクトップにはハラリーと生前のナガヤ氏のツーショット写真が表示されている",
                  kFourthMenu,
              }));
    EXPECT_EQ(
        Presses(*w, 2).back(),
        "FLORE4.png | "
        "画面をタップすると、「ウマカイが私に毒を持った」というダイイングメッセージが表示された");
    EXPECT_EQ(w->i, 35);
    EXPECT_EQ(fw::testing::RandomDraws(), 2);
}

TEST(Study, LeavingIsRefusedAndTheDrawerEndsTheSearch) {
    auto w = StartGame();
    ToStudy(*w);
    PressOK(*w);
    Answer(*w, 'D');
    EXPECT_EQ(Presses(*w, 3), (std::vector<std::string>{
                                  "FLORE4.png | まだ脱出には早い。",
                                  "FLORE4.png | よく探すんだ",
                                  kFourthMenu,
                              }));
    Answer(*w, 'C');
    EXPECT_EQ(Presses(*w, 3),
              (std::vector<std::string>{
                  "FLORE4.png | 引き出しか。よく探してみよう",
                  "FLORE4.png | 引き出しの中には、「I LOVE HARARY.」というメモがあった",
                  "ZOZEZ40.png | 証拠は掴んだ。あとは事務所に戻ろう！",
              }));
    EXPECT_EQ(w->i, 39);
}

// The outcome follows the letter at the second press, not the comment of the first.
TEST(Study, ALetterPressedAfterTheCommentDecides) {
    auto w = StartGame();
    ToStudy(*w);
    PressOK(*w);
    Answer(*w, 'D');
    EXPECT_EQ(Press(*w), "FLORE4.png | まだ脱出には早い。");
    Answer(*w, 'C');
    EXPECT_EQ(Press(*w), "FLORE4.png | 引き出しの中には、「I LOVE HARARY.」というメモがあった");
    EXPECT_EQ(w->i, 38);
}

} // namespace
