// Naming the culprit: the field opens for typing at the prompt, and the typed text decides
// the ending. Names are typed as the desktop's input method commits them.
#include "story.h"

#include <QTest>

using namespace story;

namespace {

// Whether the field takes what the player types: keys, and the input method, which only
// delivers to a field that says it accepts input.
bool TakesTyping(MainWindow& w) {
    QWidget* field = w.TextField1()->Widget();
    const std::string before = FieldText(w);
    field->setFocus();
    QTest::keyClicks(field, "abc");
    TypeCommitted(w, "ビリー");
    const bool taken = FieldText(w) != before;
    return taken || field->inputMethodQuery(Qt::ImEnabled).toBool();
}

const std::string kPrompt =
    "ここに犯人名をカタカナ４文字以内で入力して、OKボタンを押してください。";

TEST(CulpritName, ThePromptOpensTheFieldAndTheCheckClosesIt) {
    auto w = StartGame();
    EXPECT_TRUE(w->TextField1()->ReadOnly());
    ToNamePrompt(*w);
    EXPECT_EQ(Shown(*w), "ZOZEZ40.png | " + kPrompt);
    EXPECT_FALSE(w->TextField1()->ReadOnly());
    ReplaceByTyping(*w, "ビリー");
    EXPECT_EQ(FieldText(*w), "ビリー");
    PressOK(*w);
    EXPECT_TRUE(w->TextField1()->ReadOnly());
    EXPECT_FALSE(TakesTyping(*w));
    EXPECT_EQ(FieldText(*w), "大正解！");
}

// Before the prompt the field refuses typing, even right at the line before it.
TEST(CulpritName, TypingBeforeThePromptIsRefused) {
    auto w = StartGame();
    ToOffice(*w);
    Answer(*w, 'C');
    PressOK(*w, 6); // up to "犯人は、こいつだ！"
    ASSERT_EQ(w->i, 45);
    EXPECT_FALSE(TakesTyping(*w));
    EXPECT_EQ(FieldText(*w), "犯人は、こいつだ！");
    PressOK(*w);
    EXPECT_TRUE(TakesTyping(*w));
}

struct Outcome {
    std::string typed;
    std::string shown;
    std::int64_t next;
};

// Each listed name: its own picture and line, and where it sends the story.
TEST(CulpritName, EachListedNameShowsItsPictureAndLine) {
    const Outcome outcomes[] = {
        {"ウマカイ", "UMAKAI.png | 正解！", 48}, {"フササキ", "HUSASAKI.png | 外れ", 47},
        {"ビリー", "BILLY.png | 大正解！", 49},  {"ハラリー", "HARARY.png | 外れ", 47},
        {"タビト", "ZOZEZ40.png | 外れ", 47},    {"アジア", "ASIA2018 | 外れ", 47},
    };
    for (const Outcome& outcome : outcomes) {
        SCOPED_TRACE(outcome.typed);
        auto w = StartGame();
        w->i = 45; // the prompt again: the window is the same one for the whole process
        PressOK(*w);
        ReplaceByTyping(*w, outcome.typed);
        fw::testing::OperationLog log;
        EXPECT_EQ(Press(*w), outcome.shown);
        EXPECT_EQ(w->i, outcome.next);
        // The check's own scene change and the name's one: the canvas is blanked twice.
        EXPECT_EQ(log.Matching("RectControl.Refresh").size(), 2u);
        EXPECT_EQ(log.Matching("Canvas.Backdrop WHITE.png").size(), 2u);
    }
}

// Three characters are enough to be compared; fewer are a miss on the hero's picture.
TEST(CulpritName, FewerThanThreeCharactersMiss) {
    for (std::string typed : {"", "ビリ", "ア"}) {
        SCOPED_TRACE(typed);
        auto w = StartGame();
        w->i = 45;
        PressOK(*w);
        ReplaceByTyping(*w, typed);
        fw::testing::OperationLog log;
        EXPECT_EQ(Press(*w), "ZOZEZ40.png | 外れ");
        EXPECT_EQ(w->i, 47);
        EXPECT_EQ(log.Matching("RectControl.Refresh").size(), 1u);
    }
}

// Anything else of three characters or more is no match: the typed text stays on screen.
TEST(CulpritName, UnlistedTextStaysInTheField) {
    const std::string tooLong = [] {
        std::string s;
        for (int k = 0; k < 10000; ++k)
            s += "ア";
        return s;
    }();
    for (std::string typed :
         {std::string("アイウ"), std::string(" ビリー"), std::string("ビリー "),
          std::string("ビリー　"), std::string("ﾋﾞﾘｰ"), std::string("ウマカイウ"),
          std::string("😀ビリー"), std::string("ビ\tリ\x01ー"), tooLong}) {
        SCOPED_TRACE(typed.substr(0, 40));
        auto w = StartGame();
        w->i = 45;
        PressOK(*w);
        ReplaceByTyping(*w, typed);
        const std::string before = FieldText(*w);
        ASSERT_FALSE(before.empty());
        EXPECT_EQ(Press(*w), "ZOZEZ40.png | " + before);
        EXPECT_EQ(w->i, 47);
        EXPECT_TRUE(w->TextField1()->ReadOnly());
    }
}

// The prompt left as it was is no name either; the next press is the bad ending.
TEST(CulpritName, ThePromptLeftInTheFieldIsNoName) {
    auto w = StartGame();
    ToNamePrompt(*w);
    EXPECT_EQ(Press(*w), "ZOZEZ40.png | " + kPrompt);
    EXPECT_EQ(w->i, 47);
    EXPECT_EQ(Press(*w), "FIRST | GAME OVER!");
}

// A press whose check fails part-way leaves i at 46: the next press checks again, reading
// what the field then holds.
TEST(CulpritName, AnInterruptedCheckRunsAgainOnTheNextPress) {
    auto w = StartGame();
    std::vector<std::string> reports;
    fw::testing::SetHandlerReportSink([&](const std::string& r) { reports.push_back(r); });
    ToNamePrompt(*w);
    ReplaceByTyping(*w, "ビリ");
    fw::testing::FailOperation("TextField.ReadOnly");
    PressOK(*w);
    EXPECT_EQ(reports.size(), 1u);
    EXPECT_EQ(w->i, 46);
    EXPECT_EQ(FieldText(*w), "ビリ");
    ReplaceByTyping(*w, "ビリー");
    EXPECT_EQ(Press(*w), "BILLY.png | 大正解！");
}

} // namespace
