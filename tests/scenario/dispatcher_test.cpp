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
    w->i = 26; // the scene change comes before the answer is read
    fw::testing::OperationLog log;
    PressOK(*w);
    EXPECT_EQ(ScreenOperations(log),
              (Ops{"Canvas.Backdrop WHITE.png", "RectControl.Refresh REALCanvas",
                   "Canvas.Backdrop BESSO.png"}));
    EXPECT_EQ(w->i, 27);
}

// The coin is heads from exactly one half up.
TEST(Dispatcher, HalfIsHeads) {
    auto w = StartGame();
    fw::testing::ScriptRandom({0.5, 0.49999});
    ToFirstMenu(*w);
    PressOK(*w);
    EXPECT_EQ(Press(*w),
              "GREATAJIA.png | "
              "アジア「ちゃんと小説書いてるの？最近探偵はじめたって噂聞いたけど...デマよね？」");
    PressOK(*w, 3);
    EXPECT_EQ(Press(*w),
              "AKIKO.png | アキコ「パパ、元気？私もママを目指してトレーニングをはじめたの」");
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

// The closing screens set their picture after the line and redraw after it, with no blank;
// the two endings set the line first, then make a scene change to FIRST.
TEST(Dispatcher, EndingScreensOrderTheirPictureAfterTheLine) {
    auto w = StartGame();
    struct Case {
        std::int64_t step;
        Ops ops;
    };
    const std::string credits =
        "ホロミナ2.0　制作：ホロミナ制作チーム（小さなチームです）　遊んでくれてありがとう！";
    const Case cases[] = {
        {51,
         {"TextField.Text GAME CLEAR!", "Canvas.Backdrop END1", "RectControl.Refresh REALCanvas"}},
        {52,
         {"TextField.Text " + credits, "Canvas.Backdrop ASIA2018",
          "RectControl.Refresh REALCanvas"}},
        {53,
         {"TextField.Text MULTI ENDING ADVENTURE  'ONLY' GAME", "Canvas.Backdrop WHITE.png",
          "RectControl.Refresh REALCanvas"}},
        {54,
         {"TextField.Text RESTART OK?", "Canvas.Backdrop WHITE.png",
          "RectControl.Refresh REALCanvas", "Canvas.Backdrop FIRST"}},
        {47,
         {"TextField.Text GAME OVER!", "Canvas.Backdrop WHITE.png",
          "RectControl.Refresh REALCanvas", "Canvas.Backdrop FIRST"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.step);
        w->i = c.step;
        fw::testing::OperationLog log;
        PressOK(*w);
        EXPECT_EQ(ScreenOperations(log), c.ops);
    }
}

// With the canvas gone, a scene change fails at its first fetch: no picture is fetched,
// the screen and i stay as they were, and the framework reports the failure.
TEST(Dispatcher, AMissingCanvasStopsThePressBeforeAnythingChanges) {
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
}

// The same halfway through a block: the line already set stays, i does not move.
TEST(Dispatcher, AMissingCanvasMidBlockKeepsWhatWasDone) {
    auto w = StartGame();
    fw::testing::SetHandlerReportSink([](const std::string&) {});
    w->i = 47; // the line comes before the scene change
    fw::testing::ForgetControl(*w, "REALCanvas");
    PressOK(*w);
    EXPECT_EQ(FieldText(*w), "GAME OVER!");
    EXPECT_EQ(w->i, -1); // stored before the line
}

// A press that fails at its first fetch skips the common step, so the next press runs the
// same block from its start.
TEST(Dispatcher, TheFailedBlockRunsAgainOnTheNextPress) {
    auto w = StartGame();
    std::vector<std::string> reports;
    fw::testing::SetHandlerReportSink([&](const std::string& r) { reports.push_back(r); });
    QWidget* ok = w->OKButton()->Widget(); // found now: the fault is for the block's fetch
    fw::testing::FailOperation("Window._ControlByName", 1, "NilObjectException");
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(reports.size(), 1u);
    EXPECT_EQ(w->i, 0);
    EXPECT_EQ(Shown(*w), "FIRST | ホロミナ2.0⏎PRESS OK BUTTON");
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(Shown(*w), "ZOZEZ40.png | 俺の名前はタビト大伴");
    EXPECT_EQ(w->i, 1);
}

// A failure after the scene change: the picture stays changed, the text and i do not, and
// the next press runs the block again with a fresh coin.
TEST(Dispatcher, AFailedLineAfterTheSceneChangeFlipsAgainOnTheRetry) {
    auto w = StartGame();
    fw::testing::ScriptRandom({0.7, 0.2});
    fw::testing::SetHandlerReportSink([](const std::string&) {});
    ToFirstMenu(*w);
    PressOK(*w);
    fw::testing::FailOperation("TextField.Text");
    PressOK(*w);
    EXPECT_EQ(Shown(*w), "GREATAJIA.png | 電話か。家族にでも連絡しようか");
    EXPECT_EQ(w->i, 24);
    EXPECT_EQ(Press(*w),
              "AKIKO.png | アキコ「パパ、元気？私もママを目指してトレーニングをはじめたの」");
    EXPECT_EQ(w->i, 200);
}

} // namespace
