// The one window after the real start-up: its controls, their places and tab order, the
// window's size limits, the title screen, and the glyphs of all it shows.
#include "framework/testing.h"
#include "resources/pictures.h"
#include "scenario/script.h"
#include "tests/shell/shell.h"
#include "ui/menu_bar.h"

#include <QDir>
#include <QGlyphRun>
#include <QPixmap>
#include <QPushButton>
#include <QTest>
#include <QTextLayout>
#include <gtest/gtest.h>

using namespace game_test;
using namespace shell_test;
using ShellWindow = Game;

namespace {

// The text, if its font (fallbacks included) can't draw one of its characters; else "".
QString MissingGlyphs(const std::string& text, const QFont& font) {
    QString qtext = QString::fromStdString(text);
    QTextLayout layout(qtext, font);
    layout.beginLayout();
    while (layout.createLine().isValid()) {
    }
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns())
        if (run.glyphIndexes().contains(0)) return qtext;
    return QString();
}

void CollectMenuTexts(const MenuItem& menu, std::vector<std::string>& texts) {
    for (int k = 0; k < menu.Count(); ++k) {
        auto item = menu.Item(k);
        if (item->Text() != "-") texts.push_back(item->Text());
        CollectMenuTexts(*item, texts);
    }
}

} // namespace

TEST_F(ShellWindow, OneWindowFromTwoCallsWithItsStateAtZero) {
    fw::testing::OperationLog log;
    EXPECT_EQ(MainWindow_MainWindow(), w);
    EXPECT_TRUE(log.Matching("Window.Constructor").empty());
    EXPECT_EQ(w->i, 0);
    EXPECT_EQ(w->abcd, 0);
    EXPECT_EQ(w->job, "");
}

TEST_F(ShellWindow, ControlsHaveTheirClassesPlacesAndCaptions) {
    struct Spot {
        const char* name;
        QRect place; // empty, or no caption: not checked
        const char* caption;
    };
    const Spot spots[] = {
        {"OKButton", {87, 592, 68, 41}, "OK"},       {"NoBtutton", {}, "Quit"},
        {"AButton", {88, 634, 60, 33}, nullptr},     {"BButton", {}, nullptr},
        {"CButton", {232, 634, 60, 33}, nullptr},    {"DButton", {297, 634, 60, 33}, "D"},
        {"ResetButton", {247, 592, 68, 41}, "Reset"}};
    for (const Spot& spot : spots) {
        SCOPED_TRACE(spot.name);
        auto button = std::dynamic_pointer_cast<BevelButton>(w->_ControlByName(spot.name));
        ASSERT_TRUE(button);
        auto* widget = static_cast<QPushButton*>(button->Widget());
        EXPECT_EQ(spot.place.isEmpty() ? spot.place : widget->geometry(), spot.place);
        EXPECT_EQ(spot.caption ? widget->text() : "", spot.caption ? spot.caption : "");
        EXPECT_TRUE(widget->isVisible() && widget->isEnabled());
    }
    EXPECT_EQ(w->Content()->findChildren<QPushButton*>().size(), 7);
    EXPECT_EQ(w->TextField1()->Widget()->geometry(), QRect(0, 480, 640, 100));
    EXPECT_EQ(w->REALCanvas()->Widget()->geometry(), QRect(0, 0, 640, 480));

    // The getters give nil for controls the window no longer holds.
    for (const char* name : {"TextField1", "REALCanvas", "OKButton"})
        fw::testing::ForgetControl(*w, name);
    EXPECT_NO_THROW({
        EXPECT_EQ(w->TextField1(), nullptr);
        EXPECT_EQ(w->REALCanvas(), nullptr);
        EXPECT_EQ(w->OKButton(), nullptr);
    });
    EXPECT_TRUE(w->NoBtutton());
}

TEST_F(ShellWindow, TabGoesThroughTheControlsInTheirTabOrder) {
    QApplication::setActiveWindow(w->TopLevel());
    ASSERT_TRUE(QTest::qWaitForWindowActive(w->TopLevel()));
    w->TextField1()->Widget()->setFocus();
    for (const char* name : {"TextField1", "REALCanvas", "OKButton", "NoBtutton", "AButton",
                             "BButton", "CButton", "DButton", "ResetButton"}) {
        EXPECT_EQ(QApplication::focusWidget(), w->_ControlByName(name)->Widget()) << name;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
}

TEST_F(ShellWindow, IsTitledWhiteAndSizedWithinItsLimits) {
    QWidget* top = w->TopLevel();
    QWidget* content = w->Content();
    EXPECT_TRUE(top->isVisible());
    EXPECT_EQ(top->windowTitle(), "ホロミナ2.0");
    EXPECT_EQ(content->size(), QSize(640, 720));
    EXPECT_TRUE(content->autoFillBackground());
    EXPECT_EQ(content->palette().color(QPalette::Window), QColor(Qt::white));

    QRect canvas = w->REALCanvas()->Widget()->geometry();
    const int bar = top->height() - content->height();
    // Asked for, given: free between 64 square and 640 by 720.
    const std::pair<QSize, QSize> resizes[] = {{{200, 150}, {200, 150}},
                                               {{64, 64}, {64, 64}},
                                               {{10, 20}, {64, 64}},
                                               {{5000, 5000}, {640, 720}}};
    for (const auto& [asked, given] : resizes) {
        top->resize(asked.width(), asked.height() + bar);
        QApplication::processEvents();
        EXPECT_EQ(content->size(), given) << asked.width() << "x" << asked.height();
    }
    // Locked to the left and top: resizing moves nothing.
    EXPECT_EQ(w->REALCanvas()->Widget()->geometry(), canvas);
    EXPECT_EQ(w->OKButton()->Widget()->geometry(), QRect(87, 592, 68, 41));
}

TEST_F(ShellWindow, TitleScreenShowsFirstAndTheTitleText) {
    EXPECT_EQ(w->TextField1()->Text(), kTitleScreen);
    EXPECT_EQ(w->REALCanvas()->Backdrop(), FIRST());
    // Shown on two lines, with nothing else.
    EXPECT_EQ(Field(*w)->document()->blockCount(), 2);
    EXPECT_EQ(Field(*w)->toPlainText(), "ホロミナ2.0\nPRESS OK BUTTON");
    // The canvas paints it.
    QImage shown = w->Content()->grab(QRect(0, 0, 640, 480)).toImage();
    const QImage& first = FIRST()->Image().image;
    for (QPoint p : {QPoint(0, 0), QPoint(320, 240), QPoint(639, 479), QPoint(100, 400)})
        EXPECT_EQ(shown.pixel(p), first.pixel(p)) << p.x() << "," << p.y();
}

// Every text the game can show has a glyph for each of its characters in the font the
// player sees it in: no empty boxes for Japanese text.
TEST_F(ShellWindow, EveryShownTextHasAllItsGlyphs) {
    const QFont fieldFont = w->TextField1()->Widget()->font();
    // The check itself sees a missing glyph: a private-use character no font draws.
    EXPECT_NE(MissingGlyphs("ホ\xEF\xA3\xBF", fieldFont), QString());

    std::vector<std::string> texts{w->TextField1()->Text()};
    CollectMenuTexts(*MenuBar1_MenuBar1(), texts);
    for (const auto& section : script::Sections())
        for (const script::Row& row : section)
            for (std::string_view text : {row.text.first, row.text.second})
                if (!text.empty()) texts.emplace_back(text);
    for (const script::NameRow& row : script::CulpritNames()) {
        texts.emplace_back(row.name);
        texts.emplace_back(row.line);
    }
    texts.emplace_back(script::kTooShortLine);
    // The menus, the title screen and a story of some length.
    ASSERT_GT(texts.size(), 100u);
    for (const std::string& text : texts)
        EXPECT_EQ(MissingGlyphs(text, fieldFont), QString()) << text;
    const QFont buttonFont = w->OKButton()->Widget()->font();
    for (const char* caption : {"OK", "Quit", "Reset", "ファイル", "編集"})
        EXPECT_EQ(MissingGlyphs(caption, buttonFont), QString()) << caption;
}
