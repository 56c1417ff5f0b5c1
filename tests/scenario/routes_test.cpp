// The script's texts, screen by screen: the opening press by press, then every answer of
// every menu from the checkpoint before it, through the three endings to the next play.
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
    // One text with a single carriage return between its two lines.
    EXPECT_EQ(FieldText(*w), "さて、何からはじめようか\rA：電話、B：MAC、C:現場、D:情報整理");
}

// From a checkpoint, with a scripted coin and the number of flips it should take.
struct Route {
    std::string name;
    Checkpoint from;
    std::vector<double> coins;
    int draws;
    Steps steps;
};

void PrintTo(const Route& route, std::ostream* os) {
    *os << route.name;
}

class Routes : public ::testing::TestWithParam<Route> {};

TEST_P(Routes, ShowTheScriptsScreens) {
    const Route& route = GetParam();
    auto w = StartGame();
    fw::testing::ScriptRandom(route.coins);
    route.from(*w);
    Walk(*w, route.steps);
    EXPECT_EQ(fw::testing::RandomDraws(), route.draws);
}

std::string NameOf(const ::testing::TestParamInfo<Route>& info) {
    return info.param.name;
}

// clang-format off

const std::string kMenu = kIntroduction.back();
const std::string kFirstLine = kIntroduction.front();
const std::string kMac = "OFFICE.png | MACか。このマックにはVespirelのネコ型エージェント機能が入っている";
const std::string kAgentQuestion = "CATMAC.png | キャットマック「情報を調べる時は、僕に言ってください。まず何から調べますか？」⏎"
                                   "A：フジワラ４兄弟、B：ハラリー、C:長屋氏、D:ビリー";
const std::string kHarary = "HARARY.png | 確証はないが、ハラリーは長屋氏と⏎不倫関係にあったと噂される";
const std::string kWife = "GREATAJIA.png | アジア「ちゃんと小説書いてるの？最近探偵はじめたって噂聞いたけど...デマよね？」";
const std::string kDaughter = "AKIKO.png | アキコ「パパ、元気？私もママを目指してトレーニングをはじめたの」";
const std::string kPhone = "OFFICE.png | 電話か。家族にでも連絡しようか";
const std::string kToTheHouse = "BESSO.png | 現場か。俺はナガヤ氏の自宅に潜入することにした";
const std::string kSecondMenu = "BESSO.png | さて、どこから潜入しようか？⏎A：正面、B： CATMAC、C:無理やり、D:情報整理";
const std::string kButler = "ZAKO.png | 執事「今はジパング司法省から外部の方は、お断りするよう言われております」";
const std::string kHouseHint = "BESSO.png | 情報整理か。安全なのは、CATMACに相談することか...";
const std::string kWatch = "BESSO.png | アイウォッチでCATMACに相談しよう";
const std::string kParty = "FLORE2.png | ここがパーティ会場だ。ここで長屋氏は毒物を混入されたらしい";
const std::string kFourthMenu = "FLORE4.png | 警備が手ぬるいな。パソコンとデスクがある。どこから捜査しようか？⏎"
                                "A：PC、B：デスク、C:引き出し、D:脱出";
const std::string kTooEarly = "FLORE4.png | まだ脱出には早い。";
const std::string kSearch = "FLORE4.png | よく探すんだ";
const std::string kMemo = "FLORE4.png | 引き出しの中には、「I LOVE HARARY.」というメモがあった";
const std::string kDeductionMenu = "OFFICE.png | 順序良く整理して行こう⏎A：電話、B：MAC、C:報告書作成、D:情報整理";
const std::string kConsult = "OFFICE.png | まずはキャットマックに相談だ";
const std::string kGameOver = "FIRST | GAME OVER!";

// Asking the agent from the first menu, then one of its hints, and back to the menu.
Steps AgentHint(std::string letter, std::string hint) {
    return {"B", kMac, kAgentQuestion, "@1000", letter, hint, "@22", kMenu};
}

const Route kFirstMenu[] = {
    // A to D and Reset show nothing; after Reset (twice is once) a press shows nothing, then
    // the story starts over.
    {"LettersAndResetShowNothing", At(0), {}, 0, {"", "", kIntroduction[2], "A", "B", "C", "D",
        "@3", "Reset", "Reset", "@-1", kIntroduction[2], "@0", kFirstLine}},
    {"PhoneHeadsCallsTheWife", ToFirstMenu, {0.7}, 1, {"A", kPhone, kWife, "@100",
        "ZOZEZ40.png | タビト「はっ、ハイ。デマに決まってるだろ！執筆に忙しんで、切るぞっ」", "@22", kMenu}},
    {"PhoneTailsCallsTheDaughterTwice", ToFirstMenu, {0.2}, 1, {"A", kPhone, kDaughter,
        "ZOZEZ40.png | タビト「父さんは認めない。アキコにはフツーの女の子でいてほしい」",
        "AKIKO.png | アキコ「ママは特別よ。そして私もそうなるの」", kMenu, "@23"}},
    // The comment and the action each read the letter at their own press.
    {"LetterBetweenCommentAndActionWins", ToFirstMenu, {}, 0, {"A", kPhone, "C", kToTheHouse}},
    // With no letter pressed yet, 0 is A. Each call flips a new coin, heads from one half up.
    {"EachCallFlipsANewCoinHalfIsHeads", ToFirstMenu, {0.5, 0.49999}, 2,
        {"", kWife, "", "", "", kDaughter}},
    {"AgentHintA", ToFirstMenu, {}, 0, AgentHint("A",
        "FUJIWARA.png | 有力な容疑者の一味がフジワラ４兄弟だニャ。⏎ジパング政府乗っ取りを兄弟で計画")},
    {"AgentHintB", ToFirstMenu, {}, 0, AgentHint("B", kHarary)},
    {"AgentHintC", ToFirstMenu, {}, 0, AgentHint("C", "NAGAYA.png | ジパングのキングニャ。⏎自殺説もある")},
    {"AgentHintD", ToFirstMenu, {}, 0, AgentHint("D",
        "BILLY.png | いわゆる黒幕だニャ。⏎目的のためなら手段を選ばない男ニャ")},
    // The agent reads the letter still recorded from the menu, B, which goes on counting.
    {"AgentWithNoNewLetterKeepsTheMenusB", ToFirstMenu, {}, 0,
        {"B", "", "", kHarary, "", "", kAgentQuestion}},
    {"SceneOfTheCrimeLeadsToTheHouse", ToFirstMenu, {}, 0,
        {"C", "OFFICE.png | 現場か。ちょっと早い気もするが...", kToTheHouse, "@25"}},
    {"HintReturnsToTheMenu", ToFirstMenu, {}, 0, {"D", "OFFICE.png | 情報整理か。ヒントは、探偵の基本は情報収集だ",
        "OFFICE.png | 情報整理か。ヒントは、常に現場にある", "@22", kMenu}},
};
INSTANTIATE_TEST_SUITE_P(FirstMenu, Routes, ::testing::ValuesIn(kFirstMenu), NameOf);

// With no letter since the first menu's C, the second menu is answered by force; with none
// since its B, the study with the desk. The third menu's answer is read by nobody but the
// study's question; there the letter at the second press decides, not the comment's.
const Route kHouseAndStudy[] = {
    {"ForceAndTheFrontDoorMeetTheButler", ToHouse, {}, 0, {kSecondMenu,
        "BESSO.png | 無理やりか。セキュリティが厳しい気がするが...", kButler, kSecondMenu,
        "A", "BESSO.png | まずは正面からだな", kButler, kSecondMenu, "@26"}},
    {"HintHoldsTheQuestionUntilTheAgent", ToHouse, {}, 0,
        {"", "D", kHouseHint, "@26", kHouseHint, "@26", "B", kWatch, "@28"}},
    {"AgentLetsTheHeroUpToTheStudy", ToHouse, {}, 0, {"", "B", kWatch,
        "CATMAC.png | キャットマック「長屋邸のセキュリティシステムを落としたニャ。自由に潜入してください」",
        "FLORE1.png | タビト「俺は長屋邸に無事潜入した」",
        "FLORE1.png | さて、まずはどこから探ろうか？⏎A：一階、B：二階、C:脱出、D:情報整理", kParty,
        "FLORE2.png | メインテーブルの長屋氏の席から、ワインと食品のサンプルを採取した",
        "FLORE1.png | 次は二階の長屋氏の書斎へ行こう", "FLORE3.png | この奥が書斎だ", kFourthMenu, "@36"}},
    {"ThirdMenusLetterCarriesIntoTheStudy", ToHouse, {}, 0, {"", "B", "", "", "", "", "D", kParty,
        "", "", "", "", kTooEarly, kSearch, "@35"}},
    {"DeskHoldsNothing", ToStudy, {}, 0, {kFourthMenu, "FLORE4.png | デスクか、よく整理されているな",
        "FLORE4.png | デスクはよく整頓されており、特に証拠となるようなものはなかった", kFourthMenu}},
    {"ComputerShowsThePhotoOrTheDyingMessage", ToStudy, {0.7, 0.2}, 2, {"", "A",
        "FLORE4.png | PCか。年代物だな",
        "FLORE4.png | デスクトップにはハラリーと生前のナガヤ氏のツーショット写真が表示されている", kFourthMenu, "",
        "FLORE4.png | 画面をタップすると、「ウマカイが私に毒を持った」というダイイングメッセージが表示された", "@35"}},
    {"LeavingIsRefusedTheDrawerEndsTheSearch", ToStudy, {}, 0, {"", "D", kTooEarly, kSearch,
        kFourthMenu, "C", "FLORE4.png | 引き出しか。よく探してみよう", kMemo,
        "ZOZEZ40.png | 証拠は掴んだ。あとは事務所に戻ろう！", "@39"}},
    {"LetterAfterTheCommentDecides", ToStudy, {}, 0, {"", "D", kTooEarly, "C", kMemo, "@38"}},
};
INSTANTIATE_TEST_SUITE_P(HouseAndStudy, Routes, ::testing::ValuesIn(kHouseAndStudy), NameOf);

// With no letter since the study's C, the report is written and the mystery solved.
const Route kDeduction[] = {
    {"ReportLeadsOnToNamingTheCulprit", ToOffice, {}, 0, {"OFFICE.png | 推理の結果をまとめよう",
        kDeductionMenu, "OFFICE.png | いいのか、クライアントへの報告の時間だ", "OFFICE.png | 謎は全て解けた！",
        "ZOZEZ40.png | 謎は全て解けた！", "ZOZEZ40.png | 犯人は、こいつだ！", "@45"}},
    {"PhoneHeadsReachesTheDaughter", ToDeductionMenu, {0.7}, 1, {"A", "OFFICE.png | 電話か。家族に連絡を取るか",
        "AKIKO.png | アキコ「ママにキングオヴギャラクシーに誘われちゃった」",
        "ZOZEZ40.png | タビト「絶対ダメ。俺が代わりにアジアのパートナーをやる！」", kDeductionMenu}},
    {"PhoneTailsReachesTheSon", ToDeductionMenu, {0.2}, 1, {"A", "",
        "SUN.png | ヤカモチ「オヤジ元気か？俺はツアーでシンガポールにきている」", "@400",
        "ZOZEZ40.png | タビト「息子とはいえ、才能があることが羨ましい！」", "@40"}},
    {"AgentGivesEitherFinding", ToDeductionMenu, {0.7, 0.2}, 2, {"B", kConsult,
        "CATMAC.png | キャットマック「この事件には実行犯と真犯人がいるようです」", kDeductionMenu, "",
        "CATMAC.png | キャットマック「毒物の鑑定依頼は出しておいたニャ。ワインがあやしいようです」", "@40"}},
    {"SortingOutEmptiesTheField", ToDeductionMenu, {}, 0, {"D", kConsult, "OFFICE.png | ", kDeductionMenu}},
};
INSTANTIATE_TEST_SUITE_P(Deduction, Routes, ::testing::ValuesIn(kDeduction), NameOf);

// From the typed name to the next play's first line.
const Route kEndings[] = {
    {"WrongNameIsGameOver", ToNamePrompt, {}, 0,
        {"type フササキ", "HUSASAKI.png | 外れ", kGameOver, kFirstLine, "@1"}},
    {"ThePromptLeftInIsNoName", ToNamePrompt, {}, 0, {
        "ZOZEZ40.png | ここに犯人名をカタカナ４文字以内で入力して、OKボタンを押してください。", "@47", kGameOver}},
    {"PerpetratorAloneStillEndsBadly", ToNamePrompt, {}, 0, {"type ウマカイ", "UMAKAI.png | 正解！",
        "ZOZEZ40.png | 確かに犯人はウマカイだが、俺は真犯人の存在には気づかなかった...", kGameOver, kFirstLine}},
    {"MastermindIsTheGoodEnding", ToNamePrompt, {}, 0, {"type ビリー", "BILLY.png | 大正解！",
        "ZOZEZ40.png | アンタが、ウマカイをそそのかして、長屋氏を暗殺した真犯人だ",
        "BILLY.png | フッフ、ワシの妻に手を出すヤツが悪いのよ...", "END1 | GAME CLEAR!",
        "ASIA2018 | ホロミナ2.0　制作：ホロミナ制作チーム（小さなチームです）　遊んでくれてありがとう！",
        "WHITE.png | MULTI ENDING ADVENTURE  'ONLY' GAME", "FIRST | RESTART OK?", "@0", kFirstLine}},
};
INSTANTIATE_TEST_SUITE_P(Endings, Routes, ::testing::ValuesIn(kEndings), NameOf);

// clang-format on

} // namespace
