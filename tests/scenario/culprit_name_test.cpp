// Naming the culprit: the typed text decides the ending, even while the input method still
// holds it. Names are typed as the desktop's input method commits them.
#include "tests/support/game.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

using namespace game_test;

namespace {

// Another top-level window takes the focus, as another program's would, and gives it back.
void FocusAway(QWidget& other) {
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
}
void FocusBack(MainWindow& w) {
    w.TopLevel()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.TopLevel()));
}

// The input method drops its composition without committing it.
void Drop(MainWindow& w) {
    QInputMethodEvent dropped;
    QCoreApplication::sendEvent(w.TextField1()->Widget(), &dropped);
}

// A name the input method still holds as pending (composed, shown, not yet committed) is
// the name the game reads, once, however the composition ends: OK or A clicked (the buttons
// never take the focus), a click into the field, another window taking the focus, or
// another program's text entry, to which the input method gives the focus, dropping the
// composition, just before the window hears of it. An input method that commits what it
// held when it is reset sends it again at once: dropped.
TEST(CulpritName, APendingNameGoesInOnceHoweverTheCompositionEnds) {
    auto w = StartGame();
    QWidget* field = w->TextField1()->Widget();
    QWidget other;
    const std::pair<const char*, std::function<void()>> endings[] = {
        {"OK", [&] { PressOK(*w); }},
        {"A", [&] { Answer(*w, 'A'); }},
        {"a click into the field",
         [&] {
             QTest::mouseClick(static_cast<QAbstractScrollArea*>(field)->viewport(),
                               Qt::LeftButton);
         }},
        {"another window", [&] { FocusAway(other); }},
        {"another program's entry",
         [&] {
             Drop(*w);
             FocusAway(other);
         }},
    };
    for (const auto& [how, end] : endings) {
        SCOPED_TRACE(how);
        w->i = 45; // the prompt comes next
        PressOK(*w);
        FocusBack(*w);
        ReplaceByTyping(*w, "");
        Compose(*w, "ビリー");
        end();
        const bool read = std::string(how) == "OK";
        if (!std::string(how).starts_with("another")) {
            EXPECT_EQ(QApplication::focusWidget(), field);
        }
        if (!read) {
            EXPECT_EQ(FieldText(*w), "ビリー");
        }
        Commit(*w, "ビリー");
        if (!read) {
            EXPECT_EQ(FieldText(*w), "ビリー");
            PressOK(*w);
        }
        EXPECT_EQ(Shown(*w), "BILLY.png | 大正解！");
    }
}

// Where the display cannot say whether the window still had the keyboard when the input
// method dropped a composition, a drop is the focus leaving only if the window is told of
// that as soon as it would be (Escape, then a click elsewhere, is the player's doing). The
// echo's time past, the same text committed again is typed.
TEST(CulpritName, LaterTheInputMethodIsTakenAtItsWord) {
    auto w = StartGame();
    w->i = 45;
    PressOK(*w);
    ReplaceByTyping(*w, "");
    Compose(*w, "ビリー");
    Answer(*w, 'B');
    QWidget other;

    Compose(*w, "ウマカイ");
    Drop(*w);
    QTest::qWait(500);
    FocusAway(other);
    EXPECT_EQ(FieldText(*w), "ビリー");

    FocusBack(*w);
    QTest::qWait(600);
    Commit(*w, "ビリー");
    EXPECT_EQ(FieldText(*w), "ビリービリー");
}

// Each listed name has its own picture and line. Fewer than three characters miss on the
// hero's picture; exactly three are compared. Anything else is no match: the typed text stays on
// screen.
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
    } cases[] = {
        {"ウマカイ", "UMAKAI.png | 正解！", 48}, {"フササキ", "HUSASAKI.png | 外れ", 47},
        {"ビリー", "BILLY.png | 大正解！", 49},  {"ハラリー", "HARARY.png | 外れ", 47},
        {"タビト", "ZOZEZ40.png | 外れ", 47},    {"アジア", "ASIA2018 | 外れ", 47},
        {"", "ZOZEZ40.png | 外れ", 47},          {"ビリ", "ZOZEZ40.png | 外れ", 47},
        {"ア", "ZOZEZ40.png | 外れ", 47},        {"アイウ", kept, 47},
        {" ビリー", kept, 47},  {"ビリー ", kept, 47},    {"ビリー　", kept, 47},
        {"ﾋﾞﾘｰ", kept, 47},     {"ウマカイウ", kept, 47}, {"😀ビリー", kept, 47},
        {"ビ\tリ\x01ー", kept, 47}, {tooLong, kept, 47},
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
        EXPECT_EQ(Press(*w), c.shown.empty() ? "ZOZEZ40.png | " + typed : c.shown);
        EXPECT_EQ(w->i, c.next);
        EXPECT_TRUE(w->TextField1()->ReadOnly());
    }
}

} // namespace
