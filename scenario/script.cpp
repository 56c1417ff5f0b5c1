// The whole script of ホロミナ2.0, section by section. Texts are shown exactly as written:
// "：" after A and B, ":" after C and D; "..." is three full stops.
#include "scenario/script.h"

#include "resources/pictures.h"

namespace script {
namespace {

// The vocabulary of the tables.
constexpr Branch Always{};
constexpr Branch A{Answer::A}, B{Answer::B}, C{Answer::C}, D{Answer::D};
constexpr Branch AHeads{Answer::A, Side::Heads}, ATails{Answer::A, Side::Tails};
constexpr Branch BHeads{Answer::B, Side::Heads}, BTails{Answer::B, Side::Tails};

constexpr PictureStep Scene(PictureAccessor p) {
    return {PictureStep::SceneChange, p};
}
constexpr PictureStep Show(PictureAccessor p) {
    return {PictureStep::ShowAndRedraw, p};
}
constexpr PictureStep PutOn(PictureAccessor p) {
    return {PictureStep::PutOn, p};
}
constexpr PictureStep NoPicture{};

constexpr TextStep Line(std::string_view text) {
    return {TextStep::Line, text, {}};
}
constexpr TextStep TwoLines(std::string_view first, std::string_view second) {
    return {TextStep::TwoLines, first, second};
}
constexpr TextStep NamePrompt(std::string_view text) {
    return {TextStep::NamePrompt, text, {}};
}
constexpr TextStep NameCheck{TextStep::NameCheck, {}, {}};
constexpr TextStep NoText{};

constexpr StoreStep Set(std::int64_t value) {
    return {StoreStep::Fixed, value};
}
constexpr StoreStep IPlus(std::int64_t delta) {
    return {StoreStep::Relative, delta};
}
constexpr StoreStep Keep{};

// clang-format off

// The opening: the hero, his family, the case and its suspects, up to the first menu.
constexpr Row kIntroduction[] = {
    {0,  Always, Scene(ZOZEZ40),   Line("俺の名前はタビト大伴"), Keep},
    {1,  Always, NoPicture,        Line("コードネームZOZEZ40でCYBER探偵をやっている"), Keep},
    {2,  Always, NoPicture,        Line("俺は小説家になりたい夢をあきらめきれずに仕事を辞めた"), Keep},
    {3,  Always, NoPicture,        Line("勝手に仕事を辞めたことに抗議して妻子は実家に帰ってしまった"), Keep},
    {4,  Always, Scene(GREATAJIA), Line("妻のアジアだ。グレート＝アジアというリングネームでプロレスラーをやっている"), Keep},
    {5,  Always, Scene(AKIKO),     Line("娘のアキコだ。アジアに憧れて、トレーニングをはじめるようになった"), Keep},
    {6,  Always, Scene(SUN),       Line("息子のヤカモチだ。数年前に家を飛び出し、シンガーソングライターをやっている"), Keep},
    {7,  Always, Scene(ZOZEZ40),   Line("今は一人暮らしの俺に、大型の依頼が飛び込んできた"), Keep},
    {8,  Always, Scene(NAGAYA),    Line("この男はキング長屋氏だ。このジパングを牛耳る大物政治家だった"), Keep},
    {9,  Always, Scene(NAGAYA),    Line("過去形になってしまったのは、先日のネットニュースの通りだ。彼は最近暗殺された"), Keep},
    {10, Always, Scene(FUJIWARA),  Line("噂によると有力な容疑者の一味がフジワラ４兄弟だ。"), Keep},
    {11, Always, Scene(FUJIWARA),  Line("フジワラ４兄弟はジパングの要職にある政治一家である"), Keep},
    {12, Always, Scene(HUSASAKI),  Line("長男のフササキ＝フジワラ。ジパング政府の事務次官で、司法権を掌握している"), Keep},
    {13, Always, Scene(MARO),      Line("二男のマロ＝フジワラ。仏門に活路を見出し、詩歌を愛している"), Keep},
    {14, Always, Scene(UMAKAI),    Line("三男のウマカイ＝フジワラ。女装が趣味で、大学教員をやっている"), Keep},
    {15, Always, Scene(MUCHIMARO), Line("四男のムチマロ＝フジワラ。フササキの秘書をやっている"), Keep},
    {16, Always, Scene(HARARY),    Line("さらにもう一人の容疑者はハラリー。言わずと知れた地球連邦の初代事務総長だ"), Keep},
    {17, Always, Scene(BILLY),     Line("もと某国大統領のビリー氏を夫に持つ、地球圏最強の政治家だ"), Keep},
    {18, Always, Scene(ZOZEZ40),   Line("長屋氏は主催する誕生日パーティで、有力政治家のフジワラ４兄弟とハラリーを招待していた"), Keep},
    {19, Always, Scene(ZOZEZ40),   Line("誕生日の夜に、何者かに毒を盛られて亡くなったと噂される"), Keep},
    {20, Always, Scene(ZOZEZ40),   Line("クライアントのヤスイ生命は、腕利きのCYBER探偵の俺に、事件の真相解明を依頼してきた"), Keep},
    {21, Always, Scene(OFFICE),    Line("ひさしぶりに、舞い込んできた大型の仕事だ"), Keep},
    {22, Always, Scene(OFFICE),    TwoLines("さて、何からはじめようか", "A：電話、B：MAC、C:現場、D:情報整理"), Keep},
};

// The first menu: the family on the phone, the agent's hints, the way to the house.
constexpr Row kFirstMenu[] = {
    {23,  A,      NoPicture,        Line("電話か。家族にでも連絡しようか"), Keep},
    {23,  B,      NoPicture,        Line("MACか。このマックにはVespirelのネコ型エージェント機能が入っている"), Keep},
    {23,  C,      NoPicture,        Line("現場か。ちょっと早い気もするが..."), Keep},
    {23,  D,      NoPicture,        Line("情報整理か。ヒントは、探偵の基本は情報収集だ"), Keep},
    {24,  AHeads, Scene(GREATAJIA), Line("アジア「ちゃんと小説書いてるの？最近探偵はじめたって噂聞いたけど...デマよね？」"), Set(99)},
    {24,  ATails, Scene(AKIKO),     Line("アキコ「パパ、元気？私もママを目指してトレーニングをはじめたの」"), Set(199)},
    {24,  B,      Scene(CATMAC),    TwoLines("キャットマック「情報を調べる時は、僕に言ってください。まず何から調べますか？」", "A：フジワラ４兄弟、B：ハラリー、C:長屋氏、D:ビリー"), Set(999)},
    {24,  C,      Scene(BESSO),     Line("現場か。俺はナガヤ氏の自宅に潜入することにした"), Keep},
    {24,  D,      NoPicture,        Line("情報整理か。ヒントは、常に現場にある"), IPlus(-3)},
    {100, Always, Scene(ZOZEZ40),   Line("タビト「はっ、ハイ。デマに決まってるだろ！執筆に忙しんで、切るぞっ」"), Set(21)},
    {200, Always, Scene(ZOZEZ40),   Line("タビト「父さんは認めない。アキコにはフツーの女の子でいてほしい」"), Keep},
    {201, Always, Scene(AKIKO),     Line("アキコ「ママは特別よ。そして私もそうなるの」"), Set(21)},
};

// Outside the victim's house: the butler turns the hero away until the agent lets him in.
constexpr Row kInfiltration[] = {
    {25, Always, Scene(BESSO),  TwoLines("さて、どこから潜入しようか？", "A：正面、B： CATMAC、C:無理やり、D:情報整理"), Keep},
    {26, Always, Scene(BESSO),  NoText, Keep}, // the scene changes before the answer is read
    {26, A,      NoPicture,     Line("まずは正面からだな"), Keep},
    {26, B,      NoPicture,     Line("アイウォッチでCATMACに相談しよう"), IPlus(+1)},
    {26, C,      NoPicture,     Line("無理やりか。セキュリティが厳しい気がするが..."), Keep},
    {26, D,      NoPicture,     Line("情報整理か。安全なのは、CATMACに相談することか..."), IPlus(-1)},
    {27, Always, Scene(ZAKO),   Line("執事「今はジパング司法省から外部の方は、お断りするよう言われております」"), IPlus(-3)},
    {28, Always, Scene(CATMAC), Line("キャットマック「長屋邸のセキュリティシステムを落としたニャ。自由に潜入してください」"), Keep},
    {29, Always, Scene(FLORE1), Line("タビト「俺は長屋邸に無事潜入した」"), Keep},
    {30, Always, Scene(FLORE1), TwoLines("さて、まずはどこから探ろうか？", "A：一階、B：二階、C:脱出、D:情報整理"), Keep},
    {31, Always, Scene(FLORE2), Line("ここがパーティ会場だ。ここで長屋氏は毒物を混入されたらしい"), Keep},
    {32, Always, Scene(FLORE2), Line("メインテーブルの長屋氏の席から、ワインと食品のサンプルを採取した"), Keep},
    {33, Always, Scene(FLORE1), Line("次は二階の長屋氏の書斎へ行こう"), Keep},
    {34, Always, Scene(FLORE3), Line("この奥が書斎だ"), Keep},
};

// The study: only the drawer's memo ends the search.
constexpr Row kStudy[] = {
    {35, Always, Scene(FLORE4),  TwoLines("警備が手ぬるいな。パソコンとデスクがある。どこから捜査しようか？", "A：PC、B：デスク、C:引き出し、D:脱出"), Keep},
    {36, A,      NoPicture,      Line("PCか。年代物だな"), Keep},
    {36, B,      NoPicture,      Line("デスクか、よく整理されているな"), Keep},
    {36, C,      NoPicture,      Line("引き出しか。よく探してみよう"), Keep},
    {36, D,      NoPicture,      Line("まだ脱出には早い。"), Keep},
    {37, AHeads, NoPicture,      Line("デスクトップにはハラリーと生前のナガヤ氏のツーショット写真が表示されている"), IPlus(-3)},
    {37, ATails, NoPicture,      Line("画面をタップすると、「ウマカイが私に毒を持った」というダイイングメッセージが表示された"), IPlus(-3)},
    {37, B,      NoPicture,      Line("デスクはよく整頓されており、特に証拠となるようなものはなかった"), IPlus(-3)},
    {37, C,      NoPicture,      Line("引き出しの中には、「I LOVE HARARY.」というメモがあった"), Keep},
    {37, D,      NoPicture,      Line("よく探すんだ"), IPlus(-3)},
    {38, Always, Scene(ZOZEZ40), Line("証拠は掴んだ。あとは事務所に戻ろう！"), Keep},
};

// Back at the office: the deduction menu, until the report is written.
constexpr Row kDeduction[] = {
    {39,  Always, Scene(OFFICE),  Line("推理の結果をまとめよう"), Keep},
    {40,  Always, Scene(OFFICE),  TwoLines("順序良く整理して行こう", "A：電話、B：MAC、C:報告書作成、D:情報整理"), Keep},
    {41,  A,      NoPicture,      Line("電話か。家族に連絡を取るか"), Keep},
    {41,  B,      NoPicture,      Line("まずはキャットマックに相談だ"), Keep},
    {41,  C,      NoPicture,      Line("いいのか、クライアントへの報告の時間だ"), Keep},
    {41,  D,      NoPicture,      Line("まずはキャットマックに相談だ"), Keep},
    {42,  AHeads, Scene(AKIKO),   Line("アキコ「ママにキングオヴギャラクシーに誘われちゃった」"), Set(299)},
    {42,  ATails, Scene(SUN),     Line("ヤカモチ「オヤジ元気か？俺はツアーでシンガポールにきている」"), Set(399)},
    {42,  B,      Scene(CATMAC),  NoText, Keep}, // the agent appears before the coin is flipped
    {42,  BHeads, NoPicture,      Line("キャットマック「この事件には実行犯と真犯人がいるようです」"), IPlus(-3)},
    {42,  BTails, NoPicture,      Line("キャットマック「毒物の鑑定依頼は出しておいたニャ。ワインがあやしいようです」"), IPlus(-3)},
    {42,  C,      NoPicture,      Line("謎は全て解けた！"), Keep},
    {42,  D,      NoPicture,      Line(""), IPlus(-3)},
    {300, Always, Scene(ZOZEZ40), Line("タビト「絶対ダメ。俺が代わりにアジアのパートナーをやる！」"), Set(39)},
    {400, Always, Scene(ZOZEZ40), Line("タビト「息子とはいえ、才能があることが羨ましい！」"), Set(39)},
    {43,  Always, Scene(ZOZEZ40), Line("謎は全て解けた！"), Keep},
};

// Naming the culprit: the field opens for typing, then the typed name picks the ending.
constexpr Row kCulpritName[] = {
    {44, Always, Scene(ZOZEZ40), Line("犯人は、こいつだ！"), Keep},
    {45, Always, Scene(ZOZEZ40), NamePrompt("ここに犯人名をカタカナ４文字以内で入力して、OKボタンを押してください。"), Keep},
    {46, Always, Scene(ZOZEZ40), NameCheck, Keep},
};

// The endings. Their lines come before their pictures, and both start the story over.
constexpr Row kEndings[] = {
    {47, Always, NoPicture,      NoText, Set(-1)},
    {47, Always, NoPicture,      Line("GAME OVER!"), Keep},
    {47, Always, Scene(FIRST),   NoText, Keep},
    {48, Always, Scene(ZOZEZ40), Line("確かに犯人はウマカイだが、俺は真犯人の存在には気づかなかった..."), IPlus(-2)},
    {49, Always, Scene(ZOZEZ40), Line("アンタが、ウマカイをそそのかして、長屋氏を暗殺した真犯人だ"), Keep},
    {50, Always, Scene(BILLY),   Line("フッフ、ワシの妻に手を出すヤツが悪いのよ..."), Keep},
    {51, Always, NoPicture,      Line("GAME CLEAR!"), Keep},
    {51, Always, Show(END1),     NoText, Keep},
    {52, Always, NoPicture,      Line("ホロミナ2.0　制作：ホロミナ制作チーム（小さなチームです）　遊んでくれてありがとう！"), Keep},
    {52, Always, Show(ASIA2018), NoText, Keep},
    {53, Always, NoPicture,      Line("MULTI ENDING ADVENTURE  'ONLY' GAME"), Keep},
    {53, Always, Show(WHITE),    NoText, Keep},
    {54, Always, NoPicture,      Line("RESTART OK?"), Keep},
    {54, Always, Show(WHITE),    NoText, Set(-1)},
    {54, Always, PutOn(FIRST),   NoText, Keep},
};

// The agent's hints, answered at the agent's question (step 24's B).
constexpr Row kAgentHints[] = {
    {1000, A,      Scene(FUJIWARA), TwoLines("有力な容疑者の一味がフジワラ４兄弟だニャ。", "ジパング政府乗っ取りを兄弟で計画"), Keep},
    {1000, B,      Scene(HARARY),   TwoLines("確証はないが、ハラリーは長屋氏と", "不倫関係にあったと噂される"), Keep},
    {1000, C,      Scene(NAGAYA),   TwoLines("ジパングのキングニャ。", "自殺説もある"), Keep},
    {1000, D,      Scene(BILLY),    TwoLines("いわゆる黒幕だニャ。", "目的のためなら手段を選ばない男ニャ"), Keep},
    {1000, Always, NoPicture,       NoText, Set(21)}, // whichever answer, back to the first menu
};

// The culprit names, compared in this order with the whole typed text.
constexpr NameRow kNames[] = {
    {"ウマカイ", UMAKAI,   "正解！",   IPlus(+1)},
    {"フササキ", HUSASAKI, "外れ",     Keep},
    {"ビリー",   BILLY,    "大正解！", IPlus(+2)},
    {"ハラリー", HARARY,   "外れ",     Keep},
    {"タビト",   ZOZEZ40,  "外れ",     Keep},
    {"アジア",   ASIA2018, "外れ",     Keep},
};

// clang-format on

constexpr std::span<const Row> kSections[] = {
    kIntroduction, kFirstMenu,   kInfiltration, kStudy,
    kDeduction,    kCulpritName, kEndings,      kAgentHints,
};

} // namespace

const std::string_view kTooShortLine = "外れ";

std::span<const std::span<const Row>> Sections() {
    return kSections;
}
std::span<const NameRow> CulpritNames() {
    return kNames;
}

} // namespace script
