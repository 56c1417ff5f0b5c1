// One press of OK: which block runs, what it does to the canvas and in which order, and
// what a press cut short by a failing control leaves behind.
#include "story.h"

#include <QTest>

using namespace story;

namespace {

using Ops = std::vector<std::string>;

// A value without a block shows nothing and only counts up; the values that blocks store
// on their way to 0, 100, 200, 300, 400 and 1000 are never run themselves.
TEST(Dispatcher, AValueWithoutABlockOnlyCountsUp) {
    auto w = StartGame();
    PressOK(*w, 5);
    const std::string shown = Shown(*w);
    for (std::int64_t value : {-1, 55, 99, 199, 299, 399, 999, 1001, -1000, 123456789}) {
        SCOPED_TRACE(value);
        w->i = value;
        fw::testing::OperationLog log;
        PressOK(*w);
        EXPECT_EQ(w->i, value + 1);
        EXPECT_EQ(Shown(*w), shown);
        EXPECT_TRUE(ScreenOperations(log).empty());
    }
}

// An answer outside A to D (the buttons never record one) runs no branch: the steps around
// it still do what they do whatever the answer.
TEST(Dispatcher, AnAnswerOutsideAToDRunsNoBranch) {
    auto w = StartGame();
    ToFirstMenu(*w);
    w->abcd = 7;
    const std::string menu = Shown(*w);
    EXPECT_EQ(Press(*w), menu);
    EXPECT_EQ(Press(*w), menu);
    EXPECT_EQ(w->i, 25);
    w->i = 1000;
    EXPECT_EQ(Press(*w), menu);
    EXPECT_EQ(w->i, 22);
}

// A scene change: blank, redraw, the picture, and no redraw after it. Each use fetches the
// canvas afresh, before its picture.
TEST(Dispatcher, ASceneChangeBlanksRedrawsThenShowsThePicture) {
    auto w = StartGame();
    fw::testing::OperationLog log;
    PressOK(*w);
    Ops entries = log.Entries();
    entries.erase(entries.begin()); // the click finding the OK button
    EXPECT_EQ(entries, (Ops{
                           "Window._ControlByName REALCanvas",
                           "Picture._OpenFromApp WHITE.png",
                           "Canvas.Backdrop WHITE.png",
                           "Window._ControlByName REALCanvas",
                           "RectControl.Refresh REALCanvas",
                           "Window._ControlByName REALCanvas",
                           "Picture._OpenFromApp ZOZEZ40.png",
                           "Canvas.Backdrop ZOZEZ40.png",
                           "Window._ControlByName TextField1",
                           "TextField.Text 俺の名前はタビト大伴",
                       }));
    // Pictures are loaded once: the next scene change on them opens nothing.
    w->i = 0;
    log.Clear();
    PressOK(*w);
    EXPECT_TRUE(log.Matching("Picture._OpenFromApp").empty());
}

// What single presses do to the screen, in order. A picture repeated from the step before
// is still blanked and redrawn; a step without a picture of its own leaves the canvas
// alone, as does the first menu's hint; the house's hint and an unknown answer still make
// the scene change that comes before the answer is read. The closing screens set their
// picture after the line and redraw after it, with no blank; the two endings set the line
// first, then make a scene change to FIRST.
TEST(Dispatcher, EachPressChangesTheScreenInItsOwnOrder) {
    const std::string redraw = "RectControl.Refresh REALCanvas";
    const std::string blank = "Canvas.Backdrop WHITE.png";
    const std::string credits =
        "ホロミナ2.0　制作：ホロミナ制作チーム（小さなチームです）　遊んでくれてありがとう！";
    // clang-format off
    const struct {
        std::int64_t step;
        int abcd;
        Ops ops;
    } cases[] = {
        {8, 0, {blank, redraw, "Canvas.Backdrop NAGAYA.png",
                "TextField.Text この男はキング長屋氏だ。このジパングを牛耳る大物政治家だった"}},
        {9, 0, {blank, redraw, "Canvas.Backdrop NAGAYA.png",
                "TextField.Text 過去形になってしまったのは、先日のネットニュースの通りだ。彼は最近暗殺された"}},
        {1, 0, {"TextField.Text コードネームZOZEZ40でCYBER探偵をやっている"}},
        {24, 3, {"TextField.Text 情報整理か。ヒントは、常に現場にある"}},
        {26, 3, {blank, redraw, "Canvas.Backdrop BESSO.png",
                 "TextField.Text 情報整理か。安全なのは、CATMACに相談することか..."}},
        {26, 7, {blank, redraw, "Canvas.Backdrop BESSO.png"}},
        {51, 0, {"TextField.Text GAME CLEAR!", "Canvas.Backdrop END1", redraw}},
        {52, 0, {"TextField.Text " + credits, "Canvas.Backdrop ASIA2018", redraw}},
        {53, 0, {"TextField.Text MULTI ENDING ADVENTURE  'ONLY' GAME", blank, redraw}},
        {54, 0, {"TextField.Text RESTART OK?", blank, redraw, "Canvas.Backdrop FIRST"}},
        {47, 0, {"TextField.Text GAME OVER!", blank, redraw, "Canvas.Backdrop FIRST"}},
    };
    // clang-format on
    auto w = StartGame();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.step);
        w->i = c.step;
        w->abcd = c.abcd;
        fw::testing::OperationLog log;
        PressOK(*w);
        EXPECT_EQ(ScreenOperations(log), c.ops);
    }
}

// With the canvas gone, a scene change fails at its first fetch: no picture is fetched,
// the screen and i stay as they were, and the framework reports the failure. Halfway
// through a block, what was done before stays.
TEST(Dispatcher, AMissingCanvasStopsThePressWhereItIsNeeded) {
    auto w = StartGame();
    std::vector<std::string> reports;
    fw::testing::SetHandlerReportSink([&](const std::string& r) { reports.push_back(r); });
    auto canvas = w->REALCanvas();
    fw::testing::ForgetControl(*w, "REALCanvas");
    fw::testing::OperationLog log;
    PressOK(*w);
    Ops entries = log.Entries();
    ASSERT_FALSE(entries.empty());
    EXPECT_EQ(entries.back(), "Window._ControlByName REALCanvas");
    EXPECT_TRUE(log.Matching("Picture._OpenFromApp").empty());
    EXPECT_TRUE(log.Matching("Canvas.Backdrop").empty());
    EXPECT_EQ(w->i, 0);
    EXPECT_EQ(FieldText(*w), "ホロミナ2.0\rPRESS OK BUTTON");
    ASSERT_TRUE(canvas->Backdrop());
    EXPECT_EQ(canvas->Backdrop()->FileName(), "FIRST");
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find("NilObjectException"), std::string::npos) << reports[0];
    w->i = 47; // the ending's -1 and its line come before its scene change
    PressOK(*w);
    EXPECT_EQ(FieldText(*w), "GAME OVER!");
    EXPECT_EQ(w->i, -1);
    EXPECT_EQ(reports.size(), 2u);
}

// One press cut short by a failing operation: what it leaves on screen, in i and in coin
// draws, and what the presses after it do.
struct Cut {
    std::string name;
    Checkpoint from;
    Steps before;
    std::string operation;
    int nth;
    std::vector<double> coins;
    std::string shown;
    std::int64_t i;
    int draws;
    Steps after;
};

void PrintTo(const Cut& cut, std::ostream* os) {
    *os << cut.name;
}

class CutShort : public ::testing::TestWithParam<Cut> {};

TEST_P(CutShort, LeavesWhatWasDoneAndRunsAgain) {
    const Cut& cut = GetParam();
    auto w = StartGame();
    fw::testing::ScriptRandom(cut.coins);
    int reports = 0;
    fw::testing::SetHandlerReportSink([&](const std::string&) { ++reports; });
    cut.from(*w);
    Walk(*w, cut.before);
    QWidget* ok = w->OKButton()->Widget(); // found now: the fault is for the block's own use
    fw::testing::FailOperation(cut.operation, cut.nth);
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(reports, 1);
    EXPECT_EQ(Shown(*w), cut.shown);
    EXPECT_EQ(w->i, cut.i);
    EXPECT_EQ(fw::testing::RandomDraws(), cut.draws);
    Walk(*w, cut.after);
}

// clang-format off
const Cut kCuts[] = {
    // A press failing at its first fetch skips the common step: the block runs again.
    {"FirstFetchRunsTheBlockAgain", At(0), {}, "Window._ControlByName", 1, {},
        "FIRST | ホロミナ2.0⏎PRESS OK BUTTON", 0, 0, {"ZOZEZ40.png | 俺の名前はタビト大伴", "@1"}},
    // After the scene change the picture stays changed, the text and i do not; the retry
    // flips a fresh coin.
    {"LineAfterTheSceneChangeFlipsAgain", ToFirstMenu, {""}, "TextField.Text", 1, {0.7, 0.2},
        "GREATAJIA.png | 電話か。家族にでも連絡しようか", 24, 1,
        {"AKIKO.png | アキコ「パパ、元気？私もママを目指してトレーニングをはじめたの」", "@200"}},
    // The agent appears before its coin is flipped; the phone flips before its scene.
    {"AgentAppearsBeforeItsCoin", ToDeductionMenu, {"B", ""}, "Canvas.Backdrop", 2, {},
        "WHITE.png | まずはキャットマックに相談だ", 42, 0, {}},
    {"PhoneFlipsBeforeItsScene", ToDeductionMenu, {"A", ""}, "Canvas.Backdrop", 1, {0.7},
        "OFFICE.png | 電話か。家族に連絡を取るか", 42, 1, {}},
    // The bad ending stores -1 before its line: it still starts over, one empty press later.
    {"GameOverStoresFirst", At(47), {}, "TextField.Text", 1, {}, "FIRST | ホロミナ2.0⏎PRESS OK BUTTON",
        -1, 0, {"FIRST | ホロミナ2.0⏎PRESS OK BUTTON", "@0", "ZOZEZ40.png | 俺の名前はタビト大伴"}},
    // The restart prompt stores -1 between its blank redraw and FIRST.
    {"RestartPromptStoresBeforeFirst", At(54), {}, "Canvas.Backdrop", 2, {},
        "WHITE.png | RESTART OK?", -1, 0, {}},
    {"RestartPromptRedrawFailsBeforeStoring", At(54), {}, "RectControl.Refresh", 1, {},
        "WHITE.png | RESTART OK?", 54, 0, {}},
    // The name check cut short leaves i at 46: the next press checks what the field holds.
    {"NameCheckRunsAgain", ToNamePrompt, {"type ビリ"}, "TextField.ReadOnly", 1, {},
        "ZOZEZ40.png | ビリ", 46, 0, {"type ビリー", "BILLY.png | 大正解！"}},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Dispatcher, CutShort, ::testing::ValuesIn(kCuts),
                         [](const auto& info) { return info.param.name; });

} // namespace
