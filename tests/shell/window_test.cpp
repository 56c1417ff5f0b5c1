// The one window after the real start-up: the title screen it paints, and the glyphs of
// all it can show.
#include "resources/pictures.h"
#include "scenario/script.h"
#include "tests/shell/shell.h"
#include "ui/menu_bar.h"

#include <QGlyphRun>
#include <QPixmap>
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

TEST_F(ShellWindow, TitleScreenPaintsFirstUnderTheTitleText) {
    EXPECT_EQ(w->TextField1()->Text(), kTitleScreen);
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
