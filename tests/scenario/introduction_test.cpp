// The opening, press by press from the title screen to the first menu.
#include "story.h"

using namespace story;

namespace {

const std::vector<std::string> kIntroduction = {
    "ZOZEZ40.png | 俺の名前はタビト大伴",
    "ZOZEZ40.png | コードネームZOZEZ40でCYBER探偵をやっている",
    "ZOZEZ40.png | 俺は小説家になりたい夢をあきらめきれずに仕事を辞めた",
    "ZOZEZ40.png | 勝手に仕事を辞めたことに抗議して妻子は実家に帰ってしまった",
    "GREATAJIA.png | 妻のアジアだ。グレート＝アジアというリングネームでプロレスラーをやっている",
    "AKIKO.png | 娘のアキコだ。アジアに憧れて、トレーニングをはじめるようになった",
    "SUN.png | 息子のヤカモチだ。数年前に家を飛び出し、シンガーソングライターをやっている",
    "ZOZEZ40.png | 今は一人暮らしの俺に、大型の依頼が飛び込んできた",
    "NAGAYA.png | この男はキング長屋氏だ。このジパングを牛耳る大物政治家だった",
    "NAGAYA.png | 過去形になってしまったのは、先日のネットニュースの通りだ。彼は最近暗殺された",
    "FUJIWARA.png | 噂によると有力な容疑者の一味がフジワラ４兄弟だ。",
    "FUJIWARA.png | フジワラ４兄弟はジパングの要職にある政治一家である",
    "HUSASAKI.png | 長男のフササキ＝フジワラ。ジパング政府の事務次官で、司法権を掌握している",
    "MARO.png | 二男のマロ＝フジワラ。仏門に活路を見出し、詩歌を愛している",
    "UMAKAI.png | 三男のウマカイ＝フジワラ。女装が趣味で、大学教員をやっている",
    "MUCHIMARO.png | 四男のムチマロ＝フジワラ。フササキの秘書をやっている",
    "HARARY.png | さらにもう一人の容疑者はハラリー。言わずと知れた地球連邦の初代事務総長だ",
    "BILLY.png | もと某国大統領のビリー氏を夫に持つ、地球圏最強の政治家だ",
    "ZOZEZ40.png | "
    "長屋氏は主催する誕生日パーティで、有力政治家のフジワラ４兄弟とハラリーを招待していた",
    "ZOZEZ40.png | 誕生日の夜に、何者かに毒を盛られて亡くなったと噂される",
    "ZOZEZ40.png | "
    "クライアントのヤスイ生命は、腕利きのCYBER探偵の俺に、事件の真相解明を依頼してきた",
    "OFFICE.png | ひさしぶりに、舞い込んできた大型の仕事だ",
    "OFFICE.png | さて、何からはじめようか⏎A：電話、B：MAC、C:現場、D:情報整理",
};

TEST(Introduction, TitleToFirstMenuPressByPress) {
    auto w = StartGame();
    EXPECT_EQ(Shown(*w), "FIRST | ホロミナ2.0⏎PRESS OK BUTTON");
    ASSERT_EQ(w->i, 0);
    for (std::size_t k = 0; k < kIntroduction.size(); ++k) {
        EXPECT_EQ(Press(*w), kIntroduction[k]) << "press " << k + 1;
        EXPECT_EQ(w->i, std::int64_t(k + 1));
    }
    EXPECT_EQ(w->abcd, 0);
}

// The first menu is one text with a single carriage return between its two lines.
TEST(Introduction, FirstMenuHoldsExactlyOneCarriageReturn) {
    auto w = StartGame();
    ToFirstMenu(*w);
    EXPECT_EQ(FieldText(*w), "さて、何からはじめようか\rA：電話、B：MAC、C:現場、D:情報整理");
}

// Steps that repeat the picture already shown still blank and redraw the canvas, and steps
// without a picture of their own leave the canvas alone.
TEST(Introduction, RepeatedPictureStillBlanksTheCanvas) {
    auto w = StartGame();
    PressOK(*w, 9); // step 8: NAGAYA
    fw::testing::OperationLog log;
    PressOK(*w); // step 9: NAGAYA again
    EXPECT_EQ(ScreenOperations(log),
              (std::vector<std::string>{
                  "Canvas.Backdrop WHITE.png", "RectControl.Refresh REALCanvas",
                  "Canvas.Backdrop NAGAYA.png",
                  "TextField.Text "
                  "過去形になってしまったのは、先日のネットニュースの通りだ。彼は最近暗殺された"}));
    w->i = 1;
    log.Clear();
    PressOK(*w);
    EXPECT_EQ(
        ScreenOperations(log),
        std::vector<std::string>{"TextField.Text コードネームZOZEZ40でCYBER探偵をやっている"});
}

// Letters pressed during the opening show nothing; the last one is the first menu's answer.
TEST(Introduction, LettersDuringTheOpeningWaitForTheFirstMenu) {
    auto w = StartGame();
    PressOK(*w, 3);
    fw::testing::OperationLog log;
    Answer(*w, 'D');
    Answer(*w, 'B');
    EXPECT_TRUE(ScreenOperations(log).empty());
    EXPECT_EQ(Shown(*w), "ZOZEZ40.png | 俺は小説家になりたい夢をあきらめきれずに仕事を辞めた");
    EXPECT_EQ(w->i, 3);
    PressOK(*w, 20);
    EXPECT_EQ(Press(*w),
              "OFFICE.png | MACか。このマックにはVespirelのネコ型エージェント機能が入っている");
}

} // namespace
