// Naming the culprit: the field opens for typing at the prompt, and the typed text decides
// the ending. Names are typed as the desktop's input method commits them.
#include "story.h"

#include <QInputMethodEvent>
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

// Locked from the start, even at the line right before the prompt; open at the prompt;
// locked again by the check.
TEST(CulpritName, TheFieldTakesTypingFromThePromptToTheCheck) {
    auto w = StartGame();
    EXPECT_TRUE(w->TextField1()->ReadOnly());
    ToDeductionMenu(*w);
    Answer(*w, 'C');
    PressOK(*w, 4);
    ASSERT_EQ(w->i, 45);
    EXPECT_FALSE(TakesTyping(*w));
    EXPECT_EQ(FieldText(*w), "犯人は、こいつだ！");
    EXPECT_EQ(Press(*w), "ZOZEZ40.png | "
                         "ここに犯人名をカタカナ４文字以内で入力して、OKボタンを押してください。");
    EXPECT_FALSE(w->TextField1()->ReadOnly());
    EXPECT_TRUE(TakesTyping(*w));
    ReplaceByTyping(*w, "ビリー");
    EXPECT_EQ(FieldText(*w), "ビリー");
    PressOK(*w);
    EXPECT_TRUE(w->TextField1()->ReadOnly());
    EXPECT_FALSE(TakesTyping(*w));
    EXPECT_EQ(FieldText(*w), "大正解！");
}

// A name the input method still holds as pending (composed, shown, not yet committed) is
// the name the game reads when a button is clicked: the buttons never take the focus, so
// the focus moving can't commit it.
TEST(CulpritName, APendingNameCountsWhenOKIsClicked) {
    auto w = StartGame();
    ToNamePrompt(*w);
    ReplaceByTyping(*w, "");
    QInputMethodEvent compose("ビリー", {});
    QCoreApplication::sendEvent(w->TextField1()->Widget(), &compose);
    Answer(*w, 'A'); // any button commits it, once
    EXPECT_EQ(FieldText(*w), "ビリー");
    EXPECT_EQ(Press(*w), "BILLY.png | 大正解！");

    w->i = 45;
    PressOK(*w);
    ReplaceByTyping(*w, "");
    QCoreApplication::sendEvent(w->TextField1()->Widget(), &compose);
    EXPECT_EQ(Press(*w), "BILLY.png | 大正解！");
}

// Each listed name has its own picture and line, and the check's scene change is followed
// by the name's own (two blanks). Fewer than three characters miss on the hero's picture;
// exactly three are compared. Anything else is no match: the typed text stays on screen.
TEST(CulpritName, TheTypedTextDecidesTheEnding) {
    std::string tooLong;
    for (int k = 0; k < 10000; ++k)
        tooLong += "ア";
    const std::string kept; // the field's text, on the hero's picture
    // clang-format off
    const struct {
        std::string typed;
        std::string shown;
        std::int64_t next;
        std::size_t blanks;
    } cases[] = {
        {"ウマカイ", "UMAKAI.png | 正解！", 48, 2}, {"フササキ", "HUSASAKI.png | 外れ", 47, 2},
        {"ビリー", "BILLY.png | 大正解！", 49, 2},  {"ハラリー", "HARARY.png | 外れ", 47, 2},
        {"タビト", "ZOZEZ40.png | 外れ", 47, 2},    {"アジア", "ASIA2018 | 外れ", 47, 2},
        {"", "ZOZEZ40.png | 外れ", 47, 1},          {"ビリ", "ZOZEZ40.png | 外れ", 47, 1},
        {"ア", "ZOZEZ40.png | 外れ", 47, 1},        {"アイウ", kept, 47, 1},
        {" ビリー", kept, 47, 1},  {"ビリー ", kept, 47, 1},    {"ビリー　", kept, 47, 1},
        {"ﾋﾞﾘｰ", kept, 47, 1},     {"ウマカイウ", kept, 47, 1}, {"😀ビリー", kept, 47, 1},
        {"ビ\tリ\x01ー", kept, 47, 1}, {tooLong, kept, 47, 1},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.substr(0, 40));
        auto w = StartGame();
        w->i = 45; // the prompt again: the window is the same one for the whole process
        PressOK(*w);
        ReplaceByTyping(*w, c.typed);
        const std::string typed = FieldText(*w);
        ASSERT_FALSE(c.shown.empty() && typed.empty()); // a kept text must show
        fw::testing::OperationLog log;
        EXPECT_EQ(Press(*w), c.shown.empty() ? "ZOZEZ40.png | " + typed : c.shown);
        EXPECT_EQ(w->i, c.next);
        EXPECT_TRUE(w->TextField1()->ReadOnly());
        EXPECT_EQ(log.Matching("RectControl.Refresh").size(), c.blanks);
        EXPECT_EQ(log.Matching("Canvas.Backdrop WHITE.png").size(), c.blanks);
    }
}

} // namespace
